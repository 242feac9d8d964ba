#include "ui/windows/compare_form.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/entry_compare.h"
#include "ui/framework/app.h"
#include "ui/framework/controls.h"
#include "ui/framework/fonts.h"
#include "ui/framework/messages.h"
#include "ui/windows/main_form.h"

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

// Expressions in a fixed face whose "~" is a tilde (the Japanese fixed face
// draws it as an overline).
QFont expressionFont() {
  QFont f = fixedFont(11);
  f.setFamilies(
      {"DejaVu Sans Mono", "Noto Sans Mono", "Liberation Mono", "IPAGothic", "Monospace"});
  return f;
}

}  // namespace

CompareForm::CompareForm(App& app)
    : Window(app, QStringLiteral("Form18"), QStringLiteral("論理式の比較")) {}

void CompareForm::build(QMainWindow* w) {
  auto* central = new QWidget(w);
  w->setCentralWidget(central);
  list1_ = new QListWidget(central);
  list1_->setObjectName(QStringLiteral("List1"));
  list2_ = new QListWidget(central);
  list2_->setObjectName(QStringLiteral("List2"));
  for (QListWidget* list : {list1_.data(), list2_.data()}) {
    list->setFont(expressionFont());
    list->setMinimumWidth(320);
  }
  // Two entries fit without scrolling.
  list2_->setFixedHeight(list2_->fontMetrics().height() * 3 + 4 * list2_->frameWidth() + 8);

  auto* add = makeButton(central, QStringLiteral("Command1(0)"), QStringLiteral("追加↓"));
  auto* back = makeButton(central, QStringLiteral("Command1(1)"), QStringLiteral("戻す↑"));
  auto* compare = makeButton(central, QStringLiteral("Command2"), QStringLiteral("比較"));
  connect(add, &QPushButton::clicked, this, &CompareForm::add);
  connect(back, &QPushButton::clicked, this, &CompareForm::giveBack);
  connect(compare, &QPushButton::clicked, this, &CompareForm::compare);
  // A double click moves an entry, as its button would.
  connect(list1_, &QListWidget::itemDoubleClicked, this, &CompareForm::add);
  connect(list2_, &QListWidget::itemDoubleClicked, this, &CompareForm::giveBack);

  auto* moves = new QHBoxLayout;
  moves->addStretch();
  moves->addWidget(add);
  moves->addWidget(back);
  moves->addStretch();
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(compare);
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(list1_, 1);
  layout->addLayout(moves);
  layout->addWidget(list2_);
  layout->addLayout(bottom);
  w->resize(380, 360);
}

void CompareForm::load() {
  // A copy taken once: later changes of the main list show at the next opening.
  if (auto* main = app().Form1->control<QListWidget>(QStringLiteral("List2")))
    for (int i = 0; i < main->count(); ++i) list1_->addItem(main->item(i)->text());
}

void CompareForm::add() {
  QListWidgetItem* item = selectedEntry(list1_);
  if (!item) return;
  if (list2_->count() >= kPairSize) {
    showMessage(widget(), QStringLiteral("今のところ二つだけしか比べられません"));
    return;
  }
  moveEntry(list1_, item, list2_);
}

void CompareForm::giveBack() {
  if (QListWidgetItem* item = selectedEntry(list2_)) moveEntry(list2_, item, list1_);
}

void CompareForm::compare() {
  if (list2_->count() != kPairSize) {
    showMessage(widget(), QStringLiteral("二つ入れて下さい"));
    return;
  }
  const bool same =
      sameFunction(list2_->item(0)->text().toStdString(), list2_->item(1)->text().toStdString());
  showMessage(widget(), same ? QStringLiteral("同じです！") : QStringLiteral("違います！"));
}

}  // namespace ronri
