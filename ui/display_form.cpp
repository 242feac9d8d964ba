#include "ui/display_form.h"

#include <QWidget>

namespace ronri {

DisplayForm::DisplayForm(App& app) : Window(app, QStringLiteral("Form10"), QStringLiteral("式表示")) {}

void DisplayForm::build(QMainWindow* w) { w->setCentralWidget(new QWidget(w)); }

}  // namespace ronri
