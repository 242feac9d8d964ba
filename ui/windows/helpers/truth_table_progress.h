#pragma once
// Progress bars driven by a table computation. Every row sets the value, but a
// bar is not repainted per row: its painting is held while the pass runs and
// let through at most every 100 ms, so the bars never slow the computation.
#include <QElapsedTimer>
#include <QPointer>
#include <QProgressBar>
#include <initializer_list>
#include <vector>

#include "core/table/truthtable.h"

namespace ronri {

class TableProgress {
 public:
  // Bars may be nullptr (a window that is not open).
  explicit TableProgress(std::initializer_list<QProgressBar*> bars);
  ~TableProgress();
  TableProgress(const TableProgress&) = delete;
  TableProgress& operator=(const TableProgress&) = delete;

  // The callback for the computation: maximum 2^n, value r.
  Progress callback();

 private:
  void step(int maximum, int value);

  std::vector<QPointer<QProgressBar>> bars_;
  QElapsedTimer sinceRepaint_;
};

}  // namespace ronri
