#include "ui/windows/added/sequential_table_editor.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "sequential/machine_edit.h"
#include "sequential/presets.h"
#include "ui/framework/controls.h"
#include "ui/framework/expression_font.h"
#include "ui/framework/messages.h"
#include "ui/framework/translation.h"

namespace ronri {

using seq::Machine;
using seq::MachineKind;

SequentialTableEditor::SequentialTableEditor(QWidget* parent) : QWidget(parent) {
  table_ = new QTableWidget(this);
  table_->setObjectName(QStringLiteral("StateTable"));
  table_->setFont(expressionFont(11));
  table_->verticalHeader()->setVisible(false);
  connect(table_, &QTableWidget::cellChanged, this, &SequentialTableEditor::cellEdited);
  auto* hint =
      new QLabel(tr("次状態には状態の名前か「-」（未定）を、出力には 0・1・-（未定）を出力"
                    "の数だけ書きます。未定の欄は回路では X（どちらでもよい）になります。"),
                 this);
  hint->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildCounts());
  layout->addWidget(buildFiles());
  layout->addWidget(table_, 1);
  layout->addWidget(hint);
}

QWidget* SequentialTableEditor::buildCounts() {
  auto* row = new QWidget(this);
  auto spin = [row](const char* name, int lo, int hi) {
    auto* s = new QSpinBox(row);
    s->setObjectName(QLatin1String(name));
    s->setRange(lo, hi);
    return s;
  };
  states_ = spin("States", 1, seq::kMaxStates);
  inputs_ = spin("Inputs", 0, seq::kMaxInputs);
  outputs_ = spin("Outputs", 0, seq::kMaxOutputs);
  kind_ = new QComboBox(row);
  kind_->setObjectName(QStringLiteral("Kind"));
  kind_->addItems({tr("ムーア型"), tr("ミーリ型")});
  reset_ = new QComboBox(row);
  reset_->setObjectName(QStringLiteral("Reset"));
  auto* h = new QHBoxLayout(row);
  h->setContentsMargins(0, 0, 0, 0);
  const std::pair<QString, QWidget*> parts[] = {{tr("状態数"), states_},
                                                {tr("入力数"), inputs_},
                                                {tr("出力数"), outputs_},
                                                {tr("型"), kind_},
                                                {tr("初期状態"), reset_}};
  for (const auto& [caption, control] : parts) {
    h->addWidget(new QLabel(caption, row));
    h->addWidget(control);
    h->addSpacing(8);
  }
  h->addStretch();
  for (QSpinBox* s : {states_.data(), inputs_.data(), outputs_.data()})
    connect(s, &QSpinBox::valueChanged, this, &SequentialTableEditor::shapeChosen);
  connect(kind_, &QComboBox::activated, this, &SequentialTableEditor::shapeChosen);
  connect(reset_, &QComboBox::activated, this, [this](int s) {
    Machine m = machine_;
    m.reset = s;
    commit(m);
  });
  return row;
}

QWidget* SequentialTableEditor::buildFiles() {
  auto* row = new QWidget(this);
  preset_ = new QComboBox(row);
  preset_->setObjectName(QStringLiteral("Preset"));
  preset_->addItem(tr("例題…"));
  for (const seq::Preset& p : seq::presets()) preset_->addItem(coreText(p.name));
  auto* open = makeButton(row, QStringLiteral("Open"), tr("開く…"));
  auto* save = makeButton(row, QStringLiteral("Save"), tr("保存…"));
  open->setToolTip(tr("KISS2 形式の状態表を読み込みます"));
  save->setToolTip(tr("この状態表を KISS2 形式で保存します"));
  auto* h = new QHBoxLayout(row);
  h->setContentsMargins(0, 0, 0, 0);
  h->addWidget(preset_);
  h->addStretch();
  h->addWidget(open);
  h->addWidget(save);
  connect(preset_, &QComboBox::activated, this, [this](int index) {
    preset_->setCurrentIndex(0);
    if (index > 0) emit presetChosen(index - 1);
  });
  connect(open, &QPushButton::clicked, this, &SequentialTableEditor::openRequested);
  connect(save, &QPushButton::clicked, this, &SequentialTableEditor::saveRequested);
  return row;
}

void SequentialTableEditor::setMachine(const Machine& m) {
  machine_ = m;
  refill();
}

void SequentialTableEditor::commit(const Machine& m) {
  machine_ = m;
  refill();
  emit edited(machine_);
}

