#pragma once
#include <QByteArray>
#include <QPointer>
#include <QString>

#include "ui/framework/window.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace ronri {

// "まとめて採点": a problem file and a class's answer file graded at once,
// each answer with its verdict and reasons and a count per problem; the
// result is the same CSV the command line writes.
class GradingForm : public Window {
  Q_OBJECT
 public:
  explicit GradingForm(App& app);

  // Grades the files named in the window; false (and said why) when a file
  // cannot be read.
  bool grade();
  const QByteArray& resultCsv() const { return result_; }
  // "" when written, else why not.
  QString saveResult(const QString& path) const;

 protected:
  void build(QMainWindow* w) override;

 private:
  QLineEdit* fileRow(QWidget* central, QGridLayout* grid, int row, const QString& name,
                     const QString& label);
  void showResult();

  QPointer<QLineEdit> problems_, answers_;
  QPointer<QTableWidget> results_, summary_;
  QPointer<QLabel> status_;
  QPointer<QPushButton> save_;
  QByteArray result_;
};

}  // namespace ronri
