#pragma once
#include <QString>

#include "ui/window.h"

namespace ronri {

class MapInputForm : public Window {
  Q_OBJECT
 public:
  MapInputForm(App& app, int variables);
  int variables() const { return variables_; }



 protected:
  void build(QMainWindow* w) override;

 private:
  int variables_;
};

}  // namespace ronri
