#pragma once
#include "ui/framework/window.h"

namespace ronri {

// Form8: how many variables the truth-table input has (1 to 5).
class TableCountForm : public Window {
  Q_OBJECT
 public:
  explicit TableCountForm(App& app);

 protected:
  void build(QMainWindow* w) override;
};

}  // namespace ronri
