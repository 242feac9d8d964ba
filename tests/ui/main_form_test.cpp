#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QMenuBar>
#include <QStatusBar>

#include "ui_helpers.h"

namespace ronri {
namespace {

using test::answeringMessages;
using test::click;
using test::enabled;
using test::isOpen;
using test::MainDriver;
using test::selected;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// Enabled state of the entry buttons: letters a..j, then the nine operator
// and parenthesis buttons, CLR, BS, 入力, 作成, 削除.
QString enabledState(const MainDriver& d) {
  QString s;
  for (int k = 0; k < 10; ++k)
    s += d.button(QStringLiteral("Command1(%1)").arg(k))->isEnabled() ? QChar('a' + k) : QChar('-');
  s += ' ';
  int ops = 0;
  for (int k = 20; k <= 28; ++k)
    ops += d.button(QStringLiteral("Command1(%1)").arg(k))->isEnabled();
  s += QString::number(ops);
  for (const char* name :
       {"Command2(0)", "Command2(1)", "Command3(0)", "Command3(1)", "Command3(2)"})
    s += d.button(QLatin1String(name))->isEnabled() ? '1' : '0';
  return s;
}

QAction* menuAction(const Window& w, const QString& caption) {
  for (QAction* a : w.widget()->findChildren<QAction*>())
    if (a->text() == caption) return a;
  ADD_FAILURE() << "no menu item " << caption.toStdString();
  return nullptr;
}

class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override { app.start(); }
  App app;
  MainDriver d{app};
};

TEST_F(MainFormTest, LoadLocksTheEntryButtonsAndChoosingACountUnlocksThatManyLetters) {
  EXPECT_EQ(app.Form1->widget()->windowTitle(), QStringLiteral("main"));
  EXPECT_TRUE(enabled(d.list1()));
  ASSERT_EQ(d.list1()->count(), 10);
  EXPECT_EQ(d.list1()->item(0)->text(), QStringLiteral("１つ"));
  EXPECT_EQ(d.list1()->item(9)->text(), QStringLiteral("１０つ"));
  EXPECT_EQ(enabledState(d), QStringLiteral("---------- 000110"));

  d.chooseCount(3);
  EXPECT_EQ(enabledState(d), QStringLiteral("abc------- 911111"));
  d.chooseCount(10);
  EXPECT_EQ(enabledState(d), QStringLiteral("abcdefghij 911111"));
  d.chooseCount(1);
  EXPECT_EQ(enabledState(d), QStringLiteral("a--------- 911111"));

  // Another window selecting a count acts like the user choosing it.
  d.list1()->setCurrentRow(4);
  EXPECT_EQ(enabledState(d), QStringLiteral("abcde----- 911111"));

  // Ctrl+click cannot take the chosen count away: the letters stay usable and
  // "入力" still has a count to record.
  QTest::mouseClick(d.list1()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                    d.list1()->visualItemRect(d.list1()->item(4)).center());
  EXPECT_TRUE(selected(d.list1(), 4));
  EXPECT_EQ(enabledState(d), QStringLiteral("abcde----- 911111"));
  d.type(QStringLiteral("a*e"));
  EXPECT_THAT(d.store(), IsEmpty());
  ASSERT_EQ(d.list2()->count(), 1);
  EXPECT_EQ(d.list2()->item(0)->text(), QStringLiteral("a*e 4"));
}

TEST_F(MainFormTest, ButtonsAndKeyboardFillTheEntryField) {
  d.chooseCount(10);
  d.type(QStringLiteral("()+*~@%$|"));
  EXPECT_EQ(d.text1()->text(), QStringLiteral("()+*~@%$|"));
  EXPECT_EQ(d.button(QStringLiteral("Command1(20)"))->text(), QStringLiteral("（"));
  EXPECT_EQ(d.button(QStringLiteral("Command1(28)"))->text(), QStringLiteral("nor|"));

  click(d.form(), QStringLiteral("Command2(1)"));  // BS
  EXPECT_EQ(d.text1()->text(), QStringLiteral("()+*~@%$"));
  QTest::keyClicks(d.text1(), QStringLiteral("abc+"));
  QTest::keyClick(d.text1(), Qt::Key_Backspace);
  EXPECT_EQ(d.text1()->text(), QStringLiteral("()+*~@%$abc"));
  click(d.form(), QStringLiteral("Command2(0)"));  // CLR
  EXPECT_EQ(d.text1()->text(), QString());
  click(d.form(), QStringLiteral("Command2(1)"));  // BS on an empty field
  EXPECT_EQ(d.text1()->text(), QString());

  d.type(QStringLiteral("jabcdefghi"));
  EXPECT_EQ(d.text1()->text(), QStringLiteral("jabcdefghi"));
}

TEST_F(MainFormTest, InputRefusesWithEachCheckMessageAndKeepsTheField) {
  const struct {
    const char* typed;
    const char* message;
  } cases[] = {
      {"", "何か入力してください"},
      {"a", "変数が多いんとちがいます？演算子が少なすぎますって"},
      {"~a", "変数が多いんとちがいます？演算子が少なすぎますって"},
      {"ab+c", "変数が多いんとちがいます？演算子が少なすぎますって"},
      {"a++b", "変数が少ないんとちがいます？演算子が多すぎますって"},
      {"(a+b", "（　が多い気がしますよ"},
      {"a+b)", "）　が多い気がしますよ"},
      // well formed only in count: refused where the order goes wrong
      {"ab+", "2 文字目: b の前に演算子が必要です"},
      {")a+b(", "1 文字目: この ) に対応する ( がありません"},
      {"a*(b+)c", "5 文字目: + の後に変数がありません"},
  };
  d.chooseCount(3);
  for (const auto& c : cases) {
    click(d.form(), QStringLiteral("Command2(0)"));
    d.type(QString::fromUtf8(c.typed));
    EXPECT_EQ(d.store(), QStringList{QString::fromUtf8(c.message)}) << c.typed;
    EXPECT_EQ(d.text1()->text(), QString::fromUtf8(c.typed));
    EXPECT_EQ(d.list2()->count(), 0);
  }
  // The cursor stands where the text goes wrong, also under a counting message.
  for (const auto& [typed, cursor] : {std::pair{"a+b~", 3}, std::pair{"a(b)", 1}}) {
    d.text1()->setText(QString::fromLatin1(typed));
    d.store();
    EXPECT_EQ(d.text1()->cursorPosition(), cursor) << typed;
  }
}

TEST_F(MainFormTest, TypingAndPastingKeepToTheChosenLettersAndEnterStores) {
  QTest::keyClicks(d.text1(), QStringLiteral("a"));
  EXPECT_EQ(d.text1()->text(), QString());  // no count chosen yet
  d.chooseCount(2);
  QTest::keyClicks(d.text1(), QStringLiteral("~a + b"));
  EXPECT_EQ(d.text1()->text(), QStringLiteral("~a+b"));
  auto* status = d.form().widget()->statusBar();
  for (const char* refused : {"c", "1", "&"}) {
    status->clearMessage();
    QTest::keyClicks(d.text1(), QString::fromLatin1(refused));
    EXPECT_EQ(d.text1()->text(), QStringLiteral("~a+b")) << refused;
    EXPECT_THAT(status->currentMessage().toStdString(),
                HasSubstr(QString::fromLatin1(refused).toStdString()))
        << refused;
  }
  // Textbook capitals read as the letters.
  QApplication::clipboard()->setText(QStringLiteral(" *（A|B)"));
  QTest::keyClick(d.text1(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(d.text1()->text(), QStringLiteral("~a+b*(a|b)"));
  QApplication::clipboard()->setText(QStringLiteral("+c"));
  QTest::keyClick(d.text1(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(d.text1()->text(), QStringLiteral("~a+b*(a|b)"));
  EXPECT_THAT(answeringMessages([&] { QTest::keyClick(d.text1(), Qt::Key_Return); }), IsEmpty());
  ASSERT_EQ(d.list2()->count(), 1);
  EXPECT_EQ(d.list2()->item(0)->text(), QStringLiteral("~a+b*(a|b) 1"));
}

TEST_F(MainFormTest, InputStoresTheExpressionWithItsCountAndDeleteRemovesTheSelectedEntry) {
  d.chooseCount(2);
  d.type(QStringLiteral("a+b"));
  EXPECT_THAT(d.store(), IsEmpty());
  EXPECT_EQ(d.text1()->text(), QString());
  EXPECT_EQ(app.Form1->lastEntered(), QStringLiteral("a+b"));

  d.chooseCount(3);
  d.type(QStringLiteral("a*b+~c"));
  EXPECT_THAT(d.store(), IsEmpty());
  d.type(QStringLiteral("~~a$b"));
  EXPECT_THAT(d.store(), IsEmpty());
  ASSERT_EQ(d.list2()->count(), 3);
  EXPECT_EQ(d.list2()->item(0)->text(), QStringLiteral("a+b 1"));
  EXPECT_EQ(d.list2()->item(1)->text(), QStringLiteral("a*b+~c 2"));
  EXPECT_EQ(d.list2()->item(2)->text(), QStringLiteral("~~a$b 2"));  // stored as built
  EXPECT_EQ(app.Form1->lastEntered(), QStringLiteral("~~a$b"));

  // Each store selects the new entry; without a selection "削除" does nothing.
  EXPECT_TRUE(selected(d.list2(), 2));
  d.list2()->clearSelection();
  click(d.form(), QStringLiteral("Command3(2)"));
  EXPECT_EQ(d.list2()->count(), 3);

  d.selectEntry(1);
  click(d.form(), QStringLiteral("Command3(2)"));
  ASSERT_EQ(d.list2()->count(), 2);
  EXPECT_EQ(d.list2()->item(1)->text(), QStringLiteral("~~a$b 2"));
  // Nothing is selected afterwards: a second press removes nothing.
  click(d.form(), QStringLiteral("Command3(2)"));
  EXPECT_EQ(d.list2()->count(), 2);
}

TEST_F(MainFormTest, ClickingAnEntryEnablesDeleteWhetherOrNotItWasSelected) {
  d.chooseCount(2);
  d.type(QStringLiteral("a@b"));
  d.store();
  app.Form1->reload();
  EXPECT_FALSE(enabled(d.button(QStringLiteral("Command3(2)"))));
  d.selectEntry(0);
  EXPECT_TRUE(enabled(d.button(QStringLiteral("Command3(2)"))));
  // The table window closing locks "削除" while the entry stays selected.
  app.Form1->reload();
  ASSERT_TRUE(selected(d.list2(), 0));
  EXPECT_FALSE(enabled(d.button(QStringLiteral("Command3(2)"))));
  d.selectEntry(0);
  EXPECT_TRUE(enabled(d.button(QStringLiteral("Command3(2)"))));
  click(d.form(), QStringLiteral("Command3(2)"));
  EXPECT_EQ(d.list2()->count(), 0);
}

TEST_F(MainFormTest, CreateWithoutASelectionSaysWhyNothingHappens) {
  d.chooseCount(2);
  d.type(QStringLiteral("a+b"));
  d.store();
  d.list2()->clearSelection();
  d.create();
  EXPECT_FALSE(isOpen(*app.Form2));
  EXPECT_EQ(d.form().widget()->statusBar()->currentMessage(),
            QStringLiteral("一覧の式を選んでから「作成」を押してください"));
}

TEST_F(MainFormTest, CreateHandsTheSelectedEntryToTheTableWindow) {
  d.chooseCount(3);
  d.type(QStringLiteral("~a*(b+c)"));
  d.store();
  d.chooseCount(4);
  d.type(QStringLiteral("a|~d"));
  d.store();
  d.selectEntry(0);
  d.create();
  ASSERT_TRUE(isOpen(*app.Form2));
  EXPECT_EQ(app.Form2->widget()->windowTitle(), QStringLiteral("真理値表 — ~a*(b+c)"));
  EXPECT_EQ(app.Form2->expression(), QStringLiteral("~a*(b+c)"));
  EXPECT_EQ(app.Form2->foldedExpression(), QStringLiteral("n*(b+c)"));
  EXPECT_EQ(app.Form2->variables(), 3);
  // The main window's bar ends on the last row of the last pass.
  EXPECT_EQ(d.bar()->maximum(), 8);
  EXPECT_EQ(d.bar()->value(), 7);
}

TEST_F(MainFormTest, CreateWhileTheTableIsOpenShowsTheNewExpression) {
  d.tableFor(QStringLiteral("a*b"), 2);
  d.chooseCount(3);
  d.type(QStringLiteral("a+b+c"));
  d.store();
  d.selectEntry(1);
  d.create();
  ASSERT_TRUE(isOpen(*app.Form2));
  EXPECT_EQ(app.Form2->expression(), QStringLiteral("a+b+c"));
  EXPECT_EQ(app.Form2->zerosTerms(), QStringLiteral("nop+"));
  auto* text2 = test::find<QPlainTextEdit>(*app.Form2, QStringLiteral("Text2"));
  EXPECT_EQ(text2->toPlainText().remove('\n'), QStringLiteral("01111111"));
  // Building the next expression goes on without choosing the count again.
  EXPECT_EQ(enabledState(d), QStringLiteral("abc------- 911111"));
}

TEST_F(MainFormTest, ClosingTheTableLocksTheButtonsAgainAndZeroesBothBars) {
  d.tableFor(QStringLiteral("a*b+~c"), 3);
  ASSERT_TRUE(isOpen(*app.Form2));
  ASSERT_EQ(app.Form1->lastEntered(), QStringLiteral("a*b+~c"));
  app.Form2->widget()->close();
  EXPECT_FALSE(isOpen(*app.Form2));
  EXPECT_EQ(enabledState(d), QStringLiteral("---------- 000110"));
  EXPECT_EQ(d.list1()->currentRow(), 2);  // the count stays shown
  EXPECT_TRUE(selected(d.list1(), 2));
  EXPECT_EQ(app.Form1->lastEntered(), QString());
  EXPECT_EQ(d.bar()->value(), 0);
  EXPECT_EQ(d.list2()->count(), 1);

  // Clicking the count that is still shown unlocks the buttons again.
  d.chooseCount(3);
  EXPECT_EQ(enabledState(d), QStringLiteral("abc------- 911111"));
}

TEST_F(MainFormTest, MenusOpenTheirWindows) {
  QStringList titles;
  for (QAction* a : app.Form1->widget()->menuBar()->actions()) titles << a->text();
  EXPECT_EQ(titles, (QStringList{"ファイル", "入力", "ツール", "設定", "ヘルプ"}));
  for (const char* item : {"保存", "開く", "目次"}) menuAction(*app.Form1, QString::fromUtf8(item));

  menuAction(*app.Form1, QStringLiteral("真理値表"))->trigger();
  EXPECT_TRUE(isOpen(*app.Form8));
  menuAction(*app.Form1, QStringLiteral("カルノー図"))->trigger();
  EXPECT_TRUE(isOpen(*app.Form12));
  menuAction(*app.Form1, QStringLiteral("比較"))->trigger();
  EXPECT_TRUE(isOpen(*app.Form18));
  // "基本設定" opens the settings dialog (its own test is with the languages).
  QString settings;
  QTimer close;
  QObject::connect(&close, &QTimer::timeout, [&] {
    if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      settings = d->objectName();
      d->reject();
    }
  });
  close.start(1);
  menuAction(*app.Form1, QStringLiteral("基本設定"))->trigger();
  close.stop();
  EXPECT_EQ(settings, QStringLiteral("SettingsDialog"));
  QStringList shown = answeringMessages(
      [&] { menuAction(*app.Form1, QStringLiteral("バージョン情報"))->trigger(); });
  EXPECT_EQ(shown, QStringList{QStringLiteral("ver2.1")});
}

}  // namespace
}  // namespace ronri
