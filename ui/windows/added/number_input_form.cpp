#include "ui/windows/added/number_input_form.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/expression/expression.h"
#include "core/table/table_input.h"
#include "ui/app.h"
#include "ui/framework/controls.h"
#include "ui/framework/expression_font.h"
#include "ui/framework/messages.h"
#include "ui/windows/designed/main_form.h"

namespace ronri {

NumberInputForm::NumberInputForm(App& app)
    : Window(app, QStringLiteral("NumberInput"), tr("番号で入力")) {}

QString NumberInputForm::errorText(const RowNumberError& e, int variables) {
  const QString piece = QString::fromStdString(e.piece);
  switch (e.kind) {
    case RowNumberError::Unreadable:
      return tr("「%1」は番号として読めません。0,1,2 や 8-10 のように書いてください").arg(piece);
    case RowNumberError::OutOfRange:
      return tr("%1 は行の番号ではありません（変数 %2 つの行は 0～%3）")
          .arg(e.value)
          .arg(variables)
          .arg((1 << variables) - 1);
    case RowNumberError::Reversed:
      return tr("範囲 %1 は逆向きです。小さい番号を先に書いてください").arg(piece);
    case RowNumberError::InBoth:
      return tr("%1 が m と d の両方にあります").arg(e.value);
  }
  return piece;
}

void NumberInputForm::showFor(int variables) {
  if (variables >= 1 && variables <= kMaxVariables) {
    startCount_ = variables;
    if (count_) count_->setValue(variables);
  }
  show();
}

void NumberInputForm::build(QMainWindow* w) {
  auto* central = new QWidget(w);
  w->setCentralWidget(central);
  count_ = new QSpinBox(central);
  count_->setObjectName(QStringLiteral("CountBox"));
  count_->setRange(1, kMaxVariables);
  count_->setValue(startCount_);
  ones_ = new QLineEdit(central);
  ones_->setObjectName(QStringLiteral("OnesText"));
  ones_->setPlaceholderText(QStringLiteral("m(0,1,2,5)"));
  dontCares_ = new QLineEdit(central);
  dontCares_->setObjectName(QStringLiteral("DontCareText"));
  dontCares_->setPlaceholderText(QStringLiteral("d(3,7)"));
  for (QLineEdit* e : {ones_.data(), dontCares_.data()}) {
    e->setFont(expressionFont(11));
    e->setMinimumWidth(300);
    connect(e, &QLineEdit::returnPressed, this, &NumberInputForm::handOver);
  }

  auto* form = new QFormLayout;
  form->addRow(tr("変数の数"), count_);
  form->addRow(tr("1 の行"), ones_);
  form->addRow(tr("ドントケア（なくてもよい）"), dontCares_);
  auto* note = new QLabel(tr("番号は 0 から。並べ方: m(0,1,2,5)、0,1,2,5、範囲 8-10"), central);
  note->setWordWrap(true);
  auto* input = makeButton(central, QStringLiteral("Command1"), tr("入力"));
  connect(input, &QPushButton::clicked, this, &NumberInputForm::handOver);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(input);
  auto* layout = new QVBoxLayout(central);
  layout->addLayout(form);
  layout->addWidget(note);
  layout->addLayout(buttons);
}

void NumberInputForm::handOver() {
  const int n = count_->value();
  // Full-width digits and signs from an input method read as ASCII.
  const auto field = [](const QLineEdit* e) {
    return e->text().normalized(QString::NormalizationForm_KC).toStdString();
  };
  const RowNumbers f = parseRowNumbers(field(ones_), field(dontCares_), n);
  if (f.error) {
    showMessage(widget(), errorText(*f.error, n));
    return;
  }
  if (f.ones.empty()) {
    showMessage(widget(), tr("1 になる行の番号を入れてください"));
    ones_->setFocus();
    return;
  }
  std::vector<bool> values(size_t{1} << n, false);
  for (int r : f.ones) values[size_t(r)] = true;
  app().Form1->setEntry(QString::fromStdString(makeExpression(values, n)), n, f.dontCares, true);
  unload();
}

}  // namespace ronri
