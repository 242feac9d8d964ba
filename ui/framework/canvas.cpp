#include "ui/framework/canvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "ui/framework/painter_surface.h"
#include "ui/framework/twips.h"

namespace ronri {

namespace {
constexpr int kGrowthLimit = 2048;  // logical pixels
}  // namespace

Canvas::Canvas(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setObjectName(QStringLiteral("Canvas"));
}

QColor Canvas::background() const {
  return palette().color(QPalette::Button);
}

void Canvas::ensureImage(QSize logical) {
  const qreal dpr = std::max<qreal>(1.0, devicePixelRatioF());
  const QSize want = (logical.expandedTo(QSize(1, 1)) * dpr);
  if (!image_.isNull() && image_.width() >= want.width() && image_.height() >= want.height() &&
      qFuzzyCompare(image_.devicePixelRatio(), dpr))
    return;
  // A drawing that grows call by call (a large circuit) would copy the whole
  // image at every step: a side that must grow takes at least double its
  // length (but no more than a screenful beyond what is asked).
  QSize size = want;
  if (!image_.isNull() && qFuzzyCompare(image_.devicePixelRatio(), dpr)) {
    auto grow = [&](int have, int need) {
      if (need <= have) return have;
      return std::max(need, std::min(2 * have, need + int(kGrowthLimit * dpr)));
    };
    size = QSize(grow(image_.width(), want.width()), grow(image_.height(), want.height()));
  }
  QImage grown(size.expandedTo(image_.size()), QImage::Format_ARGB32_Premultiplied);
  grown.setDevicePixelRatio(dpr);
  grown.fill(background());
  if (!image_.isNull()) {
    QPainter p(&grown);
    p.drawImage(QPointF(0, 0), image_);
  }
  image_ = std::move(grown);
}

template <class F>
void Canvas::draw(F&& f) {
  ensureImage(size());
  QPainter p(&image_);
  PainterSurface s(p, background());
  f(s);
  p.end();
  update();
  noteChange();
}

void Canvas::noteChange() {
  if (changePending_) return;
  changePending_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        changePending_ = false;
        emit changed();
      },
      Qt::QueuedConnection);
}

void Canvas::line(int x1, int y1, int x2, int y2, int color) {
  list_.line(x1, y1, x2, y2, color);
  draw([&](Surface& s) { s.line(x1, y1, x2, y2, color); });
}
void Canvas::rectangle(int x1, int y1, int x2, int y2, int color) {
  list_.rectangle(x1, y1, x2, y2, color);
  draw([&](Surface& s) { s.rectangle(x1, y1, x2, y2, color); });
}
void Canvas::circle(int x, int y, int r, int color) {
  list_.circle(x, y, r, color);
  draw([&](Surface& s) { s.circle(x, y, r, color); });
}
void Canvas::picture(std::string_view name, int x, int y) {
  list_.picture(name, x, y);
  draw([&](Surface& s) { s.picture(name, x, y); });
}
void Canvas::text(int x, int y, std::string_view utf8, int color, double pointSize, TextFace face) {
  list_.text(x, y, utf8, color, pointSize, face);
  draw([&](Surface& s) { s.text(x, y, utf8, color, pointSize, face); });
}
void Canvas::erase(int x1, int y1, int x2, int y2) {
  list_.erase(x1, y1, x2, y2);
  draw([&](Surface& s) { s.erase(x1, y1, x2, y2); });
}

void Canvas::clearDrawing() {
  list_.clear();
  if (!image_.isNull()) image_.fill(background());
  update();
  noteChange();
}

void Canvas::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), background());
  if (!image_.isNull()) p.drawImage(QPointF(0, 0), image_);
}

void Canvas::resizeEvent(QResizeEvent* e) {
  ensureImage(size());
  QWidget::resizeEvent(e);
}

void Canvas::mousePressEvent(QMouseEvent* e) {
  const QPointF pos = e->position();
  emit pressed(twips(int(pos.x())), twips(int(pos.y())), e->button());
  QWidget::mousePressEvent(e);
}

}  // namespace ronri
