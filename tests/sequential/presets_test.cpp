// The presets are sound machines of the shape their names promise, do what
// their names say, run from reset on random inputs, and draw cleanly: their
// state diagrams (and those of random machines) and implication tables.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <set>

#include "sequential/diagram_drawing.h"
#include "sequential/implication_drawing.h"
#include "sequential/kiss2.h"
#include "sequential/presets.h"
#include "sequential/random_machine.h"
#include "support/drawing_geometry.h"

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

// Every state a circle, every pair of states with a transition an arrow from
// the edge of one circle to the edge of the other, the reset state's arrow
// from nowhere, and nothing on anything else.
::testing::AssertionResult diagramSound(const Machine& m) {
  const StateDiagram d = layoutStateDiagram(m);
  if (d.problem != DiagramProblem::None) return ::testing::AssertionFailure() << "no layout";
  ronri::test::RecordingSurface rec;
  drawStateDiagram(rec, d);
  const auto failure = [&](const std::string& why) {
    return ::testing::AssertionFailure() << why << "\n" << rec.dump();
  };
  if (rec.of(ronri::test::DrawCall::Circle).size() != size_t(m.states())) return failure("circles");
  std::set<std::pair<int, int>> pairs{{-1, m.reset}};
  for (int s = 0; s < m.states(); ++s)
    for (const Transition& t : m.table[size_t(s)])
      if (t.next != kUnspecified) pairs.insert({s, t.next});
  std::set<std::pair<int, int>> drawn;
  for (const DiagramArrow& a : d.arrows) {
    drawn.insert({a.from, a.to});
    if (a.path.size() < 2) return failure("arrow without a path");
    const auto onEdge = [&](DiagramPoint p, int s) {
      const DiagramState& c = d.states[size_t(s)];
      return std::abs(std::hypot(p.x - c.x, p.y - c.y) - c.radius) < 40;
    };
    if (!onEdge(a.path.back(), a.to) || (a.from >= 0 && !onEdge(a.path.front(), a.from)))
      return failure("arrow " + std::to_string(a.from) + "->" + std::to_string(a.to) +
                     " off its circles");
    std::vector<std::string> label;
    for (const DiagramText& t : a.label) label.push_back(t.text);
    if (a.from >= 0 && label != arrowLabel(m, a.from, a.to))
      return failure("label of " + std::to_string(a.from) + "->" + std::to_string(a.to));
  }
  if (drawn != pairs) return failure("arrows differ from the transitions");
  const auto faults = ronri::test::drawingFaults(rec.calls);
  if (!faults.empty()) return failure(faults.front());
  return ::testing::AssertionSuccess();
}

TEST(SequentialPresets, DrawingsAreClean) {
  for (const Preset& p : presets()) {
    EXPECT_TRUE(diagramSound(p.machine)) << p.name;
    const Reduction r = reduceStates(p.machine);
    ronri::test::RecordingSurface rec;
    const DrawingSize size = drawImplicationTable(rec, p.machine, r);
    const int n = p.machine.states();
    EXPECT_EQ(rec.of(ronri::test::DrawCall::Rectangle).size(), size_t(n * (n - 1) / 2)) << p.name;
    for (const ronri::test::DrawCall& c : rec.calls)
      EXPECT_TRUE(c.x1 < size.width && c.y1 < size.height) << p.name << ronri::test::describe(c);
    const auto faults = ronri::test::drawingFaults(rec.calls);
    EXPECT_TRUE(faults.empty()) << p.name << ": " << faults.front() << "\n" << rec.dump();
  }
  std::mt19937 rng(38);
  for (int i = 0; i < 40; ++i) {
    const Machine m = test::randomMachine(rng);
    EXPECT_TRUE(diagramSound(m)) << writeKiss2(m);
    ronri::test::RecordingSurface rec;
    drawImplicationTable(rec, m, reduceStates(m));
    const auto faults = ronri::test::drawingFaults(rec.calls);
    EXPECT_TRUE(faults.empty()) << faults.front() << "\n" << writeKiss2(m);
  }
}

}  // namespace
}  // namespace ronri::seq
