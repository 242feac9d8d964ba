#include "ui/windows/added/multi_output_form.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/cover/simplify.h"
#include "core/expression/expression.h"
#include "ui/app.h"
#include "ui/framework/busy_cursor.h"
#include "ui/framework/controls.h"
#include "ui/framework/expression_font.h"
#include "ui/framework/messages.h"
#include "ui/windows/added/multi_output_circuit_form.h"
#include "ui/windows/designed/main_form.h"

namespace ronri {

namespace {

// A CSV larger than this is no table of 64 rows.
constexpr qint64 kMaxCsvBytes = 256 * 1024;

// One output cell: a click turns 0 into 1 and back, a right click or the X
// key marks X (and X back to 0), as in the table input.
class CellButton : public QPushButton {
 public:
  CellButton(QWidget* parent, std::function<void(char)> changed)
      : QPushButton(parent), changed_(std::move(changed)) {
    setAutoDefault(false);
    setFixedSize(34, 24);
    connect(this, &QPushButton::clicked, this, [this] { set(value() == '1' ? '0' : '1'); });
  }
  char value() const { return text() == QStringLiteral("1") ? '1' : text() == "X" ? 'X' : '0'; }
  void display(char v) { setText(QString(QChar(v))); }

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::RightButton) return e->accept();
    QPushButton::mousePressEvent(e);
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (e->button() != Qt::RightButton) return QPushButton::mouseReleaseEvent(e);
    if (rect().contains(e->position().toPoint())) markX();
  }
  void contextMenuEvent(QContextMenuEvent* e) override {
    if (e->reason() == QContextMenuEvent::Keyboard) markX();
    e->accept();
  }
  void keyPressEvent(QKeyEvent* e) override {
    if (e->key() == Qt::Key_X && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
      return markX();
    QPushButton::keyPressEvent(e);
  }

 private:
  void markX() { set(value() == 'X' ? '0' : 'X'); }
  void set(char v) {
    display(v);
    changed_(v);
  }
  std::function<void(char)> changed_;
};

QString cellName(int row, int output) {
  return QStringLiteral("Cell(%1,%2)").arg(row).arg(output);
}

QTableWidgetItem* item(const QString& text) {
  auto* i = new QTableWidgetItem(text);
  i->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return i;
}

QTableWidget* makeTable(QWidget* parent, const QString& name) {
  auto* t = new QTableWidget(parent);
  t->setObjectName(name);
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->verticalHeader()->setVisible(false);
  t->verticalHeader()->setDefaultSectionSize(24);
  return t;
}

}  // namespace

MultiOutputForm::MultiOutputForm(App& app)
    : Window(app, QStringLiteral("MultiOutputForm"), tr("複数出力の真理値表")) {}

MultiOutputForm::~MultiOutputForm() = default;

void MultiOutputForm::build(QMainWindow* w) {
  auto* central = new QWidget(w);
  w->setCentralWidget(central);
  QLayout* tablePane = buildTablePane(central);
  QLayout* resultsPane = buildResultsPane(central);
  auto* outer = new QHBoxLayout(central);
  outer->addLayout(tablePane, 2);
  outer->addSpacing(10);
  outer->addLayout(resultsPane, 3);
  w->resize(1240, 760);
  if (!chooseFile_) chooseFile_ = &MultiOutputForm::askForCsvFile;
}

// The counts, the presets and the file buttons above the table.
QLayout* MultiOutputForm::buildTopRow(QWidget* central) {
  inputs_ = new QSpinBox(central);
  inputs_->setObjectName(QStringLiteral("Inputs"));
  inputs_->setRange(1, kMultiMaxInputs);
  outputs_ = new QSpinBox(central);
  outputs_->setObjectName(QStringLiteral("Outputs"));
  outputs_->setRange(1, kMultiMaxOutputs);
  preset_ = new QComboBox(central);
  preset_->setObjectName(QStringLiteral("Preset"));
  preset_->addItems({tr("例題…"), tr("半加算器"), tr("全加算器"), tr("2ビット比較器"),
                     tr("BCD→7セグメント"), tr("2→4デコーダ")});
  auto* open = makeButton(central, QStringLiteral("Open"), tr("開く…"));
  auto* save = makeButton(central, QStringLiteral("Save"), tr("保存…"));
  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(tr("入力数"), central));
  top->addWidget(inputs_);
  top->addSpacing(8);
  top->addWidget(new QLabel(tr("出力数"), central));
  top->addWidget(outputs_);
  top->addSpacing(8);
  top->addWidget(preset_);
  top->addStretch();
  top->addWidget(open);
  top->addWidget(save);

  connect(inputs_, &QSpinBox::valueChanged, this, &MultiOutputForm::inputCountChosen);
  connect(outputs_, &QSpinBox::valueChanged, this, &MultiOutputForm::outputCountChosen);
  connect(preset_, &QComboBox::activated, this, &MultiOutputForm::choosePreset);
  connect(open, &QPushButton::clicked, this, [this] {
    const QString path = chooseFile_(widget(), false);
    if (!path.isEmpty()) openCsv(path);
  });
  connect(save, &QPushButton::clicked, this, [this] {
    const QString path = chooseFile_(widget(), true);
    if (!path.isEmpty()) saveCsv(path);
  });
  return top;
}

