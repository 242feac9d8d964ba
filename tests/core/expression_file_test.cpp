#include "core/table/expression_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

namespace ronri {
namespace {
using ::testing::IsEmpty;

using Entries = std::vector<std::string>;

TEST(ExpressionFile, WritesQuotedCrLfRecordsWithTheCountFirst) {
  EXPECT_EQ(expressionFileText({"a+b 1", "~a*(b+c) 2"}),
            "\"1\"\r\n\"a+b 1\"\r\n\"~a*(b+c) 2\"\r\n");
  EXPECT_EQ(expressionFileText({}), "\"-1\"\r\n");
  // A record can never break the file's structure.
  EXPECT_EQ(expressionFileText({"a\"b\r\n 0"}), "\"0\"\r\n\"ab 0\"\r\n");
}

TEST(ExpressionFile, SavedNameHasExactlyOneTxt) {
  EXPECT_EQ(savedFileName("/tmp/list"), "/tmp/list.txt");
  EXPECT_EQ(savedFileName("/tmp/list.txt"), "/tmp/list.txt");
  EXPECT_EQ(savedFileName("/tmp/a.txt.txt"), "/tmp/a.txt");
  EXPECT_EQ(savedFileName("/tmp/a.txtb.txt"), "/tmp/ab.txt");
  EXPECT_EQ(savedFileName("a.TXT"), "a.TXT.txt");
  // The folder is not renamed: the file must land where the user chose.
  EXPECT_EQ(savedFileName("/home/u/notes.txt/list.txt"), "/home/u/notes.txt/list.txt");
}

TEST(ExpressionFile, ReadsBackWhatWasWritten) {
  std::mt19937 rng(7);
  const std::string alphabet = "abcdefghij*+~$|@%() ";
  for (int trial = 0; trial < 200; ++trial) {
    Entries entries(rng() % 6);
    for (auto& e : entries) {
      int len = rng() % 12;
      for (int i = 0; i < len; ++i) e += alphabet[rng() % alphabet.size()];
      e += " " + std::to_string(rng() % 10);
    }
    ExpressionFileContents back = readExpressionFile(expressionFileText(entries));
    EXPECT_TRUE(back.readable);
    EXPECT_TRUE(back.complete);
    EXPECT_EQ(back.entries, entries);
  }
}

TEST(ExpressionFile, LineEndsAndQuotesAreTolerated) {
  Entries want = {"a+b 1", "b*a 1"};
  EXPECT_EQ(readExpressionFile("\"1\"\n\"a+b 1\"\n\"b*a 1\"\n").entries, want);
  EXPECT_EQ(readExpressionFile("\"1\"\r\"a+b 1\"\r\"b*a 1\"").entries, want);
  EXPECT_EQ(readExpressionFile("1\r\na+b 1\r\nb*a 1").entries, want);
  // Quotes go wherever they stand.
  EXPECT_EQ(readExpressionFile("\"1\"\r\n\"a\"+b 1\r\n\"b*\"\"a 1\"").entries, want);
  EXPECT_EQ(readExpressionFile("\xEF\xBB\xBF\"0\"\r\n\"a 0\"\r\n").entries, Entries{"a 0"});
  EXPECT_EQ(readExpressionFile(" \" 0 \"\r\n\"a 0\"").entries, Entries{"a 0"});
}

TEST(ExpressionFile, TheCountDecidesHowManyLinesAreRead) {
  EXPECT_EQ(readExpressionFile("\"-1\"\r\n").entries, Entries{});
  EXPECT_TRUE(readExpressionFile("\"-1\"\r\n").readable);
  // Lines beyond the count are not entries.
  EXPECT_EQ(readExpressionFile("\"0\"\r\n\"a 0\"\r\n\"b 1\"\r\n").entries, Entries{"a 0"});
  // A count below -1 reads nothing; a line that is no entry is kept as it is.
  EXPECT_EQ(readExpressionFile("\"-7\"\r\n\"a 0\"\r\n").entries, Entries{});
  EXPECT_EQ(readExpressionFile("\"1\"\r\n\r\nhello\r\n").entries, (Entries{"", "hello"}));
}

TEST(ExpressionFile, ShortFilesKeepWhatWasRead) {
  auto c = readExpressionFile("\"4\"\r\n\"a 0\"\r\n\"b 1\"\r\n");
  EXPECT_TRUE(c.readable);
  EXPECT_FALSE(c.complete);
  EXPECT_EQ(c.entries, (Entries{"a 0", "b 1"}));
  // Counts far beyond any file, even beyond 64 bits, read up to the end.
  c = readExpressionFile("\"99999999999999999999999999\"\r\n\"a 0\"\r\n");
  EXPECT_FALSE(c.complete);
  EXPECT_EQ(c.entries, Entries{"a 0"});
}

TEST(ExpressionFile, TextThatIsNoExpressionFileReadsNothing) {
  for (std::string_view bad :
       {std::string_view(""), std::string_view("\r\n"), std::string_view("\"abc\"\r\n\"a 0\"\r\n"),
        std::string_view("1.5\r\na 0\r\n"), std::string_view("- 1\r\n"),
        std::string_view("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)}) {
    auto c = readExpressionFile(bad);
    EXPECT_FALSE(c.readable) << bad;
    EXPECT_THAT(c.entries, IsEmpty());
  }
}

// A file cut anywhere (a full disk, a broken copy) still gives the entries
// before the cut; only the last one may be cut short.
TEST(ExpressionFile, EveryTruncationKeepsThePrefix) {
  Entries entries = {"a+b 1", "~a*(b+c) 2", "a@b 1", "j 9"};
  std::string text = expressionFileText(entries);
  for (size_t cut = 0; cut <= text.size(); ++cut) {
    auto c = readExpressionFile(std::string_view(text).substr(0, cut));
    ASSERT_LE(c.entries.size(), entries.size());
    for (size_t i = 0; i < c.entries.size(); ++i) {
      if (i + 1 < c.entries.size())
        EXPECT_EQ(c.entries[i], entries[i]) << cut;
      else
        EXPECT_EQ(entries[i].rfind(c.entries[i], 0), 0u) << cut;
    }
    if (cut == text.size()) EXPECT_TRUE(c.complete);
  }
}

// Entries with don't-care rows come back as written; a damaged "d(" part is
// read as far as it makes sense, and the entry is named. "a*b" has row 3 as
// its only 1-row.
TEST(ExpressionFile, DontCareRowsRoundTripAndDamageIsDropped) {
  const Entries written = {"a+b 1", "~a*~b*c*d+a*b*c*d 3 d(0,2,5)", "a 0"};
  const ExpressionFileContents back = readExpressionFile(expressionFileText(written));
  EXPECT_EQ(back.entries, written);
  EXPECT_THAT(back.damagedDontCares, IsEmpty());

  const struct {
    const char* stored;
    const char* read;
    bool damaged;
  } cases[] = {
      {"a*b 1 d(2,0,2)", "a*b 1 d(0,2)", false},  // order and repeats put right
      {"a*b 1 d( 0, 2 )", "a*b 1 d(0,2)", false}, {"a*b 1 d()", "a*b 1", false},
      {"a*b 1 d(0,x,2)", "a*b 1 d(0,2)", true},  // not a number
      {"a*b 1 d(0,4)", "a*b 1 d(0)", true},      // beyond the four rows
      {"a*b 1 d(0,3)", "a*b 1 d(0)", true},      // a 1-row
      {"a*b 1 d(1,2", "a*b 1 d(1,2)", true},     // never closed
      {"a*b 1 d(1)x", "a*b 1 d(1)", true},        {"a*b 1 d(-1)", "a*b 1", true},
      {"a*b 1 x(1)", "a*b 1 x(1)", false},  // no "d(" part: kept as it stands
  };
  Entries stored;
  for (const auto& c : cases) stored.push_back(c.stored);
  const ExpressionFileContents read = readExpressionFile(expressionFileText(stored));
  ASSERT_EQ(read.entries.size(), stored.size());
  std::vector<size_t> damaged;
  for (size_t i = 0; i < stored.size(); ++i) {
    EXPECT_EQ(read.entries[i], cases[i].read) << cases[i].stored;
    if (cases[i].damaged) damaged.push_back(i);
  }
  EXPECT_EQ(read.damagedDontCares, damaged);
}

TEST(ExpressionFile, RandomBytesNeverBreakTheReader) {
  std::mt19937 rng(11);
  for (int trial = 0; trial < 2000; ++trial) {
    std::string bytes(rng() % 64, '\0');
    for (char& b : bytes) b = static_cast<char>(rng());
    if (trial % 2) bytes = "\"" + std::to_string(int(rng() % 40) - 5) + "\"\r\n" + bytes;
    auto c = readExpressionFile(bytes);
    for (const auto& e : c.entries) EXPECT_EQ(e.find('"'), std::string::npos);
    if (!c.readable) EXPECT_THAT(c.entries, IsEmpty());
  }
}

}  // namespace
}  // namespace ronri
