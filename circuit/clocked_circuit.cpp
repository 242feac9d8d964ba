// The clocked circuit: its layout and drawing.
#include "circuit/clocked_circuit.h"

#include <algorithm>
#include <cmath>

#include "circuit/gates.h"
#include "circuit/router.h"
#include "core/expression/expression.h"

namespace ronri {
namespace {

constexpr double kBusStart = 600;  // where the two-level drawing starts its plain buses
constexpr double kNamePoint = 10;  // outputs, as the two-level drawing names them
constexpr double kPinPoint = 9;
constexpr double kFeedbackGap = 120;
constexpr double kMargin = 240;
constexpr int kMostVariables = kColumnCount / 2;

double upTo15(double v) {
  return std::ceil(v / 15) * 15;
}
int at(double v) {
  return int(std::lround(v));
}

// Draws on another surface moved by (dx, dy).
class Moved : public Surface {
 public:
  Moved(Surface& s, int dx, int dy) : s_(s), dx_(dx), dy_(dy) {}
  void line(int x1, int y1, int x2, int y2, int color) override {
    s_.line(x1 + dx_, y1 + dy_, x2 + dx_, y2 + dy_, color);
  }
  void rectangle(int x1, int y1, int x2, int y2, int color) override {
    s_.rectangle(x1 + dx_, y1 + dy_, x2 + dx_, y2 + dy_, color);
  }
  void circle(int x, int y, int r, int color) override { s_.circle(x + dx_, y + dy_, r, color); }
  void picture(std::string_view name, int x, int y) override { s_.picture(name, x + dx_, y + dy_); }
  void text(int x, int y, std::string_view utf8, int color, double pointSize,
            TextFace face) override {
    s_.text(x + dx_, y + dy_, utf8, color, pointSize, face);
  }
  void erase(int x1, int y1, int x2, int y2) override {
    s_.erase(x1 + dx_, y1 + dy_, x2 + dx_, y2 + dy_);
  }

 private:
  Surface& s_;
  int dx_, dy_;
};

// The terms of f over the circuit's variables; false when f has a variable
// the circuit does not.
bool remapped(const ClockedFunction& f, const std::vector<std::string>& names,
              std::vector<Term>& out) {
  const int n = int(names.size()), m = int(f.variables.size());
  std::vector<int> place(size_t(m), -1);
  for (int i = 0; i < m; ++i) {
    const auto it = std::find(names.begin(), names.end(), f.variables[size_t(i)]);
    if (it == names.end()) return false;
    place[size_t(i)] = int(it - names.begin());
  }
  for (const Term& t : f.terms) {
    Term r;
    for (int i = 0; i < m; ++i) {
      const unsigned from = variableBit(i, m), to = variableBit(place[size_t(i)], n);
      if (t.mask & from) r.mask |= uint16_t(to);
      if (t.bits & from) r.bits |= uint16_t(to);
    }
    out.push_back(r);
  }
  return true;
}

// The functions as a shared minimum: each distinct term once, feeding every
// function that has it.
bool sharedMinimum(const ClockedPlan& plan, const std::vector<std::string>& names,
                   MultiMinimum& m) {
  for (size_t j = 0; j < plan.functions.size(); ++j) {
    std::vector<Term> terms;
    if (!remapped(plan.functions[j], names, terms)) return false;
    const bool one = std::any_of(terms.begin(), terms.end(), [](Term t) { return t.mask == 0; });
    m.constant.push_back(terms.empty() ? '0' : one ? '1' : 0);
    if (m.constant.back()) continue;
    for (const Term& t : terms) {
      auto it = std::find_if(m.shared.begin(), m.shared.end(),
                             [&](const SharedTerm& s) { return s.cube == t; });
      if (it == m.shared.end()) it = m.shared.insert(m.shared.end(), SharedTerm{t, {}});
      if (it->outputs.empty() || it->outputs.back() != int(j)) it->outputs.push_back(int(j));
    }
  }
  return true;
}

// Whether the letter's drop line is drawn.
bool used(const TwoLevelCircuit& c, char letter) {
  return std::any_of(c.wires.begin(), c.wires.end(),
                     [&](const TwoLevelCircuit::Wire& w) { return w.net == letter; });
}

class Builder {
 public:
  Builder(const ClockedPlan& plan, ClockedCircuit& c) : plan_(plan), c_(c) {}

