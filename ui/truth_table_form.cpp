#include "ui/truth_table_form.h"

#include <QWidget>

namespace ronri {

TruthTableForm::TruthTableForm(App& app) : Window(app, QStringLiteral("Form2"), QStringLiteral("真理値表")) {}

void TruthTableForm::build(QMainWindow* w) { w->setCentralWidget(new QWidget(w)); }

}  // namespace ronri
