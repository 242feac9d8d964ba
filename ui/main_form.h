#pragma once
#include <QString>

#include "ui/window.h"

namespace ronri {

class MainForm : public Window {
  Q_OBJECT
 public:
  explicit MainForm(App& app);

  QString trsiki;
  QString dosiki;

 protected:
  void build(QMainWindow* w) override;
  void unloading() override;
};

}  // namespace ronri
