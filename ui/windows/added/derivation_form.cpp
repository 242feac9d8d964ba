#include "ui/windows/added/derivation_form.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/teaching/derivation_drawing.h"
#include "core/teaching/derivation_latex.h"
#include "core/teaching/step_check.h"
#include "ui/framework/busy_cursor.h"
#include "ui/framework/controls.h"
#include "ui/framework/drawing_export.h"
#include "ui/framework/expression_font.h"
#include "ui/framework/messages.h"
#include "ui/framework/print_header.h"
#include "ui/windows/helpers/derivation_delegate.h"
#include "ui/windows/helpers/dont_care.h"
#include "ui/windows/helpers/expression_field.h"
#include "ui/windows/helpers/law_names.h"
#include "ui/windows/helpers/step_verdict_text.h"

namespace ronri {

DerivationForm::DerivationForm(App& app)
    : Window(app, QStringLiteral("DerivationForm"), tr("式の変形")) {}

void DerivationForm::build(QMainWindow* w) {
  auto* central = new QWidget(w);
  w->setCentralWidget(central);
  auto* layout = new QVBoxLayout(central);

  auto* targetRow = new QHBoxLayout;
  sum_ = new QRadioButton(tr("積和形"), central);
  sum_->setObjectName(QStringLiteral("SumOfProducts"));
  sum_->setChecked(true);
  product_ = new QRadioButton(tr("和積形"), central);
  product_->setObjectName(QStringLiteral("ProductOfSums"));
  targetRow->addWidget(new QLabel(tr("変形の行き先:"), central));
  targetRow->addWidget(sum_);
  targetRow->addWidget(product_);
  targetRow->addStretch();
  auto* legend =
      new QLabel(tr("赤：その行で書き換えた部分　青い下線：次の行で書き換える部分"), central);
  legend->setObjectName(QStringLiteral("LegendLabel"));
  targetRow->addWidget(legend);
  layout->addLayout(targetRow);
  connect(sum_, &QRadioButton::toggled, this, [this] { fill(); });

  table_ = new QTableWidget(0, 2, central);
  table_->setObjectName(QStringLiteral("StepTable"));
  table_->setHorizontalHeaderLabels({tr("式"), tr("法則")});
  table_->setItemDelegateForColumn(0, new DerivationDelegate(table_));
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setWordWrap(true);
  table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  layout->addWidget(table_, 1);
  // Right-click: picture, copy, print, and the derivation as LaTeX.
  addExportMenu(table_, [this] { return drawing(); });
  addExportAction(table_, tr("LaTeXとして保存…"), [this] { askLatexPath(); });

  note_ = new QLabel(central);
  note_->setObjectName(QStringLiteral("DerivationNote"));
  note_->setWordWrap(true);
  layout->addWidget(note_);
  buildOwnStep(central, layout);
  w->statusBar()->setObjectName(QStringLiteral("StatusBar"));
  w->resize(900, 720);
}

// "自分で変形": a line, the next line the user writes, the law they name.
void DerivationForm::buildOwnStep(QWidget* central, QVBoxLayout* layout) {
  auto* box = new QGroupBox(tr("自分で変形"), central);
  box->setObjectName(QStringLiteral("OwnStep"));
  auto* grid = new QGridLayout(box);
  from_ = new QLineEdit(box);
  from_->setObjectName(QStringLiteral("FromLine"));
  next_ = new QLineEdit(box);
  next_->setObjectName(QStringLiteral("NextLine"));
  for (QLineEdit* e : {from_.data(), next_.data()}) {
    e->setFont(expressionFont(11));
    makeTypable(
        e, [this] { return function_.variables; },
        [this](const QString& hint) {
          if (isOpen()) widget()->statusBar()->showMessage(hint, 6000);
        },
        /*constants=*/true);
    connect(e, &QLineEdit::returnPressed, this, &DerivationForm::checkStep);
    connect(e, &QLineEdit::textEdited, this, [this] { verdict_->clear(); });
  }
  laws_ = new QComboBox(box);
  laws_->setObjectName(QStringLiteral("LawList"));
  for (const LawInfo& l : allLaws()) laws_->addItem(lawName(l.law), int(l.law));
  connect(laws_, &QComboBox::currentIndexChanged, this, [this] { verdict_->clear(); });
  auto* check = makeButton(box, QStringLiteral("CheckStep"), tr("確かめる"));
  connect(check, &QPushButton::clicked, this, &DerivationForm::checkStep);
  verdict_ = new QLabel(box);
  verdict_->setObjectName(QStringLiteral("VerdictLabel"));
  verdict_->setWordWrap(true);
  verdict_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  verdict_->setMinimumHeight(verdict_->fontMetrics().height() * 3);
  verdict_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  grid->addWidget(new QLabel(tr("この行から"), box), 0, 0);
  grid->addWidget(from_, 0, 1, 1, 2);
  grid->addWidget(new QLabel(tr("次の行"), box), 1, 0);
  grid->addWidget(next_, 1, 1, 1, 2);
  grid->addWidget(new QLabel(tr("使った法則"), box), 2, 0);
  grid->addWidget(laws_, 2, 1);
  grid->addWidget(check, 2, 2);
  grid->addWidget(verdict_, 3, 0, 1, 3);
  grid->setColumnStretch(1, 1);
  layout->addWidget(box);
  // A line chosen in the table is where the user's own step starts.
  connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) {
    if (row >= 0 && row < int(derivation_.lines.size())) {
      from_->setText(QString::fromStdString(derivation_.lines[size_t(row)].text));
      verdict_->clear();
    }
  });
}

