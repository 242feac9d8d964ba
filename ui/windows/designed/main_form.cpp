#include "ui/windows/designed/main_form.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

#include "core/expression/expression.h"
#include "core/expression/wellformed.h"
#include "core/table/function.h"
#include "ui/app.h"
#include "ui/framework/controls.h"
#include "ui/framework/expression_font.h"
#include "ui/framework/fonts.h"
#include "ui/framework/messages.h"
#include "ui/framework/translation.h"
#include "ui/windows/added/answer_check_form.h"
#include "ui/windows/added/exercise_form.h"
#include "ui/windows/added/grading_form.h"
#include "ui/windows/added/multi_output_form.h"
#include "ui/windows/added/number_input_form.h"
#include "ui/windows/added/sequential_form.h"
#include "ui/windows/added/settings_dialog.h"
#include "ui/windows/designed/compare_form.h"
#include "ui/windows/designed/map_count_form.h"
#include "ui/windows/designed/table_count_form.h"
#include "ui/windows/designed/truth_table_form.h"
#include "ui/windows/helpers/expression_field.h"
#include "ui/windows/helpers/expression_files.h"

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

// The keypad's rows hold five buttons each.
constexpr int kKeysPerRow = 5;

// The keypad's buttons share one minimum width, so the grid stays even.
QPushButton* keyButton(QWidget* parent, const QString& name, const QString& caption) {
  QPushButton* b = makeButton(parent, name, caption);
  b->setMinimumWidth(56);
  return b;
}

}  // namespace

MainForm::MainForm(App& app) : Window(app, QStringLiteral("Form1"), QStringLiteral("main")) {}

QString MainForm::InsideExp(const QString& expression) {
  return QString::fromStdString(ronri::InsideExp(expression.toStdString()));
}

void MainForm::build(QMainWindow* w) {
  auto* central = new QWidget(w);
  w->setCentralWidget(central);
  buildMenus(w);
  QLayout* entry = buildEntry(central, w);
  QLayout* stored = buildStoredList(central);
  auto* columns = new QHBoxLayout;
  columns->addLayout(entry);
  columns->addSpacing(12);
  columns->addLayout(stored, 1);
  auto* outer = new QVBoxLayout(central);
  outer->addLayout(columns, 1);
  outer->addWidget(makeProgressBar(central));
  connectCountList();
  connectStoredList();
}

// The left column: the count, the entry field with its edit keys, the
// don't-care rows and the keypad.
QLayout* MainForm::buildEntry(QWidget* central, QMainWindow* w) {
  QLayout* countRow = buildCountRow(central);
  makeEntryField(central, w);
  QLayout* letters = buildLetterKeys(central);
  QLayout* operators = buildOperatorKeys(central);
  QLayout* editRow = buildEditRow(central);
  makeDontCareLabel(central);
  auto* entry = new QVBoxLayout;
  entry->addLayout(countRow);
  entry->addSpacing(6);
  entry->addLayout(editRow);
  entry->addWidget(dontCareLabel_);
  entry->addLayout(letters);
  entry->addSpacing(4);
  entry->addLayout(operators);
  entry->addStretch();
  return entry;
}

// The variable count reads as a sentence: "変数は [３つ] 使用".
QLayout* MainForm::buildCountRow(QWidget* central) {
  auto* before = new QLabel(tr("変数は"), central);
  before->setObjectName(QStringLiteral("Label3"));
  variableCountList_ = new QListWidget(central);
  variableCountList_->setObjectName(QStringLiteral("List1"));
  for (const char* item :
       {QT_TR_NOOP("１つ"), QT_TR_NOOP("２つ"), QT_TR_NOOP("３つ"), QT_TR_NOOP("４つ"),
        QT_TR_NOOP("５つ"), QT_TR_NOOP("６つ"), QT_TR_NOOP("７つ"), QT_TR_NOOP("８つ"),
        QT_TR_NOOP("９つ"), QT_TR_NOOP("１０つ")})
    variableCountList_->addItem(tr(item));
  variableCountList_->setFixedWidth(96);
  variableCountList_->setFixedHeight(variableCountList_->sizeHintForRow(0) * 4 +
                                     2 * variableCountList_->frameWidth());
  auto* after = new QLabel(tr("使用"), central);
  after->setObjectName(QStringLiteral("Label4"));
  auto* countRow = new QHBoxLayout;
  countRow->addWidget(before, 0, Qt::AlignTop);
  countRow->addWidget(variableCountList_);
  countRow->addWidget(after, 0, Qt::AlignBottom);
  countRow->addStretch();
  return countRow;
}

