#pragma once
// The start window (Form1): the variable count, the entry field filled by
// buttons, the stored-expression list and the menus. Closing it ends the
// program. Other windows reach its list and its entry field only through the
// calls below.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <vector>

#include "ui/framework/window.h"

class QProgressBar;

namespace ronri {

class MainForm : public Window {
  Q_OBJECT
 public:
  explicit MainForm(App& app);

  // The load routine; the table window runs it again when it closes.
  void reload();
  // Folds ~x into negated letters.
  static QString InsideExp(const QString& expression);
  // The last expression "入力" accepted, as built ("" after a reload).
  const QString& lastEntered() const { return lastEntered_; }

  // The stored entries ("a*b+~c 2"), top to bottom; none while closed.
  QStringList storedEntries() const;
  // Appends entries as they are to the stored list (nothing while closed);
  // returns the row of the last one, or -1.
  int store(const QString& entry);
  int store(const QStringList& entries);
  // Selects stored entry `row` and scrolls it into view.
  void select(int row);
  // Hands a function to the entry field, as the table and map inputs do:
  // writes `expression` there and chooses `variables`, which acts like the
  // user choosing that count; `enableInput` also enables "入力". `dontCares`
  // (ascending rows, none a 1-row) are stored with the expression by "入力"
  // unless the field is changed first. A closed window only keeps the rows.
  void setEntry(const QString& expression, int variables, const std::vector<int>& dontCares = {},
                bool enableInput = false);
  // "入力": checks the entry field and stores it.
  void enter();
  // The bar table computations drive (nullptr while closed).
  QProgressBar* progressBar() const;

 protected:
  void build(QMainWindow* w) override;
  void load() override;
  void unloading() override;

 private:
  void buildMenus(QMainWindow* w);
  QLayout* buildEntry(QWidget* central, QMainWindow* w);
  QLayout* buildCountRow(QWidget* central);
  void makeEntryField(QWidget* central, QMainWindow* w);
  QLayout* buildLetterKeys(QWidget* central);
  QLayout* buildOperatorKeys(QWidget* central);
  QLayout* buildEditRow(QWidget* central);
  void makeDontCareLabel(QWidget* central);
  QLayout* buildStoredList(QWidget* central);
  QWidget* makeProgressBar(QWidget* central);
  void connectCountList();
  void connectStoredList();
  void lockButtons();
  // The rules for choosing k + 1 variables in List1.
  void countChosen(int k);
  void append(const QString& token);
  void backspace();
  void create();  // "作成"
  void remove();  // "削除"

  QPointer<QListWidget> variableCountList_;  // "List1"
  QPointer<QListWidget> storedList_;         // "List2"
  QPointer<QLineEdit> entryField_;           // "Text1"
  int chosenCount_ = 0;  // the variables typing may use; 0 while the buttons are locked
  QPointer<QLabel> dontCareLabel_;
  QString lastEntered_;
  // Don't-care rows that "入力" stores with `expression` while the entry field
  // still holds exactly it and `variables` are chosen ("X付きで入力").
  void setDontCares(const QString& expression, int variables, std::vector<int> rows);
  void showDontCares();
  // What the last "X付きで入力" handed over.
  QString dontCareExpression_;
  int dontCareVariables_ = 0;
  std::vector<int> dontCares_;
};

}  // namespace ronri
