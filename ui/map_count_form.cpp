#include "ui/map_count_form.h"

#include <QWidget>

namespace ronri {

MapCountForm::MapCountForm(App& app) : Window(app, QStringLiteral("Form12"), QStringLiteral("変数の数は？")) {}

void MapCountForm::build(QMainWindow* w) { w->setCentralWidget(new QWidget(w)); }

}  // namespace ronri
