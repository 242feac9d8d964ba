#pragma once
// A window with a single question label; nothing opens it.
#include "ui/framework/window.h"

namespace ronri {

class PatternForm : public Window {
  Q_OBJECT
 public:
  explicit PatternForm(App& app);

 protected:
  void build(QMainWindow* w) override;
};

}  // namespace ronri
