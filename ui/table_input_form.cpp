#include "ui/table_input_form.h"

#include <QWidget>

namespace ronri {

TableInputForm::TableInputForm(App& app) : Window(app, QStringLiteral("Form11"), QStringLiteral("真理値表入力")) {}

void TableInputForm::build(QMainWindow* w) { w->setCentralWidget(new QWidget(w)); }

}  // namespace ronri
