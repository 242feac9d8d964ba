#include "circuit/window/circuit_form.h"

#include <QWidget>

namespace ronri {

CircuitForm::CircuitForm(App& app) : Window(app, QStringLiteral("Form6"), QStringLiteral("回路図")) {}

void CircuitForm::build(QMainWindow* w) { w->setCentralWidget(new QWidget(w)); }

}  // namespace ronri
