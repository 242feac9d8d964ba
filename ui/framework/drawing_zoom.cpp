#include "ui/framework/drawing_zoom.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QShortcut>
#include <QWheelEvent>
#include <algorithm>
#include <iterator>

#include "ui/framework/canvas.h"
#include "ui/framework/drawing_export.h"

namespace ronri {

namespace {

constexpr int kSteps[] = {50, 67, 80, 100, 125, 150, 200, 300, 400};
constexpr int kNormal = 3;  // 100 %

class Zoom : public QObject {
 public:
  Zoom(QWidget* area, QWidget* host, int keepTop)
      : QObject(area), area_(area), host_(host), keepTop_(keepTop) {
    setObjectName(QStringLiteral("DrawingZoom"));
    area->installEventFilter(this);
    host->installEventFilter(this);
    if (auto* canvas = qobject_cast<Canvas*>(area))
      connect(canvas, &Canvas::changed, this, [this] {
        if (view_ && view_->isVisible()) showZoomed();
      });
    QWidget* window = host->window();
    auto shortcut = [&](const QKeySequence& keys, int step) {
      auto* s = new QShortcut(keys, window);
      s->setContext(Qt::WindowShortcut);
      QObject::connect(s, &QShortcut::activated, this, [this, step] { zoomBy(step); });
    };
    shortcut(QKeySequence::ZoomIn, +1);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), +1);
    shortcut(QKeySequence::ZoomOut, -1);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_0), 0);
  }

  int percent() const { return kSteps[step_]; }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::Wheel) {
      auto* wheel = static_cast<QWheelEvent*>(e);
      if (wheel->modifiers() & Qt::ControlModifier) {
        const int delta = wheel->angleDelta().y();
        if (delta != 0) zoomBy(delta > 0 ? +1 : -1);
        return true;
      }
    } else if (e->type() == QEvent::Resize && watched == host_ && view_) {
      view_->setGeometry(viewRect());
    }
    return false;
  }

 private:
  // +1 and -1 step the zoom; 0 goes back to 100 %.
  void zoomBy(int step) {
    step_ = step == 0 ? kNormal : std::clamp(step_ + step, 0, int(std::size(kSteps)) - 1);
    if (step_ == kNormal) {
      if (view_) view_->hide();
      return;
    }
    if (!view_) makeView();
    showZoomed();
  }

  void makeView() {
    view_ = new QScrollArea(host_);
    view_->setObjectName(QStringLiteral("ZoomView"));
    view_->setBackgroundRole(QPalette::Base);
    view_->setAlignment(Qt::AlignCenter);
    picture_ = new QLabel(view_);
    view_->setWidget(picture_);
    view_->viewport()->installEventFilter(this);
    // The zoomed picture offers the drawing's own right-click menu.
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
      if (area_->contextMenuPolicy() == Qt::CustomContextMenu)
        emit area_->customContextMenuRequested(area_->mapFromGlobal(view_->mapToGlobal(pos)));
    });
  }

  QRect viewRect() const { return host_->rect().adjusted(0, keepTop_, 0, 0); }

  void showZoomed() {
    const qreal dpr = host_->devicePixelRatioF();
    QPixmap p = QPixmap::fromImage(renderDrawing(exportedDrawing(area_), percent() / 100.0 * dpr));
    p.setDevicePixelRatio(dpr);
    picture_->setPixmap(p);
    picture_->resize(p.deviceIndependentSize().toSize());
    view_->setGeometry(viewRect());
    view_->show();
    view_->raise();
  }

  QWidget* area_;
  QWidget* host_;
  int keepTop_;
  QScrollArea* view_ = nullptr;
  QLabel* picture_ = nullptr;
  int step_ = kNormal;
};

}  // namespace

void addDrawingZoom(QWidget* area, QWidget* host, int keepTop) {
  if (area && host) new Zoom(area, host, keepTop);
}

int drawingZoom(const QWidget* area) {
  if (area)
    for (QObject* child : area->children())
      if (auto* z = dynamic_cast<Zoom*>(child)) return z->percent();
  return 100;
}

}  // namespace ronri