// The left side: the top row, the table of cells and the commands below it.
QLayout* MultiOutputForm::buildTablePane(QWidget* central) {
  QLayout* top = buildTopRow(central);
  gridArea_ = new QScrollArea(central);
  gridArea_->setObjectName(QStringLiteral("Table"));
  gridArea_->setWidgetResizable(false);
  // The area is as wide as the table, so every output is in sight and the
  // input bits never scroll away from their cells.
  gridArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* hint = new QLabel(tr("クリックで 0/1、右クリックか X キーで X（どちらでもよい）"), central);
  hint->setWordWrap(true);

  auto* minimiseButton = makeButton(central, QStringLiteral("Minimise"), tr("共有項で最小化"));
  circuit_ = makeButton(central, QStringLiteral("Circuit"), tr("回路図"));
  circuit_->setEnabled(false);
  auto* commands = new QHBoxLayout;
  commands->addWidget(minimiseButton);
  commands->addWidget(circuit_);
  commands->addStretch();
  connect(minimiseButton, &QPushButton::clicked, this, &MultiOutputForm::minimise);
  connect(circuit_, &QPushButton::clicked, this, [this] {
    if (!result_) return;
    app().multiOutputCircuit->showFor(table_, *result_);
  });

  // The commands right under the counts, where they are in sight even on a
  // screen the scaled-up window does not fit.
  auto* left = new QVBoxLayout;
  left->addLayout(top);
  left->addLayout(commands);
  left->addWidget(gridArea_, 1);
  left->addWidget(hint);
  return left;
}

// The right side: each output alone, the shared terms, the gate counts.
QLayout* MultiOutputForm::buildResultsPane(QWidget* central) {
  status_ = new QLabel(central);
  status_->setObjectName(QStringLiteral("Status"));
  status_->setWordWrap(true);
  perOutput_ = makeTable(central, QStringLiteral("PerOutput"));
  perOutput_->setFont(expressionFont(11));
  perOutput_->setWordWrap(true);
  terms_ = makeTable(central, QStringLiteral("Terms"));
  terms_->setFont(expressionFont(11));
  totals_ = makeTable(central, QStringLiteral("Totals"));
  auto* right = new QVBoxLayout;
  right->addWidget(new QLabel(tr("各出力の最小形"), central));
  right->addWidget(perOutput_, 3);
  right->addWidget(new QLabel(tr("共有する積項と出力"), central));
  right->addWidget(terms_, 3);
  right->addWidget(new QLabel(tr("ゲート数"), central));
  right->addWidget(totals_, 2);
  // The counts are those of the drawn circuit, whose gates take four inputs at most.
  auto* fanIn = new QLabel(tr("ゲートの入力は4つまでです。それより多い入力は、図と同じく何段かのゲ"
                              "ートに分けて数えます。"),
                           central);
  fanIn->setObjectName(QStringLiteral("FanInRule"));
  fanIn->setWordWrap(true);
  right->addWidget(fanIn);
  right->addWidget(status_);
  return right;
}

void MultiOutputForm::inputCountChosen(int n) {
  if (n == table_.inputs) return;
  if (!mayClearValues()) {
    const QSignalBlocker quiet(inputs_);
    inputs_->setValue(table_.inputs);
    return;
  }
  setInputCount(table_, n);
  clearResults();
  rebuildGrid();
}

void MultiOutputForm::outputCountChosen(int m) {
  if (m == table_.outputs()) return;
  bool dropped = false;  // fewer outputs: the last columns go
  for (int j = m; j < table_.outputs(); ++j)
    dropped |= table_.values[size_t(j)].find_first_not_of('0') != std::string::npos;
  if (dropped && !askYesNo(widget(), tr("入力した値は消えます。よろしいですか？"))) {
    const QSignalBlocker quiet(outputs_);
    outputs_->setValue(table_.outputs());
    return;
  }
  setOutputCount(table_, m);
  clearResults();
  rebuildGrid();
}

