#include <sys/resource.h>

#include <csignal>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "core/table/truthtable.h"
#include "ui/framework/help_service.h"
#include "ui/windows/helpers/expression_files.h"
#include "ui_helpers.h"

namespace ronri {
namespace {

using test::answeringMessages;
using test::enabled;
using test::find;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

QStringList texts(QListWidget* list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
  return out;
}

QByteArray contents(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << f.errorString().toStdString();
  f.write(bytes);
}

class ExpressionFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    app.start();
    list = find<QListWidget>(*app.Form1, "List2");
    setFileDialogs({[this](QWidget*) { return chosen; }, [this](QWidget*) { return chosen; }});
  }
  void TearDown() override { setFileDialogs({}); }

  QString path(const QString& name) const { return dir.filePath(name); }
  QStringList save(const QString& name) {
    chosen = name.isEmpty() ? QString() : path(name);
    return answeringMessages([&] { saveExpressionList(*app.Form1); });
  }
  QStringList open(const QString& name) {
    chosen = name.isEmpty() ? QString() : path(name);
    return answeringMessages([&] { openExpressionList(*app.Form1); });
  }

  QTemporaryDir dir;
  App app;
  QListWidget* list = nullptr;
  QString chosen;
};

TEST_F(ExpressionFiles, SaveWritesExactRecordsAndOpenAppendsThem) {
  list->addItems({"a+b 1", "~a*(b+c) 2"});
  EXPECT_THAT(save("list"), IsEmpty());
  EXPECT_EQ(contents(path("list.txt")), "\"1\"\r\n\"a+b 1\"\r\n\"~a*(b+c) 2\"\r\n");
  EXPECT_FALSE(QFile::exists(path("list")));
  // The last entry is left selected, as after a click.
  EXPECT_EQ(list->currentRow(), 1);
  EXPECT_TRUE(enabled(*app.Form1, "Command3(2)"));

  list->clear();
  list->addItem("c 2");
  EXPECT_THAT(open("list.txt"), IsEmpty());
  EXPECT_THAT(open("list.txt"), IsEmpty());
  EXPECT_EQ(texts(list), (QStringList{"c 2", "a+b 1", "~a*(b+c) 2", "a+b 1", "~a*(b+c) 2"}));
}

TEST_F(ExpressionFiles, TheExtensionIsTxtExactlyOnce) {
  list->addItem("a*b 1");
  save("one.txt");
  save("two.txt.txt");
  save("three.txtx.txt");
  EXPECT_EQ(contents(path("one.txt")), "\"0\"\r\n\"a*b 1\"\r\n");
  EXPECT_EQ(contents(path("two.txt")), "\"0\"\r\n\"a*b 1\"\r\n");
  EXPECT_EQ(contents(path("threex.txt")), "\"0\"\r\n\"a*b 1\"\r\n");
  EXPECT_FALSE(QFile::exists(path("two.txt.txt")));
  // A folder whose name holds ".txt" stays where it is.
  ASSERT_TRUE(QDir(dir.path()).mkdir("old.txt"));
  save("old.txt/four");
  EXPECT_EQ(contents(path("old.txt/four.txt")), "\"0\"\r\n\"a*b 1\"\r\n");
}

TEST_F(ExpressionFiles, AnEmptyListIsMinusOne) {
  save("empty");
  EXPECT_EQ(contents(path("empty.txt")), "\"-1\"\r\n");
  list->addItem("a 0");
  EXPECT_THAT(open("empty.txt"), IsEmpty());
  EXPECT_EQ(texts(list), QStringList{"a 0"});
}

