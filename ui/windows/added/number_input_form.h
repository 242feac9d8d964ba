#pragma once
#include <QPointer>

#include "core/table/row_numbers.h"
#include "ui/framework/window.h"

class QLineEdit;
class QSpinBox;

namespace ronri {

// "番号で入力": a function given by its row numbers, m(…) and optionally
// d(…), for one to ten variables; "入力" hands its canonical sum of products
// (and the don't-care rows) to the main window's entry field.
class NumberInputForm : public Window {
  Q_OBJECT
 public:
  explicit NumberInputForm(App& app);

  // Shows the window with the variable count the main window has chosen
  // (none chosen: 4, or what the window had).
  void showFor(int variables);

  // A reading mistake in the interface language.
  static QString errorText(const RowNumberError& e, int variables);

 protected:
  void build(QMainWindow* w) override;

 private:
  void handOver();  // "入力"

  int startCount_ = 4;
  QPointer<QSpinBox> count_;
  QPointer<QLineEdit> ones_;
  QPointer<QLineEdit> dontCares_;
};

}  // namespace ronri
