#pragma once
// The Karnaugh-map window ("カルノー図") for 3, 4, 5 or 6 variables: Form3,
// Form4, Form5 and Form7, shown with a function by showFor().
#include <QPointer>
#include <QString>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/table/function.h"
#include "kmap/grouping.h"
#include "kmap/map_model.h"
#include "ui/framework/window.h"

class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace ronri {

class Canvas;
struct KmapLayout;

class KmapForm : public Window {
  Q_OBJECT
 public:
  KmapForm(App& app, int variables);
  ~KmapForm() override;
  int variables() const { return variables_; }

  // Shows the map of `f` (of this window's count): `onesTerms` and
  // `zerosTerms` are the term lists of its 1- and 0-cells, its don't-care
  // rows are shown "X" and free for the loops. An open window is loaded afresh.
  void showFor(const Function& f, const QString& onesTerms, const QString& zerosTerms);
  // Whether the open window shows the function of these 1-cells and X cells.
  bool shows(const QString& onesTerms, const std::vector<int>& dontCares) const;
  const QString& onesTerms() const { return onesTerms_; }
  const QString& zerosTerms() const { return zerosTerms_; }
  const std::vector<int>& dontCares() const { return dontCares_; }

  // The map and grouping state of the open window (for tests and callers).
  const kmap::KmapModel& model() const { return model_; }
  const kmap::Grouping* grouping() const { return grouping_.get(); }

  // Outlines exactly the given primes (term, number of the prime) on the map
  // of the 1-cells with the default axes, and names them in the term box
  // (`tip`: the whole cover, shown on hovering). The 3-, 4- and 5-variable
  // maps only; false when the window is closed or has no grouping.
  bool showCover(const std::vector<std::pair<std::string, int>>& primes, const QString& name,
                 const QString& tip);

 protected:
  void build(QMainWindow* w) override;
  void load() override;

 private:
  Canvas* buildCanvas(QMainWindow* w);
  void buildMapLabels(Canvas* canvas);
  void buildAxisControls(Canvas* canvas);
  void buildCellChoice(Canvas* canvas);
  void buildGroupingControls(Canvas* canvas);
  void buildHazardCheck(Canvas* canvas);
  bool hasGrouping() const { return variables_ < 6; }
  kmap::Axis chosenAxis() const;
  void letterPressed(int i);
  void backspacePressed();
  void makePressed();
  void zerosChosen();
  void onesChosen();
  void listChosen(bool all);
  void stepOnePressed();
  void stepAllPressed();
  void showAxes();
  void showCells();
  void setGroupingEnabled(bool on);
  void drawFrame();
  // The hazard marks drawn afresh after any change of the loops or cells.
  void refreshHazards();
  std::vector<std::pair<int, int>> hazardPairs() const;

  int variables_;
  QString expression_;          // named in the title
  QString onesTerms_;           // term list of the 1-cells
  QString zerosTerms_;          // term list of the 0-cells
  std::vector<int> dontCares_;  // rows shown "X", free for the loops
  const KmapLayout& layout_;
  kmap::KmapModel model_;
  std::unique_ptr<kmap::Grouping> grouping_;
  bool bestFoundTold_ = false;
  bool mapMade_ = false;     // "作成" filled the cells
  bool marksShown_ = false;  // hazard marks lie on the map
  char cellsValue_ = '1';    // the value of the cells the map shows

  QPointer<Canvas> canvas_;
  QPointer<QLabel> columnLetters_;  // the letters chosen for the columns (A)
  QPointer<QLabel> rowLetters_;     // and for the rows (B)
  QPointer<QLineEdit> termBox_;
  QPointer<QCheckBox> hazards_;
};

}  // namespace ronri
