#pragma once
#include <QString>

#include "ui/window.h"

namespace ronri {

class DisplayForm : public Window {
  Q_OBJECT
 public:
  explicit DisplayForm(App& app);

  QString texts[3];  // Text1(0..2)

 protected:
  void build(QMainWindow* w) override;
};

}  // namespace ronri
