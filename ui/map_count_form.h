#pragma once
#include <QString>

#include "ui/window.h"

namespace ronri {

class MapCountForm : public Window {
  Q_OBJECT
 public:
  explicit MapCountForm(App& app);



 protected:
  void build(QMainWindow* w) override;
};

}  // namespace ronri