// A new count or kind: what still fits is kept; asked first when fewer
// states, inputs or outputs would drop entries.
void SequentialTableEditor::shapeChosen() {
  const MachineKind kind = kind_->currentIndex() == 0 ? MachineKind::Moore : MachineKind::Mealy;
  const int s = states_->value(), i = inputs_->value(), o = outputs_->value();
  if (kind == machine_.kind && s == machine_.states() && i == machine_.inputs &&
      o == machine_.outputs)
    return;
  const bool drops = s < machine_.states() || i < machine_.inputs || o < machine_.outputs ||
                     (kind == MachineKind::Moore && machine_.kind == MachineKind::Mealy);
  if (drops && !askYesNo(this, tr("入力した値は消えます。よろしいですか？"))) {
    refill();
    return;
  }
  commit(seq::reshaped(machine_, kind, s, i, o));
}

QString SequentialTableEditor::inputLabel(int x) const {
  if (machine_.inputs == 0) return QString();
  QString names = machine_.inputs == 1 ? QStringLiteral("X") : QString();
  for (int k = 1; machine_.inputs > 1 && k <= machine_.inputs; ++k)
    names += QStringLiteral("X%1").arg(k);
  return QStringLiteral(" %1=%2").arg(names,
                                      QString::fromStdString(seq::inputBits(x, machine_.inputs)));
}

void SequentialTableEditor::refill() {
  filling_ = true;
  const QSignalBlocker a(states_), b(inputs_), c(outputs_), d(kind_), e(reset_);
  const Machine& m = machine_;
  states_->setValue(m.states());
  inputs_->setValue(m.inputs);
  outputs_->setValue(m.outputs);
  kind_->setCurrentIndex(m.kind == MachineKind::Moore ? 0 : 1);
  reset_->clear();
  for (const std::string& name : m.names) reset_->addItem(QString::fromStdString(name));
  reset_->setCurrentIndex(m.reset);

  columns_ = {{Column::Name, 0}};
  QStringList heads{tr("現状態")};
  for (int x = 0; x < m.combinations(); ++x) {
    columns_.push_back({Column::Next, x});
    heads << tr("次状態") + inputLabel(x);
  }
  if (m.outputs > 0 && m.kind == MachineKind::Moore) {
    columns_.push_back({Column::Output, 0});
    heads << tr("出力");
  }
  for (int x = 0; m.outputs > 0 && m.kind == MachineKind::Mealy && x < m.combinations(); ++x) {
    columns_.push_back({Column::Output, x});
    heads << tr("出力") + inputLabel(x);
  }
  table_->clear();
  table_->setColumnCount(int(columns_.size()));
  table_->setHorizontalHeaderLabels(heads);
  table_->setRowCount(m.states());
  for (int s = 0; s < m.states(); ++s)
    for (size_t c = 0; c < columns_.size(); ++c) {
      const Column& col = columns_[c];
      const std::string text = col.role == Column::Name   ? m.names[size_t(s)]
                               : col.role == Column::Next ? seq::nextText(m, s, col.input)
                                                          : seq::outputsAt(m, s, col.input);
      table_->setItem(s, int(c), new QTableWidgetItem(QString::fromStdString(text)));
    }
  table_->resizeColumnsToContents();
  filling_ = false;
}

void SequentialTableEditor::cellEdited(int row, int column) {
  if (filling_ || row < 0 || row >= machine_.states() || column < 0 ||
      column >= int(columns_.size()))
    return;
  const std::string text = table_->item(row, column)->text().trimmed().toStdString();
  const Column col = columns_[size_t(column)];
  Machine m = machine_;
  bool ok = false;
  QString why;
  if (col.role == Column::Name) {
    ok = seq::renameState(m, row, text);
    why = tr("状態の名前は、空白・#・「-」・「*」を含まない、ほかと違う名前にしてください。");
  } else if (col.role == Column::Next) {
    ok = seq::setNextText(m, row, col.input, text);
    why = tr("次状態には、表にある状態の名前か「-」（未定）を書いてください。");
  } else {
    ok = seq::setOutputText(m, row, col.input, text);
    why = tr("出力には 0・1・- を %1 文字で書いてください。").arg(machine_.outputs);
  }
  // The table is filled again once the edit is over: its items must outlive
  // the signal that reports the change.
  QTimer::singleShot(0, this, &SequentialTableEditor::refill);
  if (!ok) {
    showMessage(this, why);
    return;
  }
  machine_ = m;
  emit edited(machine_);
}

}  // namespace ronri
