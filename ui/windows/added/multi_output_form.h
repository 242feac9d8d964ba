#pragma once
// "複数出力の真理値表": a table of up to 6 inputs and 8 outputs, its presets and
// CSV files, each output minimised alone and all of them together.
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/multi/multi_output.h"
#include "core/multi/multi_output_cover.h"
#include "ui/framework/window.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTableWidget;
class QWidget;

namespace ronri {

class MultiOutputForm : public Window {
  Q_OBJECT
 public:
  explicit MultiOutputForm(App& app);
  ~MultiOutputForm() override;

  const MultiTable& table() const { return table_; }

  // Replaces the table (and forgets the results); an open window shows it.
  void setTable(const MultiTable& t);
  // Reads a CSV file; a file that does not fit is refused with its line and
  // the reason, and the table stays as it was. True when read.
  bool openCsv(const QString& path);
  bool saveCsv(const QString& path);
  // "共有項で最小化": every output alone and together; the results pane shows both.
  void minimise();
  const std::optional<MultiMinimum>& result() const { return result_; }
  // "一覧へ" of output j: its smallest sum of products into the main list.
  void sendToList(int output);

 protected:
  void build(QMainWindow* w) override;
  void load() override;

 private:
  bool mayFillMissingRows(const QString& path, const std::vector<int>& rows);
  QLayout* buildTopRow(QWidget* central);
  QLayout* buildTablePane(QWidget* central);
  QLayout* buildResultsPane(QWidget* central);
  void inputCountChosen(int n);
  void outputCountChosen(int m);
  // The file dialog used unless a test has put its own in chooseFile.
  static QString askForCsvFile(QWidget* parent, bool saving);
  void rebuildGrid();
  void showResults();
  void clearResults();
  void cellChanged(int row, int output, char value);
  void nameEdited(int output);
  void choosePreset(int index);
  // Whether the table may go back to 0 (asked when it holds anything else).
  bool mayClearValues();
  QString sumText(const std::string& sum) const;

  MultiTable table_ = emptyMultiTable(3, 2);
  std::optional<MultiMinimum> result_;
  // The file dialog: returns a path or "" for cancel.
  std::function<QString(QWidget* parent, bool saving)> chooseFile_;
  QPointer<QSpinBox> inputs_;
  QPointer<QSpinBox> outputs_;
  QPointer<QComboBox> preset_;
  QPointer<QScrollArea> gridArea_;
  QPointer<QLabel> status_;
  QPointer<QTableWidget> perOutput_;
  QPointer<QTableWidget> terms_;
  QPointer<QTableWidget> totals_;
  QPointer<QPushButton> circuit_;
  std::vector<QPointer<QLineEdit>> names_;
};

}  // namespace ronri