  void build() {
    const size_t bits = plan_.stateNames.size(), pins = plan_.pins.size();
    placeLeft();
    const double xOut = c_.logic.outputs.empty() ? kBusStart : c_.logic.outputs[0].x + c_.panX;
    double labelWidth = 0;
    for (const auto& f : plan_.functions)
      labelWidth = std::max(labelWidth, textBox(f.name + " = 0", kNamePoint).width);
    const double clockX = upTo15(xOut + 60 + labelWidth + kMargin);
    const double boxX = clockX + 360;
    const double boxW = boxWidth();
    double bottom = c_.logic.height + c_.panY;
    for (size_t k = 0; k < bits; ++k) {
      ClockedCircuit::FlipFlop ff;
      ff.name = plan_.stateNames[k];
      ff.x = boxX;
      ff.w = boxW;
      for (size_t p = 0; p < pins; ++p) ff.pinY.push_back(outputY(k * pins + p));
      const double first = ff.pinY.front(), last = ff.pinY.back();
      ff.clockY = pins == 1 ? first + 300 : std::round((first + last) / 10) * 5;
      ff.qY = first;
      ff.notQY = pins == 1 ? ff.clockY : last;
      ff.y = first - 210;
      ff.h = std::max(last, ff.clockY) + 210 - ff.y;
      bottom = std::max(bottom, ff.y + ff.h);
      for (size_t p = 0; p < pins; ++p) wireInput(k * pins + p, xOut, boxX, ff.pinY[p]);
      c_.flipFlops.push_back(ff);
    }
    for (size_t j = bits * pins; j < plan_.functions.size(); ++j) {
      const TwoLevelCircuit::Output& o = c_.logic.outputs[j];
      c_.outputs.push_back({o.name, xOut, o.y + c_.panY, o.constant});
    }
    double right = xOut + 60 + labelWidth;
    if (bits > 0) {
      right = feedback(boxX + boxW);
      clock(clockX, bottom + 300);
    }
    c_.width = right + kMargin;
    c_.height = std::max(bottom, c_.clockY + 230) + kMargin;
  }

 private:
  // The input buses' names and the feedback rows above the gates decide how
  // far the gates move right and down.
  void placeLeft() {
    double plainW = 0, negatedW = 0;
    for (const auto& name : plan_.inputNames) {
      plainW = std::max(plainW, textBox(name + "=0", kPinPoint).width);
      negatedW = std::max(negatedW, textBox("~" + name + "=0", kPinPoint).width);
    }
    const double negatedName = kBusStart - 30 - plainW - 60 - 30 - negatedW;
    if (!plan_.inputNames.empty()) c_.panX = upTo15(std::max(0.0, kMargin - negatedName));
    const size_t bits = plan_.stateNames.size();
    for (size_t k = 0; k < 2 * bits; ++k)
      if (used(c_.logic, kColumnLetters[k])) feedbackLetters_.push_back(kColumnLetters[k]);
    const double top = 360 - kFeedbackGap * (double(feedbackLetters_.size()) - 1);
    c_.panY = upTo15(std::max(0.0, kMargin - top));
  }

  double boxWidth() const {
    double left = 0, middle = 0;
    for (const auto& p : plan_.pins) left = std::max(left, textBox(p + "=0", kPinPoint).width);
    for (const auto& q : plan_.stateNames)
      middle = std::max(middle, textBox(q + "=0", kPinPoint).width);
    return upTo15(60 + left + 60 + middle + 60 + textBox("~Q", kPinPoint).width + 60);
  }

  double outputY(size_t j) const { return c_.logic.outputs[j].y + c_.panY; }

  void wireInput(size_t j, double xOut, double boxX, double y) {
    const TwoLevelCircuit::Output& o = c_.logic.outputs[j];
    if (!o.constant) {
      c_.wires.push_back({xOut, y, boxX, y, o.net});
      return;
    }
    const double start = xOut + 60 + textBox(std::string(1, o.constant), kNamePoint).width + 60;
    c_.constants.push_back({o.name, start, y, o.constant});
    c_.wires.push_back({start, y, boxX, y, -1});
  }

