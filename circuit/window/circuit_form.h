#pragma once
#include <QString>

#include "ui/window.h"

namespace ronri {

class CircuitForm : public Window {
  Q_OBJECT
 public:
  explicit CircuitForm(App& app);

  int LR = 0;
  int OU = 0;
  int syokiLabel = 1;
  int Reverse = 0;
  QString siki;
  QString apsiki;
  QString simple;
  bool InputState1 = false;
  bool InputState2 = true;

 protected:
  void build(QMainWindow* w) override;
};

}  // namespace ronri
