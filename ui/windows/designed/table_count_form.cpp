#include "ui/windows/designed/table_count_form.h"

#include "ui/app.h"
#include "ui/windows/designed/table_input_form.h"
#include "ui/windows/helpers/count_dialog.h"

namespace ronri {

TableCountForm::TableCountForm(App& app)
    : Window(app, QStringLiteral("Form8"), tr("変数の数は？")) {}

void TableCountForm::build(QMainWindow* w) {
  buildCountDialog(w, {1, 2, 3, 4, 5}, [this](int count) {
    app().Form11->showFor(count);
    unload();
  });
}

}  // namespace ronri
