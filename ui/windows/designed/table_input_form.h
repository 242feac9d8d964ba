#pragma once
#include <QList>
#include <QPointer>

#include "ui/framework/window.h"

class QPushButton;
class QScrollArea;
class QTextEdit;

namespace ronri {

// Form11: a function of 1 to 5 variables entered by clicking the output of
// each row of its truth table; "入力" hands its canonical sum of products to
// the main window. Rows may also be marked "X" (don't care): "入力" counts
// them as 0, "簡単化して入力" (Command3) hands the smallest sum of products
// that uses them as it likes, "X付きで入力" (Command4) the canonical sum with
// the X rows beside it.
class TableInputForm : public Window {
  Q_OBJECT
 public:
  explicit TableInputForm(App& app);

  // Shows the table of `variables` (1 to 5) rows' outputs; an open table of
  // another size is replaced, one of this size only raised.
  void showFor(int variables);
  int variables() const { return variables_; }

  static constexpr int kMaxRows = 32;
  // The number of rows of the open table (0 when closed).
  int loadedRows() const { return isOpen() ? 1 << loadedVariables_ : 0; }

 protected:
  void build(QMainWindow* w) override;
  void load() override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  int rows() const;
  // Puts every output button beside its line of the row labels, and sizes
  // the window around them.
  void placeControls();
  void makeExpression();            // "入力"
  void makeSimplifiedExpression();  // "簡単化して入力"

  int variables_ = 1;        // asked for by showFor()
  int loadedVariables_ = 1;  // as it was at load: the table on screen

  QPointer<QWidget> central_;  // the table: headings, labels, output buttons
  QPointer<QScrollArea> scroll_;
  QPointer<QTextEdit> rowLabels_;
  QList<QPointer<QWidget>> headings_;
  QList<QPointer<QPushButton>> outputs_;
  QPointer<QWidget> verticalRule_, horizontalRule_;
  QPointer<QPushButton> input_;
  QPointer<QPushButton> simplifyInput_;
  QPointer<QPushButton> dontCareInput_;  // "X付きで入力"
};

}  // namespace ronri
