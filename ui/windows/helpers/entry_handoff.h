#pragma once
// Table and map input hand their expression to the main window's entry field.
#include <QString>
#include <vector>

namespace ronri {

class App;

// Writes `expression` into the main window's entry field and selects entry
// `listIndex` of its variable-count list, which acts like the user choosing
// that count. `enableInput` also enables its "入力". Controls the main window
// does not have (it is closed) are left alone. `dontCares` (ascending rows of
// listIndex + 1 variables, none a 1-row of the expression) are stored with the
// expression by "入力" unless the field is changed first.
void handToEntryField(App& app, const QString& expression, int listIndex, bool enableInput,
                      const std::vector<int>& dontCares = {});

}  // namespace ronri
