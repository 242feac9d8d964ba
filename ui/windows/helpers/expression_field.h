#pragma once
// An expression field the keyboard may fill: typing, pasting and dropping go
// through the same filter (the letters of the chosen count, the operators, the
// parentheses; blanks dropped), and the messages that say where an
// expression goes wrong.
#include <QString>
#include <functional>

#include "core/expression/wellformed.h"

class QLineEdit;
class QWidget;

namespace ronri {

// Installs the filter on `edit`. `variables` gives the chosen count (0: none
// chosen yet, nothing may be typed); `hint` receives the short reason an
// edit was refused. With `constants`, the digits 0 and 1 may be typed too.
void makeTypable(QLineEdit* edit, std::function<int()> variables,
                 std::function<void(const QString&)> hint, bool constants = false);

// "3 文字目: …" in the interface language.
QString malformationText(const Malformation& m, int variables);

// A refusal as an OK-only message: `text` as it is, `detail` (may be empty)
// under it.
void showRefusal(QWidget* parent, const QString& text, const QString& detail);

}  // namespace ronri
