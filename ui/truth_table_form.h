#pragma once
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QString>
#include <string>

#include "ui/window.h"

class QBoxLayout;

namespace ronri {

// The truth table of the expression chosen in the main window, and the hub
// that opens the derived views of it.
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

  // Computes the table again from the members just set, in the open window.
  void rebuildTable();

 protected:
  void build(QMainWindow* w) override;
  void load() override;
  void unloading() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int variables() const;
  void buildTable(QWidget* parent, QBoxLayout* into);
  void buildControls(QWidget* parent, QBoxLayout* into);
  void createTable();
  void fitColumnsTo(int n);
  void showColumns(const std::string& column, const std::string& results);
  void filter(int mode);
  void scrollBoth(int lines);
  void placeMarker(int y);
  QProgressBar* mainProgressBar() const;

  // The four "F" buttons.
  void openDisplay();
  void openMap();
  void openCircuit();
  void openConversion();

  QPointer<QWidget> central_;
  QPointer<QPlainTextEdit> text5_;
  QPointer<QPlainTextEdit> text2_;
  QPointer<QWidget> marker_;
  QPointer<QProgressBar> progress_;
};

}  // namespace ronri
