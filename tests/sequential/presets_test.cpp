// The presets are sound machines of the shape their names promise.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace ronri::seq
