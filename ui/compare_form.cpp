#include "ui/compare_form.h"

#include <QWidget>

namespace ronri {

CompareForm::CompareForm(App& app) : Window(app, QStringLiteral("Form18"), QStringLiteral("論理式の比較")) {}

void CompareForm::build(QMainWindow* w) { w->setCentralWidget(new QWidget(w)); }

}  // namespace ronri
