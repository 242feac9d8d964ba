#pragma once
// A window's drawing area: a Surface painted onto a backing image that lies
// under the window's child controls, so a drawing survives covering and
// resizing.
#include <QImage>
#include <QWidget>

#include "core/draw/display_list.h"
#include "core/draw/surface.h"

namespace ronri {

class Canvas : public QWidget, public Surface {
  Q_OBJECT
 public:
  explicit Canvas(QWidget* parent = nullptr);

  void line(int x1, int y1, int x2, int y2, int color) override;
  void rectangle(int x1, int y1, int x2, int y2, int color) override;
  void circle(int x, int y, int r, int color) override;
  void picture(std::string_view name, int x, int y) override;
  void text(int x, int y, std::string_view utf8, int color, double pointSize,
            TextFace face = TextFace::Caption) override;
  void erase(int x1, int y1, int x2, int y2) override;

  // Wipes the whole drawing.
  void clearDrawing();
  QColor background() const;
  // The drawing as it stands (device pixels).
  const QImage& image() const { return image_; }
  // Every call since the last clearDrawing(), to draw the same picture elsewhere.
  const DisplayList& displayList() const { return list_; }

 signals:
  // A mouse press on the canvas itself (not on a control), in twips.
  void pressed(int xTwips, int yTwips, Qt::MouseButton button);
  // The drawing changed; sent once when control returns to the event loop,
  // however many calls drew it.
  void changed();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  template <class F>
  void draw(F&& f);
  void ensureImage(QSize logical);
  void noteChange();
  QImage image_;
  bool changePending_ = false;
  DisplayList list_;
};

}  // namespace ronri
