#include "ui/windows/main_form.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

#include "core/expression.h"
#include "core/function.h"
#include "core/wellformed.h"
#include "ui/framework/app.h"
#include "ui/framework/controls.h"
#include "ui/framework/expression_font.h"
#include "ui/framework/fonts.h"
#include "ui/framework/messages.h"
#include "ui/framework/translation.h"
#include "ui/windows/answer_check_form.h"
#include "ui/windows/compare_form.h"
#include "ui/windows/expression_field.h"
#include "ui/windows/expression_files.h"
#include "ui/windows/map_count_form.h"
#include "ui/windows/multi_output_form.h"
#include "ui/windows/number_input_form.h"
#include "ui/windows/settings_dialog.h"
#include "ui/windows/table_count_form.h"
#include "ui/windows/truth_table_form.h"

namespace ronri {

namespace {

struct TokenButton {
  int index;
  const char* caption;
  char token;
};

// The parenthesis and operator buttons; the parentheses show full-width
// characters but insert the ASCII ones.
const TokenButton kOperatorButtons[] = {
    {20, QT_TRANSLATE_NOOP("ronri::MainForm", "（"), '('},
    {21, QT_TRANSLATE_NOOP("ronri::MainForm", "）"), ')'},
    {22, "or+", '+'},
    {23, "and*", '*'},
    {24, "not~", '~'},
    {25, "exor@", '@'},
    {26, "exnor%", '%'},
    {27, "nand$", '$'},
    {28, "nor|", '|'},
};

// The keypad's buttons share one minimum width, so the grid stays even.
QPushButton* keyButton(QWidget* parent, const QString& name, const QString& caption) {
  QPushButton* b = makeButton(parent, name, caption);
  b->setMinimumWidth(56);
  return b;
}

}  // namespace

MainForm::MainForm(App& app) : Window(app, QStringLiteral("Form1"), QStringLiteral("main")) {}

QString MainForm::InsideExp(const QString& siki) {
  return QString::fromStdString(ronri::InsideExp(siki.toStdString()));
}

void MainForm::build(QMainWindow* w) {
  auto* central = new QWidget(w);
  w->setCentralWidget(central);
  buildMenus(w);

  // The variable count reads as a sentence: "変数は [３つ] 使用".
  auto* label3 = new QLabel(tr("変数は"), central);
  label3->setObjectName(QStringLiteral("Label3"));
  list1_ = new QListWidget(central);
  list1_->setObjectName(QStringLiteral("List1"));
  for (const char* item :
       {QT_TR_NOOP("１つ"), QT_TR_NOOP("２つ"), QT_TR_NOOP("３つ"), QT_TR_NOOP("４つ"),
        QT_TR_NOOP("５つ"), QT_TR_NOOP("６つ"), QT_TR_NOOP("７つ"), QT_TR_NOOP("８つ"),
        QT_TR_NOOP("９つ"), QT_TR_NOOP("１０つ")})
    list1_->addItem(tr(item));
  list1_->setFixedWidth(96);
  list1_->setFixedHeight(list1_->sizeHintForRow(0) * 4 + 2 * list1_->frameWidth());
  auto* label4 = new QLabel(tr("使用"), central);
  label4->setObjectName(QStringLiteral("Label4"));
  auto* countRow = new QHBoxLayout;
  countRow->addWidget(label3, 0, Qt::AlignTop);
  countRow->addWidget(list1_);
  countRow->addWidget(label4, 0, Qt::AlignBottom);
  countRow->addStretch();

  // The keyboard fills the entry field like the buttons: what may not be
  // typed is refused with a hint below, and Enter is "入力".
  text1_ = new QLineEdit(central);
  text1_->setObjectName(QStringLiteral("Text1"));
  makeTypable(
      text1_, [this] { return chosenCount_; },
      [w](const QString& hint) { w->statusBar()->showMessage(hint, 6000); });
  connect(text1_, &QLineEdit::returnPressed, this, &MainForm::store);
  w->statusBar()->setObjectName(QStringLiteral("StatusBar"));
  text1_->setFont(expressionFont(12));
  text1_->setMinimumWidth(320);

  auto* letters = new QGridLayout;
  for (int k = 0; k < kMaxVariables; ++k) {
    const QString letter(QChar('a' + k));
    auto* b = keyButton(central, indexed("Command1", k), letter);
    connect(b, &QPushButton::clicked, this, [this, letter] { append(letter); });
    letters->addWidget(b, k / 5, k % 5);
  }
  auto* operators = new QGridLayout;
  for (size_t i = 0; i < std::size(kOperatorButtons); ++i) {
    const TokenButton& t = kOperatorButtons[i];
    auto* b = keyButton(central, indexed("Command1", t.index), tr(t.caption));
    const QString token(QChar::fromLatin1(t.token));
    connect(b, &QPushButton::clicked, this, [this, token] { append(token); });
    operators->addWidget(b, int(i) / 5, int(i) % 5);
  }

  auto* clear = keyButton(central, indexed("Command2", 0), QStringLiteral("CLR"));
  connect(clear, &QPushButton::clicked, this, [this] { text1_->clear(); });
  auto* back = keyButton(central, indexed("Command2", 1), QStringLiteral("BS"));
  connect(back, &QPushButton::clicked, this, &MainForm::backspace);
  auto* editRow = new QHBoxLayout;
  editRow->addWidget(text1_, 1);
  editRow->addWidget(clear);
  editRow->addWidget(back);
  // The don't-care rows "入力" will store with the field's expression.
  dontCareLabel_ = new QLabel(central);
  dontCareLabel_->setObjectName(QStringLiteral("DontCareLabel"));
  dontCareLabel_->setFont(expressionFont(10));
  dontCareLabel_->setWordWrap(true);
  dontCareLabel_->hide();
  connect(text1_, &QLineEdit::textChanged, this, &MainForm::showDontCares);

  auto* entry = new QVBoxLayout;
  entry->addLayout(countRow);
  entry->addSpacing(6);
  entry->addLayout(editRow);
  entry->addWidget(dontCareLabel_);
  entry->addLayout(letters);
  entry->addSpacing(4);
  entry->addLayout(operators);
  entry->addStretch();

  auto* store = keyButton(central, indexed("Command3", 0), tr("入力"));
  connect(store, &QPushButton::clicked, this, &MainForm::store);
  auto* create = keyButton(central, indexed("Command3", 1), tr("作成"));
  connect(create, &QPushButton::clicked, this, &MainForm::create);
  auto* remove = keyButton(central, indexed("Command3", 2), tr("削除"));
  connect(remove, &QPushButton::clicked, this, &MainForm::remove);
  auto* commands = new QHBoxLayout;
  commands->addWidget(store);
  commands->addWidget(create);
  commands->addWidget(remove);

  list2_ = new QListWidget(central);
  list2_->setObjectName(QStringLiteral("List2"));
  list2_->setFont(expressionFont(11));
  list2_->setMinimumWidth(220);
  auto* stored = new QVBoxLayout;
  stored->addLayout(commands);
  stored->addWidget(list2_, 1);

  auto* progress = new QProgressBar(central);
  progress->setObjectName(QStringLiteral("ProgressBar1"));
  progress->setRange(0, 100);
  progress->setValue(0);
  progress->setTextVisible(false);

  auto* columns = new QHBoxLayout;
  columns->addLayout(entry);
  columns->addSpacing(12);
  columns->addLayout(stored, 1);
  auto* outer = new QVBoxLayout(central);
  outer->addLayout(columns, 1);
  outer->addWidget(progress);

  // Choosing a count: by a click (also on the row already chosen, which must
  // unlock the buttons again after the table window closed) or by another
  // window selecting a row.
  connect(list1_, &QListWidget::currentRowChanged, this, [this](int k) {
    if (k >= 0 && list1_->item(k)->isSelected()) countChosen(k);
  });
  connect(list1_, &QListWidget::itemSelectionChanged, this, [this] {
    // A chosen count stays chosen: Ctrl+click would otherwise leave the
    // letters enabled with no count for "入力" to record.
    if (list1_->selectedItems().isEmpty() && list1_->currentItem()) {
      list1_->currentItem()->setSelected(true);
      return;
    }
    const int k = list1_->currentRow();
    if (k >= 0 && list1_->item(k)->isSelected()) countChosen(k);
  });
  connect(list1_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { countChosen(list1_->row(item)); });
  // A click on an entry enables "削除" even when the entry was selected
  // already (it still is after the table window closes, or after "保存").
  const auto enableDelete = [this] {
    if (!list2_->selectedItems().isEmpty())
      control<QPushButton>(indexed("Command3", 2))->setEnabled(true);
  };
  connect(list2_, &QListWidget::itemSelectionChanged, this, enableDelete);
  connect(list2_, &QListWidget::itemClicked, this, enableDelete);
}

void MainForm::buildMenus(QMainWindow* w) {
  QMenuBar* bar = w->menuBar();
  QMenu* file = bar->addMenu(tr("ファイル"));
  connect(file->addAction(tr("保存")), &QAction::triggered, this,
          [this] { saveExpressionList(*this); });
  connect(file->addAction(tr("開く")), &QAction::triggered, this,
          [this] { openExpressionList(*this); });
  QMenu* input = bar->addMenu(tr("入力"));
  connect(input->addAction(tr("真理値表")), &QAction::triggered, this,
          [this] { app().Form8->show(); });
  connect(input->addAction(tr("カルノー図")), &QAction::triggered, this,
          [this] { app().Form12->show(); });
  connect(input->addAction(tr("複数出力の真理値表")), &QAction::triggered, this,
          [this] { app().multiOutput->show(); });
  connect(input->addAction(tr("番号で入力…")), &QAction::triggered, this,
          [this] { app().numberInput->show(); });
  QMenu* tools = bar->addMenu(tr("ツール"));
  connect(tools->addAction(tr("比較")), &QAction::triggered, this,
          [this] { app().Form18->show(); });
  connect(tools->addAction(tr("答え合わせ…")), &QAction::triggered, this,
          [this] { app().answerCheck->show(); });
  QMenu* settings = bar->addMenu(tr("設定"));
  connect(settings->addAction(tr("基本設定")), &QAction::triggered, this,
          [this] { showSettings(widget()); });
  QMenu* help = bar->addMenu(tr("ヘルプ"));
  connect(help->addAction(tr("目次")), &QAction::triggered, this,
          [this] { showHelpContents(*this); });
  connect(help->addAction(tr("バージョン情報")), &QAction::triggered, this,
          [this] { showVersion(*this); });
}

void MainForm::load() {
  reload();
}

void MainForm::reload() {
  dosiki.clear();
  trsiki.clear();
  if (!isOpen()) return;
  list1_->setEnabled(true);
  lockButtons();
}

void MainForm::lockButtons() {
  chosenCount_ = 0;
  for (int k = 0; k < kMaxVariables; ++k)
    control<QPushButton>(indexed("Command1", k))->setEnabled(false);
  for (const TokenButton& t : kOperatorButtons)
    control<QPushButton>(indexed("Command1", t.index))->setEnabled(false);
  control<QPushButton>(indexed("Command2", 0))->setEnabled(false);
  control<QPushButton>(indexed("Command2", 1))->setEnabled(false);
  control<QPushButton>(indexed("Command3", 2))->setEnabled(false);
}

void MainForm::countChosen(int k) {
  if (k < 0 || k >= kMaxVariables) return;
  chosenCount_ = k + 1;
  for (const TokenButton& t : kOperatorButtons)
    control<QPushButton>(indexed("Command1", t.index))->setEnabled(true);
  control<QPushButton>(indexed("Command2", 0))->setEnabled(true);
  control<QPushButton>(indexed("Command2", 1))->setEnabled(true);
  control<QPushButton>(indexed("Command3", 2))->setEnabled(true);
  for (int i = 0; i < kMaxVariables; ++i)
    control<QPushButton>(indexed("Command1", i))->setEnabled(i <= k);
}

void MainForm::append(const QString& token) {
  text1_->setText(text1_->text() + token);
}

void MainForm::backspace() {
  QString s = text1_->text();
  if (s.isEmpty()) return;
  s.chop(1);
  text1_->setText(s);
}

void MainForm::store() {
  const QString built = text1_->text();
  // The counting check keeps its messages; where the text goes wrong is said
  // beside them, or alone when only the order of the tokens is wrong.
  const QList<QListWidgetItem*> count = list1_->selectedItems();
  const int variables = count.isEmpty() ? 0 : list1_->row(count.first()) + 1;
  const EntryCheck check = checkEntry(built.toStdString(), variables);
  if (!check.accepted()) {
    const QString where =
        check.malformation ? malformationText(*check.malformation, variables) : QString();
    if (check.message != " ")
      showRefusal(widget(), coreText(check.message), where);
    else
      showMessage(widget(), where);
    if (check.malformation && text1_) {
      text1_->setFocus();
      text1_->setCursorPosition(check.malformation->position - 1);
    }
    return;
  }
  // The entry records the count; without one it could not be used later.
  const QList<QListWidgetItem*> chosen = list1_->selectedItems();
  if (chosen.isEmpty()) return;
  const int k = list1_->row(chosen.first());
  trsiki = built;
  Function f{built.toStdString(), k + 1, {}};
  if (built == dontCareExpression_ && k + 1 == dontCareVariables_) f.dontCares = dontCares_;
  text1_->clear();
  list2_->addItem(QString::fromStdString(entryText(f)));
}

void MainForm::setDontCares(const QString& expression, int variables, std::vector<int> rows) {
  dontCareExpression_ = expression;
  dontCareVariables_ = variables;
  dontCares_ = std::move(rows);
  showDontCares();
}

void MainForm::showDontCares() {
  if (!dontCareLabel_) return;
  const bool applies = !dontCares_.empty() && text1_->text() == dontCareExpression_;
  dontCareLabel_->setText(applies ? QString::fromStdString(dontCareText(dontCares_)) : QString());
  dontCareLabel_->setVisible(applies);
}

void MainForm::create() {
  QListWidgetItem* item = list2_->currentItem();
  if (!item || !item->isSelected()) return;
  // "expression d": entries read from a file are not checked, so one without a
  // count digit is left alone.
  const QString entry = item->text();
  const int space = entry.indexOf(QLatin1Char(' '));
  if (space < 0 || space + 1 >= entry.size()) return;
  const QChar digit = entry.at(space + 1);
  if (digit < QLatin1Char('0') || digit > QLatin1Char('9')) return;

  TruthTableForm& table = *app().Form2;
  table.trsiki = entry.left(space);
  table.dosiki = InsideExp(table.trsiki);
  table.listindex = digit.unicode() - '0';
  const std::optional<Function> f = readEntry(entry.toStdString()).function;
  table.dontCares = f ? f->dontCares : std::vector<int>{};
  // An open table would still show the previous expression.
  if (table.isOpen()) table.rebuildTable();
  table.show();
}

void MainForm::remove() {
  QListWidgetItem* item = list2_->currentItem();
  if (!item || !item->isSelected()) return;
  delete item;
  list2_->setCurrentRow(-1);
  list2_->clearSelection();
}

// Closing the main window ends the program: every other window goes first.
void MainForm::unloading() {
  app().unloadOthers();
}

}  // namespace ronri
