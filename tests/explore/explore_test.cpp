// Random use of the whole program, as a careless person would: clicks,
// right-clicks, typing, menu commands, keys and closed windows, with every
// message box, file dialog and popup answered as it appears. It fails on a
// crash or sanitizer report (the log tail is printed), on an action that
// hangs, on a window it never reached, and on a quit that leaves a window open.
//
//   RONRI_EXPLORE_SEEDS=1,2,3,4,5 seeds to run (each starts a fresh program)
//   RONRI_EXPLORE_ACTIONS=N     actions per seed
//   RONRI_EXPLORE_LOG=1         print every action as it starts (for replay)
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHash>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <deque>
#include <mutex>
#include <random>
#include <thread>

#include "ui/app.h"
#include "ui/framework/fonts.h"
#include "ui/framework/window.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace ronri {
namespace {

// Windows and dialogs a user opens that are not among the App's Form1 ... Form18.
const QStringList kOtherWindows = {"HelpWindow", "PrimeChartForm", "SettingsDialog",
                                   "DerivationForm"};
// Form17 exists, but nothing shows it.
const QStringList kNeverShown = {"Form17"};

// ---- the action log, also read by the watchdog and on a crash ----

std::mutex g_logMutex;
std::deque<std::string> g_log;
bool g_printAll = false;

void logAction(const std::string& line) {
  if (g_printAll) fprintf(stderr, "%s\n", line.c_str());
  std::lock_guard lock(g_logMutex);
  g_log.push_back(line);
  if (g_log.size() > 30) g_log.pop_front();
}

void printTail() {
  // No lock: this also runs from a crash, possibly while the log is written.
  static std::atomic<bool> printed{false};
  if (printed.exchange(true)) return;
  fprintf(stderr, "---- last actions ----\n");
  for (const std::string& line : g_log) fprintf(stderr, "%s\n", line.c_str());
  fflush(stderr);
}

// Fails the run when one action (with its dialogs) takes longer than 10 s.
class Watchdog {
 public:
  Watchdog()
      : thread_([this] {
          while (!stop_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            const long long started = started_;
            if (started && nowMs() - started > 10'000) {
              fprintf(stderr, "explore: one action took longer than 10 s\n");
              printTail();
              std::_Exit(3);
            }
          }
        }) {}
  ~Watchdog() {
    stop_ = true;
    thread_.join();
  }
  void begin() { started_ = nowMs(); }
  void end() { started_ = 0; }

 private:
  static long long nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  }
  std::atomic<long long> started_{0};
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

QString nameOf(const QWidget* w) {
  if (!w->objectName().isEmpty()) return w->objectName();
  const QWidget* p = w->parentWidget();
  return QString::fromLatin1(w->metaObject()->className()) +
         (p ? QStringLiteral("@") + nameOf(p) : QString());
}

class Explorer : public QObject {
 public:
  Explorer(App& app, unsigned seed, const QString& folder)
      : app_(app), seed_(seed), rng_(seed), folder_(folder) {
    connect(&poll_, &QTimer::timeout, this, &Explorer::poll);
    poll_.start(5);
  }

  void run(int actions, QMap<QString, int>& counts) {
    counts_ = &counts;
    for (step_ = 0; step_ < actions; ++step_) {
      const QList<QWidget*> open = windows();
      if (open.isEmpty()) break;
      // Mostly the window in front, as a person works in the one just opened.
      QWidget* w = open[pick(open.size())];
      if (open.contains(QApplication::activeWindow()) && chance(35))
        w = QApplication::activeWindow();
      ++counts[w->objectName()];
      watchdog_.begin();
      act(w);
      settle();
      watchdog_.end();
    }
  }

  // Closes the main window as a user quitting would.
  void quit() {
    step_ = -1;
    note(app_.form(1).widget(), "quit");
    watchdog_.begin();
    app_.form(1).unload();
    settle();
    watchdog_.end();
  }

 private:
  int pick(qsizetype n) { return int(std::uniform_int_distribution<qsizetype>(0, n - 1)(rng_)); }
  bool chance(int percent) { return pick(100) < percent; }

  // One line of the log: seed, step, window, control, action.
  void note(const QWidget* c, const QString& what) {
    const QString window = c ? nameOf(c->window()) : QStringLiteral("-");
    const QString control = c && c != c->window() ? nameOf(c) : QStringLiteral("-");
    logAction(QStringLiteral("seed %1 step %2 %3 %4 %5")
                  .arg(seed_)
                  .arg(step_)
                  .arg(window, control, what)
                  .toStdString());
  }