TEST_F(ExpressionFiles, CancellingIsSilent) {
  list->addItem("a 0");
  EXPECT_THAT(save(""), IsEmpty());
  EXPECT_THAT(open(""), IsEmpty());
  EXPECT_EQ(texts(list), QStringList{"a 0"});
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(ExpressionFiles, DamagedFilesKeepWhatCouldBeRead) {
  struct Case {
    const char* name;
    QByteArray bytes;
    QStringList entries;
  };
  const Case cases[] = {
      {"short", "\"3\"\r\n\"a 0\"\r\n\"b 1\"\r\n", {"a 0", "b 1"}},
      {"huge", "\"2147483647999\"\r\n\"a 0\"\r\n", {"a 0"}},
      {"sixteen", "\"40000\"\r\n\"a 0\"", {"a 0"}},
      {"negative", "\"-5\"\r\n\"a 0\"\r\n", {}},
      {"lf", "\"1\"\n\"a+b 1\"\n\"b 1\"\n", {"a+b 1", "b 1"}},
      {"quotes", "\"1\"\r\n\"a\"+\"b 1\"\r\nb\" 1\r\n", {"a+b 1", "b 1"}},
      {"extra", "\"0\"\r\n\"a 0\"\r\n\"b 1\"\r\n", {"a 0"}},
      {"garbage",
       QByteArray("\"1\"\r\n\xff\xfe\0\x01 2\r\n\"b 1\"", 18),
       {QString(2, QChar(0xFFFD)) + QChar(0) + QChar(1) + " 2", "b 1"}},
  };
  for (const Case& c : cases) {
    list->clear();
    list->addItem("kept 0");
    write(path(c.name), c.bytes);
    EXPECT_THAT(open(c.name), IsEmpty()) << c.name;
    EXPECT_EQ(texts(list), QStringList{"kept 0"} + c.entries) << c.name;
  }
}

// Don't-care rows round-trip; damaged ones are dropped and named once.
TEST_F(ExpressionFiles, DontCareRowsRoundTripAndDamageIsToldOnce) {
  list->addItems({"a*b 1 d(0,2)", "a 0"});
  ASSERT_THAT(save("x"), IsEmpty());
  list->clear();
  ASSERT_THAT(open("x.txt"), IsEmpty());
  EXPECT_EQ(texts(list), (QStringList{"a*b 1 d(0,2)", "a 0"}));
  write(path("bad.txt"), "\"2\"\r\n\"a*b 1 d(0,z)\"\r\n\"a 0\"\r\n\"a*b 1 d(3,9)\"\r\n");
  list->clear();
  const QStringList told = open("bad.txt");
  ASSERT_EQ(told.size(), 1);
  EXPECT_THAT(told[0].toStdString(), HasSubstr("1, 3"));
  EXPECT_EQ(texts(list), (QStringList{"a*b 1 d(0)", "a 0", "a*b 1"}));
}

TEST_F(ExpressionFiles, AHugeFileIsReadInPartAndSaysSo) {
  const QByteArray header = "\"9999999\"\r\n";
  const QByteArray line = "a+b 1\r\n";
  write(path("huge"), header + line.repeated(1 << 18));
  const QStringList messages = open("huge");
  ASSERT_EQ(messages.size(), 1);
  EXPECT_THAT(messages[0].toStdString(), HasSubstr("大きすぎる"));
  // Whole lines only, and all of them the entry that was written.
  EXPECT_GT(list->count(), 10000);
  EXPECT_LT(list->count(), 1 << 18);
  EXPECT_THAT(messages[0].toStdString(), HasSubstr(QString::number(list->count()).toStdString()));
  EXPECT_EQ(list->item(0)->text(), "a+b 1");
  EXPECT_EQ(list->item(list->count() - 1)->text(), "a+b 1");
}

TEST_F(ExpressionFiles, FilesThatCannotBeReadAtAllAreReported) {
  write(path("empty"), "");
  write(path("words"), "\"hello\"\r\n\"a 0\"\r\n");
  write(path("binary"), QByteArray("\x89PNG\r\n\x1a\n\0\0", 10));
  list->addItem("kept 0");
  for (const char* name : {"missing", "empty", "words", "binary"}) {
    const QStringList messages = open(name);
    ASSERT_EQ(messages.size(), 1) << name;
    EXPECT_THAT(messages[0].toStdString(), HasSubstr(name));
  }
  QDir(dir.path()).mkdir("folder");
  EXPECT_EQ(open("folder").size(), 1);
  EXPECT_EQ(texts(list), QStringList{"kept 0"});
}

TEST_F(ExpressionFiles, AFailedSaveIsReportedAndLeavesNoHalfFile) {
  list->addItems({"a 0", "b 1"});
  EXPECT_EQ(save("no/such/folder/list").size(), 1);
  // A folder in the way of the file: nothing replaces it, nothing is left over.
  ASSERT_TRUE(QDir(dir.path()).mkdir("taken.txt"));
  EXPECT_EQ(save("taken").size(), 1);
  EXPECT_TRUE(QFileInfo(path("taken.txt")).isDir());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{});
  // An older file stays whole when the new one cannot be written: files of
  // this process may grow to 4 KB only (root included), the new one is larger.
  save("kept");
  const QByteArray old = contents(path("kept.txt"));
  for (int i = 0; i < 1000; ++i) list->addItem("a*b+c 2");
  rlimit was{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &was), 0);
  rlimit small = was;
  small.rlim_cur = 4096;
  const auto handler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const QStringList messages = save("kept");
  setrlimit(RLIMIT_FSIZE, &was);
  std::signal(SIGXFSZ, handler);
  EXPECT_EQ(messages.size(), 1);
  EXPECT_EQ(contents(path("kept.txt")), old);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"kept.txt"});
}

