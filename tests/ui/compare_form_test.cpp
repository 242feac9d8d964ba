#include <QTableWidget>

#include "ui_helpers.h"

namespace ronri {
namespace {

using test::answeringMessages;
using test::click;
using test::find;
using test::hidden;

QStringList texts(QListWidget* list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
  return out;
}

class CompareWindow : public ::testing::Test {
 protected:
  // Opens the comparison window over a main list holding `entries`.
  void open(const QStringList& entries) {
    app.start();
    auto* main = find<QListWidget>(*app.Form1, "List2");
    main->clear();
    main->addItems(entries);
    app.Form18->show();
    list1 = find<QListWidget>(*app.Form18, "List1");
    list2 = find<QListWidget>(*app.Form18, "List2");
  }
  void pick(QListWidget* list, const QString& entry) {
    const auto found = list->findItems(entry, Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty()) << entry.toStdString();
    list->setCurrentItem(found.first());
  }
  void moveDown(const QString& entry) {
    pick(list1, entry);
    click(*app.Form18, "Command1(0)");
  }
  QStringList compareMessages() {
    return answeringMessages([&] { click(*app.Form18, "Command2"); });
  }
  // Compares two entries in a fresh window.
  QString verdict(const QString& first, const QString& second) {
    app.Form18->unload();
    open({first, second});
    moveDown(first);
    moveDown(second);
    const QStringList messages = compareMessages();
    return messages.size() == 1 ? messages[0] : messages.join("|");
  }

  App app;
  QListWidget* list1 = nullptr;
  QListWidget* list2 = nullptr;
};

TEST_F(CompareWindow, CandidatesAreACopyTakenAtOpening) {
  open({"a*b 1", "a+b 2"});
  EXPECT_EQ(app.Form18->widget()->windowTitle(), "論理式の比較");
  EXPECT_EQ(texts(list1), (QStringList{"a*b 1", "a+b 2"}));
  find<QListWidget>(*app.Form1, "List2")->addItem("c 2");
  EXPECT_EQ(list1->count(), 2);
  moveDown("a*b 1");
  EXPECT_EQ(texts(find<QListWidget>(*app.Form1, "List2")).size(), 3);  // the main list keeps it
  app.Form18->unload();
  app.Form18->show();
  EXPECT_EQ(texts(find<QListWidget>(*app.Form18, "List1")), (QStringList{"a*b 1", "a+b 2", "c 2"}));
}

TEST_F(CompareWindow, Verdicts) {
  EXPECT_EQ(verdict("a*b 1", "b*a 1"), "同じです！");
  EXPECT_EQ(verdict("a+b 1", "a+b+c 2"), "違います！");
  EXPECT_EQ(verdict("a+b 1", "a+b 2"), "同じです！");
  EXPECT_EQ(verdict("a+b 2", "a+b 1"), "同じです！");
  EXPECT_EQ(verdict("~(a*b) 1", "~a+~b 1"), "同じです！");
  EXPECT_EQ(verdict("a@b 1", "a%b 1"), "違います！");
  EXPECT_EQ(verdict("a*j+a*~j 9", "a*a 0"), "同じです！");
  // Equal tables are equal even where the input check would refuse an entry;
  // a row that does not evaluate (c beyond two variables) never is.
  EXPECT_EQ(verdict("a 0", "a*a 0"), "同じです！");
  EXPECT_EQ(verdict("a+c 1", "c+a 1"), "違います！");
  EXPECT_EQ(verdict("hello", "hello!"), "違います！");
  EXPECT_EQ(verdict("", " "), "違います！");
}

TEST_F(CompareWindow, DifferingRowsAreListedUntilTheSame) {
  open({"a*b 1", "a+b 1", "b*a 1"});
  moveDown("a*b 1");
  moveDown("a+b 1");
  EXPECT_EQ(compareMessages(), QStringList{"違います！"});
  auto* table = find<QTableWidget>(*app.Form18, "DiffTable");
  ASSERT_EQ(table->rowCount(), 2);
  EXPECT_FALSE(hidden(table));
  QStringList rows;
  for (int r = 0; r < 2; ++r)
    rows << table->item(r, 0)->text() + " " + table->item(r, 1)->text() + table->item(r, 2)->text();
  EXPECT_EQ(rows, (QStringList{"01 01", "10 01"}));
  EXPECT_EQ(table->horizontalHeaderItem(1)->text(), "式1");
  EXPECT_EQ(table->horizontalHeaderItem(2)->toolTip(), "a+b");
  pick(list2, "a+b 1");
  click(*app.Form18, "Command1(1)");
  EXPECT_TRUE(hidden(table));  // the rows were the old pair's
  moveDown("b*a 1");
  EXPECT_EQ(compareMessages(), QStringList{"同じです！"});
  EXPECT_TRUE(hidden(table));
  EXPECT_EQ(table->rowCount(), 0);
}

TEST_F(CompareWindow, ThePairHoldsTwoEntries) {
  open({"a 0", "b 1", "c 2"});
  EXPECT_EQ(compareMessages(), QStringList{"二つ入れて下さい"});
  moveDown("a 0");
  EXPECT_EQ(compareMessages(), QStringList{"二つ入れて下さい"});
  // Nothing is selected after a move: pressing again moves nothing.
  click(*app.Form18, "Command1(0)");
  EXPECT_EQ(texts(list2), QStringList{"a 0"});
  moveDown("b 1");
  pick(list1, "c 2");
  EXPECT_EQ(answeringMessages([&] { click(*app.Form18, "Command1(0)"); }),
            QStringList{"今のところ二つだけしか比べられません"});
  EXPECT_EQ(texts(list1), QStringList{"c 2"});
  EXPECT_EQ(texts(list2), (QStringList{"a 0", "b 1"}));
  EXPECT_EQ(compareMessages(), QStringList{"違います！"});
}

TEST_F(CompareWindow, MovingBackPutsTheEntryAtTheEnd) {
  open({"a 0", "b 1", "c 2"});
  moveDown("a 0");
  click(*app.Form18, "Command1(1)");  // nothing selected below: nothing moves
  EXPECT_EQ(texts(list2), QStringList{"a 0"});
  pick(list2, "a 0");
  click(*app.Form18, "Command1(1)");
  EXPECT_EQ(texts(list1), (QStringList{"b 1", "c 2", "a 0"}));
  EXPECT_EQ(list2->count(), 0);
}

TEST_F(CompareWindow, AnEmptyMainListGivesNoCandidates) {
  open({});
  EXPECT_EQ(list1->count(), 0);
  click(*app.Form18, "Command1(0)");
  EXPECT_EQ(list2->count(), 0);
}

}  // namespace
}  // namespace ronri
