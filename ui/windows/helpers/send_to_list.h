#pragma once
// "一覧へ": a result of the conversion or display window becomes an entry of
// the main window's list, so its table, map or circuit can be made from it.
#include <QString>

class QWidget;

namespace ronri {

class App;

// The longest expression an entry takes: what the main window's entry field
// holds.
constexpr int kMaxEntryLength = 32767;

// Appends `expression` (as a result box shows it; blanks are dropped) as an
// entry of `variables` variables and selects it. Empty, constant, too long or
// unreadable texts are refused with a message over `parent`; returns whether
// the entry was added.
bool sendToList(App& app, QWidget* parent, const QString& expression, int variables);

}  // namespace ronri
