#include "ui/windows/designed/pattern_form.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace ronri {

PatternForm::PatternForm(App& app) : Window(app, QStringLiteral("Form17"), QStringLiteral("")) {}

void PatternForm::build(QMainWindow* w) {
  auto* central = new QWidget(w);
  auto* layout = new QVBoxLayout(central);
  auto* label = new QLabel(tr("パターンがいくつかあります。どれにしますか？"), central);
  label->setObjectName(QStringLiteral("Label1"));
  layout->addWidget(label);
  layout->addStretch(1);
  w->setCentralWidget(central);
}

}  // namespace ronri
