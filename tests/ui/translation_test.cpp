// The interface language: Japanese by default (Qt's own dialogs included),
// English when chosen, with no Japanese left anywhere a user looks.

#include <QAbstractItemView>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextEdit>
#include <QXmlStreamReader>

#include "ui/framework/messages.h"
#include "ui/framework/translation.h"
#include "ui/windows/added/settings_dialog.h"
#include "ui/windows/helpers/law_names.h"
#include "ui_helpers.h"

namespace ronri {
namespace {

using test::click;
using test::isOpen;
using test::MainDriver;
using test::visible;
using ::testing::Contains;
using ::testing::IsEmpty;

bool hasJapanese(const QString& s) {
  for (QChar c : s) {
    const char16_t u = c.unicode();
    if ((u >= 0x3000 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) ||
        (u >= 0xFF00 && u <= 0xFFEF))
      return true;
  }
  return false;
}

void addMenuTexts(const QList<QAction*>& actions, QStringList& out) {
  for (QAction* a : actions) {
    out << a->text() << a->toolTip();
    if (a->menu()) addMenuTexts(a->menu()->actions(), out);
  }
}

void addModelTexts(const QAbstractItemModel* m, const QModelIndex& parent, QStringList& out) {
  for (int r = 0; r < m->rowCount(parent); ++r)
    for (int c = 0; c < m->columnCount(parent); ++c) {
      const QModelIndex i = m->index(r, c, parent);
      out << i.data().toString();
      addModelTexts(m, i, out);
    }
}

// Every text a user can see on `top`: title, controls, list rows, menus.
QStringList visibleTexts(QWidget* top) {
  QStringList out{top->windowTitle()};
  QList<QWidget*> widgets = top->findChildren<QWidget*>();
  widgets.prepend(top);
  for (QWidget* w : widgets) {
    if (w != top && !w->isVisibleTo(top)) continue;
    out << w->toolTip();
    if (auto* l = qobject_cast<QLabel*>(w)) out << l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) out << b->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) out << g->title();
    if (auto* e = qobject_cast<QLineEdit*>(w)) out << e->text() << e->placeholderText();
    if (auto* e = qobject_cast<QTextEdit*>(w)) out << e->toPlainText();
    if (auto* e = qobject_cast<QPlainTextEdit*>(w)) out << e->toPlainText();
    if (auto* v = qobject_cast<QAbstractItemView*>(w)) addModelTexts(v->model(), {}, out);
    if (auto* h = qobject_cast<QHeaderView*>(w))
      for (int s = 0; s < h->count(); ++s)
        out << h->model()->headerData(s, h->orientation()).toString();
    if (auto* bar = qobject_cast<QMenuBar*>(w)) addMenuTexts(bar->actions(), out);
  }
  out.removeAll(QString());
  return out;
}

QAction* menuAction(const Window& w, const QString& text) {
  for (QAction* menu : w.widget()->menuBar()->actions())
    for (QAction* a : menu->menu()->actions())
      if (a->text() == text) return a;
  ADD_FAILURE() << "no menu item " << text.toStdString();
  return nullptr;
}

// Runs `action`; the first modal widget or popup it opens is read and closed.
QStringList textsOfWhatOpens(const std::function<void()>& action) {
  QStringList texts;
  QTimer timer;
  timer.setInterval(1);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    QWidget* w = QApplication::activePopupWidget();
    if (!w) w = QApplication::activeModalWidget();
    if (!w) return;
    texts = visibleTexts(w);
    if (auto* menu = qobject_cast<QMenu*>(w)) {
      addMenuTexts(menu->actions(), texts);
      menu->close();
    } else if (auto* d = qobject_cast<QDialog*>(w)) {
      d->reject();
    }
  });
  timer.start();
  action();
  timer.stop();
  return texts;
}

class Languages : public ::testing::Test {
 protected:
  void choose(Language l) {
    saveLanguage(l);
    installTranslations();
  }
  void TearDown() override { choose(Language::Japanese); }
};

