#pragma once
#include <QPointer>
#include <QString>
#include <vector>

#include "core/draw/display_list.h"
#include "core/teaching/exercise_set.h"
#include "ui/framework/window.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace ronri {

// "演習問題の作成": problems of a chosen size and kind for a class, one each
// when names are given, previewed, then printed as a worksheet and its key
// (PDF or LaTeX) and saved as the problem file grading reads.
class ExerciseForm : public Window {
  Q_OBJECT
 public:
  explicit ExerciseForm(App& app);

  // Makes the set of the choices shown; false (and said why) when it cannot.
  bool makeSet();
  const std::vector<Exercise>& problems() const { return problems_; }
  // The files, written whole or not at all: "" when done, else why not.
  QString saveSheet(const QString& path) const;
  QString saveKey(const QString& path) const;
  // The sheet to `path`, the key beside it ("name-key.tex").
  QString saveLatex(const QString& path) const;
  QString saveProblems(const QString& path) const;
  static QString keyPathOf(const QString& latexPath);
  // The pages of the worksheet or the key, as printed.
  std::vector<DisplayList> pages(bool key) const;

 protected:
  void build(QMainWindow* w) override;

 private:
  void buildChoices(QWidget* central, QFormLayout* form);
  void forget();  // the choices changed: the set shown is no longer theirs
  void showSet(const ExerciseSet& set, const ExerciseOptions& o);
  ExerciseOptions options() const;
  QString title(bool key) const;
  void saveAs(const QString& caption, const QString& filter, const QString& suffix,
              QString (ExerciseForm::*save)(const QString&) const);

  QPointer<QSpinBox> variables_, ones_, dontCares_, count_, seed_;
  QPointer<QComboBox> kind_;
  QPointer<QPlainTextEdit> names_;
  QPointer<QTableWidget> preview_;
  QPointer<QLabel> status_;
  std::vector<QPointer<QPushButton>> outputs_;
  std::vector<Exercise> problems_;
  uint32_t seedMade_ = 0;
};

}  // namespace ronri
