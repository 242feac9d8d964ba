#include "ui/windows/added/sequential_timing_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>

#include "ui/framework/drawing_export.h"
#include "ui/windows/helpers/drawing_view.h"

namespace ronri {

namespace {

// A first sequence to look at: every input combination comes up.
QString exampleSequence(int inputs) {
  switch (inputs) {
    case 0:
      return QStringLiteral("8");
    case 1:
      return QStringLiteral("0110100");
    case 2:
      return QStringLiteral("00 01 11 10 00 11");
    default:
      return QStringLiteral("000 001 011 111 110 100 000");
  }
}

}  // namespace

SequentialTimingView::SequentialTimingView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("SequentialTimingView"));
  auto* label = new QLabel(tr("入力系列"), this);
  sequence_ = new QLineEdit(this);
  sequence_->setObjectName(QStringLiteral("InputSequence"));
  label->setBuddy(sequence_);
  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("SequenceMessage"));
  message_->setWordWrap(true);
  area_ = new QScrollArea(this);
  area_->setObjectName(QStringLiteral("TimingArea"));
  area_->setBackgroundRole(QPalette::Base);
  view_ = new DrawingView(area_);
  view_->setObjectName(QStringLiteral("TimingDrawing"));
  view_->setToolTip(tr("右クリックで画像の保存・コピー・印刷、CSVとして保存。"));
  area_->setWidget(view_);
  addExportMenu(
      view_, [this] { return drawing(); }, [this] { return csv(); });
  auto* top = new QHBoxLayout;
  top->addWidget(label);
  top->addWidget(sequence_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(top);
  layout->addWidget(message_);
  layout->addWidget(area_, 1);
  connect(sequence_, &QLineEdit::textChanged, this, &SequentialTimingView::rerun);
  rerun();
}

void SequentialTimingView::setDesign(const seq::Machine& machine, const seq::Design& design) {
  const bool sameInputs = machine.inputs == machine_.inputs && !sequence_->text().isEmpty();
  machine_ = machine;
  design_ = design;
  if (machine.inputs == 0)
    sequence_->setToolTip(tr("入力がないので、クロックの回数を書きます（例: 8）。"));
  else if (machine.inputs == 1)
    sequence_->setToolTip(
        tr("クロックごとの入力 X を 0 と 1 で書きます（例: 0110100）。空白は読み飛ばします。"));
  else
    sequence_->setToolTip(tr("クロックごとに入力 X1…X%1 を 1 組ずつ、空白で区切って書きます"
                             "（例: %2）。")
                              .arg(machine.inputs)
                              .arg(exampleSequence(machine.inputs)));
  if (sameInputs)
    rerun();
  else
    sequence_->setText(exampleSequence(machine.inputs));  // reruns
}

void SequentialTimingView::rerun() {
  chart_ = {};
  QString problem;
  const seq::InputSequence in =
      seq::readInputSequence(sequence_->text().toStdString(), machine_.inputs);
  switch (in.error) {
    case seq::SequenceError::None:
      break;
    case seq::SequenceError::Empty:
      problem = machine_.inputs == 0 ? tr("クロックの回数を書いて下さい。")
                                     : tr("入力系列を書いて下さい。");
      break;
    case seq::SequenceError::BadCharacter:
      problem = machine_.inputs == 0 ? tr("%1 文字目: 回数は数字で書きます。").arg(in.at)
                                     : tr("%1 文字目: 0 と 1 と空白だけが使えます。").arg(in.at);
      break;
    case seq::SequenceError::GroupLength:
      problem =
          tr("%1 文字目からの組: 入力 %2 個の 0/1 が要ります。").arg(in.at).arg(machine_.inputs);
      break;
    case seq::SequenceError::TooLong:
      problem = tr("クロックは %1 回までです。").arg(seq::kMostCycles);
      break;
  }
  if (problem.isEmpty()) {
    chart_ = seq::timingChart(machine_, design_, in.inputs);
    if (!chart_.problem.empty())
      problem = !design_.rows.empty() ? tr("変数が多すぎて回路の式を求められません。")
                                      : tr("回路の式がまだありません。状態表を埋めて下さい。");
  }
  message_->setText(problem);
  message_->setVisible(!problem.isEmpty());
  DisplayList d;
  const seq::ChartExtent e = seq::drawTimingChart(d, chart_, tr("状態").toStdString());
  view_->setDrawing(std::move(d), e.width, e.height);
}

DisplayList SequentialTimingView::drawing() const {
  DisplayList d;
  seq::drawTimingChart(d, chart_, tr("状態").toStdString());
  return d;
}

QByteArray SequentialTimingView::csv() const {
  return QByteArray::fromStdString(seq::timingChartCsv(chart_));
}

}  // namespace ronri
