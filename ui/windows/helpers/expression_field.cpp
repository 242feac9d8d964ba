#include "ui/windows/helpers/expression_field.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QValidator>

#include "core/expression/entry_typing.h"
#include "core/expression/expression.h"

namespace ronri {

// The translation context of the texts below.
class ExpressionField {
  Q_DECLARE_TR_FUNCTIONS(ronri::ExpressionField)
};

namespace {

// Judges only what an edit inserts, so letters already in the field stay
// when the count changes, and the field's own text never blocks an edit.
class ExpressionValidator : public QValidator {
 public:
  ExpressionValidator(QLineEdit* edit, std::function<int()> variables,
                      std::function<void(const QString&)> hint, bool constants)
      : QValidator(edit),
        variables_(std::move(variables)),
        hint_(std::move(hint)),
        constants_(constants) {
    previous_ = edit->text();
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& t) { previous_ = t; });
  }

  State validate(QString& input, int& pos) const override {
    qsizetype head = 0;
    const qsizetype shorter = std::min(input.size(), previous_.size());
    while (head < shorter && input[head] == previous_[head]) ++head;
    qsizetype tail = 0;
    while (tail < shorter - head &&
           input[input.size() - 1 - tail] == previous_[previous_.size() - 1 - tail])
      ++tail;
    const QString inserted = input.mid(head, input.size() - head - tail);
    if (inserted.isEmpty()) return Acceptable;

    const int n = variables_();
    if (n <= 0) {
      hint_(ExpressionField::tr("先に変数の数を選んでください"));
      return Invalid;
    }
    // Full-width letters and signs (an input method's "ａ", "（") read as ASCII.
    const TypedText t = filterTyped(
        inserted.normalized(QString::NormalizationForm_KC).toStdString(), n, constants_);
    if (!t.refused.empty()) {
      const QString last =
          n == 1 ? QStringLiteral("a") : QStringLiteral("a-%1").arg(QChar(plainLetter(n - 1)));
      hint_(ExpressionField::tr("「%1」は入力できません（使えるのは %2 と ( ) + * ~ @ % $ |）")
                .arg(QString::fromStdString(t.refused), last));
      return Invalid;
    }
    const QString kept = QString::fromStdString(t.text);
    input = input.left(head) + kept + input.right(tail);
    pos = int(head + kept.size());
    return Acceptable;
  }

 private:
  std::function<int()> variables_;
  std::function<void(const QString&)> hint_;
  bool constants_ = false;
  QString previous_;
};

}  // namespace

void makeTypable(QLineEdit* edit, std::function<int()> variables,
                 std::function<void(const QString&)> hint, bool constants) {
  edit->setReadOnly(false);
  edit->setValidator(
      new ExpressionValidator(edit, std::move(variables), std::move(hint), constants));
}

QString malformationText(const Malformation& m, int variables) {
  const QString token = QString(QChar::fromLatin1(m.token));
  QString what;
  switch (m.kind) {
    case Malformation::MissingLeftOperand:
      what = ExpressionField::tr("%1 の前に変数がありません").arg(token);
      break;
    case Malformation::MissingRightOperand:
      what = ExpressionField::tr("%1 の後に変数がありません").arg(token);
      break;
    case Malformation::OperatorNeeded:
      what = ExpressionField::tr("%1 の前に演算子が必要です").arg(token);
      break;
    case Malformation::UnmatchedClose:
      what = ExpressionField::tr("この ) に対応する ( がありません");
      break;
    case Malformation::UnclosedOpen:
      what = ExpressionField::tr("この ( が閉じていません");
      break;
    case Malformation::EmptyPair:
      what = ExpressionField::tr("( ) の中が空です");
      break;
    case Malformation::BadCharacter:
      what = ExpressionField::tr("%1 は式に使えない文字です").arg(token);
      break;
    case Malformation::BeyondCount:
      what = ExpressionField::tr("変数は %1 つなので %2 は使えません").arg(variables).arg(token);
      break;
  }
  return ExpressionField::tr("%1 文字目: %2").arg(m.position).arg(what);
}

void showRefusal(QWidget* parent, const QString& text, const QString& detail) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("RonriLab"), text, QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("MessageBox"));
  box.setInformativeText(detail);
  box.exec();
}

}  // namespace ronri
