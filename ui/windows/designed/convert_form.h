#pragma once
// The conversion window: the prime implicants, the simplified form and the
// four restricted gate-set forms, each produced once per showing by its
// "変換" button and drawn readably by its "表示" button.
#include <QString>

#include <chrono>
#include <string>
#include <vector>

#include "core/table/function.h"
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

  // The function the buttons work on: its 1-rows as a term list, its count
  // and X rows. The truth table sets it whenever it makes a table; what the
  // boxes show stays until the next showing.
  void setTable(const QString& onesTerms, int variables, const std::vector<int>& dontCares);
  // Shows the window for `f` (its expression in Text1) with those 1-rows; an
  // open window is loaded afresh.
  void showFor(const Function& f, const QString& onesTerms);
  const QString& expression() const { return expression_; }
  const QString& onesTerms() const { return onesTerms_; }
  const std::vector<int>& dontCares() const { return dontCares_; }
  // The time "簡単化" gives the exact search (tests shorten it).
  void setCoverBudget(std::chrono::milliseconds budget) { coverBudget_ = budget; }

  // The buttons' operations, callable as the buttons are pressed.
  void simplify();                 // Command1, row "簡単化": the smallest sum of products
  void convertWithNot(int index);  // Command2(0/1): NAND with NOT, NOR with NOT
  void showReadable(int index);    // Command3(index): that box in the readable window
  void listPrimes();               // Command4, row "主項": the prime implicants
  void convertOnly(int index);     // Command5(0/1): NAND only, NOR only
  void showPrimeChart();           // "主項表": the chart of this function's prime implicants
  void showTabulation();  // "クワイン・マクラスキー法": how the merging found them
  void showDerivation();  // "式の変形": the expression rewritten by the laws to the minimum
  void productOfSums();   // Command6: the smallest product of sums (Text8)
  // "ハザードなし": the hazard-free smallest sum of products (false) or
  // product of sums (true), the consensus terms it adds named below it.
  void hazardFree(bool productOfSums);
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
  void addHazardFreeRow(QWidget* central, QGridLayout* grid, int& row, bool productOfSums);

  QLineEdit* box(const QString& name) const;
  QPushButton* button(const QString& name) const;
  int variableCount() const;
  // The text the forms with NOT start from (internal notation).
  std::string gateSetSource() const;
  // The prime implicants of the 1-rows, with the X rows where there are any.
  std::string primesOfFunction() const;

  // The function and the expression it was shown for.
  Function function() const;
  QString expression_;  // shown in Text1 at load
  QString onesTerms_;
  int variables_ = 1;
  std::vector<int> dontCares_;
  std::chrono::milliseconds coverBudget_{2000};

  QString primesShown_;  // the prime-implicant sum of this showing; "" until "主項" ran

  // The background proof of the "簡単化" cover and what it started from.
  void showCoverNote(const Cover& cover, bool searching);
  CoverProof* proof_;
  std::string proofPrimes_;
  int proofVariables_ = 0;
};

}  // namespace ronri
