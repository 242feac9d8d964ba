#pragma once
// Stands in for the platform's help call: the program asks for a help file by
// name with a command and a data value; this service shows the file's contents
// in a help window, or says itself that the file cannot be found.
#include <QString>
#include <QStringList>

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

  // The path a relative help file name is read from: the current directory
  // first, then the installed copies (installedDirs()), so the program also
  // finds its help when started from a desktop menu. Empty when none exists.
  static QString locate(const QString& file);
  // The folders of the installed help, in order: share/ronrilab beside the
  // program's own bin folder, then the one of the prefix it was built for.
  static QStringList installedDirs();
  // The contents pane's width for a heading column `wanted` px wide in a
  // splitter `total` px wide: 200 px up to 9/20 of the window, any size safe.
  static int contentsWidth(int wanted, int total);
  // Tests replace the installed folders; resetInstalledDirs() brings back the above.
  static void setInstalledDirs(const QStringList& dirs);
  static void resetInstalledDirs();
};

}  // namespace ronri
