#include "ui/framework/window.h"

#include <QCloseEvent>

namespace ronri {

namespace {

// Stops a window from hearing its controls before they die: a closed window's
// controls are deleted later, and send events and signals even from their
// destructors, when a filter or slot that looks at one through its typed
// pointer would downcast a half-destroyed object.
void detachControls(QObject& window, QWidget& w) {
  w.removeEventFilter(&window);
  QObject::disconnect(&w, nullptr, &window, nullptr);
  for (QObject* o : w.findChildren<QObject*>()) {
    o->removeEventFilter(&window);
    QObject::disconnect(o, nullptr, &window, nullptr);
  }
}

}  // namespace

Window::Window(App& app, QString objectName, QString caption)
    : app_(app), objectName_(std::move(objectName)), caption_(std::move(caption)) {}

Window::~Window() {
  if (widget_) {
    widget_->disconnect();
    detachControls(*this, *widget_);
    delete widget_.data();
  }
}

void Window::show() {
  if (!widget_) {
    auto* w = new FormWidget(*this);
    w->setObjectName(objectName_);
    w->setWindowTitle(caption_);
    w->setAttribute(Qt::WA_DeleteOnClose);
    widget_ = w;
    build(w);
    load();
    // load() may close the window again (a dialog that finishes at once).
    if (!widget_) return;
  }
  widget_->show();
  widget_->raise();
  widget_->activateWindow();
}

void Window::unload() {
  if (widget_) widget_->close();
}

void Window::closedByWidget() {
  unloading();
  QMainWindow* w = widget_;
  widget_ = nullptr;
  // The widget deletes itself (WA_DeleteOnClose); hide its children at once so
  // nothing of the closed window is found or clicked meanwhile.
  if (w) {
    detachControls(*this, *w);
    w->setObjectName(QString());
    w->hide();
  }
}

FormWidget::FormWidget(Window& owner) : owner_(owner) {}

void FormWidget::closeEvent(QCloseEvent* e) {
  e->accept();
  if (owner_.widget_ == this) owner_.closedByWidget();
}

}  // namespace ronri
