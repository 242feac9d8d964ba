#pragma once
#include <QString>

#include "ui/window.h"

namespace ronri {

class CompareForm : public Window {
  Q_OBJECT
 public:
  explicit CompareForm(App& app);



 protected:
  void build(QMainWindow* w) override;
};

}  // namespace ronri
