#pragma once
// Table and map input hand their expression to the main window's entry field.
#include <QString>

namespace ronri {

class App;

// Writes `expression` into the main window's entry field and selects entry
// `listIndex` of its variable-count list, which acts like the user choosing
// that count. `enableInput` also enables its "入力". Controls the main window
// does not have (it is closed) are left alone.
void handToEntryField(App& app, const QString& expression, int listIndex, bool enableInput);

}  // namespace ronri
