#pragma once
// The conversion window: the prime implicants, the simplified form and the
// four restricted gate-set forms, each produced once per showing by its
// "変換" button and drawn readably by its "表示" button.
#include <QString>

#include <chrono>
#include <string>
#include <vector>

#include "ui/framework/window.h"

class QGridLayout;
class QLineEdit;
class QPushButton;

namespace ronri {

class CoverProof;
struct Cover;

class ConvertForm : public Window {
  Q_OBJECT
 public:
  explicit ConvertForm(App& app);

  QString trsiki;              // the expression as typed, shown in Text1 at load
  QString simple;              // the 1-row term list, set by the truth-table window
  std::vector<int> dontCares;  // the X rows, set with it
  // The time "簡単化" gives the exact search (tests shorten it).
  std::chrono::milliseconds coverBudget{2000};

  // The buttons' operations, callable as the buttons are pressed.
  void Command1_Click();           // simplify
  void Command2_Click(int index);  // 0: NAND with NOT, 1: NOR with NOT
  void Command3_Click(int index);  // show a box in the readable-expression window
  void Command4_Click();           // prime implicants
  void Command5_Click(int index);  // 0: NAND only, 1: NOR only
  void showPrimeChart();           // "主項表": the chart of this function's prime implicants
  void showTabulation();  // "クワイン・マクラスキー法": how the merging found them
  void Command6_Click();  // smallest product of sums (Text8)
  // "証明を続ける": the exact search of a "簡単化" left unproven goes on in the
  // background; pressed again while it runs, it stops it.
  void continueProof();

  struct Section;  // one row of boxes and buttons

 protected:
  void build(QMainWindow* w) override;
  void load() override;
  void unloading() override;

 private:
  // The parts of build().
  void addSection(QWidget* central, QGridLayout* grid, int& row, const Section& s);
  void addCoverNote(QWidget* central, QGridLayout* grid, int& row);
  void connectConvertButtons(QWidget* central);
  void addPrimeButtons(QWidget* central, QGridLayout* grid);
  void addSendButtons(QWidget* central, QGridLayout* grid);

  QLineEdit* box(const QString& name) const;
  QPushButton* button(const QString& name) const;
  int variableCount() const;
  // The text the forms with NOT start from (internal notation).
  std::string gateSetSource() const;
  // The prime implicants of the 1-rows, with the X rows where there are any.
  std::string primesOfFunction() const;

  QString primeStr;  // the prime-implicant sum of this showing; "" until "主項" ran

  // The background proof of the "簡単化" cover and what it started from.
  void showCoverNote(const Cover& cover, bool searching);
  CoverProof* proof_;
  std::string proofPrimes_;
  int proofVariables_ = 0;
};

}  // namespace ronri