// Qt's own dialogs and buttons speak the program's language.
TEST_F(Languages, QtOwnDialogsFollowTheLanguage) {
  for (Language l : {Language::Japanese, Language::English}) {
    choose(l);
    App app;
    app.start();
    const QStringList save =
        textsOfWhatOpens([&] { menuAction(*app.Form1, app.Form1->tr("保存"))->trigger(); });
    const QStringList yesNo = textsOfWhatOpens([&] { askYesNo(app.Form1->widget(), "?"); });
    ASSERT_FALSE(save.isEmpty());
    ASSERT_FALSE(yesNo.isEmpty());
    const bool japanese = l == Language::Japanese;
    // The file dialog's buttons, labels and the question's Yes and No.
    const QString saveButton = QFileDialog::tr("&Save"), fileName = QFileDialog::tr("File &name:"),
                  cancel = QCoreApplication::translate("QPlatformTheme", "Cancel"),
                  yes = QCoreApplication::translate("QPlatformTheme", "&Yes"),
                  no = QCoreApplication::translate("QPlatformTheme", "&No");
    for (const QString& t : {saveButton, fileName, cancel, yes, no})
      EXPECT_EQ(hasJapanese(t), japanese) << t.toStdString();
    for (const QString& t : {saveButton, fileName, cancel}) EXPECT_THAT(save, Contains(t));
    for (const QString& t : {yes, no}) EXPECT_THAT(yesNo, Contains(t));
    EXPECT_EQ(hasJapanese(save.join(' ')), japanese);
    EXPECT_EQ(hasJapanese(yesNo.join(' ')), japanese);
  }
}

TEST_F(Languages, TheChoiceIsKeptAndSystemMeansEnglishOnlyForAnEnglishLocale) {
  for (const char* locale : {"C", "ja_JP", "de_DE", "zh_CN"})
    EXPECT_FALSE(meansEnglish(Language::System, QLocale(QLatin1String(locale)))) << locale;
  EXPECT_TRUE(meansEnglish(Language::System, QLocale(QStringLiteral("en_US"))));
  EXPECT_TRUE(meansEnglish(Language::System, QLocale(QStringLiteral("en_GB"))));
  EXPECT_TRUE(meansEnglish(Language::English, QLocale::c()));
  EXPECT_FALSE(meansEnglish(Language::Japanese, QLocale(QStringLiteral("en_US"))));

  App app;
  app.start();
  QAction* settings = menuAction(*app.Form1, QStringLiteral("基本設定"));
  ASSERT_TRUE(settings);
  // Chooses `option` in the dialog and leaves it with OK or Cancel.
  auto answer = [&](const char* option, bool ok) {
    QTimer::singleShot(0, [=] {
      auto* d = qobject_cast<SettingsDialog*>(QApplication::activeModalWidget());
      ASSERT_TRUE(d);
      d->findChild<QRadioButton*>(QLatin1String(option))->click();
      ok ? d->accept() : d->reject();
    });
    settings->trigger();
  };
  answer("LanguageEnglish", true);
  EXPECT_EQ(savedLanguage(), Language::English);
  answer("LanguageSystem", false);
  EXPECT_EQ(savedLanguage(), Language::English);
  answer("LanguageSystem", true);
  EXPECT_EQ(savedLanguage(), Language::System);
  // The interface changes only at the next start.
  EXPECT_EQ(activeLanguage(), QStringLiteral("ja"));
}

