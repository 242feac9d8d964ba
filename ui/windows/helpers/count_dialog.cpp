#include "ui/windows/helpers/count_dialog.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/framework/messages.h"

namespace ronri {

void buildCountDialog(QMainWindow* w, const QList<int>& counts,
                      const std::function<void(int count)>& ok) {
  auto* central = new QWidget(w);
  auto* layout = new QVBoxLayout(central);
  auto* frame =
      new QGroupBox(QCoreApplication::translate("ronri::CountDialog", "変数の数は？"), central);
  frame->setObjectName(QStringLiteral("Frame1"));
  auto* options = new QHBoxLayout(frame);
  QList<QRadioButton*> buttons;
  for (int count : counts) {
    auto* b = new QRadioButton(QString::number(count), frame);
    b->setObjectName(QStringLiteral("Option%1").arg(count));
    options->addWidget(b);
    buttons << b;
  }
  layout->addWidget(frame);
  auto* button = new QPushButton(QStringLiteral("ok"), central);
  button->setObjectName(QStringLiteral("Command1"));
  button->setDefault(true);
  layout->addWidget(button, 0, Qt::AlignRight);
  w->setCentralWidget(central);

  QObject::connect(button, &QPushButton::clicked, w, [w, buttons, counts, ok] {
    for (int i = 0; i < buttons.size(); ++i) {
      if (buttons[i]->isChecked()) {
        ok(counts[i]);
        return;
      }
    }
    showMessage(w, QCoreApplication::translate("ronri::CountDialog", "選んでください"));
  });
}

}  // namespace ronri
