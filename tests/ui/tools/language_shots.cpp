// Not a test: opens every window as a user would and saves a picture of each,
// DIR/<window>-<language>.png, to check by eye that the texts of the chosen
// language fit their places. The language follows the system (LANG), as at a
// first start:   LANG=en_US.UTF-8 language_shots DIR   or   LANG=C language_shots DIR
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "ui/app.h"
#include "ui/framework/display_settings.h"
#include "ui/framework/fonts.h"
#include "ui/framework/translation.h"
#include "ui/windows/added/prime_chart_form.h"
#include "ui/windows/added/settings_dialog.h"
#include "ui/windows/designed/circuit_form.h"
#include "ui/windows/designed/compare_form.h"
#include "ui/windows/designed/convert_form.h"
#include "ui/windows/designed/display_form.h"
#include "ui/windows/designed/kmap_form.h"
#include "ui/windows/designed/main_form.h"
#include "ui/windows/designed/map_count_form.h"
#include "ui/windows/designed/map_input_form.h"
#include "ui/windows/designed/notation_form.h"
#include "ui/windows/designed/pattern_form.h"
#include "ui/windows/designed/table_count_form.h"
#include "ui/windows/designed/table_input_form.h"
#include "ui/windows/designed/truth_table_form.h"
#include "ui/windows/helpers/expression_files.h"

namespace {

using ronri::App;
using ronri::Window;

void click(const Window& w, const QString& name) {
  auto* b = w.control<QAbstractButton>(name);
  if (!b) qFatal("no control %s in %s", qPrintable(name), qPrintable(w.name()));
  QTest::mouseClick(b, Qt::LeftButton);
}

void clickRow(QListWidget* list, int row) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(row)).center());
}

// Count, the buttons of the expression, 入力, the new entry, 作成.
void table(App& app, int variables, const std::vector<int>& buttons) {
  const Window& f = *app.Form1;
  clickRow(f.control<QListWidget>("List1"), variables - 1);
  for (int index : buttons) click(f, QStringLiteral("Command1(%1)").arg(index));
  click(f, "Command3(0)");
  auto* list2 = f.control<QListWidget>("List2");
  clickRow(list2, list2->count() - 1);
  click(f, "Command3(1)");
}

QString g_dir, g_lang;

void save(QWidget* w, const QString& name) {
  QTest::qWait(150);
  const QString file = QStringLiteral("%1/%2-%3.png").arg(g_dir, name, g_lang);
  if (!w->grab().save(file)) qFatal("cannot write %s", qPrintable(file));
  std::printf("%s\n", qPrintable(file));
  if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
    // Scaled up (QT_SCALE_FACTOR=2 on a 1366 x 768 screen): the whole screen,
    // and whether the window stays on it.
    QScreen* screen = w->screen();
    screen->grabWindow(0).save(QStringLiteral("%1/%2-%3-screen.png").arg(g_dir, name, g_lang));
    const QRect frame = w->frameGeometry(), avail = screen->availableGeometry();
    std::printf("  %s %dx%d at %d,%d on %dx%d: %s\n", qPrintable(name), frame.width(),
                frame.height(), frame.x(), frame.y(), avail.width(), avail.height(),
                avail.contains(frame) ? "on the screen" : "CUT OFF");
  }
}

void save(const Window& w) {
  save(w.widget(), w.name().toLower());
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) ronri::keepWindowsOnScreen();
  ronri::installDefaultFont();
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
    return 2;
  }
  // The user's own settings stay untouched; "system" decides by LANG.
  QStandardPaths::setTestModeEnabled(true);
  ronri::saveLanguage(ronri::Language::System);
  g_dir = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(g_dir);
  App app;
  g_lang = ronri::activeLanguage();
  // Every message is answered at once (Yes to the long-running questions).
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
      (box->button(QMessageBox::Yes) ? box->button(QMessageBox::Yes) : box->buttons().value(0))
          ->click();
  });
  answer.start(5);
  app.start();
  const Window& f1 = *app.Form1;

  for (int v : {4, 5, 6}) {  // a*b+c*d (+e, +f)
    std::vector<int> b{0, 23, 1, 22, 2, 23, 3};
    if (v >= 5) b.insert(b.end(), {22, 4});
    if (v == 6) b.insert(b.end(), {23, 5});
    table(app, v, b);
    click(*app.Form2, "Command2");
    Window& map = app.form(v == 6 ? 7 : v);
    click(map, "Command2(1)");
    if (v < 6) click(map, "Command3(1)");
    save(map);
  }
  table(app, 3, {0, 23, 1, 22, 24, 2});  // a*b+~c
  save(f1);
  save(*app.Form2);
  click(*app.Form2, "Command2");
  click(*app.Form3, "Command2(1)");
  click(*app.Form3, "Command3(1)");
  save(*app.Form3);
  click(*app.Form2, "Command6");
  for (QAbstractButton* b : app.Form9->widget()->findChildren<QAbstractButton*>())
    if (b->isEnabled() && !b->objectName().startsWith("Command3(")) b->click();
  save(*app.Form9);
  click(*app.Form9, "CommandChart");
  save(*app.primeChart);
  click(*app.Form2, "Command1");
  save(*app.Form10);
  click(*app.Form10, "Command1");
  save(*app.Form16);
  click(*app.Form2, "Command3");
  for (QAbstractButton* b : app.Form6->widget()->findChildren<QAbstractButton*>())
    if (b->text() == QLatin1String("create")) b->click();
  save(*app.Form6);

  app.Form8->show();
  save(*app.Form8);
  click(*app.Form8, "Option3");
  click(*app.Form8, "Command1");
  save(*app.Form11);
  for (const char* count : {"Option3", "Option4", "Option5"}) {
    app.Form12->show();
    click(*app.Form12, count);
    click(*app.Form12, "Command1");
  }
  for (int k : {13, 14, 15}) save(app.form(k));
  app.Form18->show();
  save(*app.Form18);
  app.Form17->show();
  save(*app.Form17);
  ronri::SettingsDialog settings(f1.widget());
  settings.show();
  save(&settings, "settings");
  ronri::showHelpContents(*app.Form1);
  if (auto* help = f1.widget()->findChild<QDialog*>("HelpWindow")) save(help, "help");
  return 0;
}
