#include <random>

#include "core/draw/notation.h"
#include "support/recording_surface.h"
#include "ui/framework/canvas.h"
#include "ui/framework/drawing_export.h"
#include "ui_helpers.h"

namespace ronri {
namespace {

using test::answeringMessages;
using test::click;
using test::enabled;
using test::find;
using test::hidden;
using test::isOpen;
using ::testing::AllOf;
using ::testing::Contains;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;

const QString kConfirm =
    QStringLiteral("この作業は時間が異常にかかる可能性があります。よろしいですか？");

QString text(const Window& w, const QString& name) {
  return find<QLineEdit>(w, name)->text();
}
void setText(const Window& w, const QString& name, const QString& t) {
  find<QLineEdit>(w, name)->setText(t);
}

// Form9 as the truth-table window opens it: n variables and the 1-row terms.
struct ConvertFixture : ::testing::Test {
  App app;
  ConvertForm& form = *app.Form9;

  void open(int n, const QString& terms, const QString& typed = QStringLiteral("a*b")) {
    form.showFor(Function{typed.toStdString(), n, {}}, terms);
    ASSERT_TRUE(isOpen(form));
  }
  // Clicks a button; every box it opens is answered with `answer`.
  QStringList press(const QString& name, QMessageBox::StandardButton answer = QMessageBox::Yes,
                    QStringList* titles = nullptr) {
    return answeringMessages([&] { click(form, name); }, answer, titles);
  }
};

// Minterms 000, 001, 011, 111: primes ~a~b, ~ac, bc; the cover ~a~b + bc.
const QString kThreeVariables = QStringLiteral("nop+noc+nbc+abc+");

TEST_F(ConvertFixture, HasEveryRowAndShowsTheTypedExpression) {
  open(3, kThreeVariables, QStringLiteral("~a*~b+b*c"));
  EXPECT_EQ(form.widget()->windowTitle(), QStringLiteral("式変換 — ~a*~b+b*c"));
  EXPECT_EQ(text(form, "Text1"), QStringLiteral("~a*~b+b*c"));
  for (const char* b :
       {"Command1", "Command2(0)", "Command2(1)", "Command4", "Command5(0)", "Command5(1)"})
    EXPECT_EQ(find<QPushButton>(form, b)->text(), QStringLiteral("変換")) << b;
  for (int k = 0; k < 7; ++k)
    EXPECT_EQ(find<QPushButton>(form, QStringLiteral("Command3(%1)").arg(k))->text(),
              QStringLiteral("表示"));
  QStringList labels;
  for (QLabel* l : form.widget()->findChildren<QLabel*>()) labels << l->text();
  for (const char* l : {"主項", "簡単化", "Nandとnotのみ", "Norとnotのみ", "Nandのみ", "Norのみ"})
    EXPECT_THAT(labels, Contains(QString::fromUtf8(l)));
  for (int k = 2; k <= 7; ++k) EXPECT_EQ(text(form, QStringLiteral("Text%1").arg(k)), QString());
}

TEST_F(ConvertFixture, ReadOnlyBoxesDiscardKeysOthersAcceptThem) {
  open(3, kThreeVariables, QStringLiteral("a"));
  for (const char* name : {"Text1", "Text2", "Text7", "Text3", "Text6"}) {
    QLineEdit* box = find<QLineEdit>(form, name);
    const QString before = box->text();
    QTest::keyClicks(box, "b+c");
    const bool readOnly =
        QString::fromLatin1(name) == "Text1" || QString::fromLatin1(name) == "Text2";
    EXPECT_EQ(box->text(), readOnly ? before : before + "b+c") << name;
  }
}

TEST_F(ConvertFixture, PrimeImplicantsThenTheConfirmedSimplification) {
  open(3, kThreeVariables);
  press("Command4");
  EXPECT_EQ(text(form, "Text7"), QStringLiteral("~a*~b+~a*c+b*c"));
  EXPECT_FALSE(enabled(form, "Command4"));

  QStringList titles;
  const QStringList shown = press("Command1", QMessageBox::Yes, &titles);
  EXPECT_EQ(shown, QStringList{kConfirm});
  EXPECT_EQ(titles, QStringList{QStringLiteral("確認")});
  EXPECT_EQ(text(form, "Text2"), QStringLiteral("~a*~b+b*c"));
  EXPECT_FALSE(enabled(form, "Command1"));
}

// "いいえ" does nothing and leaves the button to press again; the product of
// sums asks the same from seven variables on.
TEST_F(ConvertFixture, AnsweringNoLeavesTheBoxEmptyAndTheButtonUsable) {
  open(3, kThreeVariables);
  EXPECT_EQ(press("Command1", QMessageBox::No), QStringList{kConfirm});
  EXPECT_EQ(text(form, "Text2"), QString());
  EXPECT_TRUE(enabled(form, "Command1"));
  form.unload();
  open(7, QStringLiteral("nopqrst+"));
  EXPECT_EQ(press("Command6", QMessageBox::No), QStringList{kConfirm});
  EXPECT_EQ(text(form, "Text8"), QString());
  EXPECT_TRUE(enabled(form, "Command6"));
  EXPECT_EQ(press("Command6", QMessageBox::Yes), QStringList{kConfirm});
  EXPECT_FALSE(text(form, "Text8").isEmpty());
}

TEST_F(ConvertFixture, SimplifyingWithoutPrimeImplicantsComputesThem) {
  open(3, kThreeVariables);
  press("Command1");
  EXPECT_EQ(text(form, "Text2"), QStringLiteral("~a*~b+b*c"));
  // Whitespace in the prime-implicant box counts as empty.
  form.unload();
  open(3, kThreeVariables);
  setText(form, "Text7", QStringLiteral("   "));
  press("Command1");
  EXPECT_EQ(text(form, "Text2"), QStringLiteral("~a*~b+b*c"));
}

TEST_F(ConvertFixture, AHandEditedPrimeListChoosesAmongItsTermsOrSaysWhyNot) {
  open(3, kThreeVariables);
  // The cover is chosen among the edited terms (blanks are allowed).
  setText(form, "Text7", QStringLiteral("~a + ~a*c + b*c"));
  press("Command1");
  EXPECT_EQ(text(form, "Text2"), QStringLiteral("~a+b*c"));

  // Terms that leave a 1-row uncovered, unreadable characters, letters
  // beyond the variable count: a message, and the box keeps its text.
  for (const char* edited : {"~a*~b+~a*c", "~a*~b+k*c", "a*b+", "~(a*b)", "~a+b*c+d"}) {
    form.unload();
    open(3, kThreeVariables);
    setText(form, "Text2", QStringLiteral("kept"));
    setText(form, "Text7", QString::fromLatin1(edited));
    const QStringList shown = press("Command1");
    ASSERT_EQ(shown.size(), 2) << edited;
    EXPECT_EQ(shown[0], kConfirm);
    EXPECT_NE(shown[1], kConfirm);
    EXPECT_FALSE(shown[1].isEmpty());
    EXPECT_EQ(text(form, "Text2"), QStringLiteral("kept")) << edited;
  }
}

TEST_F(ConvertFixture, ConstantFunctionsSimplifyToZeroAndOne) {
  open(2, QString());
  press("Command1");
  EXPECT_EQ(text(form, "Text2"), QStringLiteral("0"));
  form.unload();
  open(2, QStringLiteral("no+nb+ao+ab+"));
  press("Command1");
  EXPECT_EQ(text(form, "Text2"), QStringLiteral("1"));
  press("Command2(0)");
  press("Command5(1)");
  EXPECT_EQ(text(form, "Text3"), QStringLiteral("1"));
  EXPECT_EQ(text(form, "Text6"), QStringLiteral("1"));
}

// The row below "簡単化": the smallest product of sums from the 0-rows, once
// per showing, drawn by its own "表示"; constants come out as 0 and 1.
TEST_F(ConvertFixture, ProductOfSumsRowBelowTheSimplifiedForm) {
  open(3, kThreeVariables);
  auto* box = find<QLineEdit>(form, "Text8");
  EXPECT_TRUE(box->isReadOnly());
  EXPECT_LT(find(form, "Text2")->y(), box->y());
  EXPECT_LT(box->y(), find(form, "Text3")->y());
  EXPECT_EQ(find<QLabel>(form, "Label7")->text(), QStringLiteral("簡単化（和積形）"));
  EXPECT_EQ(find<QLabel>(form, "Label3")->text(), QStringLiteral("Nandとnotのみ"));
  EXPECT_EQ(find<QPushButton>(form, "Command6")->text(), QStringLiteral("変換"));
  EXPECT_THAT(press("Command6"), IsEmpty());
  EXPECT_EQ(box->text(), QStringLiteral("(~b+c)*(~a+b)"));
  EXPECT_FALSE(enabled(form, "Command6"));
  click(form, "Command3(7)");
  EXPECT_EQ(app.Form16->expression(), box->text());
  form.unload();
  open(2, QString());
  press("Command6");
  EXPECT_EQ(text(form, "Text8"), QStringLiteral("0"));
  form.unload();
  open(2, QStringLiteral("no+nb+ao+ab+"));
  press("Command6");
  EXPECT_EQ(text(form, "Text8"), QStringLiteral("1"));
}

// The minterms of ~a*b + c*~d over four variables.
const QString kFourVariables = QStringLiteral("nocq+nbpq+nbpd+nbcq+nbcd+aocq+abcq+");

TEST_F(ConvertFixture, FourGateSetFormsOfTheEditedPrimeList) {
  open(4, kFourVariables);
  press("Command4");
  // Blanks are read as by "簡単化": left out.
  setText(form, "Text7", QStringLiteral(" ~ a*b + c * ~d"));
  press("Command2(0)");
  press("Command2(1)");
  press("Command5(0)");
  press("Command5(1)");
  EXPECT_EQ(text(form, "Text3"), QStringLiteral("(~d$c)$(b$~a)"));
  EXPECT_EQ(text(form, "Text4"), QStringLiteral("~((d|~c)|(~b|a))"));
  EXPECT_EQ(text(form, "Text5"), QStringLiteral("((a$a)$b)$(c$(d$d))"));
  EXPECT_EQ(text(form, "Text6"), QStringLiteral("((a|(b|b))|((c|c)|d))|((a|(b|b))|((c|c)|d))"));
  for (const char* b : {"Command2(0)", "Command2(1)", "Command5(0)", "Command5(1)"})
    EXPECT_FALSE(enabled(form, b)) << b;
}

TEST_F(ConvertFixture, TheSimplifiedFormIsPreferredOverThePrimeList) {
  open(3, kThreeVariables);
  press("Command4");
  press("Command1");
  press("Command2(1)");
  // ~a*~b + b*c in NOR with NOT.
  EXPECT_EQ(text(form, "Text4"), QStringLiteral("~((~c|~b)|(b|a))"));
}

TEST_F(ConvertFixture, WithoutPrimeImplicantsTheFreshPrimeSumIsUsed) {
  open(3, kThreeVariables);
  press("Command2(0)");
  // All three prime implicants, the simplified box being ignored.
  EXPECT_EQ(text(form, "Text3"), QStringLiteral("(c$b)$~((c$~a)$(~b$~a))"));
}

TEST_F(ConvertFixture, NandOnlyFirstComputesItsCompanionSilently) {
  open(3, kThreeVariables);
  press("Command4");
  setText(form, "Text7", QStringLiteral("a*b"));
  press("Command5(0)");
  EXPECT_EQ(text(form, "Text5"), QStringLiteral("(a$b)$(a$b)"));
  EXPECT_EQ(text(form, "Text3"), QString());
  EXPECT_TRUE(enabled(form, "Command2(0)"));
  EXPECT_FALSE(enabled(form, "Command5(0)"));
  // The companion is still there to produce.
  press("Command2(0)");
  EXPECT_EQ(text(form, "Text3"), QStringLiteral("~(b$a)"));
}

TEST_F(ConvertFixture, NorOnlyReadsTheCompanionBoxAsEdited) {
  open(3, kThreeVariables);
  press("Command4");
  setText(form, "Text7", QStringLiteral("a"));
  press("Command2(1)");
  EXPECT_EQ(text(form, "Text4"), QStringLiteral("a"));
  setText(form, "Text4", QStringLiteral("~(a|~b)"));
  press("Command5(1)");
  EXPECT_EQ(text(form, "Text6"), QStringLiteral("((b|b)|a)|((b|b)|a)"));
  EXPECT_EQ(text(form, "Text4"), QStringLiteral("~(a|~b)"));
}

TEST_F(ConvertFixture, EmptyOrUnreadableSourcesShowNothing) {
  open(3, kThreeVariables);
  press("Command4");
  setText(form, "Text7", QString());
  EXPECT_THAT(press("Command2(0)"), IsEmpty());
  EXPECT_THAT(press("Command5(1)"), IsEmpty());
  EXPECT_EQ(text(form, "Text3"), QString());
  EXPECT_EQ(text(form, "Text6"), QString());

  setText(form, "Text7", QStringLiteral("a*"));
  EXPECT_EQ(press("Command2(1)").size(), 1);
  EXPECT_EQ(text(form, "Text4"), QString());
  setText(form, "Text3", QStringLiteral("a$$b"));
  EXPECT_EQ(press("Command5(0)").size(), 1);
  EXPECT_EQ(text(form, "Text5"), QString());
}

TEST_F(ConvertFixture, ShowingAgainWhileOpenKeepsTheBoxesReloadingResetsThem) {
  open(3, kThreeVariables, QStringLiteral("first"));
  press("Command4");
  press("Command2(0)");
  const QString nand = text(form, "Text3");

  // A new table while the window is open: the boxes stay.
  form.setTable(QStringLiteral("abc+"), 3, {});
  form.show();
  EXPECT_EQ(text(form, "Text1"), QStringLiteral("first"));
  EXPECT_EQ(text(form, "Text3"), nand);
  EXPECT_FALSE(enabled(form, "Command4"));
  EXPECT_FALSE(enabled(form, "Command2(0)"));
  // Later conversions read the new term list.
  press("Command2(1)");
  EXPECT_EQ(text(form, "Text4"), QStringLiteral("~((~c|~b)|~((~c|a)|(b|a)))"));  // from Text7

  form.showFor(Function{"second", 3, {}}, QStringLiteral("abc+"));
  EXPECT_EQ(text(form, "Text1"), QStringLiteral("second"));
  for (int k = 2; k <= 7; ++k) EXPECT_EQ(text(form, QStringLiteral("Text%1").arg(k)), QString());
  for (const char* b :
       {"Command1", "Command2(0)", "Command2(1)", "Command4", "Command5(0)", "Command5(1)"})
    EXPECT_TRUE(enabled(form, b)) << b;
  // A fresh showing starts from the new function, not from empty boxes.
  press("Command2(0)");
  EXPECT_EQ(text(form, "Text3"), QStringLiteral("~(c$~(b$a))"));
}

std::string recorded(Canvas* canvas) {
  test::RecordingSurface s;
  canvas->displayList().replay(s);
  return s.dump();
}

std::string expectedDrawing(std::string_view rpn) {
  test::RecordingSurface s;
  drawNotation(s, rpn, NotationForm::kMaxCells);
  return s.dump();
}

TEST_F(ConvertFixture, DisplayButtonsDrawTheirBoxReadably) {
  open(3, kThreeVariables, QStringLiteral("~(~(a*b)+c)"));
  press("Command4");
  click(form, "Command3(0)");
  ASSERT_TRUE(isOpen(*app.Form16));
  EXPECT_EQ(app.Form16->expression(), QStringLiteral("~(~(a*b)+c)"));
  EXPECT_EQ(recorded(app.Form16->canvas()), expectedDrawing("~(~(a*b)+c)"));
  click(form, "Command3(6)");
  EXPECT_EQ(app.Form16->expression(), QStringLiteral("~a*~b+~a*c+b*c"));
}

TEST(DisplayWindow, ShowsItsThreeRowsAndOverlaysInTheReadableWindow) {
  App app;
  app.Form10->showFor(Function{"~(a+b)", 2, {}}, QStringLiteral("~a*~b"),
                      QStringLiteral("(~a+~b)"));
  const QString labels[3] = {QStringLiteral("入力式"), QStringLiteral("主加法標準形"),
                             QStringLiteral("主乗法標準形")};
  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(text(*app.Form10, QStringLiteral("Text1(%1)").arg(row)), app.Form10->text(row));
    EXPECT_EQ(find<QLabel>(*app.Form10, QStringLiteral("Label%1").arg(row + 1))->text(),
              labels[row]);
  }
  click(*app.Form10, "Command1");
  ASSERT_TRUE(isOpen(*app.Form16));
  EXPECT_EQ(app.Form16->expression(), QStringLiteral("~(a+b)"));
  const std::string first = recorded(app.Form16->canvas());
  EXPECT_FALSE(first.empty());

