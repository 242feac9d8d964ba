#pragma once
// The small "how many variables?" dialogs in front of the table and map input.
#include <QList>
#include <functional>

class QMainWindow;
class QRadioButton;

namespace ronri {

// Builds the frame "変数の数は？" with one option button per count (named
// "Option<count>", captioned with the count) and the button "ok", which calls
// `ok` with the chosen count, or shows "選んでください" when none is chosen.
void buildCountDialog(QMainWindow* w, const QList<int>& counts,
                      const std::function<void(int count)>& ok);

}  // namespace ronri