TEST_F(ExpressionFiles, LongListsRoundTrip) {
  // Far beyond a 16-bit count.
  QStringList many;
  for (int i = 0; i < 40000; ++i) many << QStringLiteral("a*b+c %1").arg(i % 10);
  list->addItems(many);
  save("many");
  list->clear();
  open("many.txt");
  EXPECT_EQ(texts(list), many);
}

TEST(HelpAndVersion, VersionMessage) {
  App app;
  app.start();
  EXPECT_EQ(answeringMessages([&] { showVersion(*app.Form1); }), QStringList{"ver2.1"});
}

TEST(HelpAndVersion, ContentsOpenHelpHlpFromTheCurrentFolder) {
  App app;
  app.start();
  const QString before = QDir::currentPath();
  QTemporaryDir empty;
  QDir::setCurrent(empty.path());
  HelpService::setInstalledDirs({});  // whether RonriLab is installed here or not
  const QStringList messages = answeringMessages([&] { showHelpContents(*app.Form1); });
  HelpService::resetInstalledDirs();
  const HelpCall call = HelpService::lastCall();
  EXPECT_EQ(call.owner, app.Form1->widget());
  EXPECT_EQ(call.file, "help.hlp");
  EXPECT_EQ(call.command, 11);
  EXPECT_EQ(call.data, 0);
  ASSERT_EQ(messages.size(), 1);  // the help service's own message
  EXPECT_THAT(messages[0].toStdString(), HasSubstr("help.hlp"));

  // The shipped help, where the program is started from.
  QDir::setCurrent(QStringLiteral(RONRI_SOURCE_DIR));
  EXPECT_THAT(answeringMessages([&] { showHelpContents(*app.Form1); }), IsEmpty());
  QDir::setCurrent(before);
  auto* browser = app.Form1->widget()->window()->findChild<QTextBrowser*>("HelpText");
  ASSERT_TRUE(browser);
  const QString help = browser->toPlainText();
  for (const char* caption :
       {"main", "真理値表", "カルノー図", "回路図", "式変換", "式表示", "真理値表入力",
        "カルノー図入力", "論理式の比較", "変数の数は？", "保存", "開く", "バージョン情報"})
    EXPECT_TRUE(help.contains(QString::fromUtf8(caption))) << caption;
}

}  // namespace
}  // namespace ronri
