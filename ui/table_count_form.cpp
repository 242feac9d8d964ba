#include "ui/table_count_form.h"

#include <QWidget>

namespace ronri {

TableCountForm::TableCountForm(App& app) : Window(app, QStringLiteral("Form8"), QStringLiteral("変数の数は？")) {}

void TableCountForm::build(QMainWindow* w) { w->setCentralWidget(new QWidget(w)); }

}  // namespace ronri