// The keyboard fills the entry field like the buttons: what may not be
// typed is refused with a hint below, and Enter is "入力".
void MainForm::makeEntryField(QWidget* central, QMainWindow* w) {
  entryField_ = new QLineEdit(central);
  entryField_->setObjectName(QStringLiteral("Text1"));
  makeTypable(
      entryField_, [this] { return chosenCount_; },
      [w](const QString& hint) { w->statusBar()->showMessage(hint, 6000); });
  connect(entryField_, &QLineEdit::returnPressed, this, &MainForm::enter);
  w->statusBar()->setObjectName(QStringLiteral("StatusBar"));
  entryField_->setFont(expressionFont(12));
  entryField_->setMinimumWidth(320);
}

QLayout* MainForm::buildLetterKeys(QWidget* central) {
  auto* letters = new QGridLayout;
  for (int k = 0; k < kMaxVariables; ++k) {
    const QString letter(QChar(plainLetter(k)));
    auto* b = keyButton(central, indexed("Command1", k), letter);
    connect(b, &QPushButton::clicked, this, [this, letter] { append(letter); });
    letters->addWidget(b, k / kKeysPerRow, k % kKeysPerRow);
  }
  return letters;
}

QLayout* MainForm::buildOperatorKeys(QWidget* central) {
  auto* operators = new QGridLayout;
  for (size_t i = 0; i < std::size(kOperatorButtons); ++i) {
    const TokenButton& t = kOperatorButtons[i];
    auto* b = keyButton(central, indexed("Command1", t.index), tr(t.caption));
    const QString token(QChar::fromLatin1(t.token));
    connect(b, &QPushButton::clicked, this, [this, token] { append(token); });
    operators->addWidget(b, int(i) / kKeysPerRow, int(i) % kKeysPerRow);
  }
  return operators;
}

// The entry field with "CLR" and "BS" beside it.
QLayout* MainForm::buildEditRow(QWidget* central) {
  auto* clear = keyButton(central, indexed("Command2", 0), QStringLiteral("CLR"));
  connect(clear, &QPushButton::clicked, this, [this] { entryField_->clear(); });
  auto* back = keyButton(central, indexed("Command2", 1), QStringLiteral("BS"));
  connect(back, &QPushButton::clicked, this, &MainForm::backspace);
  auto* editRow = new QHBoxLayout;
  editRow->addWidget(entryField_, 1);
  editRow->addWidget(clear);
  editRow->addWidget(back);
  return editRow;
}

// The don't-care rows "入力" will store with the field's expression.
void MainForm::makeDontCareLabel(QWidget* central) {
  dontCareLabel_ = new QLabel(central);
  dontCareLabel_->setObjectName(QStringLiteral("DontCareLabel"));
  dontCareLabel_->setFont(expressionFont(10));
  dontCareLabel_->setWordWrap(true);
  dontCareLabel_->hide();
  connect(entryField_, &QLineEdit::textChanged, this, &MainForm::showDontCares);
}

// The right column: "入力", "作成", "削除" above the stored expressions.
QLayout* MainForm::buildStoredList(QWidget* central) {
  auto* store = keyButton(central, indexed("Command3", 0), tr("入力"));
  connect(store, &QPushButton::clicked, this, &MainForm::enter);
  auto* create = keyButton(central, indexed("Command3", 1), tr("作成"));
  connect(create, &QPushButton::clicked, this, &MainForm::create);
  auto* remove = keyButton(central, indexed("Command3", 2), tr("削除"));
  connect(remove, &QPushButton::clicked, this, &MainForm::remove);
  auto* commands = new QHBoxLayout;
  commands->addWidget(store);
  commands->addWidget(create);
  commands->addWidget(remove);

  storedList_ = new QListWidget(central);
  storedList_->setObjectName(QStringLiteral("List2"));
  storedList_->setFont(expressionFont(11));
  storedList_->setMinimumWidth(220);
  auto* stored = new QVBoxLayout;
  stored->addLayout(commands);
  stored->addWidget(storedList_, 1);
  return stored;
}

