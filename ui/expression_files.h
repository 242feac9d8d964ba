#pragma once
// The main window's "ファイル" and "ヘルプ" menu commands.
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

}  // namespace ronri
