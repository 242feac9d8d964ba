#pragma once
// The tabulation of the conversion window's function ("クワイン・マクラスキー法"):
// the rows grouped by their number of ones, every merging pass with its
// ticks, and the prime implicants P1, P2, ... as the "主項" box lists them.
#include <QPointer>
#include <QString>
#include <memory>
#include <vector>

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

  QString simple;              // the 1-row term list, as the conversion window holds it
  int variables = 0;           // 1 ... 10
  std::vector<int> dontCares;  // X rows, ascending

  // Sets the function and shows its tabulation; an open window is redrawn.
  void showFor(const QString& termList, int n, const std::vector<int>& xRows = {});

  // The tabulation shown (nullptr while closed).
  const Tabulation* tabulation() const { return tab_.get(); }

 protected:
  void build(QMainWindow* w) override;
  void load() override;
  void unloading() override;

 private:
  void fill();
  TabulationCaptions captions() const;

  std::unique_ptr<Tabulation> tab_;
  QPointer<TabulationView> view_;
  QPointer<QScrollArea> area_;
  QPointer<QLabel> summary_;
};

}  // namespace ronri
