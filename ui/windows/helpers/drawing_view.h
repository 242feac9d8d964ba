#pragma once
// A kept drawing shown at its size on white, with the right-click menu of
// every drawing (picture, copy, print): the stages of the sequential design
// draw into one each.
#include <QWidget>

#include "core/draw/display_list.h"

namespace ronri {

class DrawingView : public QWidget {
  Q_OBJECT
 public:
  explicit DrawingView(QWidget* parent = nullptr);
  // Shows `d`, which covers widthTwips x heightTwips.
  void setDrawing(DisplayList d, int widthTwips, int heightTwips);
  const DisplayList& drawing() const { return drawing_; }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  DisplayList drawing_;
};

}  // namespace ronri