void DerivationForm::showFor(const Function& f) {
  function_ = f;
  if (isOpen()) fill();
  show();
}

void DerivationForm::load() {
  fill();
}

bool DerivationForm::productOfSums() const {
  return product_ && product_->isChecked();
}

void DerivationForm::fill() {
  if (!isOpen()) return;
  showFunctionInTitle(
      widget(), caption(),
      withDontCares(QString::fromStdString(function_.expression), function_.dontCares));
  {
    const BusyCursor busy;
    derivation_ =
        derive(function_.expression, function_.variables,
               productOfSums() ? DerivationTarget::ProductOfSums : DerivationTarget::SumOfProducts);
  }
  showLines();
  showNote();
  from_->setText(derivation_.lines.empty()
                     ? QString()
                     : QString::fromStdString(derivation_.lines.front().text));
  next_->clear();
  verdict_->clear();
}

void DerivationForm::showLines() {
  const auto& lines = derivation_.lines;
  table_->setRowCount(int(lines.size()));
  for (size_t i = 0; i < lines.size(); ++i) {
    auto* line = new QTableWidgetItem(QString::fromStdString(lines[i].text));
    line->setFont(expressionFont(11));
    line->setData(DerivationDelegate::kRewrittenRole,
                  DerivationDelegate::spansValue(lines[i].rewritten));
    if (i + 1 < lines.size())
      line->setData(DerivationDelegate::kNextSourceRole,
                    DerivationDelegate::spansValue(lines[i + 1].source));
    table_->setItem(int(i), 0, line);
    table_->setItem(int(i), 1, new QTableWidgetItem(lawLabel(lines[i])));
  }
  table_->resizeRowsToContents();
}

void DerivationForm::showNote() {
  const auto& lines = derivation_.lines;
  QString note;
  if (derivation_.status == Derivation::Unreadable) {
    note = tr("この式は変形できません（読めない式か、変数の数を超える文字があります）。");
  } else if (derivation_.status == Derivation::Fault) {
    note =
        tr("変形の途中で前の行と等しくない行ができたため、そこで止めました。"
           "プログラムの誤りです。");
  } else if (lines.back().text == "1") {
    note = tr("%1 行。この式はいつも 1（恒真）なので、最後の行は 1 です。").arg(lines.size());
  } else if (lines.back().text == "0") {
    note = tr("%1 行。この式はいつも 0（恒偽）なので、最後の行は 0 です。").arg(lines.size());
  } else {
    note = (productOfSums() ? tr("%1 行。最後の行は「簡単化（和積形）」と同じ最小の和積形です。")
                            : tr("%1 行。最後の行は「簡単化」と同じ最小の積和形です。"))
               .arg(lines.size());
  }
  if (!function_.dontCares.empty())
    note += tr("ドントケアの行は使わず、式そのものを変形しています。");
  note_->setText(note);
}

void DerivationForm::checkStep() {
  if (!isOpen()) return;
  const Law law = static_cast<Law>(laws_->currentData().toInt());
  const BusyCursor busy;
  const StepVerdict v =
      ronri::checkStep(from_->text().toStdString(), next_->text().toStdString(), law);
  verdict_->setText(stepVerdictText(v, law));
}

QStringList DerivationForm::lineTexts() const {
  QStringList out;
  for (const DerivationLine& l : derivation_.lines) out << QString::fromStdString(l.text);
  return out;
}

QStringList DerivationForm::lawTexts() const {
  QStringList out;
  for (const DerivationLine& l : derivation_.lines) out << lawLabel(l);
  return out;
}

DisplayList DerivationForm::drawing() const {
  std::vector<std::string> laws;
  for (const QString& l : lawTexts()) laws.push_back(l.toStdString());
  DisplayList out;
  drawDerivation(derivation_.lines, laws, tr("式").toStdString(), tr("法則").toStdString(), out);
  return out;
}

bool DerivationForm::saveLatex(const QString& path, QString* error) const {
  return saveFileAtomically(path, QByteArray::fromStdString(derivationLatex(derivation_.lines)),
                            error);
}

void DerivationForm::askLatexPath() {
  if (!isOpen()) return;
  if (derivation_.lines.empty()) {
    showMessage(widget(), tr("保存する変形がありません。"));
    return;
  }
  QString path =
      QFileDialog::getSaveFileName(widget(), tr("LaTeXとして保存"), QString(), tr("LaTeX (*.tex)"));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".tex");
  QString error;
  if (!saveLatex(path, &error))
    showMessage(widget(), tr("LaTeX を保存できませんでした。\n%1").arg(error));
}

}  // namespace ronri
