// The flip-flop tables as the textbooks print them.
#include <gtest/gtest.h>

#include "sequential/excitation.h"

namespace ronri::seq {
namespace {

TEST(FlipFlopTables, ExcitationAndCharacteristic) {
  // Q->Q+ 00, 01, 10, 11.
  const std::pair<FlipFlop, std::vector<std::string>> excite[] = {
      {FlipFlop::D, {"0", "1", "0", "1"}},
      {FlipFlop::T, {"0", "1", "1", "0"}},
      {FlipFlop::JK, {"0X", "1X", "X1", "X0"}},
      {FlipFlop::SR, {"0X", "10", "01", "X0"}},
  };
  for (const auto& [f, rows] : excite)
    for (int i = 0; i < 4; ++i) EXPECT_EQ(excitation(f, i >> 1, i & 1), rows[i]) << int(f) << i;

  // Q+ for Q = 0 and Q = 1, input combinations in order.
  const std::pair<FlipFlop, std::string> next[] = {
      {FlipFlop::D, "0011"},
      {FlipFlop::T, "0110"},
      {FlipFlop::JK, "01001110"},
      {FlipFlop::SR, "010011XX"},
  };
  for (const auto& [f, want] : next) {
    std::string got;
    for (const CharacteristicRow& r : characteristicTable(f)) got += r.next;
    EXPECT_EQ(got, want) << int(f);
  }
}

}  // namespace
}  // namespace ronri::seq
