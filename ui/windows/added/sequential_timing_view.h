#pragma once
// The timing chart of a designed machine: an input sequence typed as 0/1 per
// clock, the waveforms of the clock, inputs, state bits and outputs. Right
// click: picture, copy, print, CSV.
#include <QPointer>
#include <QWidget>

#include "core/draw/display_list.h"
#include "sequential/design.h"
#include "sequential/timing_chart.h"

class QLabel;
class QLineEdit;
class QScrollArea;

namespace ronri {

class DrawingView;

class SequentialTimingView : public QWidget {
  Q_OBJECT
 public:
  explicit SequentialTimingView(QWidget* parent = nullptr);
  void setDesign(const seq::Machine& machine, const seq::Design& design);

  // What the view shows now (also what it exports), and its CSV.
  DisplayList drawing() const;
  QByteArray csv() const;
  const seq::TimingChart& chart() const { return chart_; }

 private:
  void rerun();

  seq::Machine machine_;
  seq::Design design_;
  seq::TimingChart chart_;
  QPointer<QLineEdit> sequence_;
  QPointer<QLabel> message_;
  QPointer<QScrollArea> area_;
  QPointer<DrawingView> view_;
};

}  // namespace ronri
