#include "ui/windows/designed/map_count_form.h"

#include "ui/app.h"
#include "ui/windows/designed/map_input_form.h"
#include "ui/windows/helpers/count_dialog.h"

namespace ronri {

MapCountForm::MapCountForm(App& app) : Window(app, QStringLiteral("Form12"), tr("変数の数は？")) {}

void MapCountForm::build(QMainWindow* w) {
  buildCountDialog(w, {3, 4, 5}, [this](int count) {
    app().form(count + 10).show();
    unload();
  });
}

}  // namespace ronri
