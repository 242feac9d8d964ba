#pragma once
// The timing chart of a designed machine: its equations run clock by clock
// on an input sequence, shown as waveforms of the clock, the inputs, each
// state bit and the outputs, with the state's name per clock.
//
// Time runs in half clock periods. Cycle i takes steps 2i and 2i+1: the
// clock is 0 in the first and 1 in the second, so it rises between them,
// where the state changes. The input of cycle i holds through both steps
// (it changes while the clock falls, clear of the rising edge). A Moore
// output follows the state; a Mealy output follows the state and the input,
// so it can change with the input between the edges.
#include <string>
#include <string_view>
#include <vector>

#include "core/draw/surface.h"
#include "sequential/design.h"

namespace ronri::seq {

// Reading what the user typed as the input sequence.
enum class SequenceError {
  None,
  Empty,         // nothing typed
  BadCharacter,  // a character other than 0, 1 and blanks (a digit for the count)
  GroupLength,   // several inputs: a group without one digit per input
  TooLong,       // more than kMostCycles cycles
};
inline constexpr int kMostCycles = 64;

struct InputSequence {
  std::vector<int> inputs;  // one input combination per cycle
  SequenceError error = SequenceError::None;
  int at = 0;  // 1-based character (for GroupLength the group's first) where it goes wrong
};

// One input: "0110100", blanks ignored. Several: one group of a digit per
// input (X1 first) per cycle, groups apart by blanks: "01 11 10". No input:
// the number of cycles ("8").
InputSequence readInputSequence(std::string_view text, int inputs);

struct TimingChart {
  struct Signal {
    std::string name;   // "CLK", "X", "Q1", "Z"
    std::string steps;  // '0'/'1' per half period
  };
  std::vector<Signal> waves;       // the clock, the inputs, Q(bits-1) … Q0, the outputs
  std::vector<std::string> state;  // per half period, the state's name ("?" for an unused code)
  std::string problem;             // why there is no chart ("" when there is)
  int steps() const { return waves.empty() ? 0 : int(waves.front().steps.size()); }
};

// From the reset state through `inputs` (one cycle each).
TimingChart timingChart(const Machine& m, const Design& d, const std::vector<int>& inputs);

// One line per half period: a header "t,CLK,<inputs>,<state bits>,<outputs>"
// then "0,0,1,…" with the step number and every signal's value; CR LF ends.
std::string timingChartCsv(const TimingChart& c);

struct ChartExtent {
  double width = 0, height = 0;  // twips
};
// `stateLabel` names the band of state names (the caller's language).
ChartExtent drawTimingChart(Surface& s, const TimingChart& c, std::string_view stateLabel = "");

}  // namespace ronri::seq
