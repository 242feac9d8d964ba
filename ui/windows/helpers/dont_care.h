#pragma once
// Don't-care rows in the table and map inputs: a left click keeps toggling
// 0 and 1; a right click, or the X key on a focused button, marks it "X",
// and on an "X" gives "0" back. (A context-menu request from the keyboard,
// where the window system sends one, does the same.)
#include <QList>
#include <QPointer>
#include <QString>
#include <string>
#include <vector>

class QPushButton;

namespace ronri {

class App;

void allowDontCare(QPushButton* button);

// The captions of the first `count` buttons as row values '0', '1' or 'X'.
std::string rowValues(const QList<QPointer<QPushButton>>& buttons, int count);

// "X付きで入力": hands the canonical sum of products of the 1-rows of `values`
// to the main window as "入力" does, with the X rows beside it.
void handWithDontCares(App& app, const std::string& values, int variables, bool enableInput);

// How a window names a function: the expression and, with don't-care rows,
// " d(0,2,5)" after it.
QString withDontCares(const QString& expression, const std::vector<int>& rows);

}  // namespace ronri