QWidget* MainForm::makeProgressBar(QWidget* central) {
  auto* progress = new QProgressBar(central);
  progress->setObjectName(QStringLiteral("ProgressBar1"));
  progress->setRange(0, 100);
  progress->setValue(0);
  progress->setTextVisible(false);
  return progress;
}

// Choosing a count: by a click (also on the row already chosen, which must
// unlock the buttons again after the table window closed) or by another
// window selecting a row.
void MainForm::connectCountList() {
  connect(variableCountList_, &QListWidget::currentRowChanged, this, [this](int k) {
    if (k >= 0 && variableCountList_->item(k)->isSelected()) countChosen(k);
  });
  connect(variableCountList_, &QListWidget::itemSelectionChanged, this, [this] {
    // A chosen count stays chosen: Ctrl+click would otherwise leave the
    // letters enabled with no count for "入力" to record.
    if (variableCountList_->selectedItems().isEmpty() && variableCountList_->currentItem()) {
      variableCountList_->currentItem()->setSelected(true);
      return;
    }
    const int k = variableCountList_->currentRow();
    if (k >= 0 && variableCountList_->item(k)->isSelected()) countChosen(k);
  });
  connect(variableCountList_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { countChosen(variableCountList_->row(item)); });
}

// A click on an entry enables "削除" even when the entry was selected
// already (it still is after the table window closes, or after "保存").
void MainForm::connectStoredList() {
  const auto enableDelete = [this] {
    if (!storedList_->selectedItems().isEmpty())
      control<QPushButton>(indexed("Command3", 2))->setEnabled(true);
  };
  connect(storedList_, &QListWidget::itemSelectionChanged, this, enableDelete);
  connect(storedList_, &QListWidget::itemClicked, this, enableDelete);
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
          [this] { app().numberInput->showFor(chosenCount_); });
  QMenu* tools = bar->addMenu(tr("ツール"));
  connect(tools->addAction(tr("比較")), &QAction::triggered, this,
          [this] { app().Form18->show(); });
  connect(tools->addAction(tr("答え合わせ…")), &QAction::triggered, this,
          [this] { app().answerCheck->show(); });
  connect(tools->addAction(tr("演習問題の作成…")), &QAction::triggered, this,
          [this] { app().exercises->show(); });
  connect(tools->addAction(tr("まとめて採点…")), &QAction::triggered, this,
          [this] { app().grading->show(); });
  connect(tools->addAction(tr("順序回路の設計…")), &QAction::triggered, this,
          [this] { app().sequential->show(); });
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
  lastEntered_.clear();
  if (!isOpen()) return;
  variableCountList_->setEnabled(true);
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
  entryField_->setText(entryField_->text() + token);
}

void MainForm::backspace() {
  QString s = entryField_->text();
  if (s.isEmpty()) return;
  s.chop(1);
  entryField_->setText(s);
}

void MainForm::enter() {
  if (!isOpen()) return;
  const QString built = entryField_->text();
  // The counting check keeps its messages; where the text goes wrong is said
  // beside them, or alone when only the order of the tokens is wrong.
  const QList<QListWidgetItem*> count = variableCountList_->selectedItems();
  const int variables = count.isEmpty() ? 0 : variableCountList_->row(count.first()) + 1;
  const EntryCheck check = checkEntry(built.toStdString(), variables);
  if (!check.accepted()) {
    const QString where =
        check.malformation ? malformationText(*check.malformation, variables) : QString();
    if (check.message != " ")
      showRefusal(widget(), coreText(check.message), where);
    else
      showMessage(widget(), where);
    if (check.malformation && entryField_) {
      entryField_->setFocus();
      entryField_->setCursorPosition(check.malformation->position - 1);
    }
    return;
  }
  // The entry records the count; without one it could not be used later.
  const QList<QListWidgetItem*> chosen = variableCountList_->selectedItems();
  if (chosen.isEmpty()) return;
  const int k = variableCountList_->row(chosen.first());
  lastEntered_ = built;
  Function f{built.toStdString(), k + 1, {}};
  if (built == dontCareExpression_ && k + 1 == dontCareVariables_) f.dontCares = dontCares_;
  entryField_->clear();
  storedList_->addItem(QString::fromStdString(entryText(f)));
  // The new entry is the one "作成" opens next.
  select(storedList_->count() - 1);
}