  // Open windows a user can act on: named, shown, not a dialog being answered.
  static QList<QWidget*> windows() {
    QList<QWidget*> list;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible() && !w->objectName().isEmpty() && !w->isModal() &&
          !(w->windowType() == Qt::Popup) && !qobject_cast<QMenu*>(w))
        list << w;
    std::sort(list.begin(), list.end(),
              [](QWidget* a, QWidget* b) { return a->objectName() < b->objectName(); });
    return list;
  }

  static QList<QWidget*> controls(QWidget* w) {
    QList<QWidget*> list;
    for (QWidget* c : w->findChildren<QWidget*>())
      if (c->isVisibleTo(w) && c->isEnabled() && !c->size().isEmpty() && !qobject_cast<QMenu*>(c))
        list << c;
    return list;
  }

  // Lets the program finish what the action started: posted events, closed
  // windows deleted, popups and dialogs answered.
  void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    while (QApplication::activePopupWidget() || QApplication::activeModalWidget()) {
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
  }

  // A control of the window, those used least so far the likeliest: the
  // buttons that open further windows are found early.
  QWidget* someControl(QWidget* w, const QList<QWidget*>& all) {
    if (all.isEmpty()) return w;
    std::vector<double> weights;
    for (QWidget* c : all) {
      // Buttons draw people more than fields do, fields more than frames and labels.
      const double appeal = qobject_cast<QAbstractButton*>(c) ? 4
                            : qobject_cast<QComboBox*>(c) || qobject_cast<QAbstractItemView*>(c) ||
                                    qobject_cast<QLineEdit*>(c)
                                ? 2
                                : 1;
      weights.push_back(appeal / std::sqrt(1.0 + used_.value(w->objectName() + nameOf(c))));
    }
    QWidget* c = all[std::discrete_distribution<int>(weights.begin(), weights.end())(rng_)];
    ++used_[w->objectName() + nameOf(c)];
    return c;
  }

  void act(QWidget* w) {
    const QList<QWidget*> all = controls(w);
    QWidget* c = someControl(w, all);
    const int roll = pick(100);
    if (w == app_.form(1).widget() && roll < 15) return compose();
    if (w == app_.form(1).widget() && roll < 25) return menu(w);
    if (roll < 56) return click(c, Qt::LeftButton, false);
    if (roll < 62) return click(c, Qt::RightButton, false);
    if (roll < 66) return click(c, Qt::LeftButton, true);
    if (roll < 78) return type(all);
    if (roll < 85) return key(w);
    if (roll < 91) return menu(w);
    if (roll < 95 && w != app_.form(1).widget()) {
      note(w, "close");
      w->close();
      return;
    }
    const QSize size(200 + pick(1200), 150 + pick(900));
    note(w, QStringLiteral("resize %1x%2").arg(size.width()).arg(size.height()));
    w->resize(size);
  }

