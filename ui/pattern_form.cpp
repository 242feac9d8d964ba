#include "ui/pattern_form.h"

#include <QWidget>

namespace ronri {

PatternForm::PatternForm(App& app) : Window(app, QStringLiteral("Form17"), QStringLiteral("")) {}

void PatternForm::build(QMainWindow* w) { w->setCentralWidget(new QWidget(w)); }

}  // namespace ronri