QString MultiOutputForm::askForCsvFile(QWidget* parent, bool saving) {
  QFileDialog dialog(parent, saving ? tr("保存…") : tr("開く…"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilter(tr("CSV ファイル (*.csv)"));
  if (saving) dialog.setDefaultSuffix(QStringLiteral("csv"));
  if (dialog.exec() != QDialog::Accepted) return QString();
  return dialog.selectedFiles().value(0);
}

void MultiOutputForm::load() {
  rebuildGrid();
  if (result_)
    showResults();
  else
    clearResults();
}

void MultiOutputForm::setTable(const MultiTable& t) {
  table_ = t;
  result_.reset();
  if (!isOpen()) return;
  rebuildGrid();
  clearResults();
}

void MultiOutputForm::rebuildGrid() {
  if (!isOpen()) return;
  inputs_->blockSignals(true);
  outputs_->blockSignals(true);
  inputs_->setValue(table_.inputs);
  outputs_->setValue(table_.outputs());
  inputs_->blockSignals(false);
  outputs_->blockSignals(false);

  auto* grid = new QWidget;
  auto* layout = new QGridLayout(grid);
  layout->setHorizontalSpacing(2);
  layout->setVerticalSpacing(1);
  const QFont mono = expressionFont(11);
  for (int k = 0; k < table_.inputs; ++k) {
    auto* h = new QLabel(QString(QChar(plainLetter(k))), grid);
    h->setFont(mono);
    h->setAlignment(Qt::AlignCenter);
    layout->addWidget(h, 0, k);
  }
  names_.clear();
  for (int j = 0; j < table_.outputs(); ++j) {
    auto* name = new QLineEdit(QString::fromStdString(table_.names[size_t(j)]), grid);
    name->setObjectName(indexed(QStringLiteral("Name"), j));
    name->setFixedWidth(52);
    name->setMaxLength(16);
    connect(name, &QLineEdit::editingFinished, this, [this, j] { nameEdited(j); });
    layout->addWidget(name, 0, table_.inputs + 1 + j);
    names_.emplace_back(name);
  }
  layout->setColumnMinimumWidth(table_.inputs, 10);
  for (int r = 0; r < table_.rows(); ++r) {
    for (int k = 0; k < table_.inputs; ++k) {
      auto* bit = new QLabel(QString(QChar('0' + ((r >> (table_.inputs - 1 - k)) & 1))), grid);
      bit->setFont(mono);
      bit->setAlignment(Qt::AlignCenter);
      layout->addWidget(bit, r + 1, k);
    }
    for (int j = 0; j < table_.outputs(); ++j) {
      auto* cell = new CellButton(grid, [this, r, j](char v) { cellChanged(r, j, v); });
      cell->setObjectName(cellName(r, j));
      cell->display(table_.values[size_t(j)][size_t(r)]);
      layout->addWidget(cell, r + 1, table_.inputs + 1 + j, Qt::AlignCenter);
    }
  }
  gridArea_->setWidget(grid);  // the old grid goes with its cells
  gridArea_->setMinimumWidth(grid->sizeHint().width() +
                             gridArea_->verticalScrollBar()->sizeHint().width() +
                             2 * gridArea_->frameWidth());
}

void MultiOutputForm::cellChanged(int row, int output, char value) {
  if (output >= table_.outputs() || row >= table_.rows()) return;
  table_.values[size_t(output)][size_t(row)] = value;
  clearResults();
}

void MultiOutputForm::nameEdited(int output) {
  if (output >= int(names_.size()) || !names_[size_t(output)]) return;
  QLineEdit* edit = names_[size_t(output)];
  const std::string name = edit->text().toStdString();
  std::string& current = table_.names[size_t(output)];
  if (name == current) return;
  bool taken = false;
  for (int j = 0; j < table_.outputs(); ++j)
    taken |= j != output && table_.names[size_t(j)] == name;
  if (!validOutputName(name) || taken) {
    // Put back before the message: closing it finishes the edit again.
    edit->setText(QString::fromStdString(current));
    showMessage(widget(), tr("出力の名前には、ほかの出力と違う 16 バイトまでの名前を付けてください"
                             "（コンマと引用符、入力の文字 a～f だけの名前は使えません）。"));
    return;
  }
  current = name;
  if (result_) showResults();
}

void MultiOutputForm::choosePreset(int index) {
  preset_->setCurrentIndex(0);
  if (index <= 0 || index > kMultiPresetCount || !mayClearValues()) return;
  setTable(multiPreset(MultiPreset(index - 1)));
}

bool MultiOutputForm::mayClearValues() {
  bool entered = false;
  for (const std::string& v : table_.values)
    entered |= v.find_first_not_of('0') != std::string::npos;
  return !entered || askYesNo(widget(), tr("入力した値は消えます。よろしいですか？"));
}

bool MultiOutputForm::openCsv(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    showMessage(widget(), tr("%1 を開けません: %2").arg(path, file.errorString()));
    return false;
  }
  if (file.size() > kMaxCsvBytes) {
    showMessage(widget(), tr("%1 は真理値表の CSV としては大きすぎます。").arg(path));
    return false;
  }
  const QByteArray bytes = file.readAll();
  const CsvRead read = readMultiTableCsv(std::string_view(bytes.constData(), size_t(bytes.size())));
  if (read.problem != CsvProblem::None) {
    QString reason;
    switch (read.problem) {
      case CsvProblem::Empty:
        reason = tr("見出しの行がありません");
        break;
      case CsvProblem::NoInput:
        reason = tr("見出しが入力 a で始まっていません");
        break;
      case CsvProblem::NoOutput:
        reason = tr("入力のあとに出力の列がありません");
        break;
      case CsvProblem::TooManyOutputs:
        reason = tr("出力が 8 個を超えています");
        break;
      case CsvProblem::BadName:
        reason = tr("出力の名前が空か、使えない文字を含むか、重なっています");
        break;
      case CsvProblem::ColumnCount:
        reason = tr("列の数が見出しと違います");
        break;
      case CsvProblem::BadInputCell:
        reason = tr("入力の欄が 0 でも 1 でもありません");
        break;
      case CsvProblem::BadOutputCell:
        reason = tr("出力の欄が 0、1、X のどれでもありません");
        break;
      case CsvProblem::DuplicateRow:
        reason = tr("同じ入力の行が前にもあります");
        break;
      case CsvProblem::None:
        break;
    }
    showMessage(widget(), tr("%1 は読み込めません。\n%2 行目: %3。\n表はそのままです。")
                              .arg(path)
                              .arg(read.line)
                              .arg(reason));
    return false;
  }
  if (!read.missingRows.empty() && !mayFillMissingRows(path, read.missingRows)) return false;
  setTable(read.table);
  if (!read.renamed.empty()) {
    QStringList names;
    for (const auto& [was, now] : read.renamed)
      names << tr("%1 → %2").arg(QString::fromStdString(was), QString::fromStdString(now));
    showMessage(widget(),
                tr("入力の文字と同じ出力の名前を変えました: %1").arg(names.join(tr("、"))));
  }
  return true;
}

// A file without every row (the truth table saves the rows its filter
// shows): the user keeps it with those rows X, or leaves the table as it is.
bool MultiOutputForm::mayFillMissingRows(const QString& path, const std::vector<int>& rows) {
  QStringList listed;
  for (size_t i = 0; i < rows.size() && i < 16; ++i) listed << QString::number(rows[i]);
  if (rows.size() > 16) listed << QStringLiteral("…");
  return askYesNo(widget(),
                  tr("%1 には %2 行がありません（行 %3）。\nその行を X として読み込みますか？"
                     "（いいえ: 表はそのままです）")
                      .arg(path)
                      .arg(rows.size())
                      .arg(listed.join(QLatin1Char(','))));
}

bool MultiOutputForm::saveCsv(const QString& path) {
  QSaveFile file(path);
  const std::string csv = multiTableCsv(table_);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(csv.data(), qint64(csv.size())) != qint64(csv.size()) || !file.commit()) {
    showMessage(widget(), tr("%1 に保存できません: %2").arg(path, file.errorString()));
    return false;
  }
  return true;
}

