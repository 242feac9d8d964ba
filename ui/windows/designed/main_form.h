#pragma once
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QString>
#include <vector>

#include "ui/framework/window.h"

namespace ronri {

// The start window: the variable count, the entry field filled by buttons, the
// stored-expression list and the menus. Closing it ends the program.
class MainForm : public Window {
  Q_OBJECT
 public:
  explicit MainForm(App& app);

  QString trsiki;  // the last expression accepted by "入力", as built
  QString dosiki;

  // The load routine; the table window runs it again when it closes.
  void reload();
  // Folds ~x into negated letters.
  static QString InsideExp(const QString& siki);
  // Don't-care rows that "入力" stores with `expression` while the entry field
  // still holds exactly it and `variables` are chosen ("X付きで入力").
  void setDontCares(const QString& expression, int variables, std::vector<int> rows);

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
  void store();   // "入力"
  void create();  // "作成"
  void remove();  // "削除"

  QPointer<QListWidget> variableCountList_;  // "List1"
  QPointer<QListWidget> storedList_;         // "List2"
  QPointer<QLineEdit> entryField_;           // "Text1"
  int chosenCount_ = 0;  // the variables typing may use; 0 while the buttons are locked
  QPointer<QLabel> dontCareLabel_;
  void showDontCares();
  // What the last "X付きで入力" handed over.
  QString dontCareExpression_;
  int dontCareVariables_ = 0;
  std::vector<int> dontCares_;
};

}  // namespace ronri
