#pragma once
// The truth table (Form2) of the expression chosen in the main window, and
// the hub that opens the derived views of it.
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QString>
#include <map>
#include <string>
#include <vector>

#include "core/table/function.h"
#include "ui/framework/window.h"

class QBoxLayout;
class QLayout;

namespace ronri {

class TruthTableForm : public Window {
  Q_OBJECT
 public:
  explicit TruthTableForm(App& app);

  // Computes the table of `f` and shows it; an open window computes it again.
  void showFor(const Function& f);

  // What the table was made from and what it computed.
  int variables() const;
  const QString& expression() const { return expression_; }    // as typed
  const QString& foldedExpression() const { return folded_; }  // ~x folded
  const QString& rpn() const { return rpn_; }                  // reverse Polish
  const QString& shownBits() const { return shownBits_; }      // the rows shown, run together
  const QString& onesTerms() const { return onesTerms_; }      // term list of the 1-rows
  const QString& zerosTerms() const { return zerosTerms_; }    // and of the 0-rows
  const std::vector<int>& dontCares() const { return dontCares_; }
  // "線を引く" was pressed: a press on the window places the marker.
  bool markerArmed() const { return markerArmed_; }

 protected:
  void build(QMainWindow* w) override;
  void load() override;
  void unloading() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Function function() const;
  void buildTable(QWidget* parent, QBoxLayout* into);
  void buildColumns(QWidget* area);
  QWidget* buildHeaders(QWidget* area);
  QLayout* buildScrollButtons(QWidget* parent, int top);
  void buildControls(QWidget* parent, QBoxLayout* into);
  void createTable();
  void fitColumnsTo(int n);
  void showColumns(const std::string& column, const std::string& results);
  void filter(int mode);
  void scrollBoth(int lines);
  void placeMarker(int y);
  QProgressBar* mainProgressBar() const;
  // Remembers that `w` now shows this table.
  void handed(const Window& w);

  // The four "F" buttons. A view already showing this table is only raised.
  bool showsThisTable(const Window& w) const;
  void openDisplay();
  void openMap();
  void openCircuit();
  void openConversion();

  // Which table creation each view was last loaded from.
  struct Handed {
    QPointer<QMainWindow> widget;
    int generation = 0;
  };
  std::map<const Window*, Handed> handed_;
  int generation_ = 0;

  QPointer<QWidget> central_;
  QPointer<QPlainTextEdit> assignments_;
  QPointer<QPlainTextEdit> results_;
  QPointer<QWidget> marker_;
  QPointer<QProgressBar> progress_;
  int mode_ = 2;  // the filter shown: 0, 1 or 2 (all rows)

  QString expression_;  // as typed
  QString folded_;      // with ~x folded into negated letters
  int variables_ = 1;
  std::vector<int> dontCares_;  // ascending, none of them a 1-row
  QString rpn_;
  QString shownBits_;
  QString onesTerms_;
  QString zerosTerms_;
  bool markerArmed_ = false;
};

}  // namespace ronri
