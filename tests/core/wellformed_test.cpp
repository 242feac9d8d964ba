#include "core/expression/wellformed.h"

#include <gtest/gtest.h>

#include "core/expression/entry_typing.h"

namespace ronri {
namespace {

using K = Malformation::Kind;
constexpr int kNone = -1;

// Each text with the counting check's message (" " when it passes) and the
// first malformation: its kind and 1-based position, or kNone.
TEST(CheckEntry, CountingMessageFirstThenWhereTheTextGoesWrong) {
  const char* ok = " ";
  const char* many = "変数が多いんとちがいます？演算子が少なすぎますって";
  const char* few = "変数が少ないんとちがいます？演算子が多すぎますって";
  const char* open = "（　が多い気がしますよ";
  const char* close = "）　が多い気がしますよ";
  const struct {
    const char* text;
    int variables;
    const char* message;
    int kind;
    int position;
  } cases[] = {
      {"a+b", 2, ok, kNone, 0},
      {"~a*~b", 2, ok, kNone, 0},
      {"~(a+b)*c", 3, ok, kNone, 0},
      {"~~~a$((b))", 2, ok, kNone, 0},
      {"", 3, "何か入力してください", kNone, 0},
      // the counting check's own cases keep its message
      {"a", 3, many, kNone, 0},
      {"~a", 3, many, kNone, 0},
      {"ab+c", 3, many, K::OperatorNeeded, 2},
      {"a++b", 3, few, K::MissingLeftOperand, 3},
      {"(a+b", 3, open, K::UnclosedOpen, 1},
      {"a+b)", 3, close, K::UnmatchedClose, 4},
      {"((a+b", 3, open, K::UnclosedOpen, 1},
      {"a~", 3, many, K::OperatorNeeded, 2},
      {"()", 3, many, K::EmptyPair, 1},
      {"a(b)", 3, many, K::OperatorNeeded, 2},
      // what only the order of the tokens shows
      {"ab+", 3, ok, K::OperatorNeeded, 2},
      {")a+b(", 3, ok, K::UnmatchedClose, 1},
      {"+ab", 3, ok, K::MissingLeftOperand, 1},
      {"a+b~", 3, ok, K::OperatorNeeded, 4},
      {"a+~", 3, few, K::MissingRightOperand, 3},
      {"a*(b+)c", 3, ok, K::MissingRightOperand, 5},
      {"a*~+b", 3, few, K::MissingRightOperand, 3},
      {"a+b()", 3, ok, K::OperatorNeeded, 4},
      {"(a+b)~c", 3, many, K::OperatorNeeded, 6},
      {"a+(b*c)(a", 3, many, K::OperatorNeeded, 8},
      {"a+d", 3, ok, K::BeyondCount, 3},
      {"a+d", 0, ok, kNone, 0},
      {"a+A", 3, few, K::BadCharacter, 3},
  };
  for (const auto& c : cases) {
    const EntryCheck check = checkEntry(c.text, c.variables);
    EXPECT_EQ(check.message, c.message) << c.text;
    EXPECT_EQ(check.accepted(), c.message == ok && c.kind == kNone) << c.text;
    if (c.kind == kNone) {
      EXPECT_FALSE(check.malformation) << c.text;
      continue;
    }
    ASSERT_TRUE(check.malformation) << c.text;
    EXPECT_EQ(check.malformation->kind, c.kind) << c.text;
    EXPECT_EQ(check.malformation->position, c.position) << c.text;
    EXPECT_EQ(check.malformation->token, c.text[c.position - 1]) << c.text;
  }
}

TEST(FilterTyped, DropsBlanksReadsTextbookNotationAndRefusesTheFirstOtherCharacter) {
  const struct {
    const char* typed;
    int variables;
    const char* text;
    const char* refused;
    bool constants = false;
  } cases[] = {
      {"a + ~b\t*(c)", 3, "a+~b*(c)", ""},
      {"a$b|c@a%b", 3, "a$b|c@a%b", ""},
      {"a+d", 3, "a+", "d"},
      {"j+a", 10, "j+a", ""},
      {"a+C", 2, "a+", "c"},
      {"A*B + ~C", 3, "a*b+~c", ""},
      {"A'B + (A+C)'", 3, "~ab+~(a+c)", ""},
      {"a+'b", 2, "a+", "'"},
      {"a)'", 2, "a)", "'"},
      {"a&b", 2, "a", "&"},
      {"a+1", 2, "a+", "1"},
      {"(1)", 2, "(1)", "", true},
      {"a+2", 2, "a+", "2", true},
      {"a＋b", 2, "a", "＋"},
  };
  for (const auto& c : cases) {
    const TypedText t = filterTyped(c.typed, c.variables, c.constants);
    EXPECT_EQ(t.refused, c.refused) << c.typed;
    if (t.refused.empty()) EXPECT_EQ(t.text, c.text) << c.typed;
  }
}

}  // namespace
}  // namespace ronri
