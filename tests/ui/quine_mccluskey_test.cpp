// The tabulation window, the chart's covers on the map, and results sent
// back to the main list.

#include <set>

#include "core/cover/simplify.h"
#include "core/cover/tabulation.h"
#include "core/expression/expression.h"
#include "kmap/outline.h"
#include "ui/framework/drawing_export.h"
#include "ui/windows/helpers/send_to_list.h"
#include "ui_helpers.h"

namespace ronri {
namespace {

using test::answeringMessages;
using test::click;
using test::enabled;
using test::find;
using test::isOpen;
using test::selected;
using ::testing::HasSubstr;
using ::testing::StartsWith;

QString rows(std::initializer_list<int> ones, int n) {
  QString s;
  for (int r : ones) {
    for (int k = 0; k < n; ++k) s += QChar(((r >> (n - 1 - k)) & 1) ? 'a' + k : 'n' + k);
    s += '+';
  }
  return s;
}

void openConversion(App& app, int n, const QString& simple) {
  app.Form9->showFor(Function{"f", n, {}}, simple);
  answeringMessages([&] { click(*app.Form9, "Command4"); });
}

TEST(TabulationWindow, ListsThePrimesOfTheConversionWindowInItsOrder) {
  App app;
  app.Form9->showFor(Function{"", 4, {}}, rows({0, 1, 2, 5, 6, 7, 8, 9, 10, 14}, 4));
  EXPECT_FALSE(enabled(*app.Form9, "CommandTabulation"));
  click(*app.Form9, "Command4");
  click(*app.Form9, "CommandTabulation");
  TabulationForm& tab = *app.tabulation;
  ASSERT_TRUE(tab.isOpen() && tab.tabulation());
  const Tabulation& t = *tab.tabulation();
  QStringList listed;
  for (const auto& [pass, index] : t.primes) {
    const std::string letters = t.passes[size_t(pass)][size_t(index)].term.text(4);
    listed << QString::fromStdString(wordchange(layout(letters)));
  }
  EXPECT_EQ(listed.join('+'), find<QLineEdit>(*app.Form9, "Text7")->text());
  EXPECT_EQ(t.passes.size(), 3u);  // the rows, pairs, quadruples

  QWidget* view = find(tab, "Tabulation");
  const QByteArray csv = exportedCsv(view);
  EXPECT_THAT(csv.toStdString(),
              StartsWith("段,1 の個数,ビット,項,行,併合済,主項,ドントケア\r\n1,0,0000,"));
  EXPECT_THAT(csv.toStdString(), HasSubstr("\r\n3,0,-0-0,~b*~d,\"0,2,8,10\",,P"));
  EXPECT_FALSE(exportedDrawing(view).ops().empty());
  EXPECT_FALSE(view->grab().isNull());

  // With X rows the "主項" box lists the primes of the 1-rows and X rows that
  // cover a 1-row; the tabulation marks the X rows and lists the same.
  app.Form9->unload();
  app.Form9->showFor(Function{"", 4, {0, 2, 5}}, rows({1, 3, 7, 11, 15}, 4));
  click(*app.Form9, "Command4");
  click(*app.Form9, "CommandTabulation");
  const Tabulation& x = *tab.tabulation();
  listed.clear();
  for (const auto& [pass, index] : x.primes)
    listed << QString::fromStdString(
        wordchange(layout(x.passes[size_t(pass)][size_t(index)].term.text(4))));
  EXPECT_EQ(listed.join('+'), find<QLineEdit>(*app.Form9, "Text7")->text());
  EXPECT_EQ(std::count_if(x.passes[0].begin(), x.passes[0].end(),
                          [](const TabulationTerm& r) { return r.dontCare; }),
            3);
  app.unloadOthers();
  EXPECT_FALSE(isOpen(tab));
}

// The cyclic function has two smallest covers: each is outlined alone, each
// prime in its own colour, and named in the map's term box.
TEST(CoversOnTheMap, TheCyclicFunctionShowsItsTwoCoversInTurn) {
  App app;
  const QString simple = rows({0, 1, 2, 5, 6, 7}, 3);
  openConversion(app, 3, simple);
  click(*app.Form9, "CommandChart");
  PrimeChartForm& chart = *app.primeChart;
  auto* list = find<QListWidget>(chart, "CoverList");
  auto* toMap = find<QPushButton>(chart, "CommandCoverOnMap");
  ASSERT_EQ(list->count(), 2);
  const std::vector<std::string> primes = splitTerms(simplicity(splitTerms(simple.toStdString())));
  KmapForm& map = *app.Form3;
  std::set<int> seen;
  for (int k = 0; k < 2; ++k) {
    list->setCurrentRow(k);
    ASSERT_TRUE(enabled(toMap));
    click(toMap);
    ASSERT_TRUE(map.isOpen() && map.grouping());
    std::vector<kmap::Grouping::Shown> expected;
    QString name;
    const QStringList terms = list->item(k)->text().split(QChar(0x3000)).first().split(" + ");
    for (size_t p = 0; p < primes.size(); ++p) {
      if (!terms.contains(QString::fromStdString(wordchange(layout(primes[p]))))) continue;
      expected.push_back({false, kmap::outlineOf(kmap::groupCells(primes[p], 3), 3),
                          map.grouping()->primeColor(int(p))});
      name += QStringLiteral("P%1").arg(p + 1);
      seen.insert(int(p));
    }
    ASSERT_EQ(expected.size(), 3u);
    EXPECT_EQ(map.grouping()->shown(), expected) << "cover " << k;
    EXPECT_EQ(find<QLineEdit>(map, "Text2")->text(), name);
    // The chart marks the same cover as chosen (its CSV's fourth column).
    QString marked;
    for (const QString& line : QString(exportedCsv(find(chart, "Chart"))).split("\r\n").mid(2))
      if (line.section(',', 3, 3) == "1") marked += line.section(',', 0, 0);
    EXPECT_EQ(marked, name) << "cover " << k;
  }
  EXPECT_EQ(seen.size(), 6u);  // the two covers share no prime
  // "一つ" goes on with its own list, from its first group.
  click(map, "Command3(0)");
  EXPECT_EQ(find<QLineEdit>(map, "Text2")->text(),
            QString::fromStdString(wordchange(layout(primes[0]))));
}

// A NAND-only form sent to the list is an entry like any other: "作成" and
// the circuit draw it with no typing.
TEST(SendBack, ANandOnlyResultDrawsItsCircuit) {
  App app;
  app.start();
  openConversion(app, 3, rows({0, 1, 2, 5, 6, 7}, 3));
  click(*app.Form9, "Command5(0)");
  const QString nand = find<QLineEdit>(*app.Form9, "Text5")->text();
  ASSERT_FALSE(nand.isEmpty());
  click(*app.Form9, "CommandToList(4)");
  auto* list = find<QListWidget>(*app.Form1, "List2");
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->item(0)->text(), QString(nand).remove(' ') + " 2");
  EXPECT_TRUE(selected(list, 0));
  click(*app.Form1, "Command3(1)");
  ASSERT_TRUE(isOpen(*app.Form2));
  click(*app.Form2, "Command3");
  CircuitForm& circuit = *app.Form6;
  ASSERT_TRUE(isOpen(circuit));
  click(circuit, "Command2");
  EXPECT_TRUE(find<QLabel>(circuit, "Label6")->isVisibleTo(circuit.widget()));
  EXPECT_EQ(circuit.captionText(), "f=" + QString(nand).remove(' '));
}

TEST(SendBack, EmptyConstantAndOverlongFormsAreRefused) {
  App app;
  app.start();
  openConversion(app, 3, rows({0, 1, 2, 3, 4, 5, 6, 7}, 3));
  QStringList said = answeringMessages([&] { click(*app.Form9, "CommandToList(1)"); });
  ASSERT_EQ(said.size(), 1);  // nothing converted yet
  answeringMessages([&] { click(*app.Form9, "Command1"); }, QMessageBox::Yes);
  ASSERT_EQ(find<QLineEdit>(*app.Form9, "Text2")->text(), "1");
  said = answeringMessages([&] { click(*app.Form9, "CommandToList(1)"); });
  EXPECT_EQ(said.size(), 1);
  const QString longest = QString("a+").repeated(kMaxEntryLength / 2 + 1) + "a";
  said = answeringMessages([&] { sendToList(app, nullptr, longest, 1); });
  EXPECT_EQ(said.size(), 1);
  EXPECT_THAT(said.value(0).toStdString(),
              HasSubstr(QString::number(kMaxEntryLength).toStdString()));
  EXPECT_EQ(find<QListWidget>(*app.Form1, "List2")->count(), 0);

  // The display window's canonical forms go as they are.
  app.Form10->showFor(Function{"", 3, {}}, QStringLiteral("~a*b+a*~b"), QString());
  click(*app.Form10, "CommandToList(1)");
  EXPECT_EQ(find<QListWidget>(*app.Form1, "List2")->item(0)->text(), "~a*b+a*~b 2");
}

}  // namespace
}  // namespace ronri
