#include "ui/windows/added/answer_check_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QVBoxLayout>

#include "core/expression/expression.h"
#include "core/table/row_numbers.h"
#include "core/table/truthtable.h"
#include "core/teaching/answer_check.h"
#include "core/teaching/answer_reasons.h"
#include "ui/app.h"
#include "ui/framework/busy_cursor.h"
#include "ui/framework/controls.h"
#include "ui/framework/expression_font.h"
#include "ui/windows/added/number_input_form.h"
#include "ui/windows/designed/kmap_form.h"
#include "ui/windows/helpers/expression_field.h"
#include "ui/windows/helpers/grading_words.h"

namespace ronri {

namespace {

// Rows past this many are summed up, not listed.
constexpr size_t kListedRows = 8;

}  // namespace

AnswerCheckForm::AnswerCheckForm(App& app)
    : Window(app, QStringLiteral("AnswerCheck"), tr("答え合わせ")) {}

void AnswerCheckForm::build(QMainWindow* w) {
  auto* central = new QWidget(w);
  w->setCentralWidget(central);

  problem_ = new QLineEdit(central);
  problem_->setObjectName(QStringLiteral("ProblemText"));
  problem_->setPlaceholderText(QStringLiteral("m(1,3,7,11,15)+d(0,2,5)"));
  count_ = new QSpinBox(central);
  count_->setObjectName(QStringLiteral("ProblemCount"));
  count_->setRange(1, kMaxVariables);
  count_->setValue(4);
  answer_ = new QLineEdit(central);
  answer_->setObjectName(QStringLiteral("AnswerText"));
  // An answer may also be the constant 0 or 1.
  makeTypable(
      answer_, [this] { return count_ ? count_->value() : 0; },
      [w](const QString& hint) { w->statusBar()->showMessage(hint, 6000); },
      /*constants=*/true);
  for (QLineEdit* e : {problem_.data(), answer_.data()}) {
    e->setFont(expressionFont(12));
    e->setMinimumWidth(380);
    connect(e, &QLineEdit::returnPressed, this, &AnswerCheckForm::judge);
    connect(e, &QLineEdit::textEdited, this, &AnswerCheckForm::resetVerdict);
  }
  connect(count_, &QSpinBox::valueChanged, this, &AnswerCheckForm::resetVerdict);
  w->statusBar()->setObjectName(QStringLiteral("StatusBar"));

  auto* judgeButton = makeButton(central, QStringLiteral("Judge"), tr("判定"));
  connect(judgeButton, &QPushButton::clicked, this, &AnswerCheckForm::judge);
  verdict_ = new QLabel(central);
  verdict_->setObjectName(QStringLiteral("VerdictLabel"));
  verdict_->setWordWrap(true);
  verdict_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  verdict_->setMinimumHeight(verdict_->fontMetrics().height() * 3);
  verdict_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  auto* reveal = makeButton(central, QStringLiteral("ShowMinimal"), tr("最小解を表示"));
  connect(reveal, &QPushButton::clicked, this, &AnswerCheckForm::showMinimal);
  minimal_ = new QLabel(central);
  minimal_->setObjectName(QStringLiteral("MinimalLabel"));
  minimal_->setFont(expressionFont(11));
  minimal_->setWordWrap(true);
  minimal_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  minimal_->hide();

  auto* make = makeButton(central, QStringLiteral("MakeProblem"), tr("問題を作る"));
  connect(make, &QPushButton::clicked, this, &AnswerCheckForm::makeProblem);
  exerciseCount_ = new QSpinBox(central);
  exerciseCount_->setObjectName(QStringLiteral("ExerciseCount"));
  exerciseCount_->setRange(3, 5);
  exerciseCount_->setValue(4);
  exerciseCount_->setSuffix(tr(" 変数"));
  withDontCares_ = new QCheckBox(tr("ドントケアも"), central);
  withDontCares_->setObjectName(QStringLiteral("WithDontCares"));

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(tr("問題"), central), 0, 0);
  grid->addWidget(problem_, 0, 1);
  auto* countRow = new QHBoxLayout;
  countRow->addWidget(new QLabel(tr("変数の数"), central));
  countRow->addWidget(count_);
  grid->addLayout(countRow, 0, 2);
  auto* exercise = new QHBoxLayout;
  exercise->addWidget(make);
  exercise->addWidget(exerciseCount_);
  exercise->addWidget(withDontCares_);
  exercise->addStretch();
  grid->addLayout(exercise, 1, 1);
  grid->addWidget(new QLabel(tr("答え"), central), 2, 0);
  grid->addWidget(answer_, 2, 1);
  grid->addWidget(judgeButton, 2, 2);
  auto* revealRow = new QHBoxLayout;
  revealRow->addWidget(reveal);
  revealRow->addStretch();
  auto* layout = new QVBoxLayout(central);
  layout->addLayout(grid);
  layout->addWidget(verdict_);
  layout->addLayout(revealRow);
  layout->addWidget(minimal_);
  layout->addStretch();
}

