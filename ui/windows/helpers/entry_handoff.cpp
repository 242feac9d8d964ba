#include "ui/windows/helpers/entry_handoff.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>

#include "ui/app.h"
#include "ui/windows/designed/main_form.h"

namespace ronri {

void handToEntryField(App& app, const QString& expression, int listIndex, bool enableInput,
                      const std::vector<int>& dontCares) {
  MainForm& main = *app.Form1;
  main.setDontCares(expression, listIndex + 1, dontCares);
  if (auto* edit = main.control<QLineEdit>(QStringLiteral("Text1"))) {
    edit->setText(expression);
  } else if (auto* field = main.control<QWidget>(QStringLiteral("Text1"))) {
    field->setProperty("text", expression);
  }
  if (enableInput) {
    if (auto* input = main.control<QWidget>(QStringLiteral("Command3(0)"))) input->setEnabled(true);
  }
  if (auto* list = main.control<QListWidget>(QStringLiteral("List1"))) {
    if (listIndex >= 0 && listIndex < list->count()) {
      const bool alreadyChosen =
          list->currentRow() == listIndex && list->item(listIndex)->isSelected();
      list->setCurrentRow(listIndex, QItemSelectionModel::ClearAndSelect);
      // Choosing the count already chosen must still unlock the buttons
      // (they are locked again whenever the table window closes).
      if (alreadyChosen) emit list->currentRowChanged(listIndex);
    }
  }
  // The user goes on in the main window: bring it forward.
  if (QWidget* w = main.widget()) {
    w->raise();
    w->activateWindow();
  }
}

}  // namespace ronri