void MultiOutputForm::minimise() {
  {
    const BusyCursor busy;
    result_ = minimiseMultiOutput(table_);
  }
  showResults();
}

QString MultiOutputForm::sumText(const std::string& sum) const {
  if (sum == "0" || sum == "1" || sum.empty()) return QString::fromStdString(sum);
  QString s = QString::fromStdString(wordchange(layout(sum)));
  return s.replace(QLatin1Char('+'), QStringLiteral(" + "));
}

void MultiOutputForm::clearResults() {
  result_.reset();
  if (!isOpen()) return;
  perOutput_->clear();
  perOutput_->setRowCount(0);
  perOutput_->setColumnCount(0);
  terms_->clear();
  terms_->setRowCount(0);
  terms_->setColumnCount(0);
  totals_->clear();
  totals_->setRowCount(0);
  totals_->setColumnCount(0);
  status_->setText(tr("「共有項で最小化」で、各出力の最小形と共有した最小形を求めます。"));
  circuit_->setEnabled(false);
  app().multiOutputCircuit->unload();
}

void MultiOutputForm::showResults() {
  if (!isOpen() || !result_) return;
  const MultiMinimum& m = *result_;
  const int outputs = table_.outputs();

  perOutput_->clear();
  perOutput_->setColumnCount(4);
  perOutput_->setHorizontalHeaderLabels({tr("出力"), tr("個別の最小形"), tr("共有項での形"), ""});
  perOutput_->setRowCount(outputs);
  int buttonWidth = 0;
  for (int j = 0; j < outputs; ++j) {
    perOutput_->setItem(j, 0, item(QString::fromStdString(table_.names[size_t(j)])));
    QString separate = sumText(m.separate[size_t(j)].sum);
    if (m.separate[size_t(j)].status == CoverStatus::BestFound) separate += tr(" （最良）");
    perOutput_->setItem(j, 1, item(separate));
    perOutput_->setItem(j, 2, item(sumText(m.sharedSum(j, table_.inputs))));
    auto* toList = makeButton(perOutput_, indexed(QStringLiteral("ToList"), j), tr("一覧へ"));
    connect(toList, &QPushButton::clicked, this, [this, j] { sendToList(j); });
    perOutput_->setCellWidget(j, 3, toList);
    buttonWidth = std::max(buttonWidth, toList->sizeHint().width());
  }
  // Long forms wrap at their " + " so the "一覧へ" column stays in sight,
  // and that column is as wide as its button's caption in either language.
  QHeaderView* header = perOutput_->horizontalHeader();
  header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  header->setSectionResizeMode(1, QHeaderView::Stretch);
  header->setSectionResizeMode(2, QHeaderView::Stretch);
  header->setSectionResizeMode(3, QHeaderView::Fixed);
  perOutput_->setColumnWidth(3, buttonWidth + 6);
  perOutput_->resizeRowsToContents();

  terms_->clear();
  terms_->setColumnCount(outputs + 1);
  QStringList heads{tr("積項")};
  for (int j = 0; j < outputs; ++j) heads << QString::fromStdString(table_.names[size_t(j)]);
  terms_->setHorizontalHeaderLabels(heads);
  terms_->setRowCount(int(m.shared.size()));
  for (size_t i = 0; i < m.shared.size(); ++i) {
    terms_->setItem(int(i), 0, item(sumText(m.shared[i].cube.text(table_.inputs))));
    for (int j = 0; j < outputs; ++j) {
      const bool feeds = std::count(m.shared[i].outputs.begin(), m.shared[i].outputs.end(), j) != 0;
      auto* mark = item(feeds ? QStringLiteral("●") : QString());
      mark->setTextAlignment(Qt::AlignCenter);
      terms_->setItem(int(i), j + 1, mark);
    }
  }
  terms_->resizeColumnsToContents();

  totals_->clear();
  totals_->setColumnCount(3);
  totals_->setHorizontalHeaderLabels({QString(), tr("個別"), tr("共有")});
  const QString rows[] = {tr("積項"), tr("AND ゲート"), tr("OR ゲート"), tr("ゲート入力数")};
  const GateTotals& a = m.separateTotals;
  const GateTotals& b = m.sharedTotals;
  const int values[4][2] = {{a.terms, b.terms},
                            {a.andGates, b.andGates},
                            {a.orGates, b.orGates},
                            {a.gateInputs, b.gateInputs}};
  totals_->setRowCount(4);
  for (int r = 0; r < 4; ++r) {
    totals_->setItem(r, 0, item(rows[r]));
    for (int c = 0; c < 2; ++c) {
      auto* v = item(QString::number(values[r][c]));
      v->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      totals_->setItem(r, c + 1, v);
    }
  }
  totals_->resizeColumnsToContents();

  status_->setText(m.sharedStatus == CoverStatus::Proven
                       ? tr("共有した形は最小です（積項の数、次にゲート入力数）。")
                       : tr("制限時間内に見つかった最良の組合せです（最小とは限りません）"));
  circuit_->setEnabled(true);
}

void MultiOutputForm::sendToList(int output) {
  if (!result_ || output < 0 || output >= table_.outputs()) return;
  const std::string expression = entryExpression(result_->separate[size_t(output)].sum);
  // The entry carries the output's X rows, as the table has them.
  std::vector<int> dontCares;
  const std::string& column = table_.values[size_t(output)];
  for (size_t r = 0; r < column.size(); ++r)
    if (column[r] == 'X') dontCares.push_back(int(r));
  MainForm& main = *app().Form1;
  main.setEntry(QString::fromStdString(expression), table_.inputs, dontCares, true);
  main.enter();
}

}  // namespace ronri
