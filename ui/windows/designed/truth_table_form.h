#pragma once
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QString>
#include <map>
#include <string>
#include <vector>

#include "ui/framework/window.h"

class QBoxLayout;
class QLayout;

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
  // The entry's don't-care rows, ascending (none of them a 1-row).
  std::vector<int> dontCares;

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
  void buildColumns(QWidget* area);
  QWidget* buildHeaders(QWidget* area);
  QLayout* buildScrollButtons(QWidget* parent, int top);
  void buildControls(QWidget* parent, QBoxLayout* into);
  void createTable();
  void fitColumnsTo(int n);
  void showColumns(const std::string& column, const std::string& results);
  void filter(int mode);
  void scrollBoth(int lines);
  void placeMarker(int y);
  QProgressBar* mainProgressBar() const;

  // The four "F" buttons. A view already showing this table is only raised.
  bool showsThisTable(const Window& w) const;
  void present(Window& w);
  void openDisplay();
  void openMap();
  void openCircuit();
  void openConversion();

  // Which table creation each view was last loaded from.
  struct Handed {
    QPointer<QMainWindow> widget;
    int generation = 0;
  };
  std::map<const Window*, Handed> handed_;
  int generation_ = 0;

  QPointer<QWidget> central_;
  QPointer<QPlainTextEdit> text5_;
  QPointer<QPlainTextEdit> text2_;
  QPointer<QWidget> marker_;
  QPointer<QProgressBar> progress_;
  int mode_ = 2;  // the filter shown: 0, 1 or 2 (all rows)
};

}  // namespace ronri