  void click(QWidget* c, Qt::MouseButton button, bool twice) {
    QWidget* target = c;
    QPoint at(pick(c->width()), pick(c->height()));
    QString what = button == Qt::RightButton ? "right-click" : twice ? "double-click" : "click";
    if (auto* view = qobject_cast<QAbstractItemView*>(c); view && view->model()) {
      // A row of a list, a tree or a table.
      const int rows = view->model()->rowCount(view->rootIndex());
      target = view->viewport();
      if (rows > 0) {
        const QModelIndex index = view->model()->index(pick(rows), 0, view->rootIndex());
        view->scrollTo(index);
        at = view->visualRect(index).center();
        what += QStringLiteral(" row %1").arg(index.row());
      }
    } else if (qobject_cast<QAbstractButton*>(c) || qobject_cast<QComboBox*>(c)) {
      at = c->rect().center();
    }
    note(c, QStringLiteral("%1 %2,%3").arg(what).arg(at.x()).arg(at.y()));
    QPointer<QWidget> alive = target;
    if (twice)
      QTest::mouseDClick(target, button, {}, at);
    else
      QTest::mouseClick(target, button, {}, at);
    if (button == Qt::RightButton && alive) {
      QContextMenuEvent menu(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
      QApplication::sendEvent(target, &menu);
    }
  }

  QString randomText() {
    static const QString pieces[] = {"a", "b", "c", "~", "*", "+",    "(", ")",  "$", "|",  "@",
                                     "%", "0", "1", ".", " ", "変数", "x", "\n", "-", "ZZZ"};
    const int length = chance(70) ? 1 + pick(8) : 50 + pick(400);
    QString s;
    for (int i = 0; i < length; ++i) s += pieces[pick(std::size(pieces))];
    return s;
  }

  void type(const QList<QWidget*>& all) {
    QList<QWidget*> fields;
    for (QWidget* c : all)
      if (qobject_cast<QLineEdit*>(c) || qobject_cast<QTextEdit*>(c) ||
          qobject_cast<QPlainTextEdit*>(c) || qobject_cast<QAbstractSpinBox*>(c) ||
          qobject_cast<QComboBox*>(c))
        fields << c;
    if (fields.isEmpty()) return;
    QPointer<QWidget> f = fields[pick(fields.size())];
    const QString text = randomText();
    note(f, QStringLiteral("type %1 chars \"%2\"").arg(text.size()).arg(text.left(40)));
    for (QChar ch : text) {
      if (ch == '\n') {
        QTest::keyClick(f, Qt::Key_Return);
      } else if (ch.unicode() < 128) {
        QTest::keyClick(f, char(ch.unicode()));
      } else {  // what an input method commits
        QInputMethodEvent commit;
        commit.setCommitString(ch);
        QApplication::sendEvent(f, &commit);
      }
      if (!f) break;
    }
  }

  void key(QWidget* w) {
    static const Qt::Key keys[] = {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter,
                                   Qt::Key_Tab,    Qt::Key_Space,  Qt::Key_Up,
                                   Qt::Key_Down,   Qt::Key_Delete, Qt::Key_Backspace};
    const Qt::Key k = keys[pick(std::size(keys))];
    QWidget* target = w->focusWidget() ? w->focusWidget() : w;
    note(target, QStringLiteral("key %1").arg(QKeySequence(k).toString()));
    QTest::keyClick(target, k);
  }

  // A command of the window's menu bar, as if chosen with the mouse.
  void menu(QWidget* w) {
    QList<QAction*> leaves;
    std::function<void(const QList<QAction*>&)> collect = [&](const QList<QAction*>& actions) {
      for (QAction* a : actions) {
        if (!a->isEnabled() || !a->isVisible() || a->isSeparator()) continue;
        if (a->menu())
          collect(a->menu()->actions());
        else
          leaves << a;
      }
    };
    for (QMenuBar* bar : w->findChildren<QMenuBar*>()) collect(bar->actions());
    if (leaves.isEmpty()) return;
    QAction* a = leaves[pick(leaves.size())];
    note(w, QStringLiteral("menu %1").arg(a->text()));
    a->trigger();
  }

  // Presses the main window's buttons for a short expression, stores it and
  // sometimes makes its table: the road to every window behind the table.
  void compose() {
    QWidget* w = app_.form(1).widget();
    auto button = [&](const QString& name) { return w->findChild<QAbstractButton*>(name); };
    auto* list1 = w->findChild<QListWidget*>(QStringLiteral("List1"));
    if (list1 && list1->isEnabled() && (chance(50) || !button("Command1(0)")->isEnabled())) {
      const int row = pick(list1->count());
      note(list1, QStringLiteral("choose count %1").arg(row + 1));
      list1->scrollToItem(list1->item(row));  // it shows four rows at a time
      QTest::mouseClick(list1->viewport(), Qt::LeftButton, {},
                        list1->visualRect(list1->model()->index(row, 0)).center());
    }
    int letters = 0;
    while (letters < 10 && button(QStringLiteral("Command1(%1)").arg(letters))->isEnabled())
      ++letters;
    if (letters == 0) return;
    const QString expression = randomExpression(letters, 2);
    note(w, QStringLiteral("compose %1").arg(expression));
    QTest::mouseClick(button(QStringLiteral("Command2(0)")), Qt::LeftButton);  // CLR
    for (QChar t : expression) {
      const int i =
          t.isLetter() ? t.unicode() - 'a' : 20 + int(QStringLiteral("()+*~@%$|").indexOf(t));
      QTest::mouseClick(button(QStringLiteral("Command1(%1)").arg(i)), Qt::LeftButton);
    }
    QTest::mouseClick(button(QStringLiteral("Command3(0)")), Qt::LeftButton);  // 入力
    auto* list2 = w->findChild<QListWidget*>(QStringLiteral("List2"));
    if (list2 && list2->count() > 0 && chance(60)) {
      note(w, QStringLiteral("create from entry %1").arg(list2->count() - 1));
      list2->scrollToBottom();
      QTest::mouseClick(list2->viewport(), Qt::LeftButton, {},
                        list2->visualRect(list2->model()->index(list2->count() - 1, 0)).center());
      QTest::mouseClick(button(QStringLiteral("Command3(1)")), Qt::LeftButton);  // 作成
    }
  }

  QString randomExpression(int letters, int depth) {
    const QString letter(QChar('a' + pick(letters)));
    if (depth == 0 || chance(30)) return chance(25) ? "~" + letter : letter;
    const QString op(QStringLiteral("+*@%$|")[pick(6)]);
    const QString e =
        randomExpression(letters, depth - 1) + op + randomExpression(letters, depth - 1);
    return chance(30) ? "(" + e + ")" : e;
  }

  // ---- answering what pops up ----

  void poll() {
    QWidget* open = QApplication::activePopupWidget();
    if (!open) open = QApplication::activeModalWidget();
    if (!open || answering_) return;
    // Answered from the event loop, not from inside this timer: an answer may
    // open a dialog of its own, which the timer must be free to answer.
    answering_ = true;
    QMetaObject::invokeMethod(
        this,
        [this, target = QPointer<QWidget>(open)] {
          answering_ = false;
          if (target) answer(target);
        },
        Qt::QueuedConnection);
  }

  void answer(QWidget* w) {
    if (counts_ && !w->objectName().isEmpty()) ++(*counts_)[w->objectName()];
    if (auto* menu = qobject_cast<QMenu*>(w)) {
      QList<QAction*> entries;
      for (QAction* a : menu->actions())
        if (a->isEnabled() && a->isVisible() && !a->isSeparator()) entries << a;
      if (entries.isEmpty() || chance(25)) {
        note(w, "answer Escape");
        return QTest::keyClick(menu, Qt::Key_Escape);
      }
      QAction* a = entries[pick(entries.size())];
      note(w, QStringLiteral("answer %1").arg(a->text()));
      menu->setActiveAction(a);
      return QTest::keyClick(menu, Qt::Key_Return);
    }
    if (auto* box = qobject_cast<QMessageBox*>(w)) {
      const QList<QAbstractButton*> buttons = box->buttons();
      QAbstractButton* b = buttons.value(pick(std::max<qsizetype>(buttons.size(), 1)));
      note(w,
           QStringLiteral("answer \"%1\" with %2").arg(box->text().left(30), b ? b->text() : "-"));
      if (b) return b->click();
      return box->reject();
    }
    if (auto* files = qobject_cast<QFileDialog*>(w)) return answerFiles(files);
    if (auto* dialog = qobject_cast<QDialog*>(w)) {
      // Print dialogs are cancelled; any other dialog is used like a window
      // for a while, then cancelled or left by one of its buttons.
      if (!w->inherits("QPrintDialog") && chance(70)) return act(w);
      const QList<QAbstractButton*> buttons = dialog->findChildren<QAbstractButton*>();
      if (w->inherits("QPrintDialog") || buttons.isEmpty() || chance(50)) {
        note(w, "answer cancel");
        return dialog->reject();
      }
      QAbstractButton* b = buttons[pick(buttons.size())];
      note(b, "answer click");
      if (b->isEnabled() && b->isVisible()) b->click();
      return;
    }
    // A popup that is not a menu, such as a combo box's list.
    auto* view = w->findChild<QAbstractItemView*>();
    if (view && view->model() && view->model()->rowCount() > 0 && chance(75)) {
      const int row = pick(view->model()->rowCount());
      note(w, QStringLiteral("answer row %1").arg(row));
      view->setCurrentIndex(view->model()->index(row, 0));
      return QTest::keyClick(view, Qt::Key_Return);
    }
    note(w, "answer Escape");
    QTest::keyClick(w, Qt::Key_Escape);
  }

  void answerFiles(QFileDialog* d) {
    if (chance(30)) {
      note(d, "answer cancel");
      return d->reject();
    }
    QString path;
    if (d->acceptMode() == QFileDialog::AcceptSave) {
      static const QString suffixes[] = {".txt", "", ".png", ".svg", ".csv", ".TXT"};
      path = QStringLiteral("%1/saved%2%3").arg(folder_).arg(pick(4)).arg(suffixes[pick(6)]);
    } else {
      const QStringList files = QDir(folder_).entryList(QDir::Files, QDir::Name);
      path = files.isEmpty() ? folder_ + "/missing" : folder_ + "/" + files[pick(files.size())];
    }
    note(d, QStringLiteral("answer file %1").arg(QFileInfo(path).fileName()));
    d->selectFile(path);
    static_cast<QDialog*>(d)->accept();  // as the dialog's own button does
  }

  App& app_;
  unsigned seed_;
  std::mt19937 rng_;
  QString folder_;
  int step_ = 0;
  QMap<QString, int>* counts_ = nullptr;
  QHash<QString, int> used_;  // actions per window and control
  QTimer poll_;
  bool answering_ = false;
  Watchdog watchdog_;
};

struct Settings {
  // Five walks: with four, one window (Form4) went unreached once the
  // conversion window gained a button.
  std::vector<unsigned> seeds{1, 2, 3, 4, 5};
  int actions = 2500;
};

Settings settings() {
  Settings s;
  if (const QString seeds = qEnvironmentVariable("RONRI_EXPLORE_SEEDS"); !seeds.isEmpty()) {
    s.seeds.clear();
    for (const QString& seed : seeds.split(',')) s.seeds.push_back(seed.toUInt());
  }
  if (qEnvironmentVariableIsSet("RONRI_EXPLORE_ACTIONS"))
    s.actions = qEnvironmentVariableIntValue("RONRI_EXPLORE_ACTIONS");
  g_printAll = qEnvironmentVariableIntValue("RONRI_EXPLORE_LOG") != 0;
  return s;
}

// Files for the open dialog: an expression list, one with long lines and
// one of random bytes. Saved files join them as the run goes on.
void prepareFolder(const QString& folder) {
  auto write = [&](const QString& name, const QByteArray& bytes) {
    QFile f(folder + "/" + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  };
  write("list.txt", "\"2\"\r\n\"a*b 1\"\r\n\"a+~c 2\"\r\n\"(a@b)|c 3\"\r\n");
  write("long.txt",
        "\"1\"\r\n\"" + QByteArray(5000, 'a') + " 0\"\r\n\"a+" + QByteArray(300, '(') + " 9\"\r\n");
  std::mt19937 bytes(7);
  QByteArray junk;
  for (int i = 0; i < 3000; ++i) junk += char(bytes());
  write("junk.txt", junk);
  QFile::copy(QStringLiteral(RONRI_SOURCE_DIR "/help.hlp"), folder + "/help.hlp");
}

TEST(ExploreSlow, RandomUseReachesEveryWindowAndQuitsCleanly) {
  const Settings s = settings();
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  prepareFolder(folder.path());
  // File dialogs start here, and the help file is found here.
  QDir::setCurrent(folder.path());

  QMap<QString, int> counts;
  QStringList expected = kOtherWindows;
  for (unsigned seed : s.seeds) {
    App app;
    for (int k = 1; k <= 18; ++k)
      if (!kNeverShown.contains(app.form(k).name()) && !expected.contains(app.form(k).name()))
        expected << app.form(k).name();
    app.start();
    Explorer explorer(app, seed, folder.path());
    explorer.run(s.actions, counts);
    explorer.quit();
    for (int k = 1; k <= 18; ++k)
      EXPECT_FALSE(app.form(k).isOpen())
          << "seed " << seed << ": " << app.form(k).name().toStdString();
    for (QWidget* w : QApplication::topLevelWidgets())
      EXPECT_FALSE(w->isVisible()) << "seed " << seed << ": " << nameOf(w).toStdString();
  }

  printf("actions per window:\n");
  for (auto it = counts.begin(); it != counts.end(); ++it)
    printf("  %-12s %d\n", qPrintable(it.key()), it.value());
  for (const QString& name : expected)
    EXPECT_GT(counts.value(name), 0) << name.toStdString() << " was never reached";
}

}  // namespace
}  // namespace ronri

// Called by UndefinedBehaviorSanitizer on every report it prints.
extern "C" void __ubsan_on_report() {
  ronri::printTail();
}

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The Japanese interface whatever the machine's locale: the help file and the
  // reach check follow the interface language.
  qputenv("LC_ALL", "C.UTF-8");
  qunsetenv("LANGUAGE");
  // Settings (the file dialog's history, the chosen language) go to a throwaway place.
  QTemporaryDir home;
  for (const char* v :
       {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"}) {
    qputenv(v, home.path().toUtf8());
  }
  // The sanitizers report their own faults, then the log tail is printed.
#if defined(__SANITIZE_ADDRESS__)
  __sanitizer_set_death_callback(ronri::printTail);
  const std::initializer_list<int> fatal = {SIGABRT};
#else
  const std::initializer_list<int> fatal = {SIGSEGV, SIGABRT, SIGFPE, SIGBUS};
#endif
  for (int sig : fatal)
    std::signal(sig, [](int sig) {
      ronri::printTail();
      std::signal(sig, SIG_DFL);
      std::raise(sig);
    });
  QApplication app(argc, argv);
  ronri::installDefaultFont();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
