#pragma once
// The expression-display window: the expression as typed and its two
// canonical forms, each with a "表示" button for the readable rendering.
#include <QString>
#include <vector>

#include "core/table/function.h"
#include "ui/framework/window.h"

namespace ronri {

class DisplayForm : public Window {
  Q_OBJECT
 public:
  explicit DisplayForm(App& app);

  // Shows the expression of `f` and its two canonical forms (display texts);
  // an open window is loaded afresh.
  void showFor(const Function& f, const QString& sumOfProducts, const QString& productOfSums);
  // Row 0, 1 or 2 as handed over: as typed, sum of products, product of sums.
  const QString& text(int row) const { return texts_[row]; }

  // "表示" of row `row` (Command1, Command2, Command3 for rows 0, 1, 2).
  void showRow(int row);
  // "一覧へ" of row 1 or 2: that canonical form becomes an entry of the main list.
  void sendRow(int row);

 protected:
  void build(QMainWindow* w) override;
  void load() override;

 private:
  QString texts_[3];  // Text1(0..2)
  int variables_ = 1;
  // Rows in neither canonical form (don't care), named beside them.
  std::vector<int> dontCares_;
};

}  // namespace ronri
