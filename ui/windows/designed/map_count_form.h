#pragma once
#include "ui/framework/window.h"

namespace ronri {

// Form12: how many variables the Karnaugh-map input has (3 to 5).
class MapCountForm : public Window {
  Q_OBJECT
 public:
  explicit MapCountForm(App& app);

 protected:
  void build(QMainWindow* w) override;
};

}  // namespace ronri
