#pragma once
// Don't-care rows in the table and map inputs: a left click keeps toggling
// 0 and 1; a right click, or the X key on a focused button, marks it "X",
// and on an "X" gives "0" back. (A context-menu request from the keyboard,
// where the window system sends one, does the same.)
#include <QList>
#include <QPointer>
#include <string>

class QPushButton;

namespace ronri {

void allowDontCare(QPushButton* button);

// The captions of the first `count` buttons as row values '0', '1' or 'X'.
std::string rowValues(const QList<QPointer<QPushButton>>& buttons, int count);

}  // namespace ronri
