#pragma once
// A window of the program: public members and operations that live as long as
// the App, and controls that exist only while the window is open.
#include <QMainWindow>
#include <QPointer>
#include <QString>

namespace ronri {

class App;

class Window : public QObject {
  Q_OBJECT
 public:
  Window(App& app, QString objectName, QString caption);
  ~Window() override;

  // Shows the window; when it is not open, its controls are created and its
  // load routine runs first (reading the members set just before).
  void show();
  // Closes the window as the user would: the close routine runs and the
  // controls are destroyed. Members keep their values.
  void unload();
  bool isOpen() const { return widget_ != nullptr; }
  // The top-level widget while open, else nullptr.
  QMainWindow* widget() const { return widget_; }
  const QString& name() const { return objectName_; }
  const QString& caption() const { return caption_; }

  // A control of the open window by its design name, e.g. "Command1(22)".
  template <class T>
  T* control(const QString& name) const {
    return widget_ ? widget_->findChild<T*>(name) : nullptr;
  }

 protected:
  // Creates the controls on the new top-level widget.
  virtual void build(QMainWindow* w) = 0;
  // The load routine, run after build().
  virtual void load() {}
  // Run when the window closes, before its controls are destroyed.
  virtual void unloading() {}

  App& app() const { return app_; }

 private:
  friend class FormWidget;
  void closedByWidget();

  App& app_;
  QString objectName_;
  QString caption_;
  QPointer<QMainWindow> widget_;
};

// The top-level widget of an open window; tells its Window when it closes.
class FormWidget : public QMainWindow {
  Q_OBJECT
 public:
  explicit FormWidget(Window& owner);

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  Window& owner_;
};

}  // namespace ronri
