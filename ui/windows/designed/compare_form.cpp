#include "ui/windows/designed/compare_form.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/expression/expression.h"
#include "core/table/entry_compare.h"
#include "core/table/function.h"
#include "core/table/truthtable.h"
#include "ui/app.h"
#include "ui/framework/controls.h"
#include "ui/framework/expression_font.h"
#include "ui/framework/fonts.h"
#include "ui/framework/messages.h"
#include "ui/windows/designed/main_form.h"
#include "ui/windows/helpers/dont_care.h"

namespace ronri {

namespace {

// The selected entry, or nullptr: a row that is merely current does not count.
QListWidgetItem* selectedEntry(QListWidget* list) {
  QListWidgetItem* item = list->currentItem();
  return item && item->isSelected() ? item : nullptr;
}

// Moves an entry to the end of another list; nothing stays selected, so a
// second click does not move the next entry unasked.
void moveEntry(QListWidget* from, QListWidgetItem* item, QListWidget* to) {
  to->addItem(from->takeItem(from->row(item)));
  from->setCurrentRow(-1);
  to->setCurrentRow(-1);
  from->clearSelection();
  to->clearSelection();
}

}  // namespace

CompareForm::CompareForm(App& app) : Window(app, QStringLiteral("Form18"), tr("論理式の比較")) {}

void CompareForm::build(QMainWindow* w) {
  auto* central = new QWidget(w);
  w->setCentralWidget(central);
  entries_ = new QListWidget(central);
  entries_->setObjectName(QStringLiteral("List1"));
  pair_ = new QListWidget(central);
  pair_->setObjectName(QStringLiteral("List2"));
  for (QListWidget* list : {entries_.data(), pair_.data()}) {
    list->setFont(expressionFont(11));
    list->setMinimumWidth(320);
  }
  // Two entries fit without scrolling.
  pair_->setFixedHeight(pair_->fontMetrics().height() * 3 + 4 * pair_->frameWidth() + 8);

  auto* add = makeButton(central, QStringLiteral("Command1(0)"), tr("追加↓"));
  auto* back = makeButton(central, QStringLiteral("Command1(1)"), tr("戻す↑"));
  auto* compare = makeButton(central, QStringLiteral("Command2"), tr("比較"));
  connect(add, &QPushButton::clicked, this, &CompareForm::add);
  connect(back, &QPushButton::clicked, this, &CompareForm::giveBack);
  connect(compare, &QPushButton::clicked, this, &CompareForm::compare);
  // A double click moves an entry, as its button would.
  connect(entries_, &QListWidget::itemDoubleClicked, this, &CompareForm::add);
  connect(pair_, &QListWidget::itemDoubleClicked, this, &CompareForm::giveBack);

  auto* moves = new QHBoxLayout;
  moves->addStretch();
  moves->addWidget(add);
  moves->addWidget(back);
  moves->addStretch();
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(compare);
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(entries_, 1);
  layout->addLayout(moves);
  layout->addWidget(pair_);
  layout->addLayout(bottom);
  diffLabel_ = new QLabel(central);
  diffLabel_->setObjectName(QStringLiteral("DiffLabel"));
  diffLabel_->setWordWrap(true);
  diffTable_ = new QTableWidget(central);
  diffTable_->setObjectName(QStringLiteral("DiffTable"));
  diffTable_->setFont(expressionFont(11));
  diffTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  diffTable_->verticalHeader()->hide();
  diffTable_->horizontalHeader()->setStretchLastSection(true);
  layout->addWidget(diffLabel_);
  layout->addWidget(diffTable_, 1);
  clearDifferences();
  w->resize(380, 360);
}

void CompareForm::load() {
  // A copy taken once: later changes of the main list show at the next opening.
  entries_->addItems(app().Form1->storedEntries());
}

void CompareForm::add() {
  QListWidgetItem* item = selectedEntry(entries_);
  if (!item) return;
  if (pair_->count() >= kPairSize) {
    showMessage(widget(), tr("今のところ二つだけしか比べられません"));
    return;
  }
  moveEntry(entries_, item, pair_);
  clearDifferences();  // the rows listed belonged to the pair before
}

void CompareForm::giveBack() {
  if (QListWidgetItem* item = selectedEntry(pair_)) {
    moveEntry(pair_, item, entries_);
    clearDifferences();
  }
}

void CompareForm::compare() {
  if (pair_->count() != kPairSize) {
    showMessage(widget(), tr("二つ入れて下さい"));
    return;
  }
  const QString first = pair_->item(0)->text();
  const QString second = pair_->item(1)->text();
  const bool same = sameFunction(first.toStdString(), second.toStdString());
  if (same)
    clearDifferences();
  else
    showDifferences(first, second);
  showMessage(widget(), same ? tr("同じです！") : tr("違います！"));
}

void CompareForm::clearDifferences() {
  diffLabel_->clear();
  diffLabel_->hide();
  diffTable_->clear();
  diffTable_->setRowCount(0);
  diffTable_->setColumnCount(0);
  diffTable_->hide();
}

void CompareForm::showDifferences(const QString& first, const QString& second) {
  clearDifferences();
  const std::optional<DifferingRows> d =
      differingRows(first.toStdString(), second.toStdString(), kListedDifferences);
  diffLabel_->show();
  if (!d || d->total == 0) {
    diffLabel_->setText(tr("式として評価できない行があるため、値が違う行は示せません。"));
    return;
  }
  QString caption = tr("値が違う行：全 %1 行").arg(d->total);
  if (d->total > int(d->rows.size())) caption += tr("（最初の %1 行を表示）").arg(d->rows.size());
  if (d->dontCares > 0)
    caption += QStringLiteral("\n") + tr("X の行（%1 行）は比べていません。").arg(d->dontCares);
  // Short column heads keep both values in view; the expressions stand above
  // (and in the heads' tooltips), without the variable-count digit.
  const auto named = [](const QString& entry) {
    const std::optional<Function> f = readEntry(entry.toStdString()).function;
    return f ? withDontCares(QString::fromStdString(f->expression), f->dontCares) : entry;
  };
  const QString expr1 = named(first), expr2 = named(second);
  caption += QStringLiteral("\n") + tr("式1") + QStringLiteral(" = ") + expr1;
  caption += QStringLiteral("\n") + tr("式2") + QStringLiteral(" = ") + expr2;
  diffLabel_->setText(caption);
  QString letters;
  for (int k = 0; k < d->variables; ++k) letters += QChar(plainLetter(k));
  diffTable_->setColumnCount(3);
  diffTable_->setHorizontalHeaderLabels({letters, tr("式1"), tr("式2")});
  diffTable_->horizontalHeaderItem(1)->setToolTip(expr1);
  diffTable_->horizontalHeaderItem(2)->setToolTip(expr2);
  diffTable_->setRowCount(int(d->rows.size()));
  for (int i = 0; i < int(d->rows.size()); ++i) {
    const DifferingRows::Row& row = d->rows[size_t(i)];
    diffTable_->setItem(
        i, 0, new QTableWidgetItem(QString::fromStdString(rowBits(row.row, d->variables))));
    diffTable_->setItem(i, 1, new QTableWidgetItem(QString(QChar::fromLatin1(row.first))));
    diffTable_->setItem(i, 2, new QTableWidgetItem(QString(QChar::fromLatin1(row.second))));
  }
  diffTable_->resizeColumnsToContents();
  diffTable_->show();
  if (widget()->height() < 600) widget()->resize(widget()->width(), 600);
}

}  // namespace ronri
