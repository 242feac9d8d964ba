#include "ui/expression_files.h"

#include "ui/help_service.h"
#include "ui/main_form.h"
#include "ui/messages.h"

namespace ronri {

// TODO(files): saving and opening come with the expression-file work.
void saveExpressionList(MainForm&) {}
void openExpressionList(MainForm&) {}

void showHelpContents(MainForm& form) {
  HelpService::winHelp(form.widget(), QStringLiteral("help.hlp"), HelpService::kHelpFinder, 0);
}

void showVersion(MainForm& form) { showMessage(form.widget(), QStringLiteral("ver2.1")); }

}  // namespace ronri
