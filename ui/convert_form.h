#pragma once
#include <QString>

#include "ui/window.h"

namespace ronri {

class ConvertForm : public Window {
  Q_OBJECT
 public:
  explicit ConvertForm(App& app);

  QString trsiki;
  QString simple;

 protected:
  void build(QMainWindow* w) override;
};

}  // namespace ronri
