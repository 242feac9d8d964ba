#pragma once
// Message boxes: real modal boxes with the program's exact texts.
#include <QString>

class QWidget;

namespace ronri {

// An OK-only message.
void showMessage(QWidget* parent, const QString& text);
// A Yes/No question titled "確認"; true for Yes. No is the default answer
// (Enter) of the long-running confirmations; an offer may default to Yes.
bool askYesNo(QWidget* parent, const QString& text, bool yesByDefault = false);

}  // namespace ronri
