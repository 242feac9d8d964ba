#pragma once
// The main window's "ファイル" and "ヘルプ" menu commands.
#include <QString>
#include <functional>

class QWidget;

namespace ronri {

class MainForm;

// "保存": writes the stored-expression list to a file chosen by the user.
void saveExpressionList(MainForm& form);
// "開く": appends the entries of a file chosen by the user to the list.
void openExpressionList(MainForm& form);
// "目次": opens the help file.
void showHelpContents(MainForm& form);
// "バージョン情報".
void showVersion(MainForm& form);

// Writes the main window's stored entries to `chosenName` with its extension
// made ".txt". On failure says so in a message box and leaves any older file
// whole. Returns whether the file was written.
bool saveEntries(MainForm& form, const QString& chosenName);
// Appends the entries of an expression file to the main window's list,
// keeping whatever could be read from a damaged file; a file that cannot be
// opened or is no expression file at all is reported in a message box.
// Returns the number of entries added.
int openEntries(MainForm& form, const QString& fileName);

// The file dialogs of "保存" and "開く": return the chosen file name, or an
// empty text when the user cancels. Tests replace them to choose without a
// dialog; empty functions bring Qt's own dialogs back.
struct FileDialogs {
  std::function<QString(QWidget* parent)> saveName;
  std::function<QString(QWidget* parent)> openName;
};
void setFileDialogs(FileDialogs dialogs);

}  // namespace ronri