  // Open already: the new text waits for "表示", then draws over the old one.
  setText(*app.Form10, "Text1(1)", QStringLiteral("~a*b"));
  click(*app.Form10, "Command2");
  EXPECT_EQ(app.Form16->expression(), QStringLiteral("~a*b"));
  EXPECT_EQ(recorded(app.Form16->canvas()), first);
  click(*app.Form16, "Command1");
  const std::string both = recorded(app.Form16->canvas());
  EXPECT_GT(both.size(), first.size());
  EXPECT_EQ(both.substr(0, first.size()), first);
}

TEST(ReadableWindow, GrowsForLongTextsAndNotesClipping) {
  App app;
  app.Form16->showFor(QString(3000, QLatin1Char('a')));
  Canvas* canvas = app.Form16->canvas();
  EXPECT_GE(canvas->width(), (100 + 300 * NotationForm::kMaxCells) / 15);
  EXPECT_FALSE(hidden(find<QLabel>(*app.Form16, "Label1")));
  app.Form16->unload();
  app.Form16->showFor(QStringLiteral("a+b"));
  EXPECT_TRUE(hidden(find<QLabel>(*app.Form16, "Label1")));
  EXPECT_EQ(app.Form16->widget()->windowTitle(), QStringLiteral("見やすい式への変換？ — a+b"));
}

// The chart opens beside the "主項" row once the primes are known, explains
// the cyclic example and closes with the main window.
TEST_F(ConvertFixture, PrimeChartOfTheCyclicFunction) {
  open(3, QStringLiteral("nop+noc+nbp+aoc+abp+abc+"));
  EXPECT_FALSE(enabled(form, "CommandChart"));
  press("Command4");
  ASSERT_TRUE(enabled(form, "CommandChart"));
  click(form, "CommandChart");
  PrimeChartForm& chart = *app.primeChart;
  ASSERT_TRUE(isOpen(chart));
  EXPECT_EQ(chart.widget()->windowTitle(), QStringLiteral("主項表 — a*b"));
  EXPECT_EQ(chart.coverTexts(),
            (QStringList{QStringLiteral("~a*~b + b*~c + a*c　（このプログラムの選択）"),
                         QStringLiteral("~a*~c + ~b*c + a*b")}));
  EXPECT_THAT(
      chart.reductionText().join("\n").toStdString(),
      HasSubstr("(P1+P2)(P1+P3)(P2+P4)(P3+P5)(P4+P6)(P5+P6)\n   = P1P2P5P6 + P1P3P4P6 + P1P4P5"));
  QWidget* view = find<QWidget>(chart, "Chart");
  EXPECT_THAT(exportedCsv(view).toStdString(), StartsWith(",,必須,選択,0,1,2,5,6,7\r\n"));
  EXPECT_FALSE(exportedDrawing(view).ops().empty());
  app.unloadOthers();
  EXPECT_FALSE(isOpen(chart));
}

// "式の変形" works at once, before "主項" or "簡単化": the consensus example's
// lines end at what "簡単化" then shows, 和積形 at the product of sums, and
// "確かめる" judges a step of one's own, naming a well-known wrong rule.
TEST_F(ConvertFixture, DerivationByTheLawsEndsAtTheShownMinimum) {
  open(3, kThreeVariables, QStringLiteral("~a*~b+~a*c+b*c"));
  ASSERT_TRUE(enabled(form, "CommandDerivation"));
  click(form, "CommandDerivation");
  DerivationForm& d = *app.derivation;
  ASSERT_TRUE(isOpen(d));
  auto* table = find<QTableWidget>(d, "StepTable");
  const auto last = [&] { return table->item(table->rowCount() - 1, 0)->text(); };
  ASSERT_EQ(table->rowCount(), 2);
  EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("~a*~b+~a*c+b*c"));
  EXPECT_EQ(table->item(1, 1)->text(), QStringLiteral("合意の定理"));
  press("Command1");
  EXPECT_EQ(last(), text(form, "Text2"));
  click(find<QRadioButton>(d, "ProductOfSums"));
  press("Command6");
  EXPECT_EQ(last(), text(form, "Text8"));
  EXPECT_FALSE(exportedDrawing(table).ops().empty());