  // Each used Q and ~Q back to its drop line: right, up to a row of its own
  // above the gates, left and down. The rightmost drop takes the lowest row
  // and the nearest lane, so no two feedback wires cross. Returns the
  // rightmost lane.
  double feedback(double boxRight) {
    double lane = boxRight;
    for (size_t r = 0; r < feedbackLetters_.size(); ++r) {
      const char letter = feedbackLetters_[r];
      const int column =
          int(std::find(kColumnLetters, kColumnLetters + kColumnCount, letter) - kColumnLetters);
      const ClockedCircuit::FlipFlop& ff = c_.flipFlops[size_t(column / 2)];
      const double y = column % 2 ? ff.notQY : ff.qY;
      InputColumn col;
      inputColumn(letter, col);
      const double row = 360 - kFeedbackGap * double(r) + c_.panY;
      const double dropX = col.dropX + c_.panX, busY = col.busY + c_.panY;
      lane = boxRight + kMargin + kFeedbackGap * double(r);
      c_.wires.push_back({boxRight, y, lane, y, letter});
      c_.wires.push_back({lane, y, lane, row, letter});
      c_.wires.push_back({lane, row, dropX, row, letter});
      c_.wires.push_back({dropX, row, dropX, busY, letter});
    }
    return lane;
  }

  // The clock line from its start below everything up to the first
  // flip-flop, a branch to each.
  void clock(double x, double start) {
    const int net = -2;
    const double top = c_.flipFlops.front().clockY;
    c_.wires.push_back({x, start, x, top, net});
    for (size_t k = 0; k < c_.flipFlops.size(); ++k) {
      const auto& ff = c_.flipFlops[k];
      c_.wires.push_back({x, ff.clockY, ff.x, ff.clockY, net});
      if (k > 0) c_.junctions.push_back({x, ff.clockY, net});
    }
    c_.clockX = x;
    c_.clockY = start;
  }