void AnswerCheckForm::resetVerdict() {
  if (verdict_) verdict_->clear();
  if (minimal_) minimal_->hide();
}

std::string AnswerCheckForm::problemValues() {
  const int n = count_->value();
  // Full-width signs from an input method read as ASCII.
  const QString typed = problem_->text().trimmed().normalized(QString::NormalizationForm_KC);
  if (typed.isEmpty()) {
    verdict_->setText(tr("問題を入れてください"));
    return {};
  }
  if (looksLikeRowNumbers(typed.toStdString())) {
    const RowNumbers f = parseRowFunction(typed.toStdString(), n);
    if (f.error) {
      verdict_->setText(tr("問題: %1").arg(NumberInputForm::errorText(*f.error, n)));
      return {};
    }
    return functionValues(f);
  }
  // Anything else outside ASCII stays one character, so positions count characters.
  std::string expression;
  for (QChar c : typed)
    if (c != QLatin1Char(' ')) expression += c.unicode() > 127 ? '?' : char(c.unicode());
  if (const auto m = findMalformation(expression, n)) {
    verdict_->setText(tr("問題の %1").arg(malformationText(*m, n)));
    return {};
  }
  return expressionValues(expression, n);
}

void AnswerCheckForm::judge() {
  resetVerdict();
  const std::string values = problemValues();
  if (values.empty()) return;
  const int n = count_->value();
  const std::string answer = answer_->text().toStdString();
  if (answer.empty()) {
    verdict_->setText(tr("答えを入れてください"));
    answer_->setFocus();
    return;
  }
  const BusyCursor busy;
  const AnswerVerdict v = checkAnswer(values, n, answer, kListedRows);
  QString text;
  switch (v.kind) {
    case AnswerVerdict::Unreadable:
      text = tr("答えの %1").arg(malformationText(*v.malformation, n));
      answer_->setFocus();
      answer_->setCursorPosition(v.malformation->position - 1);
      break;
    case AnswerVerdict::Correct:
      if (const char c = v.asProductOfSums ? v.minimal.constantProduct() : v.minimal.constantSum())
        text = tr("正解です（最小は定数 %1）").arg(QChar::fromLatin1(c));
      else
        text = (v.asProductOfSums ? tr("正解です（和積形で最小: %1 項 %2 文字）")
                                  : tr("正解です（積和形で最小: %1 項 %2 文字）"))
                   .arg(v.minimum.terms)
                   .arg(v.minimum.letters);
      break;
    case AnswerVerdict::NotAForm:
      text = tr("積和形でも和積形でもありません（値は等しい式です）。");
      if (const char c = v.minimal.constantSum())
        text += tr("最小は定数 %1").arg(QChar::fromLatin1(c));
      else
        text += tr("積和形の最小は %1 項 %2 文字").arg(v.minimum.terms).arg(v.minimum.letters);
      break;
    case AnswerVerdict::NotMinimal:
      if (const char c = v.asProductOfSums ? v.minimal.constantProduct() : v.minimal.constantSum())
        text = tr("等しいが最小ではありません。最小は定数 %1、この答えは %2 項 %3 文字")
                   .arg(QChar::fromLatin1(c))
                   .arg(v.answer.terms)
                   .arg(v.answer.letters);
      else
        text =
            (v.asProductOfSums
                 ? tr("等しいが最小ではありません（和積形）。最小は %1 項 %2 文字、この答えは %3 "
                      "項 %4 文字")
                 : tr("等しいが最小ではありません（積和形）。最小は %1 項 %2 文字、この答えは %3 "
                      "項 %4 文字"))
                .arg(v.minimum.terms)
                .arg(v.minimum.letters)
                .arg(v.answer.terms)
                .arg(v.answer.letters);
      break;
    case AnswerVerdict::Different: {
      QStringList rows;
      for (int r : v.differingRows) {
        const char want = values[size_t(r)];
        rows << tr("%1 (%2: 正しくは %3)")
                    .arg(r)
                    .arg(QString::fromStdString(rowBits(r, n)))
                    .arg(QChar::fromLatin1(want));
      }
      if (size_t(v.differing) > v.differingRows.size()) rows << QStringLiteral("…");
      text = tr("違います。%1 行で値が違います: %2").arg(v.differing).arg(rows.join(tr("、")));
      if (markOnMap(values, v.differingRows))
        text += tr("（開いているカルノー図に枠で示しました）");
      break;
    }
  }
  // Why it is not minimal, term by term; sizes and rows are said above.
  for (const AnswerReason& r : answerReasons(values, n, answer, v))
    if (r.kind != AnswerReason::Larger && r.kind != AnswerReason::Differs)
      text += QLatin1Char('\n') + reasonText(r, n);
  if (!v.minimal.proven && v.kind != AnswerVerdict::Unreadable)
    text += tr("（最小かどうかは時間内に確かめきれませんでした）");
  verdict_->setText(text);
}

