// The timing chart: its sequence, its waveforms, its CSV and its drawing.
#include "sequential/timing_chart.h"

#include <algorithm>
#include <cmath>

#include "core/draw/text_box.h"
#include "sequential/simulate.h"

namespace ronri::seq {
namespace {

std::string numbered(const std::string& base, int count, int i) {
  return count == 1 ? base : base + std::to_string(i + 1);
}

InputSequence failed(SequenceError e, size_t at) {
  InputSequence s;
  s.error = e;
  s.at = int(at) + 1;
  return s;
}

InputSequence cycleCount(std::string_view text) {
  int count = 0;
  bool any = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == ' ') continue;
    if (c < '0' || c > '9') return failed(SequenceError::BadCharacter, i);
    any = true;
    count = std::min(count * 10 + (c - '0'), kMostCycles + 1);
    if (count > kMostCycles) return failed(SequenceError::TooLong, i);
  }
  if (!any || count == 0) return failed(SequenceError::Empty, 0);
  InputSequence s;
  s.inputs.assign(size_t(count), 0);
  return s;
}

// The state's name for a code, "?" for a code no state has.
std::string stateName(const Machine& m, const Design& d, uint32_t code) {
  for (int s = 0; s < m.states(); ++s)
    if (d.codes.code[size_t(s)] == code) return m.names[size_t(s)];
  return "?";
}

}  // namespace

InputSequence readInputSequence(std::string_view text, int inputs) {
  if (inputs <= 0) return cycleCount(text);
  InputSequence s;
  int value = 0, digits = 0;
  size_t groupStart = 0;
  const auto close = [&](size_t at) {
    if (digits == 0) return true;
    if (inputs > 1 && digits != inputs) return false;
    s.inputs.push_back(value);
    value = digits = 0;
    (void)at;
    return true;
  };
  for (size_t i = 0; i <= text.size(); ++i) {
    const char c = i < text.size() ? text[i] : ' ';
    if (c == ' ') {
      if (!close(i)) return failed(SequenceError::GroupLength, groupStart);
      continue;
    }
    if (c != '0' && c != '1') return failed(SequenceError::BadCharacter, i);
    if (digits == 0) groupStart = i;
    value = value * 2 + (c - '0');
    ++digits;
    if (inputs == 1) close(i);
    if (int(s.inputs.size()) > kMostCycles) return failed(SequenceError::TooLong, i);
  }
  if (s.inputs.empty()) return failed(SequenceError::Empty, 0);
  return s;
}

TimingChart timingChart(const Machine& m, const Design& d, const std::vector<int>& inputs) {
  TimingChart c;
  if (!d.available || d.equations.empty() || !codesFit(d.codes, m.states())) {
    c.problem = "no equations";
    return c;
  }
  std::vector<std::string> texts;
  for (const Equation& e : d.equations) texts.push_back(e.text);
  const CircuitShape shape{d.type, d.codes.bits, m.inputs, m.outputs, m.kind == MachineKind::Moore};
  const uint32_t start = d.codes.code[size_t(m.reset)];
  const Simulation run = simulate(texts, shape, start, inputs);
  if (!run.problem.empty()) {
    c.problem = run.problem;
    return c;
  }
  const int bits = d.codes.bits;
  c.waves.push_back({"CLK", ""});
  for (int i = 0; i < m.inputs; ++i) c.waves.push_back({numbered("X", m.inputs, i), ""});
  for (int b = bits - 1; b >= 0; --b) c.waves.push_back({"Q" + std::to_string(b), ""});
  for (int o = 0; o < m.outputs; ++o) c.waves.push_back({numbered("Z", m.outputs, o), ""});
  for (const Cycle& cy : run.cycles) {
    // After the edge the outputs are those of the new state with the same input.
    const Simulation after = simulate(texts, shape, cy.next, {cy.input});
    const std::string late = after.cycles.empty() ? cy.outputs : after.cycles[0].outputs;
    for (int half = 0; half < 2; ++half) {
      const uint32_t q = half ? cy.next : cy.state;
      size_t k = 0;
      c.waves[k++].steps += char('0' + half);
      for (int i = 0; i < m.inputs; ++i)
        c.waves[k++].steps += char('0' + (cy.input >> (m.inputs - 1 - i) & 1));
      for (int b = bits - 1; b >= 0; --b) c.waves[k++].steps += char('0' + (q >> b & 1));
      for (int o = 0; o < m.outputs; ++o)
        c.waves[k++].steps += (half ? late : cy.outputs)[size_t(o)];
      c.state.push_back(stateName(m, d, q));
    }
  }
  return c;
}

