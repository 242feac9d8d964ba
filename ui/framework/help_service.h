#pragma once
// Stands in for the platform's help call: the program asks for a help file by
// name with a command and a data value; this service shows the file's contents
// in a help window, or says itself that the file cannot be found.
#include <QString>

class QWidget;

namespace ronri {

struct HelpCall {
  QWidget* owner = nullptr;
  QString file;
  int command = 0;
  long data = 0;
};

class HelpService {
 public:
  static constexpr int kHelpFinder = 11;  // open the contents

  // Returns true when the help window was shown.
  static bool winHelp(QWidget* owner, const QString& file, int command, long data);
  // The last call made (for tests).
  static const HelpCall& lastCall();
};

}  // namespace ronri
