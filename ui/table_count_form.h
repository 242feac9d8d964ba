#pragma once
#include <QString>

#include "ui/window.h"

namespace ronri {

class TableCountForm : public Window {
  Q_OBJECT
 public:
  explicit TableCountForm(App& app);



 protected:
  void build(QMainWindow* w) override;
};

}  // namespace ronri