// A Japanese text written without tr() never reaches the translation: every
// Japanese string literal of the code (comments aside) is a source text of the
// English translation, or a piece of one (a literal continued on the next line).
TEST(EnglishTranslation, EveryJapaneseLiteralIsASourceText) {
  QFile tsFile(QStringLiteral(RONRI_SOURCE_DIR "/translations/ronrilab_en.ts"));
  ASSERT_TRUE(tsFile.open(QIODevice::ReadOnly)) << tsFile.errorString().toStdString();
  QString sources;
  for (QXmlStreamReader ts(&tsFile); !ts.atEnd();)
    if (ts.readNext() == QXmlStreamReader::StartElement && ts.name() == QLatin1String("source"))
      sources += ts.readElementText() + QChar(0);
  static const QRegularExpression comment(QStringLiteral("(^|\\s)//.*$"));
  static const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\""));
  QStringList bare;
  int seen = 0;
  for (const char* folder : {"ui", "core", "kmap", "circuit", "sequential"}) {
    QDirIterator files(QStringLiteral(RONRI_SOURCE_DIR "/") + QLatin1String(folder),
                       {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
      QFile f(files.next());
      ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << f.errorString().toStdString();
      for (const QString& line : QString::fromUtf8(f.readAll()).split('\n')) {
        const QString code = QString(line).remove(comment);
        for (auto m = literal.globalMatch(code); m.hasNext();) {
          QString text = m.next().captured(1);
          if (!hasJapanese(text)) continue;
          ++seen;
          text.replace(QLatin1String("\\n"), QLatin1String("\n"));
          if (!sources.contains(text))
            bare << QFileInfo(f).fileName() + QStringLiteral(": ") + text;
        }
      }
    }
  }
  EXPECT_GT(seen, 100);
  EXPECT_THAT(bare, IsEmpty()) << bare.join('\n').toStdString();
}

// The windows name each law as the core's table does.
TEST(EnglishTranslation, LawNamesFollowTheCoresTable) {
  for (const LawInfo& info : allLaws()) EXPECT_EQ(lawName(info.law).toStdString(), info.japanese);
}

