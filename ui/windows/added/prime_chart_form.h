#pragma once
// The prime-implicant chart of the conversion window's function: the chart,
// how it is reduced, how the cover was chosen, and every smallest cover.
#include <QPointer>
#include <QString>
#include <memory>
#include <vector>

#include "core/table/function.h"
#include "ui/framework/window.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;

namespace ronri {

struct PrimeChart;
class ChartView;

class PrimeChartForm : public Window {
  Q_OBJECT
 public:
  explicit PrimeChartForm(App& app);
  ~PrimeChartForm() override;

  // Shows the chart of `f` (its expression names it in the title; its
  // don't-care rows are free for the primes, never chart columns) whose
  // 1-rows are the term list `onesTerms`; an open window is redrawn.
  void showFor(const Function& f, const QString& onesTerms);

  // The sentences of the reduction, numbered, as shown.
  QStringList reductionText() const;
  // The smallest covers as shown, the program's choice first.
  QStringList coverTexts() const;
  // "地図に表示": outlines the primes of cover `index` of that list on the
  // function's Karnaugh map, opening it if needed (3 to 5 variables).
  void showCoverOnMap(int index);

 protected:
  void build(QMainWindow* w) override;
  void load() override;
  void unloading() override;

 private:
  void fill();
  void drawChart();
  const std::vector<int>* markedCover() const;
  QString sentence(int index) const;

  Function function_;  // 1 ... 10 variables
  QString onesTerms_;  // the 1-row term list, as the conversion window holds it
  std::unique_ptr<PrimeChart> chart_;
  std::vector<int> markedCover_;  // the cover last shown on the map; empty: the chosen one
  QPointer<ChartView> view_;
  QPointer<QScrollArea> area_;
  QPointer<QPlainTextEdit> steps_;
  QPointer<QLabel> coverLabel_;
  QPointer<QListWidget> covers_;
  QPointer<QPushButton> coverOnMap_;
};

}  // namespace ronri
