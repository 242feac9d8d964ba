#include "ui/notation_form.h"

#include <QWidget>

namespace ronri {

NotationForm::NotationForm(App& app) : Window(app, QStringLiteral("Form16"), QStringLiteral("見やすい式への変換？")) {}

void NotationForm::build(QMainWindow* w) { w->setCentralWidget(new QWidget(w)); }

}  // namespace ronri
