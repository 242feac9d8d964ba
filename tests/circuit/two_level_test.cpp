// The two-level drawing of a shared minimum, read back as a person would: it
// must compute every output of its table on the rows that are not X, and be
// clean to look at (no gates touching, no wire over a gate or through a
// name, every mark on its wires), on every preset and on random tables. The
// same for the clocked circuits of state machines: every flip-flop input and
// output computes its function, each Q goes back to its own drop line and one
// clock reaches every flip-flop.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "circuit/clocked_circuit.h"
#include "circuit/diagram_reader.h"
#include "circuit/gates.h"
#include "circuit/two_level.h"
#include "core/multi/multi_output.h"
#include "core/multi/multi_output_cover.h"
#include "sequential/assignment.h"
#include "sequential/kiss2.h"
#include "sequential/presets.h"
#include "sequential/timing_chart.h"
#include "support/recording_surface.h"
#include "tests/sequential/random_machine.h"

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

// The circuit's input as the sequential circuit view makes it.
ClockedPlan planOf(const seq::Machine& m, const seq::Design& d) {
  ClockedPlan plan;
  plan.pins = seq::flipFlopInputNames(d.type);
  for (int b = d.codes.bits - 1; b >= 0; --b) plan.stateNames.push_back("Q" + std::to_string(b));
  for (int i = 0; i < m.inputs; ++i)
    plan.inputNames.push_back(m.inputs == 1 ? "X" : "X" + std::to_string(i + 1));
  for (const seq::Equation& e : d.equations)
    plan.functions.push_back({e.name, e.variables, e.minimum.terms});
  return plan;
}

// Empty when the clocked circuit of the design is drawn clean and computes
// every function of the design off its X rows.
std::string clockedFault(const seq::Machine& m, const seq::Design& d, const std::string& bits) {
  const ClockedCircuit c = layoutClocked(planOf(m, d));
  if (!c.problem.empty()) return c.problem;
  const int n = d.codes.bits + m.inputs;
  test::ReadOptions options;
  options.severalOutputs = options.fanOutMarks = options.busNamesDrawn = true;
  options.sourceEnds.push_back({int(c.clockX), int(c.clockY)});
  for (const auto& k : c.constants) options.sourceEnds.push_back({int(k.x), int(k.y)});
  // Per function the end its value is read at (none for a constant).
  std::vector<int> end;
  const size_t pins = c.pins.size();
  for (size_t j = 0; j < d.functions.size(); ++j) {
    const bool input = j < c.flipFlops.size() * pins;
    const auto& o = c.logic.outputs[j];
    end.push_back(o.constant ? -1 : int(options.outputEnds.size()));
    if (o.constant) continue;
    if (input)
      options.outputEnds.push_back(
          {int(c.flipFlops[j / pins].x), int(c.flipFlops[j / pins].pinY[j % pins])});
    else
      options.outputEnds.push_back({int(c.outputs[j - c.flipFlops.size() * pins].x),
                                    int(c.outputs[j - c.flipFlops.size() * pins].y)});
  }
  const size_t clocks = options.outputEnds.size();
  for (const auto& ff : c.flipFlops) options.outputEnds.push_back({int(ff.x), int(ff.clockY)});
  const size_t tied = options.outputEnds.size();
  for (size_t j = 0; j < c.flipFlops.size() * pins; ++j)  // the pins tied to 0 or 1
    if (c.logic.outputs[j].constant)
      options.outputEnds.push_back(
          {int(c.flipFlops[j / pins].x), int(c.flipFlops[j / pins].pinY[j % pins])});
  test::RecordingSurface surface;
  drawClocked(surface, c, bits);
  const test::ReadDiagram read =
      test::readDiagram(surface.calls, n, int(c.panX), int(c.panY), {}, options);
  if (!read.problems.empty()) return read.problems.front();
  if (!read.junctionCrossings.empty()) return read.junctionCrossings.front();
  if (!read.geometry.empty()) return read.geometry.front();
  for (size_t k = clocks; k < tied; ++k) {
    const int net = read.outputNets[k];
    if (net < 0 || read.driverKind[size_t(net)] != 'k' || net != read.outputNets[clocks])
      return "flip-flop " + std::to_string(k - clocks) + " off the clock";
  }
  // Each Q and ~Q that is fed back reaches its own drop line.
  for (size_t k = 0; k < c.flipFlops.size(); ++k)
    for (const char letter : {plainLetter(int(k)), negatedLetter(int(k))}) {
      const auto& ff = c.flipFlops[k];
      const int x = int(ff.x + ff.w), y = int(letter == plainLetter(int(k)) ? ff.qY : ff.notQY);
      test::ReadOptions at = options;
      at.outputEnds = {{x, y}};
      const test::ReadDiagram q =
          test::readDiagram(surface.calls, n, int(c.panX), int(c.panY), {}, at);
      const int net = q.outputNets[0];
      const bool used = twoLevelNetlist(c.logic).uses(letter);
      if (used && (net < 0 || q.driverKind[size_t(net)] != letter))
        return ff.name + (letter == plainLetter(int(k)) ? " Q" : " ~Q") + " is not fed back";
    }
  for (size_t j = 0; j < d.functions.size(); ++j) {
    const seq::FunctionTable& t = d.functions[j];
    const int shift = n - int(t.variables.size());  // a Moore output: the state bits alone
    const std::vector<char> drawn =
        end[j] < 0 ? std::vector<char>(size_t(1) << n, c.logic.outputs[j].constant)
                   : read.valuesOf(n, read.outputNets[size_t(end[j])]);
    for (int r = 0; r < (1 << n); ++r) {
      const char want = t.rows[size_t(r >> shift)];
      if (want != 'X' && drawn[size_t(r)] != want)
        return t.name + " row " + std::to_string(r) + " drawn " + drawn[size_t(r)];
    }
  }
  return {};
}