  auto* verdict = find<QLabel>(d, "VerdictLabel");
  const auto check = [&](const char* from, const char* next, Law law) {
    find<QLineEdit>(d, "FromLine")->setText(QString::fromLatin1(from));
    find<QLineEdit>(d, "NextLine")->setText(QString::fromLatin1(next));
    auto* laws = find<QComboBox>(d, "LawList");
    laws->setCurrentIndex(laws->findData(int(law)));
    click(d, "CheckStep");
    return verdict->text().toStdString();
  };
  EXPECT_THAT(check("c+~(a*b)", "c+~a*~b", Law::DeMorgan),
              AllOf(StartsWith("×"), HasSubstr("~(a*b) を ~a*~b としています")));
  EXPECT_THAT(check("c+~(a*b)", "c+~a+~b", Law::DeMorgan),
              AllOf(StartsWith("○"), HasSubstr("ド・モルガンの定理"), HasSubstr("最小の積和形")));
}

// A cover the search could not prove in its time shows its bound; "証明を続ける"
// goes on in the background, stops when pressed again or when the window
// closes, and when it finishes replaces the cover with a proven smallest one.
TEST_F(ConvertFixture, ProofInTheBackgroundCanBeStoppedAndReplacesTheCover) {
  // Nine variables, each row 1 with chance 0.6: 83 terms without any search
  // time, 81 proven in well under a second.
  std::mt19937 rng(3);
  std::bernoulli_distribution one(0.6);
  QString terms;
  for (int r = 0; r < 512; ++r) {
    if (!one(rng)) continue;
    for (int k = 0; k < 9; ++k) terms += QChar(((r >> (8 - k)) & 1) ? 'a' + k : 'n' + k);
    terms += QLatin1Char('+');
  }
  auto termsOf = [&] { return text(form, "Text2").count(QLatin1Char('+')) + 1; };
  form.setCoverBudget(std::chrono::milliseconds(0));
  open(9, terms);
  const QStringList shown = press("Command1");
  ASSERT_EQ(shown.size(), 2);
  const int first = termsOf();
  QLabel* note = find<QLabel>(form, "LabelCoverBound");
  QPushButton* prove = find<QPushButton>(form, "CommandProve");
  ASSERT_TRUE(prove->isVisible() && note->isVisible());
  EXPECT_THAT(shown[1].toStdString(), EndsWith("最小は 81 項以上です。")) << shown[1].toStdString();
  EXPECT_EQ(prove->text(), QStringLiteral("証明を続ける"));

  click(prove);
  EXPECT_EQ(prove->text(), QStringLiteral("証明を中止"));
  click(prove);  // stopped at once: nothing it would still report arrives
  QApplication::processEvents();
  EXPECT_EQ(prove->text(), QStringLiteral("証明を続ける"));
  EXPECT_THAT(note->text().toStdString(), EndsWith("（中止しました）"));

  click(prove);
  form.unload();  // stops it: nothing touches the closed window
  open(9, terms);
  press("Command1");
  prove = find<QPushButton>(form, "CommandProve");
  note = find<QLabel>(form, "LabelCoverBound");
  click(prove);
  QTRY_VERIFY_WITH_TIMEOUT(prove->isHidden(), 60000);
  EXPECT_EQ(note->text(), QStringLiteral("最小であることを確かめました（81 項）。"));
  EXPECT_EQ(termsOf(), 81);
  EXPECT_LT(81, first);
}

}  // namespace
}  // namespace ronri

namespace ronri {
namespace {

// f = a*b + ~a*c: the hazard-free sum adds b*c, the product of sums (b+c);
// each form keeps the function and leaves no pair of adjacent rows apart.
TEST_F(ConvertFixture, HazardFreeFormsNameTheirConsensusTerms) {
  open(3, QStringLiteral("noc+nbc+abp+abc+"), QStringLiteral("a*b+~a*c"));
  EXPECT_THAT(press("CommandHazardFree(0)"), IsEmpty());
  EXPECT_EQ(find<QLabel>(form, "LabelConsensus(0)")->text(), "追加した合意項: b*c");
  const QString sum = text(form, "TextHazardFree(0)");
  for (const char* term : {"a*b", "~a*c", "b*c"}) EXPECT_TRUE(sum.contains(term)) << term;
  EXPECT_EQ(sum.count('+'), 2);
  EXPECT_THAT(press("CommandHazardFree(1)"), IsEmpty());
  EXPECT_EQ(find<QLabel>(form, "LabelConsensus(1)")->text(), "追加した合意項: (b+c)");
  EXPECT_EQ(text(form, "TextHazardFree(1)").count('*'), 2);
}

}  // namespace
}  // namespace ronri
