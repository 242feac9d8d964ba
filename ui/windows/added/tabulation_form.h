#pragma once
// The tabulation of the conversion window's function ("クワイン・マクラスキー法"):
// the rows grouped by their number of ones, every merging pass with its
// ticks, and the prime implicants P1, P2, ... as the "主項" box lists them.
#include <QPointer>
#include <QString>
#include <memory>
#include <vector>

#include "core/table/function.h"
#include "ui/framework/window.h"

class QLabel;
class QScrollArea;

namespace ronri {

struct Tabulation;
struct TabulationCaptions;
class TabulationView;

class TabulationForm : public Window {
  Q_OBJECT
 public:
  explicit TabulationForm(App& app);
  ~TabulationForm() override;

  // Shows the tabulation of `f` (its expression names it in the title, its X
  // rows ascending) whose 1-rows are the term list `onesTerms`; an open
  // window is redrawn.
  void showFor(const Function& f, const QString& onesTerms);

  // The tabulation shown (nullptr while closed).
  const Tabulation* tabulation() const { return tab_.get(); }

 protected:
  void build(QMainWindow* w) override;
  void load() override;
  void unloading() override;

 private:
  void fill();
  TabulationCaptions captions() const;

  Function function_;  // 1 ... 10 variables
  QString onesTerms_;  // the 1-row term list, as the conversion window holds it
  std::unique_ptr<Tabulation> tab_;
  QPointer<TabulationView> view_;
  QPointer<QScrollArea> area_;
  QPointer<QLabel> summary_;
};

}  // namespace ronri
