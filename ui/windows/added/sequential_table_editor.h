#pragma once
// The first stage of the sequential design: the state table. Its counts, the
// kind (Moore or Mealy), the reset state, one row per present state with the
// next state and outputs per input combination, the examples and the KISS2
// file buttons. Every accepted edit is reported with the whole machine.
#include <QPointer>
#include <QWidget>
#include <vector>

#include "sequential/machine.h"

class QComboBox;
class QSpinBox;
class QTableWidget;

namespace ronri {

class SequentialTableEditor : public QWidget {
  Q_OBJECT
 public:
  explicit SequentialTableEditor(QWidget* parent = nullptr);

  // Shows `m` (no signal).
  void setMachine(const seq::Machine& m);
  const seq::Machine& machine() const { return machine_; }

 signals:
  void edited(const seq::Machine& m);
  void presetChosen(int index);  // index into seq::presets()
  void openRequested();
  void saveRequested();

 private:
  struct Column {
    enum Role { Name, Next, Output } role;
    int input = 0;  // the combination of a Next or Mealy Output column
  };
  QWidget* buildCounts();
  QWidget* buildFiles();
  void shapeChosen();
  void cellEdited(int row, int column);
  void refill();
  void commit(const seq::Machine& m);
  QString inputLabel(int x) const;

  seq::Machine machine_;
  std::vector<Column> columns_;
  bool filling_ = false;
  QPointer<QSpinBox> states_;
  QPointer<QSpinBox> inputs_;
  QPointer<QSpinBox> outputs_;
  QPointer<QComboBox> kind_;
  QPointer<QComboBox> reset_;
  QPointer<QComboBox> preset_;
  QPointer<QTableWidget> table_;
};

}  // namespace ronri
