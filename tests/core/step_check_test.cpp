// The step checker against a table of right and wrong steps: every law both
// ways, in context and at the root, the well-known wrong rules, and lines
// that are or are not minimal.
#include <gtest/gtest.h>

#include "core/teaching/step_check.h"

namespace ronri {
namespace {

using W = WrongRule;

struct Step {
  const char* before;
  const char* after;
  Law law;
  bool equal, applies;
  WrongRule wrong = W::None;
  bool minimum = false;
};

const Step kSteps[] = {
    // Every law forwards and backwards.
    {"a*b+c", "c+b*a", Law::Commutative, true, true, W::None, true},
    {"c+b*a", "a*b+c", Law::Commutative, true, true, W::None, true},
    {"(a+b)+c", "a+(b+c)", Law::Associative, true, true, W::None, true},
    {"a+(b+c)", "(a+b)+c", Law::Associative, true, true, W::None, true},
    {"c+a*(b+~b)", "c+a*b+a*~b", Law::Distributive, true, true},
    {"a*b+a*c", "a*(b+c)", Law::Distributive, true, true},
    {"(a+b)*(a+c)", "a+b*c", Law::Distributive, true, true, W::None, true},
    {"a+b*c", "(a+b)*(a+c)", Law::Distributive, true, true},
    {"b+a*c+a*c", "b+a*c", Law::Idempotent, true, true, W::None, true},
    {"b+a*c", "b+c*a+a*c", Law::Idempotent, true, true},
    {"b*(a+~a)", "b*1", Law::Complement, true, true},
    {"b*1", "b*(~a+a)", Law::Complement, true, true},
    {"c+a*~a", "c+0", Law::Complement, true, true},
    {"c+0", "c", Law::Identity, true, true, W::None, true},
    {"b*a", "b*a*1", Law::Identity, true, true},
    {"b*(c+1)", "b*1", Law::Null, true, true},
    {"a*0", "a*0*c", Law::Null, true, true},
    {"~~a*b", "a*b", Law::DoubleNegation, true, true, W::None, true},
    {"a+b", "~~a+b", Law::DoubleNegation, true, true},
    {"c+a+a*b", "c+a", Law::Absorption, true, true, W::None, true},
    {"a*c", "a*(a+b)*c", Law::Absorption, true, true},
    {"d+~(a*b)", "d+~a+~b", Law::DeMorgan, true, true, W::None, true},
    {"~a*~b", "~(a+b)", Law::DeMorgan, true, true},
    {"a*b*c+a*~b*c", "a*c", Law::Combining, true, true, W::None, true},
    {"(a+b)*(a+~b)*c", "a*c", Law::Combining, true, true, W::None, true},
    {"a", "a*b+~b*a", Law::Combining, true, true},
    {"a*b+~a*c+b*c", "a*b+~a*c", Law::Consensus, true, true, W::None, true},
    {"(a+b)*(~a+c)", "(a+b)*(c+~a)*(c+b)", Law::Consensus, true, true},
    {"a@b", "a*~b+~a*b", Law::XorDefinition, true, true, W::None, true},
    {"~a*b+a*~b", "a@b", Law::XorDefinition, true, true},
    {"a%b", "~a*~b+a*b", Law::XnorDefinition, true, true, W::None, true},
    {"a*b+~a*~b", "a%b", Law::XnorDefinition, true, true},
    {"c*(a$b)", "c*~(a*b)", Law::NandDefinition, true, true},
    {"~(a*b)", "a$b", Law::NandDefinition, true, true},
    {"a|b", "~(b+a)", Law::NorDefinition, true, true},
    {"~(a+b)", "a|b", Law::NorDefinition, true, true},
    // Right steps under the wrong law, and steps that are two laws at once.
    {"c+a+a*b", "c+a", Law::Combining, true, false, W::None, true},
    {"~(~a*b)", "a+~b", Law::DeMorgan, true, false, W::None, true},
    {"a*b+a*~b+c", "a+c+b", Law::Combining, false, false},
    // The well-known wrong rules.
    {"~(a*b)", "~a*~b", Law::DeMorgan, false, false, W::NegationKeepsProduct},
    {"c+~(a+b)", "c+~a+~b", Law::DeMorgan, false, false, W::NegationKeepsSum},
    {"a+~a*b", "b", Law::Absorption, false, false, W::DroppedLetter},
    {"a*(b+c)", "a*b+c", Law::Distributive, false, false, W::HalfDistributed},
    {"a+b*c", "(a+b)*c", Law::Distributive, false, false, W::WrongSideFactored},
    // Unreadable lines are neither equal nor a step.
    {"a+", "a", Law::Identity, false, false},
};

TEST(StepCheck, RightAndWrongStepsAndMinima) {
  for (const Step& s : kSteps) {
    const StepVerdict v = checkStep(s.before, s.after, s.law);
    const std::string step =
        std::string(s.before) + " => " + s.after + " (" + std::string(lawInfo(s.law).english) + ")";
    EXPECT_EQ(v.equal, s.equal) << step;
    EXPECT_EQ(v.lawApplies, s.applies) << step;
    EXPECT_EQ(v.wrongRule, s.wrong) << step;
    EXPECT_EQ(v.minimum, s.minimum) << step;
    // A named step marks the part it changed in both lines.
    if (s.applies || s.wrong != W::None)
      EXPECT_TRUE(!v.source.empty() && !v.rewritten.empty()) << step;
  }
}

}  // namespace
}  // namespace ronri