// The timing chart's texts stand clear of one another and of every line.
std::string chartFault(const seq::Machine& m, const seq::Design& d, std::mt19937& rng) {
  std::vector<int> inputs(1 + rng() % 12);
  for (int& x : inputs) x = int(rng() % unsigned(m.combinations()));
  test::RecordingSurface surface;
  seq::drawTimingChart(surface, seq::timingChart(m, d, inputs), "\u72b6\u614b");
  test::ReadOptions options;
  options.busNamesDrawn = true;
  const test::ReadDiagram read = test::readDiagram(surface.calls, 0, 0, 0, {}, options);
  return read.geometry.empty() ? "" : "timing chart: " + read.geometry.front();
}

TEST(ClockedCircuitSlow, PresetsAndRandomMachinesAreDrawnCleanAndRightForEveryFlipFlop) {
  std::vector<seq::Machine> machines;
  for (const seq::Preset& p : seq::presets()) machines.push_back(p.machine);
  std::mt19937 rng(3802);
  // RONRI_CROSSCHECK_SAMPLE=k draws every k-th random machine only (valgrind's pass).
  const char* sample = std::getenv("RONRI_CROSSCHECK_SAMPLE");
  const int randoms = 40 / std::max(1, sample ? std::atoi(sample) : 1);
  for (int i = 0; i < std::max(randoms, 2); ++i) machines.push_back(seq::test::randomMachine(rng));
  // The widest: 16 states, three inputs, four outputs.
  for (int i = 0; i < 2; ++i) machines.push_back(seq::test::randomMachine(rng, {9, 16, 3, 4, 0.3}));
  // Names longer than a clock's width in the chart.
  for (size_t s = 0; s < machines.back().names.size(); ++s)
    machines.back().names[s] = "waiting" + std::to_string(s);
  for (const seq::Machine& m : machines)
    for (seq::FlipFlop f :
         {seq::FlipFlop::D, seq::FlipFlop::T, seq::FlipFlop::JK, seq::FlipFlop::SR}) {
      const seq::StateCodes codes =
          rng() % 4 == 0 ? seq::grayCodes(m.states()) : seq::binaryCodes(m.states());
      const seq::Design d = seq::designCircuit(m, codes, f, std::chrono::milliseconds(300));
      const int n = d.codes.bits + m.inputs;
      for (const std::string& bits : {std::string(), bitsOf(int(rng() % (1u << n)), n)}) {
        const std::string fault = clockedFault(m, d, bits);
        ASSERT_EQ(fault, "") << "flip-flop " << int(f) << " bits " << bits << "\n"
                             << seq::writeKiss2(m);
      }
      ASSERT_EQ(chartFault(m, d, rng), "") << seq::writeKiss2(m);
    }
}

}  // namespace
}  // namespace ronri
