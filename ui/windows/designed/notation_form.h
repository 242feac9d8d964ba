#pragma once
// The readable-expression window (Form16): draws an expression in textbook
// notation when it loads and again on "表示", over whatever was drawn before.
#include <QString>

#include "ui/framework/window.h"

namespace ronri {

class Canvas;

class NotationForm : public Window {
  Q_OBJECT
 public:
  explicit NotationForm(App& app);

  // Shows `expression` (display text); an open window keeps its drawing
  // until "表示" draws this one over it.
  void showFor(const QString& expression);
  const QString& expression() const { return expression_; }

  // Cells drawn at most; a longer text is drawn up to here, with a note.
  static constexpr int kMaxCells = 2000;

  // "表示" (Command1): draws the expression over what the window shows.
  void redraw();
  // The drawing area while open, else nullptr.
  Canvas* canvas() const;

 protected:
  void build(QMainWindow* w) override;
  void load() override;

 private:
  void draw();

  QString expression_;
};

}  // namespace ronri