void MainForm::setDontCares(const QString& expression, int variables, std::vector<int> rows) {
  dontCareExpression_ = expression;
  dontCareVariables_ = variables;
  dontCares_ = std::move(rows);
  showDontCares();
}

void MainForm::showDontCares() {
  if (!dontCareLabel_) return;
  const bool applies = !dontCares_.empty() && entryField_->text() == dontCareExpression_;
  dontCareLabel_->setText(applies ? QString::fromStdString(dontCareText(dontCares_)) : QString());
  dontCareLabel_->setVisible(applies);
}

void MainForm::create() {
  QListWidgetItem* item = storedList_->currentItem();
  if (!item || !item->isSelected()) {
    widget()->statusBar()->showMessage(tr("一覧の式を選んでから「作成」を押してください"), 6000);
    return;
  }
  // "expression d": entries read from a file are not checked, so one without a
  // count digit is left alone.
  const QString entry = item->text();
  const int space = entry.indexOf(QLatin1Char(' '));
  if (space < 0 || space + 1 >= entry.size()) return;
  const QChar digit = entry.at(space + 1);
  if (digit < QLatin1Char('0') || digit > QLatin1Char('9')) return;

  const std::optional<Function> read = readEntry(entry.toStdString()).function;
  const Function f{entry.left(space).toStdString(), digit.unicode() - '0' + 1,
                   read ? read->dontCares : std::vector<int>{}};
  app().Form2->showFor(f);
}

QStringList MainForm::storedEntries() const {
  QStringList entries;
  if (storedList_)
    for (int i = 0; i < storedList_->count(); ++i) entries << storedList_->item(i)->text();
  return entries;
}

int MainForm::store(const QString& entry) {
  return store(QStringList{entry});
}

int MainForm::store(const QStringList& entries) {
  if (!storedList_) return -1;
  storedList_->addItems(entries);
  return storedList_->count() - 1;
}

void MainForm::select(int row) {
  if (!storedList_ || row < 0 || row >= storedList_->count()) return;
  storedList_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
  storedList_->scrollToItem(storedList_->item(row));
}

void MainForm::setEntry(const QString& expression, int variables, const std::vector<int>& dontCares,
                        bool enableInput) {
  setDontCares(expression, variables, dontCares);
  if (!isOpen()) return;
  // The count first, so that the field takes the text as the count allows.
  const int k = variables - 1;
  if (k >= 0 && k < variableCountList_->count()) {
    const bool alreadyChosen =
        variableCountList_->currentRow() == k && variableCountList_->item(k)->isSelected();
    variableCountList_->setCurrentRow(k, QItemSelectionModel::ClearAndSelect);
    // Choosing the count already chosen must still unlock the buttons (they
    // are locked again whenever the table window closes).
    if (alreadyChosen) countChosen(k);
  }
  entryField_->setText(expression);
  // A hand-over is no typing: no refusal hint from the field stays behind.
  widget()->statusBar()->clearMessage();
  if (enableInput) control<QPushButton>(indexed("Command3", 0))->setEnabled(true);
  // The user goes on here: bring the window forward.
  widget()->raise();
  widget()->activateWindow();
}

QProgressBar* MainForm::progressBar() const {
  return control<QProgressBar>(QStringLiteral("ProgressBar1"));
}

void MainForm::remove() {
  QListWidgetItem* item = storedList_->currentItem();
  if (!item || !item->isSelected()) {
    widget()->statusBar()->showMessage(tr("一覧の式を選んでから「作成」を押してください"), 6000);
    return;
  }
  delete item;
  storedList_->setCurrentRow(-1);
  storedList_->clearSelection();
}

// Closing the main window ends the program: every other window goes first.
void MainForm::unloading() {
  app().unloadOthers();
}

}  // namespace ronri
