#include <QAction>
#include <QMenuBar>
#include <QSpinBox>

#include <QScreen>
#include <memory>

#include "core/table/row_numbers.h"
#include "ui/framework/display_settings.h"
#include "ui_helpers.h"

namespace ronri {
namespace {

using test::answeringMessages;
using test::click;
using test::find;
using test::isOpen;
using test::visible;
using ::testing::IsEmpty;
using ::testing::StartsWith;

void chooseMenu(App& app, const QString& item) {
  for (QAction* menu : app.Form1->widget()->menuBar()->actions())
    for (QAction* a : menu->menu()->actions())
      if (a->text() == item) return a->trigger();
  ADD_FAILURE() << "no menu item " << item.toStdString();
}

class RowNumberWindows : public ::testing::Test {
 protected:
  void SetUp() override { app.start(); }
  App app;
};

TEST_F(RowNumberWindows, NumberInputHandsTheCanonicalSumAndSaysWhatIsWrong) {
  test::MainDriver(app).chooseCount(5);
  chooseMenu(app, QStringLiteral("番号で入力…"));
  Window& f = *app.numberInput;
  ASSERT_TRUE(isOpen(f));
  // It starts at the main window's count.
  EXPECT_EQ(find<QSpinBox>(f, QStringLiteral("CountBox"))->value(), 5);
  auto* ones = find<QLineEdit>(f, QStringLiteral("OnesText"));
  auto* free = find<QLineEdit>(f, QStringLiteral("DontCareText"));
  find<QSpinBox>(f, QStringLiteral("CountBox"))->setValue(3);
  const struct {
    const char* ones;
    const char* dontCares;
    const char* message;
  } refused[] = {
      {"m(1,8)", "", "8 は行の番号ではありません（変数 3 つの行は 0～7）"},
      {"m(1,2)", "d(2)", "2 が m と d の両方にあります"},
      {"m(5-3)", "", "範囲 5-3 は逆向きです。小さい番号を先に書いてください"},
      {"m(1,x)", "", "「x」は番号として読めません。0,1,2 や 8-10 のように書いてください"},
      {"", "d(1)", "1 になる行の番号を入れてください"},
  };
  for (const auto& c : refused) {
    ones->setText(QString::fromUtf8(c.ones));
    free->setText(QString::fromUtf8(c.dontCares));
    EXPECT_EQ(answeringMessages([&] { click(f, QStringLiteral("Command1")); }),
              QStringList{QString::fromUtf8(c.message)})
        << c.ones;
    EXPECT_TRUE(isOpen(f));
  }
  ones->setText(QStringLiteral("m(0,5-6)"));
  free->setText(QStringLiteral("d(7)"));
  EXPECT_THAT(answeringMessages([&] { click(f, QStringLiteral("Command1")); }), IsEmpty());
  EXPECT_FALSE(isOpen(f));
  EXPECT_EQ(find<QLineEdit>(*app.Form1, QStringLiteral("Text1"))->text(),
            QStringLiteral("~a*~b*~c+a*~b*c+a*b*~c"));
  // The hand-over leaves no refusal in the main window's status line.
  EXPECT_EQ(app.Form1->widget()->statusBar()->currentMessage(), QString());
  EXPECT_THAT(answeringMessages([&] { click(*app.Form1, QStringLiteral("Command3(0)")); }),
              IsEmpty());
  auto* list = find<QListWidget>(*app.Form1, QStringLiteral("List2"));
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->item(0)->text(), QStringLiteral("~a*~b*~c+a*~b*c+a*b*~c 2 d(7)"));
}

// A window placed partly below the screen (as a window manager may place
// 答え合わせ) moves up onto it; across it stays where it was.
TEST_F(RowNumberWindows, AnswerCheckOpensOnTheScreen) {
  const std::unique_ptr<QObject> fit(keepWindowsOnScreen());
  chooseMenu(app, QStringLiteral("答え合わせ…"));
  QWidget* w = app.answerCheck->widget();
  const QRect avail = w->screen()->availableGeometry();
  w->hide();
  w->move(avail.left() + 40, avail.bottom() - w->height() + 15);
  w->show();
  EXPECT_EQ(w->x(), avail.left() + 40);
  EXPECT_LE(w->y() + w->height(), avail.bottom());
}

TEST_F(RowNumberWindows, AnswerCheckGivesOneOfThreeVerdictsAndRevealsTheMinimumOnRequest) {
  chooseMenu(app, QStringLiteral("答え合わせ…"));
  Window& f = *app.answerCheck;
  ASSERT_TRUE(isOpen(f));
  EXPECT_EQ(f.widget()->windowTitle(), QStringLiteral("答え合わせ"));
  auto* problem = find<QLineEdit>(f, QStringLiteral("ProblemText"));
  auto* count = find<QSpinBox>(f, QStringLiteral("ProblemCount"));
  auto* answer = find<QLineEdit>(f, QStringLiteral("AnswerText"));
  auto* verdict = find<QLabel>(f, QStringLiteral("VerdictLabel"));
  auto* minimal = find<QLabel>(f, QStringLiteral("MinimalLabel"));
  const struct {
    const char* problem;
    int variables;
    const char* answer;
    const char* verdict;  // the beginning
  } cases[] = {
      {"m(1,3,7,11,15)+d(0,2,5)", 4, "c*d+~a*~b", "正解です"},
      {"m(1,3,7,11,15)+d(0,2,5)", 4, "~a*~b*d+c*d",
       "等しいが最小ではありません（積和形）。最小は 2 項 4 文字、この答えは 2 項 5 文字\n"
       "~a*~b*d は主項ではありません（~b を除けます）"},
      {"a*b+~a*b+a*~b", 2, "a+b", "正解です"},
      {"a*b+~a*b+a*~b", 2, "(a+b)*(a+b)", "等しいが最小ではありません（和積形）"},
      {"m(1,2,3)", 3, "a+b",
       "違います。5 行で値が違います: 1 (001: 正しくは 1)、4 (100: 正しくは 0)"},
      {"a+", 3, "a", "問題の 2 文字目: + の後に変数がありません"},
      {"m(9)", 3, "a", "問題: 9 は行の番号ではありません"},
      {"a+b", 3, "a(b)", "答えの 2 文字目: ( の前に演算子が必要です"},
      {"ｍ（１，２）", 2, "a@b",
       "積和形でも和積形でもありません（値は等しい式です）。積和形の最小は 2 項 4 文字"},
      {"m(0,1)+d(2-7)", 3, "1", "正解です（最小は定数 1）"},
      {"m(0,1)+d(2-7)", 3, "~a*~b",
       "等しいが最小ではありません。最小は定数 1、この答えは 1 項 2 文字"},
      {"（a＋b）", 2, "b+a", "正解です"},
      {"a×b", 2, "a", "問題の 2 文字目: ? は式に使えない文字です"},
  };
  for (const auto& c : cases) {
    problem->setText(QString::fromUtf8(c.problem));
    count->setValue(c.variables);
    answer->setText(QString::fromUtf8(c.answer));
    click(f, QStringLiteral("Judge"));
    EXPECT_THAT(verdict->text().toStdString(), StartsWith(c.verdict)) << c.answer;
    EXPECT_FALSE(visible(minimal));
  }
  // Capitals, a textbook prime and the constants may be pasted as an answer.
  answer->clear();
  answer->insert(QStringLiteral("A'+1"));
  EXPECT_EQ(answer->text(), QStringLiteral("~a+1"));
  // With a map of the problem open, the differing cells are outlined on it;
  // a map of another function is left alone.
  for (const bool same : {false, true}) {
    KmapForm& map = *app.Form3;
    map.unload();
    map.showFor(Function{"", 3, {}}, same ? QStringLiteral("noc+nbp+nbc+") : QStringLiteral("noc+"),
                QStringLiteral("nop+aop+aoc+abp+abc+"));
    problem->setText(QStringLiteral("m(1,2,3)"));
    count->setValue(3);
    answer->setText(QStringLiteral("a+b"));
    click(f, QStringLiteral("Judge"));
    EXPECT_EQ(verdict->text().contains(QStringLiteral("カルノー図")), same);
    ASSERT_TRUE(map.grouping());
    EXPECT_EQ(map.grouping()->shown().size(), same ? 5u : 0u);
  }
  problem->setText(QStringLiteral("m(0,2,4,6)"));
  count->setValue(3);
  click(f, QStringLiteral("ShowMinimal"));
  EXPECT_TRUE(visible(minimal));
  EXPECT_EQ(minimal->text(),
            QStringLiteral("積和形: ~c（1 項 1 文字）\n和積形: ~c（1 項 1 文字）"));

  // An exercise: a count of 3..5, written as row numbers the check reads back.
  find<QSpinBox>(f, QStringLiteral("ExerciseCount"))->setValue(5);
  find<QCheckBox>(f, QStringLiteral("WithDontCares"))->setChecked(true);
  click(f, QStringLiteral("MakeProblem"));
  EXPECT_EQ(count->value(), 5);
  EXPECT_FALSE(parseRowFunction(problem->text().toStdString(), 5).error);
  EXPECT_THAT(problem->text().toStdString(), StartsWith("m("));
  EXPECT_FALSE(visible(minimal));
}

}  // namespace
}  // namespace ronri
