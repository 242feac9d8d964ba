#pragma once
#include <QString>

#include "ui/window.h"

namespace ronri {

class TableInputForm : public Window {
  Q_OBJECT
 public:
  explicit TableInputForm(App& app);

  int hen = 1;

 protected:
  void build(QMainWindow* w) override;
};

}  // namespace ronri
