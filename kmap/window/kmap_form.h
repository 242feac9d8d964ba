#pragma once
#include <QString>

#include "ui/window.h"

namespace ronri {

class KmapForm : public Window {
  Q_OBJECT
 public:
  KmapForm(App& app, int variables);
  int variables() const { return variables_; }

  QString dosiki1;
  QString dosiki0;

 protected:
  void build(QMainWindow* w) override;

 private:
  int variables_;
};

}  // namespace ronri