// The English help has a section for every section of the Japanese one.
TEST(EnglishTranslation, TheHelpHasEverySectionInEnglish) {
  auto headings = [](const char* name) {
    QFile f(QStringLiteral(RONRI_SOURCE_DIR "/") + QLatin1String(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    QStringList levels;
    for (const QString& line : QString::fromUtf8(f.readAll()).split('\n'))
      if (line.startsWith('#')) levels << line.section(' ', 0, 0);
    return levels;
  };
  const QStringList japanese = headings("help.hlp");
  EXPECT_GT(japanese.size(), 10);
  EXPECT_EQ(headings("help_en.hlp"), japanese);
}

// Every window opened the way a user opens it, with English chosen.
TEST_F(Languages, InEnglishNoWindowShowsJapanese) {
  choose(Language::English);
  ASSERT_EQ(activeLanguage(), QStringLiteral("en"));
  App app;
  app.start();
  MainDriver d(app);
  QStringList seen;
  auto look = [&](const QString& where, const QStringList& texts) {
    for (const QString& t : texts)
      if (hasJapanese(t)) seen << where + QStringLiteral(": ") + t;
  };
  look("message", d.store());  // nothing typed

  const struct {
    const char* expression;
    int variables;
  } kTables[] = {{"a*b+~c", 3}, {"a*b+c*d", 4}, {"a*b+c*d+e", 5}, {"a*b+c*d+e*f", 6}};
  for (const auto& t : kTables) {
    d.tableFor(QString::fromLatin1(t.expression), t.variables);
    look("message", test::answeringMessages([&] { click(*app.Form2, "Command2"); }));
    Window& map = app.form(t.variables == 6 ? 7 : t.variables);
    look("message", test::answeringMessages([&] { click(map, "Command2(1)"); }));
    if (t.variables < 6)
      look("message", test::answeringMessages([&] { click(map, "Command3(1)"); }));
    look(map.name(), visibleTexts(map.widget()));
    const QStringList menu = textsOfWhatOpens(
        [&] { emit map.widget()->centralWidget()->customContextMenuRequested(QPoint(4, 4)); });
    EXPECT_THAT(menu, Contains(QStringLiteral("Copy")));
    look("export menu", menu);
  }
  d.tableFor("a*b+~c", 3);
  for (const char* view : {"Command1", "Command6", "Command3"})
    look("message", test::answeringMessages([&] { click(*app.Form2, view); }));
  click(*app.Form10, "Command1");  // the textbook notation of the first row
  // Every conversion made, then the chart of the prime implicants.
  look("message", test::answeringMessages([&] {
         for (QAbstractButton* b : app.Form9->widget()->findChildren<QAbstractButton*>())
           if (b->isEnabled() && !b->objectName().startsWith("Command3(")) b->click();
       }));
  look("message", test::answeringMessages([&] { click(*app.Form9, "CommandChart"); }));
  ASSERT_TRUE(isOpen(*app.primeChart));
  look(app.primeChart->name(), visibleTexts(app.primeChart->widget()));
  click(*app.Form9, "CommandTabulation");
  ASSERT_TRUE(isOpen(*app.tabulation));
  look(app.tabulation->name(), visibleTexts(app.tabulation->widget()));
  // The derivation, opened with the other buttons above, and a verdict.
  ASSERT_TRUE(isOpen(*app.derivation));
  test::find<QLineEdit>(*app.derivation, "NextLine")->setText("~a");
  click(*app.derivation, "CheckStep");
  look(app.derivation->name(), visibleTexts(app.derivation->widget()) + app.derivation->lawTexts());
  // The circuit drawn, so its later buttons show.
  look("message", test::answeringMessages([&] {
         for (QAbstractButton* b : app.Form6->widget()->findChildren<QAbstractButton*>())
           if (b->text() == QLatin1String("create")) b->click();
       }));

  auto menu = [&](const char* text) {
    look("message", test::answeringMessages(
                        [&] { menuAction(*app.Form1, QString::fromLatin1(text))->trigger(); }));
  };
  // The count dialogs close on "ok", so they are looked at before.
  menu("Truth table");
  look("Form8", visibleTexts(app.Form8->widget()));
  click(*app.Form8, "Option3");
  click(*app.Form8, "Command1");
  for (const char* count : {"Option3", "Option4", "Option5"}) {
    menu("Karnaugh map");
    look("Form12", visibleTexts(app.Form12->widget()));
    click(*app.Form12, count);
    click(*app.Form12, "Command1");
  }
  menu("Compare");
  // The row-number input and the answer check, with a verdict and the minimum shown.
  for (const char* item : {"By row numbers…", "Check an answer…"})
    menuAction(*app.Form1, QString::fromUtf8(item))->trigger();
  look(app.numberInput->name(), visibleTexts(app.numberInput->widget()));
  test::find<QLineEdit>(*app.answerCheck, "ProblemText")->setText("m(1,3)+d(0)");
  test::find<QLineEdit>(*app.answerCheck, "AnswerText")->setText("a+b");
  click(*app.answerCheck, "Judge");
  click(*app.answerCheck, "ShowMinimal");
  look(app.answerCheck->name(), visibleTexts(app.answerCheck->widget()));
  app.Form17->show();  // no road leads to it, but it is a window of the program
  look("settings", textsOfWhatOpens([&] { menuAction(*app.Form1, "Preferences")->trigger(); }));
  // The English help, from where the program is started.
  const QString before = QDir::currentPath();
  QDir::setCurrent(QStringLiteral(RONRI_SOURCE_DIR));
  menu("Contents");
  QDir::setCurrent(before);
  QDialog* help = app.Form1->widget()->findChild<QDialog*>("HelpWindow");
  ASSERT_TRUE(help);
  EXPECT_TRUE(visible(help));
  look("help", visibleTexts(help));

  for (int k = 1; k <= 18; ++k) {
    const Window& w = app.form(k);
    EXPECT_TRUE(w.isOpen() || k == 8 || k == 12) << w.name().toStdString();
    if (w.isOpen()) look(w.name(), visibleTexts(w.widget()));
  }
  EXPECT_THAT(seen, IsEmpty()) << seen.join('\n').toStdString();
}

}  // namespace
}  // namespace ronri