  const ClockedPlan& plan_;
  ClockedCircuit& c_;
  std::vector<char> feedbackLetters_;  // in column order
};

std::string busName(const ClockedCircuit& c, size_t k, bool negated, const std::string& bits) {
  const size_t bitsBefore = size_t(c.logic.inputs) - c.inputNames.size();
  std::string name = (negated ? "~" : "") + c.inputNames[k];
  if (!bits.empty()) {
    const bool one = bits.size() > bitsBefore + k && bits[bitsBefore + k] == '1';
    name += std::string("=") + ((one != negated) ? '1' : '0');
  }
  return name;
}

// The input buses with their names: plain names right, negated ones left at
// the start of their longer lines, as the two-level drawing names its buses.
void drawInputBuses(Surface& s, const ClockedCircuit& c, const std::string& bits) {
  const int first = c.logic.inputs - int(c.inputNames.size());
  double plainW = 0;
  for (const auto& name : c.inputNames)
    plainW = std::max(plainW, textBox(name + "=0", kPinPoint).width);
  const double plainRight = kBusStart - 30;
  const double negatedStart = plainRight - plainW - 60;
  const int color = bits.empty() ? kBlack : kLightRed;
  for (size_t k = 0; k < c.inputNames.size(); ++k)
    for (bool negated : {false, true}) {
      const char letter = negated ? negatedLetter(first + int(k)) : plainLetter(first + int(k));
      if (negated && !used(c.logic, letter)) continue;
      InputColumn col;
      inputColumn(letter, col);
      const double start = (negated ? negatedStart : kBusStart) + c.panX;
      const double y = col.busY + c.panY;
      s.line(at(start), at(y), at(col.dropX + c.panX), at(y), kBlack);
      const std::string name = busName(c, k, negated, bits);
      const TextBox box = textBox(name, kPinPoint);
      const double top = negated ? y - box.height / 2 : y - 160;
      s.text(at(start - 30 - box.width), at(top), name, color, kPinPoint, TextFace::Expression);
    }
}

void drawDot(Surface& s, double x, double y) {
  for (double r = kJunctionRadius; r > 0; r -= 15) s.circle(at(x), at(y), at(r), kBlack);
}

void drawFlipFlops(Surface& s, const ClockedCircuit& c, const std::string& bits,
                   const std::string& values) {
  const bool testing = !bits.empty();
  const int color = testing ? kLightRed : kBlack;
  for (size_t k = 0; k < c.flipFlops.size(); ++k) {
    const auto& ff = c.flipFlops[k];
    s.rectangle(at(ff.x), at(ff.y), at(ff.x + ff.w), at(ff.y + ff.h), kBlack);
    const double half = textBox("Q", kPinPoint).height / 2;
    for (size_t p = 0; p < ff.pinY.size(); ++p) {
      std::string label = c.pins[p];
      if (testing) label += std::string("=") + values[k * c.pins.size() + p];
      s.text(at(ff.x + 60), at(ff.pinY[p] - half), label, color, kPinPoint, TextFace::Expression);
    }
    // The clock input's triangle.
    s.line(at(ff.x), at(ff.clockY - 90), at(ff.x + 120), at(ff.clockY), kBlack);
    s.line(at(ff.x + 120), at(ff.clockY), at(ff.x), at(ff.clockY + 90), kBlack);
    const double right = ff.x + ff.w - 60;
    s.text(at(right - textBox("Q", kPinPoint).width), at(ff.qY - half), "Q", kBlack, kPinPoint,
           TextFace::Expression);
    s.text(at(right - textBox("~Q", kPinPoint).width), at(ff.notQY - half), "~Q", kBlack, kPinPoint,
           TextFace::Expression);
    std::string name = ff.name;
    if (testing) name += std::string("=") + (bits.size() > k ? bits[k] : '0');
    const TextBox box = textBox(name, kPinPoint);
    s.text(at(ff.x + (ff.w - box.width) / 2), at(ff.y + ff.h / 2 - box.height / 2), name, color,
           kPinPoint, TextFace::Expression);
  }
}

}  // namespace

ClockedCircuit layoutClocked(const ClockedPlan& plan) {
  ClockedCircuit c;
  c.pins = plan.pins;
  c.inputNames = plan.inputNames;
  std::vector<std::string> names = plan.stateNames;
  names.insert(names.end(), plan.inputNames.begin(), plan.inputNames.end());
  if (int(names.size()) > kMostVariables) {
    c.problem = "more than " + std::to_string(kMostVariables) + " variables";
    return c;
  }
  if (plan.functions.size() < plan.stateNames.size() * plan.pins.size()) {
    c.problem = "a flip-flop input without its function";
    return c;
  }
  MultiMinimum m;
  if (!sharedMinimum(plan, names, m)) {
    c.problem = "a function of a variable the circuit does not have";
    return c;
  }
  std::vector<std::string> functionNames;
  for (const auto& f : plan.functions) functionNames.push_back(f.name);
  c.logic = layoutTwoLevel(int(names.size()), functionNames, m);
  c.logic.inputs = int(names.size());
  Builder(plan, c).build();
  return c;
}

std::string clockedValues(const ClockedCircuit& c, const std::string& bits) {
  return twoLevelOutputs(c.logic, bits);
}

void drawClocked(Surface& s, const ClockedCircuit& c, const std::string& bits) {
  if (!c.problem.empty()) return;
  const bool testing = !bits.empty();
  Moved logic(s, at(c.panX), at(c.panY));
  TwoLevelDrawing how;
  how.buses = false;
  how.names = false;
  how.testBits = bits;
  drawTwoLevel(logic, c.logic, how);
  drawInputBuses(s, c, bits);
  for (const auto& w : c.wires) s.line(at(w.x1), at(w.y1), at(w.x2), at(w.y2), kBlack);
  for (const auto& j : c.junctions) drawDot(s, j.x, j.y);
  const std::string values = testing ? clockedValues(c, bits) : std::string();
  drawFlipFlops(s, c, bits, values);
  const double half = textBox("1", kNamePoint).height / 2;
  for (const auto& k : c.constants)
    s.text(at(k.x - 60 - textBox(std::string(1, k.constant), kNamePoint).width), at(k.y - half),
           std::string(1, k.constant), kBlack, kNamePoint, TextFace::Expression);
  const size_t firstOutput = values.size() - std::min(values.size(), c.outputs.size());
  for (size_t j = 0; j < c.outputs.size(); ++j) {
    const auto& o = c.outputs[j];
    std::string label = o.name;
    if (testing)
      label += std::string(" = ") + values[firstOutput + j];
    else if (o.constant)
      label += std::string(" = ") + o.constant;
    s.text(at(o.x + 60), at(o.y - half), label, testing ? kLightRed : kBlack, kNamePoint,
           TextFace::Expression);
  }
  if (!c.flipFlops.empty()) {
    const TextBox box = textBox("CLK", kPinPoint);
    s.text(at(c.clockX - box.width / 2), at(c.clockY + 30), "CLK", kBlack, kPinPoint,
           TextFace::Expression);
  }
}

}  // namespace ronri
