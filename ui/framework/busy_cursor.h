#pragma once
// The wait cursor while a long computation runs inside the event that started
// it; restored however the scope is left, an exception included.
#include <QApplication>

namespace ronri {

class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace ronri