std::string timingChartCsv(const TimingChart& c) {
  std::string out = "t";
  for (const auto& s : c.waves) out += "," + s.name;
  out += "\r\n";
  for (int t = 0; t < c.steps(); ++t) {
    out += std::to_string(t);
    for (const auto& s : c.waves) out += std::string(",") + s.steps[size_t(t)];
    out += "\r\n";
  }
  return out;
}

namespace {

constexpr double kStep = 480;   // a half clock period
constexpr double kRow = 540;    // a signal's row
constexpr double kSwing = 300;  // from low to high
constexpr double kPoint = 10;
constexpr double kNamePoint = 9;  // the states' names
constexpr double kMargin = 240;
constexpr int kGuideColor = 7;  // light grey
constexpr int kWaveColor = 1;   // blue

int at(double v) {
  return int(std::lround(v));
}

// `text` cut to fit `width`, an ellipsis ending a cut one.
std::string fitted(std::string text, double width) {
  if (textBox(text, kNamePoint).width <= width) return text;
  while (!text.empty()) {
    do text.pop_back();
    while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80);
    if (textBox(text + "\u2026", kNamePoint).width <= width) return text + "\u2026";
  }
  return "";
}

}  // namespace

ChartExtent drawTimingChart(Surface& s, const TimingChart& c, std::string_view stateLabel) {
  ChartExtent e;
  if (c.steps() == 0) return e;
  double nameW = 0;
  for (const auto& sig : c.waves) nameW = std::max(nameW, textBox(sig.name, kPoint).width);
  nameW = std::max(nameW, textBox(stateLabel, kPoint).width);
  const double h = textBox("0", kPoint).height;
  const double x0 = kMargin + nameW + kMargin;
  const double top = kMargin + h + 120;  // under the cycle numbers
  const int steps = c.steps();
  const double bottom = top + kRow * double(c.waves.size());
  // The cycle numbers over their rising edges, a guide down from each.
  for (int t = 1; t < steps; t += 2) {
    const double x = x0 + t * kStep;
    const std::string n = std::to_string(t / 2 + 1);
    s.text(at(x - textBox(n, kPoint).width / 2), at(kMargin), n, kBlack, kPoint,
           TextFace::Expression);
    for (double y = top; y < bottom; y += 120) s.line(at(x), at(y), at(x), at(y + 60), kGuideColor);
  }
  for (size_t r = 0; r < c.waves.size(); ++r) {
    const auto& sig = c.waves[r];
    const double base = top + kRow * double(r) + kRow - 120;  // the low level
    s.text(at(kMargin), at(base - kSwing / 2 - h / 2), sig.name, kBlack, kPoint,
           TextFace::Expression);
    double x = x0;
    for (int t = 0; t < steps; ++t) {
      const double y = sig.steps[size_t(t)] == '1' ? base - kSwing : base;
      if (t > 0 && sig.steps[size_t(t)] != sig.steps[size_t(t - 1)])
        s.line(at(x), at(base - kSwing), at(x), at(base), kWaveColor);
      s.line(at(x), at(y), at(x + kStep), at(y), kWaveColor);
      x += kStep;
    }
  }
  // The states as a band: two lines, a mark where the state changes, its
  // name between.
  const double bandTop = top + kRow * double(c.waves.size()) + 60;
  const double bandBottom = bandTop + h + 120;
  s.text(at(kMargin), at(bandTop + 60), stateLabel, kBlack, kPoint, TextFace::Expression);
  int from = 0;
  for (int t = 1; t <= steps; ++t) {
    if (t < steps && c.state[size_t(t)] == c.state[size_t(from)]) continue;
    const double l = x0 + from * kStep, r = x0 + t * kStep;
    s.line(at(l), at(bandTop), at(r), at(bandTop), kBlack);
    s.line(at(l), at(bandBottom), at(r), at(bandBottom), kBlack);
    s.line(at(l), at(bandTop), at(l), at(bandBottom), kBlack);
    const std::string name = fitted(c.state[size_t(from)], r - l - 80);
    const TextBox box = textBox(name, kNamePoint);
    if (!name.empty())
      s.text(at((l + r - box.width) / 2), at((bandTop + bandBottom - box.height) / 2), name, kBlack,
             kNamePoint, TextFace::Expression);
    from = t;
  }
  const double end = x0 + steps * kStep;
  s.line(at(end), at(bandTop), at(end), at(bandBottom), kBlack);
  e.width = end + kMargin;
  e.height = bandBottom + kMargin;
  return e;
}

}  // namespace ronri::seq
