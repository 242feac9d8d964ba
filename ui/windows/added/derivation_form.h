#pragma once
// "式の変形": the conversion window's expression rewritten by the laws, one
// law a line, to the minimum "簡単化" (or its product of sums) shows; and a
// checker for a step of the user's own.
#include <QPointer>
#include <QString>
#include <QStringList>

#include "core/draw/display_list.h"
#include "core/table/function.h"
#include "core/teaching/derivation.h"
#include "ui/framework/window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidget;
class QVBoxLayout;

namespace ronri {

class DerivationForm : public Window {
  Q_OBJECT
 public:
  explicit DerivationForm(App& app);

  // Shows the derivation of `f`'s expression over its variables; an open
  // window is filled afresh.
  void showFor(const Function& f);

  // The lines as shown, and their law column.
  QStringList lineTexts() const;
  QStringList lawTexts() const;
  // "確かめる": the step from "FromLine" to "NextLine" under the chosen law.
  void checkStep();
  // The table as a drawing (picture, copy, print).
  DisplayList drawing() const;
  // Writes the derivation as LaTeX to `path`; false (with *error) when it
  // could not be written.
  bool saveLatex(const QString& path, QString* error) const;

 protected:
  void build(QMainWindow* w) override;
  void load() override;

 private:
  void buildOwnStep(QWidget* central, QVBoxLayout* layout);
  void fill();
  void showLines();
  void showNote();
  void askLatexPath();
  bool productOfSums() const;

  Function function_;
  Derivation derivation_;
  QPointer<QRadioButton> sum_;
  QPointer<QRadioButton> product_;
  QPointer<QTableWidget> table_;
  QPointer<QLabel> note_;
  QPointer<QLineEdit> from_;
  QPointer<QLineEdit> next_;
  QPointer<QComboBox> laws_;
  QPointer<QLabel> verdict_;
};

}  // namespace ronri
