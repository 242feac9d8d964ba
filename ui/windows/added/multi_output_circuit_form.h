#pragma once
// The two-level circuit of the shared minimum, with a test mode (input bits
// in, every gate's value shown) and the usual picture, copy and print.
#include <QPointer>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

#include "circuit/two_level.h"
#include "core/draw/display_list.h"
#include "ui/framework/window.h"

class QCheckBox;
class QScrollArea;

namespace ronri {

class DrawingView;

class MultiOutputCircuitForm : public Window {
  Q_OBJECT
 public:
  explicit MultiOutputCircuitForm(App& app);
  ~MultiOutputCircuitForm() override;

  // Lays out the circuit of `m` for table `t` and shows it.
  void showFor(const MultiTable& t, const MultiMinimum& m);
  const TwoLevelCircuit& circuit() const { return circuit_; }
  // What the window shows now (also what it exports).
  DisplayList drawing() const;

 protected:
  void build(QMainWindow* w) override;
  void load() override;
  void unloading() override;

 private:
  void redraw();
  std::string testBits() const;

  TwoLevelCircuit circuit_;
  QString tableName_;  // the outputs and inputs, for the title
  QSize size_;         // as the user left the window, kept when it opens again
  QPointer<DrawingView> view_;
  QPointer<QScrollArea> area_;
  QPointer<QCheckBox> test_;
  std::vector<QPointer<QCheckBox>> bits_;
};

}  // namespace ronri
