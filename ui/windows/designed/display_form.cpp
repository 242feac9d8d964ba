#include "ui/windows/designed/display_form.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "core/expression/gateset.h"
#include "ui/app.h"
#include "ui/framework/controls.h"
#include "ui/framework/expression_font.h"
#include "ui/framework/print_header.h"
#include "ui/windows/designed/notation_form.h"
#include "ui/windows/helpers/dont_care.h"
#include "ui/windows/helpers/send_to_list.h"

namespace ronri {

DisplayForm::DisplayForm(App& app) : Window(app, QStringLiteral("Form10"), tr("式表示")) {}

void DisplayForm::build(QMainWindow* w) {
  auto* central = new QWidget(w);
  auto* grid = new QGridLayout(central);
  grid->setColumnStretch(1, 1);
  const QString labels[3] = {tr("入力式"), tr("主加法標準形"), tr("主乗法標準形")};
  for (int row = 0; row < 3; ++row) {
    auto* label = new QLabel(labels[row], central);
    label->setObjectName(QStringLiteral("Label%1").arg(row + 1));
    auto* edit = new QLineEdit(central);
    edit->setObjectName(QStringLiteral("Text1(%1)").arg(row));
    edit->setFont(expressionFont());
    // Canonical forms of ten variables run to tens of thousands of characters.
    edit->setMaxLength(int(kMaxRewriteLength));
    edit->setMinimumWidth(420);
    auto* show = makeButton(central, QStringLiteral("Command%1").arg(row + 1), tr("表示"));
    connect(show, &QPushButton::clicked, this, [this, row] { showRow(row); });
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(show, row, 2);
    if (row > 0) {
      // The canonical forms can become entries of the main list.
      QPushButton* send =
          makeButton(central, QStringLiteral("CommandToList(%1)").arg(row), tr("一覧へ"));
      send->setToolTip(tr("この式を主画面の一覧に加えます"));
      grid->addWidget(send, row, 3);
      connect(send, &QPushButton::clicked, this, [this, row] { sendRow(row); });
    }
  }
  auto* dontCare = new QLabel(central);
  dontCare->setObjectName(QStringLiteral("DontCareLabel"));
  dontCare->setFont(expressionFont());
  grid->addWidget(dontCare, 3, 1);
  grid->setRowStretch(4, 1);
  w->setCentralWidget(central);
  w->resize(640, w->sizeHint().height());
}

void DisplayForm::showFor(const Function& f, const QString& sumOfProducts,
                          const QString& productOfSums) {
  texts_[0] = QString::fromStdString(f.expression);
  texts_[1] = sumOfProducts;
  texts_[2] = productOfSums;
  variables_ = f.variables;
  dontCares_ = f.dontCares;
  if (isOpen()) unload();
  show();
}

void DisplayForm::load() {
  for (int row = 0; row < 3; ++row)
    control<QLineEdit>(QStringLiteral("Text1(%1)").arg(row))->setText(texts_[row]);
  showFunctionInTitle(widget(), caption(), withDontCares(texts_[0], dontCares_));
  auto* dontCare = control<QLabel>(QStringLiteral("DontCareLabel"));
  dontCare->setText(withDontCares(QString(), dontCares_).trimmed());
  dontCare->setVisible(!dontCares_.empty());
}

void DisplayForm::sendRow(int row) {
  if (!isOpen() || row < 1 || row > 2) return;
  sendToList(app(), widget(), control<QLineEdit>(QStringLiteral("Text1(%1)").arg(row))->text(),
             variables_);
}

void DisplayForm::showRow(int row) {
  if (!isOpen() || row < 0 || row > 2) return;
  app().Form16->showFor(control<QLineEdit>(QStringLiteral("Text1(%1)").arg(row))->text());
}

}  // namespace ronri
