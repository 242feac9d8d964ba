#pragma once
#include <QString>

#include "ui/window.h"

namespace ronri {

class NotationForm : public Window {
  Q_OBJECT
 public:
  explicit NotationForm(App& app);

  QString siki;

 protected:
  void build(QMainWindow* w) override;
};

}  // namespace ronri
