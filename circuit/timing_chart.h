#pragma once
// The timing chart of a simulated change: a row per signal with its name on
// the left and its waveform over the time steps, the time axis below, and the
// output's glitch shaded. Coordinates in twips.
#include <vector>

#include "circuit/timing.h"
#include "core/draw/surface.h"

namespace ronri {

// The signals a chart (and its CSV) shows, top to bottom: the inputs, with
// `everyGate` the ~x buses and every gate, then the output f.
std::vector<const Waveform*> chartSignals(const Timing& t, bool everyGate);

struct ChartLayout {
  static constexpr int kLeft = 1320;  // x of the time before the change
  static constexpr int kTop = 240;    // top of the first row
  static constexpr int kRow = 600;    // height of a row
  static constexpr int kHigh = 120;   // a 1 below the row's top
  static constexpr int kLow = 420;    // a 0
  static constexpr int kUnit = 480;   // one time step
  static constexpr int kFirst = -1;   // the chart starts one step before the change
  int last = 0;                       // the last time shown
  int rows = 0;
  int x(int time) const { return kLeft + (time - kFirst) * kUnit; }
  int rowTop(int i) const { return kTop + i * kRow; }
  int axisY() const { return rowTop(rows) + 60; }
  int width() const { return x(last) + 360; }
  int height() const { return axisY() + 420; }
};

ChartLayout chartLayout(const Timing& t, bool everyGate);

// The time the output first and last changed, when it glitched: the span shaded.
bool glitchSpan(const Timing& t, int& from, int& to);

constexpr int kGlitchColor = 12;  // light red hatching
constexpr int kChangeColor = 7;   // the grey line at time 0

void drawTimingChart(Surface& s, const Timing& t, bool everyGate);

}  // namespace ronri
