#pragma once
#include <QString>

#include "ui/window.h"

namespace ronri {

class TruthTableForm : public Window {
  Q_OBJECT
 public:
  explicit TruthTableForm(App& app);

  int listindex = 0;  // variable count - 1
  QString trsiki;
  QString dosiki;
  QString Q1;
  QString kairo;
  QString totalStr;
  QString carnotsiki1;
  QString carnotsiki0;
  int OnOff = 0;

 protected:
  void build(QMainWindow* w) override;
};

}  // namespace ronri
