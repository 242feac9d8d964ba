// The two-level drawing of a shared minimum, read back as a person would: it
// must compute every output of its table on the rows that are not X, and be
// clean to look at (no gates touching, no wire over a gate or through a
// name, every mark on its wires), on every preset and on random tables.
#include <gtest/gtest.h>

#include <random>

#include "circuit/diagram_reader.h"
#include "circuit/gates.h"
#include "circuit/two_level.h"
#include "core/multi/multi_output.h"
#include "core/multi/multi_output_cover.h"
#include "support/recording_surface.h"

namespace ronri {
namespace {

std::string bitsOf(int r, int n) {
  std::string b;
  for (int k = 0; k < n; ++k) b += char('0' + ((r >> (n - 1 - k)) & 1));
  return b;
}

// Empty when the drawing (and the circuit's own evaluation) computes the table.
std::string faultOf(const MultiTable& t) {
  const MultiMinimum m = minimiseMultiOutput(t, std::chrono::milliseconds(300));
  const TwoLevelCircuit c = layoutTwoLevel(t.inputs, t.names, m);
  if (!c.clean) return "the router found a wire too close";
  // The totals the window shows count the gates and inputs drawn.
  GateTotals drawn;
  for (const auto& g : c.gates) {
    ++(g.op == '*' ? drawn.andGates : drawn.orGates);
    drawn.gateInputs += int(g.inputs.size());
  }
  drawn.terms = m.sharedTotals.terms;
  if (drawn != m.sharedTotals)
    return "drawn " + std::to_string(drawn.andGates) + " AND, " + std::to_string(drawn.orGates) +
           " OR, " + std::to_string(drawn.gateInputs) + " inputs; counted " +
           std::to_string(m.sharedTotals.andGates) + ", " + std::to_string(m.sharedTotals.orGates) +
           ", " + std::to_string(m.sharedTotals.gateInputs);
  for (const std::string& bits : {std::string(), bitsOf(5, t.inputs)}) {
    test::RecordingSurface surface;
    drawTwoLevel(surface, c, {true, bits});
    test::ReadOptions options;
    options.severalOutputs = true;
    options.fanOutMarks = true;
    options.busNamesDrawn = true;
    for (const auto& o : c.outputs)
      if (!o.constant) options.outputEnds.push_back({int(o.x), int(o.y)});
    const test::ReadDiagram read = test::readDiagram(surface.calls, t.inputs, 0, 0, {}, options);
    if (!read.problems.empty()) return read.problems.front();
    if (!read.junctionCrossings.empty()) return read.junctionCrossings.front();
    if (!read.geometry.empty()) return read.geometry.front();
    size_t wired = 0;
    for (int j = 0; j < t.outputs(); ++j) {
      const auto& o = c.outputs[size_t(j)];
      const std::vector<char> drawn = o.constant
                                          ? std::vector<char>(size_t(t.rows()), o.constant)
                                          : read.valuesOf(t.inputs, read.outputNets[wired++]);
      for (int r = 0; r < t.rows(); ++r) {
        const char want = t.values[size_t(j)][size_t(r)];
        const char own = twoLevelOutputs(c, bitsOf(r, t.inputs))[size_t(j)];
        if (want != 'X' && (drawn[size_t(r)] != want || own != want))
          return "output " + o.name + " row " + std::to_string(r) + " drawn " + drawn[size_t(r)] +
                 " evaluated " + own + " table " + want;
      }
    }
  }
  return {};
}

TEST(TwoLevelCircuit, PresetsAndRandomTablesAreDrawnCleanAndRight) {
  for (int p = 0; p < kMultiPresetCount; ++p) {
    const MultiTable t = multiPreset(MultiPreset(p));
    EXPECT_EQ(faultOf(t), "") << multiTableCsv(t);
  }
  std::mt19937 rng(2829);
  for (int i = 0; i < 200; ++i) {
    // Up to six inputs and eight outputs; dense tables make wide ORs and
    // sparse ones the five- and six-letter terms.
    MultiTable t = emptyMultiTable(1 + int(rng() % 6), 1 + int(rng() % 8));
    const unsigned ones = 10 + rng() % 80;
    for (auto& v : t.values)
      for (char& c : v) {
        const unsigned x = rng() % 100;
        c = x < 8 ? 'X' : x < 8 + ones ? '1' : '0';
      }
    const std::string fault = faultOf(t);
    ASSERT_EQ(fault, "") << multiTableCsv(t);
  }
}

}  // namespace
}  // namespace ronri
