// The presets are sound machines of the shape their names promise, and do
// what their names say, run from reset on random inputs.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "sequential/presets.h"

namespace ronri::seq {
namespace {

TEST(SequentialPresets, ShapesAndNames) {
  struct Want {
    const char* name;
    MachineKind kind;
    int states, inputs, outputs;
  };
  const Want want[] = {
      {"2ビットカウンタ", MachineKind::Moore, 4, 0, 2},
      {"5進カウンタ", MachineKind::Moore, 5, 0, 3},
      {"3ビットグレイコードカウンタ", MachineKind::Moore, 8, 0, 3},
      {"アップダウンカウンタ", MachineKind::Moore, 4, 1, 2},
      {"系列検出 101（ミーリ型）", MachineKind::Mealy, 3, 1, 1},
      {"系列検出 101（ムーア型）", MachineKind::Moore, 4, 1, 1},
  };
  const auto all = presets();
  ASSERT_EQ(all.size(), std::size(want));
  for (size_t i = 0; i < all.size(); ++i) {
    const Machine& m = all[i].machine;
    EXPECT_EQ(all[i].name, want[i].name);
    EXPECT_EQ(machineProblem(m), MachineProblem::None) << want[i].name;
    EXPECT_EQ(m.kind, want[i].kind) << want[i].name;
    EXPECT_EQ(m.states(), want[i].states) << want[i].name;
    EXPECT_EQ(m.inputs, want[i].inputs) << want[i].name;
    EXPECT_EQ(m.outputs, want[i].outputs) << want[i].name;
    EXPECT_TRUE(completelySpecified(m)) << want[i].name;
  }
}

// The output of cycle t (2 bits and 3 bits of a count, or the detector's Z),
// given the inputs up to and including cycle t.
using Oracle = std::function<std::string(const std::vector<int>& in, size_t t)>;

std::string bits(int v, int width) {
  std::string s;
  for (int i = width - 1; i >= 0; --i) s += (v >> i & 1) ? '1' : '0';
  return s;
}

bool endsWith101(const std::vector<int>& in, size_t end) {
  return end >= 3 && in[end - 3] == 1 && in[end - 2] == 0 && in[end - 1] == 1;
}

TEST(SequentialPresets, BehaveAsNamed) {
  const Oracle oracles[] = {
      [](const auto&, size_t t) { return bits(int(t % 4), 2); },
      [](const auto&, size_t t) { return bits(int(t % 5), 3); },
      [](const auto&, size_t t) { return bits(int((t % 8) ^ (t % 8) >> 1), 3); },
      [](const auto& in, size_t t) {
        int count = 0;
        for (size_t i = 0; i < t; ++i) count += in[i] ? 1 : 3;
        return bits(count % 4, 2);
      },
      [](const auto& in, size_t t) { return std::string(endsWith101(in, t + 1) ? "1" : "0"); },
      [](const auto& in, size_t t) { return std::string(endsWith101(in, t) ? "1" : "0"); },
  };
  std::mt19937 rng(101);
  const auto all = presets();
  for (size_t p = 0; p < all.size(); ++p) {
    const Machine& m = all[p].machine;
    std::vector<int> in(64);
    for (int& x : in) x = m.inputs ? int(rng() % 2) : 0;
    int s = m.reset;
    for (size_t t = 0; t < in.size(); ++t) {
      ASSERT_EQ(outputsAt(m, s, in[t]), oracles[p](in, t)) << all[p].name << " cycle " << t;
      s = m.table[s][in[t]].next;
    }
  }
}

}  // namespace
}  // namespace ronri::seq