bool AnswerCheckForm::markOnMap(const std::string& values, const std::vector<int>& rows) {
  const int n = count_->value();
  KmapForm* map = n <= 5 ? app().kmapForm(n) : nullptr;
  if (!map || !map->isOpen()) return false;
  // Only a map of this very function: its 1-cells and its free cells.
  QString ones;
  std::vector<int> free;
  for (size_t r = 0; r < values.size(); ++r) {
    if (values[r] == '1') ones += QString::fromStdString(rowTerm(rowBits(int(r), n)));
    if (values[r] == 'X') free.push_back(int(r));
  }
  if (!map->shows(ones, free)) return false;
  std::vector<std::pair<std::string, int>> cells;
  QStringList names;
  for (int r : rows) {
    std::string term = rowTerm(rowBits(r, n));
    term.pop_back();  // the "+"
    cells.push_back({term, 0});
    names << QString::number(r);
  }
  return map->showCover(cells, names.join(QLatin1Char(',')), tr("答えと値が違うセル"));
}

void AnswerCheckForm::showMinimal() {
  const std::string values = problemValues();
  if (values.empty()) return;
  const BusyCursor busy;
  const Minimal m = minimalAnswers(values, count_->value());
  if (const char c = m.constantSum(); c && c == m.constantProduct()) {
    minimal_->setText(tr("積和形でも和積形でも定数 %1").arg(QChar::fromLatin1(c)));
    minimal_->show();
    return;
  }
  minimal_->setText(tr("積和形: %1（%2 項 %3 文字）\n和積形: %4（%5 項 %6 文字）")
                        .arg(QString::fromStdString(m.sumOfProducts))
                        .arg(m.sopSize.terms)
                        .arg(m.sopSize.letters)
                        .arg(QString::fromStdString(m.productOfSums))
                        .arg(m.posSize.terms)
                        .arg(m.posSize.letters));
  minimal_->show();
}

void AnswerCheckForm::makeProblem() {
  const int n = exerciseCount_->value();
  const RowNumbers f = randomFunction(n, withDontCares_->isChecked(), random_());
  count_->setValue(n);
  problem_->setText(QString::fromStdString(rowNumbersText(f.ones, f.dontCares)));
  answer_->clear();
  resetVerdict();
  answer_->setFocus();
}

}  // namespace ronri
