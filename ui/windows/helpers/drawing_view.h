#pragma once
// A widget that shows a kept drawing at its size (inside a scroll area).
#include <QWidget>

#include "core/draw/display_list.h"

namespace ronri {

class DrawingView : public QWidget {
 public:
  explicit DrawingView(QWidget* parent = nullptr);
  // Shows `d`, which reaches `widthTwips` x `heightTwips`.
  void setDrawing(DisplayList d, double widthTwips, double heightTwips);
  const DisplayList& drawing() const { return drawing_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  DisplayList drawing_;
};

}  // namespace ronri
