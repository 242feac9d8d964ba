#pragma once
#include <QList>
#include <QPointer>

#include "ui/framework/window.h"

class QPushButton;

namespace ronri {

class Canvas;

// Form13, Form14, Form15: a function of 3, 4 or 5 variables entered by
// clicking the cells of its Karnaugh map; "入力" hands its canonical sum of
// products to the main window. Cell Command1(m) is minterm m wherever the
// Gray-code order puts it. Cells may also be marked "X" (don't care);
// "簡単化して入力" (Command3) hands the smallest sum of products using them.
class MapInputForm : public Window {
  Q_OBJECT
 public:
  MapInputForm(App& app, int variables);
  int variables() const { return variables_; }

  // Top-left corner of a cell (twips) by its screen column and row.
  int cellLeft(int column) const;
  static int cellTop(int row);
  static constexpr int kCellWidth = 495;
  static constexpr int kCellHeight = 375;

 protected:
  void build(QMainWindow* w) override;
  void load() override;

 private:
  void drawRuling();
  void makeExpression();            // "入力"
  void makeSimplifiedExpression();  // "簡単化して入力"

  int variables_;
  QPointer<Canvas> canvas_;
  QList<QPointer<QPushButton>> cells_;  // by minterm
};

}  // namespace ronri
