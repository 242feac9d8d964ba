#include "circuit/timing_chart.h"

#include <algorithm>
#include <string>

namespace ronri {

std::vector<const Waveform*> chartSignals(const Timing& t, bool everyGate) {
  std::vector<const Waveform*> shown;
  for (const Waveform& w : t.inputs) shown.push_back(&w);
  if (everyGate) {
    for (const Waveform& w : t.buses) shown.push_back(&w);
    for (const Waveform& w : t.gates) shown.push_back(&w);
  }
  shown.push_back(&t.output);
  return shown;
}

ChartLayout chartLayout(const Timing& t, bool everyGate) {
  ChartLayout c;
  c.last = t.settled + 2;
  c.rows = int(chartSignals(t, everyGate).size());
  return c;
}

bool glitchSpan(const Timing& t, int& from, int& to) {
  if (!t.glitch()) return false;
  from = t.output.changes.front().first;
  to = t.output.changes.back().first;
  return true;
}

namespace {

// Diagonal hatching of the rectangle, each line clipped to it.
void hatch(Surface& s, int left, int top, int right, int bottom, int color) {
  const int h = bottom - top, step = 90;
  for (int d = left - h + step; d < right; d += step) {
    // The line x = d + (bottom - y), from the bottom edge up to the top one.
    int x1 = d, y1 = bottom, x2 = d + h, y2 = top;
    if (x1 < left) {
      y1 -= left - x1;
      x1 = left;
    }
    if (x2 > right) {
      y2 += x2 - right;
      x2 = right;
    }
    if (x1 < x2) s.line(x1, y1, x2, y2, color);
  }
}

void drawWave(Surface& s, const ChartLayout& c, int top, const Waveform& w) {
  const auto y = [&](bool v) { return top + (v ? ChartLayout::kHigh : ChartLayout::kLow); };
  int from = c.x(ChartLayout::kFirst);
  bool v = w.start;
  for (const auto& [time, value] : w.changes) {
    if (value == v || time > c.last) continue;
    const int at = c.x(time);
    s.line(from, y(v), at, y(v), kBlack);
    s.line(at, y(v), at, y(value), kBlack);
    from = at;
    v = value;
  }
  s.line(from, y(v), c.x(c.last), y(v), kBlack);
}

}  // namespace

void drawTimingChart(Surface& s, const Timing& t, bool everyGate) {
  const ChartLayout c = chartLayout(t, everyGate);
  const std::vector<const Waveform*> shown = chartSignals(t, everyGate);
  int from = 0, to = 0;
  if (glitchSpan(t, from, to)) {
    const int top = c.rowTop(c.rows - 1);
    hatch(s, c.x(from), top + 60, c.x(to), top + ChartLayout::kRow - 60, kGlitchColor);
  }
  // The change of the input: a grey line down every row.
  s.line(c.x(0), ChartLayout::kTop, c.x(0), c.axisY(), kChangeColor);
  for (int i = 0; i < c.rows; ++i) {
    const int top = c.rowTop(i);
    s.text(120, top + 150, shown[size_t(i)]->name, kBlack, 9, TextFace::Expression);
    drawWave(s, c, top, *shown[size_t(i)]);
  }
  // The time axis, a tick and a number at every step from the change on.
  const int axis = c.axisY();
  s.line(c.x(ChartLayout::kFirst), axis, c.x(c.last), axis, kBlack);
  for (int time = 0; time <= c.last; ++time) {
    s.line(c.x(time), axis, c.x(time), axis + 60, kBlack);
    const std::string label = std::to_string(time);
    s.text(c.x(time) - 45 * int(label.size()), axis + 90, label, kBlack, 8);
  }
}

}  // namespace ronri
