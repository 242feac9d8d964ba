#pragma once
#include <QPointer>

#include "ui/framework/window.h"

class QLabel;
class QListWidget;
class QTableWidget;

namespace ronri {

// Form18: two stored expressions moved from a copy of the main window's list
// are compared by their truth tables.
class CompareForm : public Window {
  Q_OBJECT
 public:
  explicit CompareForm(App& app);

  static constexpr int kPairSize = 2;
  static constexpr size_t kListedDifferences = 16;

 protected:
  void build(QMainWindow* w) override;
  void load() override;

 private:
  void add();       // "追加↓"
  void giveBack();  // "戻す↑"
  void compare();   // "比較"
  // Below the lists: the rows where the two functions differ ("同じです！" clears them).
  void showDifferences(const QString& first, const QString& second);
  void clearDifferences();

  QPointer<QListWidget> entries_;
  QPointer<QListWidget> pair_;
  QPointer<QLabel> diffLabel_;
  QPointer<QTableWidget> diffTable_;
};

}  // namespace ronri
