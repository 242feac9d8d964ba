#include "ui/windows/added/sequential_form.h"

#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QSaveFile>
#include <QTabWidget>
#include <QThread>
#include <QVBoxLayout>

#include "sequential/kiss2.h"
#include "sequential/presets.h"
#include "ui/app.h"
#include "ui/framework/busy_cursor.h"
#include "ui/framework/controls.h"
#include "ui/framework/messages.h"
#include "ui/windows/added/sequential_circuit_view.h"
#include "ui/windows/added/sequential_table_editor.h"
#include "ui/windows/added/sequential_timing_view.h"
#include "ui/windows/added/sequential_verilog_save.h"
#include "ui/windows/designed/main_form.h"

namespace ronri {

using seq::AssignmentChoice;
using seq::Machine;

namespace {

// A KISS2 file larger than this holds no table of 16 states.
constexpr qint64 kMaxKiss2Bytes = 1024 * 1024;

}  // namespace

SequentialForm::SequentialForm(App& app)
    : Window(app, QStringLiteral("SequentialForm"), tr("順序回路の設計")),
      machine_(seq::presets()[4].machine) {
  chooseFile = &SequentialForm::askForKiss2File;
}

SequentialForm::~SequentialForm() {
  // A search still running would report to a window that is gone.
  if (worker_) {
    worker_->wait();
    delete worker_;
  }
}

void SequentialForm::build(QMainWindow* w) {
  auto* central = new QWidget(w);
  w->setCentralWidget(central);
  stages_ = new QTabWidget(central);
  stages_->setObjectName(QStringLiteral("Stages"));
  editor_ = new SequentialTableEditor(stages_);
  stages_->addTab(editor_, tr("状態表"));
  stages_->addTab(buildDiagramStage(), tr("状態遷移図"));
  stages_->addTab(buildReductionStage(), tr("状態の簡単化"));
  stages_->addTab(buildAssignmentStage(), tr("状態割り当て"));
  stages_->addTab(buildExcitationStage(), tr("励起表"));
  stages_->addTab(buildMapStage(), tr("カルノー図"));
  stages_->addTab(buildEquationStage(), tr("式"));
  circuit_ = new SequentialCircuitView(stages_);
  stages_->addTab(circuit_, tr("回路図"));
  timing_ = new SequentialTimingView(stages_);
  stages_->addTab(timing_, tr("タイミングチャート"));
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(stages_, 1);
  layout->addWidget(buildButtons());
  connect(editor_, &SequentialTableEditor::edited, this, [this](const Machine& m) {
    machine_ = m;
    machineChanged();
  });
  connect(editor_, &SequentialTableEditor::presetChosen, this, &SequentialForm::choosePreset);
  connect(editor_, &SequentialTableEditor::openRequested, this, [this] {
    const QString path = chooseFile(widget(), false);
    if (!path.isEmpty()) openKiss2(path);
  });
  connect(editor_, &SequentialTableEditor::saveRequested, this, [this] {
    const QString path = chooseFile(widget(), true);
    if (!path.isEmpty()) saveKiss2(path);
  });
  w->resize(1100, 760);
}

QWidget* SequentialForm::buildButtons() {
  auto* row = new QWidget;
  auto* kiss2 = makeButton(row, QStringLiteral("SaveKiss2"), tr("KISS2で保存…"));
  kiss2->setToolTip(tr("設計した状態表（簡単化したときはその表）を KISS2 形式で保存します"));
  auto* verilog = makeButton(row, QStringLiteral("SaveVerilog"), tr("Verilogで保存…"));
  verilog->setToolTip(tr("設計した回路を Verilog-2005 のモジュールとして保存します"));
  auto* h = new QHBoxLayout(row);
  h->setContentsMargins(0, 0, 0, 0);
  h->addStretch();
  h->addWidget(verilog);
  h->addWidget(kiss2);
  connect(verilog, &QPushButton::clicked, this, &SequentialForm::saveVerilog);
  connect(kiss2, &QPushButton::clicked, this, [this] {
    const QString path = chooseFile(widget(), true);
    if (!path.isEmpty()) saveKiss2(path, true);
  });
  return row;
}

void SequentialForm::load() {
  editor_->setMachine(machine_);
  machineChanged();
}

void SequentialForm::setMachine(const Machine& m) {
  machine_ = m;
  if (isOpen()) editor_->setMachine(machine_);
  machineChanged();
}

void SequentialForm::choosePreset(int index) {
  const auto all = seq::presets();
  if (index < 0 || index >= int(all.size())) return;
  setMachine(all[size_t(index)].machine);
}

// The table changed: every later stage is made again from it.
void SequentialForm::machineChanged() {
  reduction_ = seq::reduceStates(machine_);
  designed_ = reduction_.status == seq::ReductionStatus::Reduced ? reduction_.reduced : machine_;
  showDiagram();
  showReduction();
  // The costs are searched for only while someone is looking.
  if (isOpen()) startCosts();
  redesign();
}

void SequentialForm::chooseAssignment(AssignmentChoice c) {
  choice_ = c;
  redesign();
}

void SequentialForm::chooseFlipFlop(seq::FlipFlop f) {
  if (f == flipFlop_) return;
  flipFlop_ = f;
  // The costs, and the best assignment, depend on the flip-flops.
  if (isOpen()) startCosts();
  redesign();
}

void SequentialForm::redesign() {
  seq::StateCodes codes;
  const int n = designed_.states();
  switch (choice_) {
    case AssignmentChoice::Gray:
      codes = seq::grayCodes(n);
      break;
    case AssignmentChoice::OneHot:
      codes = seq::oneHotCodes(n);
      break;
    case AssignmentChoice::Best:
      // Binary until the search has answered.
      codes = costs_.size() == 4 ? costs_[3].codes : seq::binaryCodes(n);
      break;
    case AssignmentChoice::Binary:
      codes = seq::binaryCodes(n);
      break;
  }
  {
    const BusyCursor busy;
    design_ = seq::designCircuit(designed_, codes, flipFlop_);
  }
  showCosts();
  showExcitation();
  showMaps();
  showEquations();
  showCircuit();
}

void SequentialForm::showCircuit() {
  if (!isOpen()) return;
  circuit_->setDesign(designed_, design_);
  timing_->setDesign(designed_, design_);
}

bool SequentialForm::saveVerilog() {
  if (!design_.available || design_.equations.empty()) {
    showMessage(widget(),
                tr("変数が多すぎて最小化できないため、Verilog では保存できません。ほかの割り当て"
                   "を選んでください。"));
    return false;
  }
  return saveSequentialVerilog(widget(), designed_, design_);
}

// The four choices' costs (the best one's search takes up to 2 s) are worked
// out beside the window, which stays usable; only the last request counts.
void SequentialForm::startCosts() {
  const unsigned generation = ++generation_;
  costs_.clear();
  if (worker_ && worker_->isFinished()) {
    delete worker_;
    worker_ = nullptr;
  }
  if (worker_) {
    // One search at a time: the running one is answered and then asked again.
    connect(
        worker_, &QThread::finished, this,
        [this, generation] {
          if (generation == generation_) startCosts();
        },
        Qt::SingleShotConnection);
    return;
  }
  worker_ = QThread::create([this, generation, m = designed_, f = flipFlop_] {
    std::vector<seq::ChoiceCost> costs = seq::assignmentChoices(m, f);
    QMetaObject::invokeMethod(
        this,
        [this, generation, costs = std::move(costs)]() mutable {
          costsComputed(generation, std::move(costs));
        },
        Qt::QueuedConnection);
  });
  worker_->start();
}

void SequentialForm::costsComputed(unsigned generation, std::vector<seq::ChoiceCost> costs) {
  if (generation != generation_) return;
  costs_ = std::move(costs);
  if (choice_ == AssignmentChoice::Best)
    redesign();
  else
    showCosts();
}

QString SequentialForm::askForKiss2File(QWidget* parent, bool saving) {
  QFileDialog dialog(parent, saving ? tr("保存…") : tr("開く…"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilter(tr("KISS2 ファイル (*.kiss2 *.kiss)"));
  if (saving) dialog.setDefaultSuffix(QStringLiteral("kiss2"));
  if (dialog.exec() != QDialog::Accepted) return QString();
  return dialog.selectedFiles().value(0);
}

bool SequentialForm::openKiss2(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    showMessage(widget(), tr("%1 を開けません: %2").arg(path, file.errorString()));
    return false;
  }
  if (file.size() > kMaxKiss2Bytes) {
    showMessage(widget(), tr("%1 は状態表の KISS2 ファイルとしては大きすぎます。").arg(path));
    return false;
  }
  const QByteArray bytes = file.readAll();
  const std::string_view text(bytes.constData(), size_t(bytes.size()));
  // KISS2 does not say Moore or Mealy: a table whose outputs belong to the
  // states alone is read as Moore.
  seq::Kiss2Result read = seq::readKiss2(text, seq::MachineKind::Moore);
  if (read.error == seq::Kiss2Error::MooreOutputsDiffer)
    read = seq::readKiss2(text, seq::MachineKind::Mealy);
  if (!read.ok()) {
    showMessage(widget(), tr("%1 は読み込めません。\n%2 行目: %3。\n状態表はそのままです。")
                              .arg(path)
                              .arg(read.line)
                              .arg(kiss2Problem(int(read.error))));
    return false;
  }
  setMachine(read.machine);
  return true;
}

QString SequentialForm::kiss2Problem(int error) const {
  switch (seq::Kiss2Error(error)) {
    case seq::Kiss2Error::UnknownDirective:
      return tr("知らない「.」の行です");
    case seq::Kiss2Error::BadNumber:
      return tr("見出しの値が整数ではありません");
    case seq::Kiss2Error::TooManyInputs:
      return tr("入力が 3 個を超えています");
    case seq::Kiss2Error::TooManyOutputs:
      return tr("出力が 4 個を超えています");
    case seq::Kiss2Error::TooManyStates:
      return tr("状態が 16 個を超えています");
    case seq::Kiss2Error::RepeatedHeader:
      return tr("同じ見出しが二度あります");
    case seq::Kiss2Error::MissingHeader:
      return tr("表の行が .i と .o より前にあります");
    case seq::Kiss2Error::FieldCount:
      return tr("「入力 現状態 次状態 出力」の 4 つの欄になっていません");
    case seq::Kiss2Error::BadInputField:
      return tr("入力の欄の長さか文字（0、1、-）が違います");
    case seq::Kiss2Error::BadOutputField:
      return tr("出力の欄の長さか文字（0、1、-）が違います");
    case seq::Kiss2Error::BadStateName:
      return tr("状態の名前に使えない名前です");
    case seq::Kiss2Error::Conflict:
      return tr("同じ状態と入力が前の行と違う値で書かれています");
    case seq::Kiss2Error::MooreOutputsDiffer:
      return tr("同じ状態の出力が行によって違います");
    case seq::Kiss2Error::StateCountMismatch:
      return tr(".s の数が表の状態の数と違います");
    case seq::Kiss2Error::LineCountMismatch:
      return tr(".p の数が表の行の数と違います");
    case seq::Kiss2Error::UnknownResetState:
      return tr(".r の状態が表にありません");
    case seq::Kiss2Error::NoStates:
      return tr("表の行がありません");
    case seq::Kiss2Error::None:
      break;
  }
  return QString();
}

bool SequentialForm::saveKiss2(const QString& path, bool designed) {
  const std::string text = seq::writeKiss2(designed ? designed_ : machine_);
  QSaveFile file(path);
  if (text.empty() || !file.open(QIODevice::WriteOnly) ||
      file.write(text.data(), qint64(text.size())) != qint64(text.size()) || !file.commit()) {
    showMessage(widget(),
                tr("%1 に保存できません: %2")
                    .arg(path, text.empty() ? tr("状態表が正しくありません") : file.errorString()));
    return false;
  }
  return true;
}

void SequentialForm::sendToList(int k) {
  if (k < 0 || k >= int(design_.equations.size())) return;
  const seq::Equation& e = design_.equations[size_t(k)];
  const int n = int(e.variables.size());
  if (n < 1) return;
  // The main list takes a constant or a lone letter in a form it accepts.
  QString letters = QString::fromStdString(e.letters);
  if (letters == QLatin1String("0"))
    letters = QStringLiteral("a*~a");
  else if (letters == QLatin1String("1"))
    letters = QStringLiteral("a+~a");
  else if (!letters.contains(QLatin1Char('*')) && !letters.contains(QLatin1Char('+')))
    letters = letters + QLatin1Char('*') + letters;
  // The function's X rows go with it, as the map shows them.
  std::vector<int> dontCares;
  const std::string& rows = design_.functions[size_t(k)].rows;
  for (size_t r = 0; r < rows.size(); ++r)
    if (rows[r] == 'X') dontCares.push_back(int(r));
  MainForm& main = *app().Form1;
  main.setEntry(letters, n, dontCares, true);
  main.enter();
  if (legend_)
    legend_->setText(tr("%1 を一覧に加えました（%2）。")
                         .arg(QString::fromStdString(e.text), QString::fromStdString(e.legend)));
}

}  // namespace ronri
