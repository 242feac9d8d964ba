// Texts such as ")a+b(" pass the main window's counting check, and their
// reverse Polish text keeps a "(" ("ab(+"). The table skips it and shows a+b;
// the circuit once took it for a gate, drew wires into nothing and wrote gate
// values of another function.
#include <gtest/gtest.h>

#include "circuit/diagram_reader.h"
#include "circuit/layout_engine.h"
#include "core/expression/expression.h"
#include "core/expression/rpn.h"
#include "core/table/truthtable.h"

namespace ronri {
namespace {

TEST(RegressionStrayParenthesis, CircuitDrawsTheFunctionTheTableShows) {
  for (const char* text : {")a+b(", "a)+(b", ")a*~(b)@c(", "a$b)*(c"}) {
    SCOPED_TRACE(text);
    const std::string folded = InsideExp(text);
    ASSERT_EQ(checkExp(folded), " ");
    const std::string rpn = ReversePolishNotation(folded);
    ASSERT_NE(rpn.find('('), std::string::npos);
    const int n = 3;
    const std::vector<char> values = evaluateRows(rpn, n);
    ASSERT_NE(values[0], '?');
    for (bool two : {true, false})
      EXPECT_EQ(test::drawnTable(rpn, n, two), std::string(values.begin(), values.end()));
    for (int r = 0; r < (1 << n); ++r) {
      const std::string digits = testDigits(rpn, rowBits(r, n), n);
      ASSERT_FALSE(digits.empty());
      EXPECT_EQ(digits.back(), values[size_t(r)]) << "row " << r;
    }
  }
}

}  // namespace
}  // namespace ronri
