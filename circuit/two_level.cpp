// The two-level circuit of several outputs: its layout, test values and drawing.
#include "circuit/two_level.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "circuit/gates.h"
#include "circuit/router.h"
#include "core/expression/expression.h"

namespace ronri {

namespace {

constexpr double kBusStart = 360;
constexpr double kFirstColumn = 3120;  // right of every drop line
constexpr double kNamePoint = 10;
constexpr double kValuePoint = 9;

std::vector<double> pinHeights(size_t k) {
  switch (k) {
    case 1:
      return {kOutputY};
    case 2:
      return {kPinFirst, kPinSecond};
    case 3:
      return {kPinFirst, kPinThree, kPinSecond};
    default:
      return {kPinFirst, kPinFourHigh, kPinFourLow, kPinSecond};
  }
}

// n nodes in ceil(n / 4) groups of nearly equal size (each of two or more).
std::vector<size_t> groupSizes(size_t n) {
  const size_t groups = (n + 3) / 4;
  std::vector<size_t> out(groups, n / groups);
  for (size_t g = 0; g < n % groups; ++g) ++out[g];
  return out;
}

int levelsFor(size_t k) {
  if (k <= 1) return 0;
  if (k <= 4) return 1;
  return 1 + levelsFor((k + 3) / 4);
}

double rounded(double v) {
  return std::round(v / 5) * 5;
}

int columnIndex(int net) {
  for (int i = 0; i < kColumnCount; ++i)
    if (kColumnLetters[i] == net) return i;
  return -1;
}

struct Spacing {
  double pitch;    // of the gate rows
  double laneGap;  // between vertical lanes
};

class Builder {
 public:
  Builder(int n, Spacing sp) : sp_(sp) {
    c_.inputs = n;
    InputColumn last;
    inputColumn(kColumnLetters[2 * n - 1], last);
    top_ = last.busY + 300;
  }

  TwoLevelCircuit build(const std::vector<std::string>& names, const MultiMinimum& m) {
    placeColumns(names.size(), m);
    const int andSlots = drawTerms(m);
    const int orSlots = drawOutputs(names, m);
    drawLanes();
    drawDrops();
    double labelWidth = 0;
    for (const auto& o : c_.outputs)
      labelWidth = std::max(labelWidth, textBox(o.name + " = 0", kNamePoint).width);
    c_.width = xOut_ + 60 + labelWidth + 240;
    c_.height = andSlot(std::max(andSlots, orSlots)) + 300;
    c_.clean = checkClear();
    return c_;
  }

 private:
  // Columns, left to right, and what each output is fed by.
  void placeColumns(size_t outputs, const MultiMinimum& m) {
    const size_t terms = m.shared.size();
    bool wide = false;
    for (const SharedTerm& t : m.shared) wide |= t.cube.letters() > 4;
    feeds_.assign(outputs, {});
    for (size_t i = 0; i < terms; ++i)
      for (int j : m.shared[i].outputs) feeds_[size_t(j)].push_back(int(i));
    int depth = 0;
    for (const auto& f : feeds_) depth = std::max(depth, levelsFor(f.size()));

    xA1_ = kFirstColumn;
    xA2_ = wide ? xA1_ + kGateWidth + 180 + sp_.laneGap + 240 : kFirstColumn;
    lane_.assign(terms, 0);
    for (size_t i = 0; i < terms; ++i) lane_[i] = xA2_ + kGateWidth + 180 + double(i) * sp_.laneGap;
    xO_.assign(size_t(std::max(depth, 1)), 0);
    xO_[0] = (terms ? lane_.back() : xA2_ + kGateWidth) + 240;
    for (size_t l = 1; l < xO_.size(); ++l)
      xO_[l] = xO_[l - 1] + kGateWidth + 180 + 3 * sp_.laneGap + 240;
    xOut_ = (depth > 0 ? xO_.back() + kGateWidth : xO_[0]) + 240;
  }

  // The AND side: one row of the term per term, wide terms as a tree of two.
  // Returns the slots used.
  int drawTerms(const MultiMinimum& m) {
    const int n = c_.inputs;
    const size_t terms = m.shared.size();
    termNet_.assign(terms, 0);
    termRow_.assign(terms, 0);
    int slot = 0;
    for (size_t i = 0; i < terms; ++i) {
      std::vector<int> letters;
      const Term cube = m.shared[i].cube;
      for (int k = 0; k < n; ++k) {
        const unsigned bit = variableBit(k, n);
        if (cube.mask & bit)
          letters.push_back((cube.bits & bit) ? plainLetter(k) : negatedLetter(k));
      }
      const double y = andSlot(slot);
      if (letters.size() == 1) {
        termNet_[i] = letters[0];
        termRow_[i] = y + kOutputY;
        tap(letters[0], termRow_[i], lane_[i], -1);
        slot += 1;
      } else if (letters.size() <= 4) {
        const int g = gateWith('*', xA2_, y, letters);
        termNet_[i] = net(g);
        termRow_[i] = y + kOutputY;
        wire(xA2_ + kGateWidth, termRow_[i], lane_[i], termRow_[i], termNet_[i], g);
        slot += 1;
      } else {
        const std::vector<int> first(letters.begin(), letters.begin() + 3);
        const std::vector<int> rest(letters.begin() + 3, letters.end());
        const int a = gateWith('*', xA1_, y, first);
        const int b = gateWith('*', xA1_, andSlot(slot + 1), rest);
        const int g = gate('*', xA2_, andSlot(slot + 1));
        join({a, b}, g, xA1_ + kGateWidth + 180);
        termNet_[i] = net(g);
        termRow_[i] = c_.gates[size_t(g)].y + kOutputY;
        wire(xA2_ + kGateWidth, termRow_[i], lane_[i], termRow_[i], termNet_[i], g);
        slot += 2;
      }
    }
    return slot;
  }

  // The OR side: one band of rows per output. Returns the slots used.
  int drawOutputs(const std::vector<std::string>& names, const MultiMinimum& m) {
    branchRows_.assign(termNet_.size(), {});
    int slot = 0;
    for (size_t j = 0; j < names.size(); ++j) {
      TwoLevelCircuit::Output out;
      out.name = names[j];
      out.x = xOut_;
      const std::vector<int>& f = feeds_[j];
      const double y = orSlot(slot);
      if (m.constant.size() > j && m.constant[j]) {
        out.constant = m.constant[j];
        out.y = y + kOutputY;
        slot += 1;
      } else if (f.size() == 1) {
        out.net = termNet_[size_t(f[0])];
        out.y = y + kOutputY;
        branchRows_[size_t(f[0])].push_back(out.y);
        wire(lane_[size_t(f[0])], out.y, xOut_, out.y, out.net, -1);
        slot += 1;
      } else if (!f.empty()) {
        const int root = orTree(f, slot);
        out.net = net(root);
        out.y = row(root);
        wire(c_.gates[size_t(root)].x + kGateWidth, out.y, xOut_, out.y, out.net, root);
      }
      c_.outputs.push_back(out);
    }
    return slot;
  }

  // The OR gates of an output fed by the terms `f`: the first column takes
  // the terms four at most to a gate, each further column joins the gates
  // before it. Returns the last gate.
  int orTree(const std::vector<int>& f, int& slot) {
    std::vector<int> level;
    size_t next = 0;
    for (size_t size : groupSizes(f.size())) {
      const int g = gate('+', xO_[0], orSlot(slot++));
      const std::vector<double> pins = pinHeights(size);
      for (size_t p = 0; p < size; ++p, ++next) {
        const size_t t = size_t(f[next]);
        const double pinRow = c_.gates[size_t(g)].y + pins[p];
        pin(g, termNet_[t], pinRow);
        branchRows_[t].push_back(pinRow);
        wire(lane_[t], pinRow, xO_[0], pinRow, termNet_[t], -1, g);
      }
      level.push_back(g);
    }
    for (size_t l = 1; level.size() > 1; ++l) {
      std::vector<int> parents;
      size_t first = 0;
      for (size_t size : groupSizes(level.size())) {
        const std::vector<int> children(level.begin() + long(first),
                                        level.begin() + long(first + size));
        const size_t k = (size - 1) / 2;
        const double between = (row(children[k]) + row(children[k + 1])) / 2;
        const int g = gate('+', xO_[l], rounded(between - 305));
        join(children, g, xO_[l - 1] + kGateWidth + 180);
        parents.push_back(g);
        first += size;
      }
      level = parents;
    }
    return level[0];
  }

  // The lanes: each term's signal down (or up) to every OR pin it feeds,
  // with a mark where a branch leaves the lane between its ends.
  void drawLanes() {
    for (size_t i = 0; i < termNet_.size(); ++i) {
      std::vector<double> rows = branchRows_[i];
      rows.push_back(termRow_[i]);
      std::sort(rows.begin(), rows.end());
      if (rows.front() == rows.back()) continue;
      wire(lane_[i], rows.front(), lane_[i], rows.back(), termNet_[i], -1);
      for (size_t r = 1; r + 1 < rows.size(); ++r)
        c_.junctions.push_back({lane_[i], rows[r], termNet_[i]});
    }
  }

  // The drop lines: from the bus down to the lowest use, marked at the
  // others.
  void drawDrops() {
    for (auto& [letter, taps] : taps_) {
      InputColumn col;
      inputColumn(char(letter), col);
      std::sort(taps.begin(), taps.end(), [](const Tap& x, const Tap& y) { return x.row < y.row; });
      c_.wires.push_back({col.dropX, col.busY, col.dropX, taps.back().row, letter});
      for (size_t t = 0; t < taps.size(); ++t) {
        if (t + 1 < taps.size()) c_.junctions.push_back({col.dropX, taps[t].row, letter});
        wire(col.dropX, taps[t].row, taps[t].endX, taps[t].row, letter, -1, taps[t].gate);
      }
    }
  }

  struct Tap {
    double row, endX;
    int gate;
  };
  struct Touching {
    int a = -1, b = -1;
  };

  double andSlot(int s) const { return top_ + s * sp_.pitch; }
  // Half a row lower, so that no OR pin comes near a term's row.
  double orSlot(int s) const { return top_ + s * sp_.pitch + 450; }
  int net(int gate) const { return TwoLevelCircuit::kGateNet + gate; }
  double row(int gate) const { return c_.gates[size_t(gate)].y + kOutputY; }

  int gate(char op, double x, double y) {
    c_.gates.push_back({op, x, y, {}});
    return int(c_.gates.size()) - 1;
  }
  void pin(int g, int signal, double y) { c_.gates[size_t(g)].inputs.push_back({signal, y}); }
  // A gate fed straight from the drop lines of `letters`.
  int gateWith(char op, double x, double y, const std::vector<int>& letters) {
    const int g = gate(op, x, y);
    const std::vector<double> pins = pinHeights(letters.size());
    for (size_t p = 0; p < letters.size(); ++p) {
      pin(g, letters[p], y + pins[p]);
      tap(letters[p], y + pins[p], x, g);
    }
    return g;
  }
  void tap(int letter, double row, double endX, int g) { taps_[letter].push_back({row, endX, g}); }
  void wire(double x1, double y1, double x2, double y2, int signal, int from, int to = -1) {
    c_.wires.push_back({x1, y1, x2, y2, signal});
    touching_.push_back({from, to});
  }
  // Children (top to bottom) into the pins of `parent`, each by its own lane
  // right of them; the parent stands between two children's rows.
  void join(const std::vector<int>& children, int parent, double firstLane) {
    const std::vector<double> pins = pinHeights(children.size());
    const TwoLevelCircuit::Gate& p = c_.gates[size_t(parent)];
    const double px = p.x, py = p.y;
    for (size_t k = 0; k < children.size(); ++k) {
      const int child = children[k];
      const double x = firstLane + double(k) * sp_.laneGap;
      const double from = c_.gates[size_t(child)].x + kGateWidth;
      const double y1 = row(child), y2 = py + pins[k];
      pin(parent, net(child), y2);
      wire(from, y1, x, y1, net(child), child);
      wire(x, y1, x, y2, net(child), -1);
      wire(x, y2, px, y2, net(child), -1, parent);
    }
  }

  // Whether the router finds every wire clear of the gates, the names, the
  // marks and the other signals' wires and drop lines.
  bool checkClear() const {
    Router router;
    for (size_t g = 0; g < c_.gates.size(); ++g) {
      const auto& gt = c_.gates[g];
      router.addGate({gt.x, gt.y, gt.x + kGateWidth, gt.y + kGateHeight}, int(g));
    }
    for (const auto& o : c_.outputs) {
      const TextBox box = textBox(o.name + " = 0", kNamePoint);
      router.addText({o.x + 60, o.y - box.height / 2, o.x + 60 + box.width, o.y + box.height / 2});
    }
    for (const auto& j : c_.junctions) router.addJunction(j.x, j.y, j.net);
    size_t w = 0;
    for (const auto& [letter, taps] : taps_) router.reachDrop(columnIndex(letter), taps.back().row);
    bool ok = true;
    for (const auto& wr : c_.wires) {
      const bool drop =
          wr.x1 == wr.x2 && wr.net < TwoLevelCircuit::kGateNet && columnIndex(wr.net) >= 0 && [&] {
            InputColumn col;
            inputColumn(char(wr.net), col);
            return wr.x1 == col.dropX && wr.y1 == col.busY;
          }();
      if (drop) continue;  // the router knows them as drop lines
      const Touching t = touching_[w++];
      if (!router.clear(wr.x1, wr.y1, wr.x2, wr.y2, wr.net, t.a, t.b)) ok = false;
      router.addWire(wr.x1, wr.y1, wr.x2, wr.y2, wr.net);
    }
    return ok;
  }

  TwoLevelCircuit c_;
  Spacing sp_;
  double top_ = 0;
  // Where the columns stand and what feeds each output (placeColumns).
  std::vector<std::vector<int>> feeds_;
  double xA1_ = 0, xA2_ = 0, xOut_ = 0;
  std::vector<double> lane_, xO_;  // each term's lane; each OR level's column
  // Each term's signal and row (drawTerms), and the OR pins it feeds (drawOutputs).
  std::vector<int> termNet_;
  std::vector<double> termRow_;
  std::vector<std::vector<double>> branchRows_;
  std::map<int, std::vector<Tap>> taps_;
  std::vector<Touching> touching_;  // per wire but the drop lines, in order
};

}  // namespace

TwoLevelCircuit layoutTwoLevel(int inputs, const std::vector<std::string>& names,
                               const MultiMinimum& m) {
  inputs = std::clamp(inputs, 1, 6);
  TwoLevelCircuit c = Builder(inputs, {900, 150}).build(names, m);
  // Wider spacing when the router found something too close.
  if (!c.clean) c = Builder(inputs, {1200, 240}).build(names, m);
  return c;
}

Netlist twoLevelNetlist(const TwoLevelCircuit& c) {
  static_assert(TwoLevelCircuit::kGateNet == Netlist::kGateNet);
  Netlist n;
  n.variables = c.inputs;
  for (size_t g = 0; g < c.gates.size(); ++g) {
    const auto& gt = c.gates[g];
    for (const auto& p : gt.inputs) n.pin(p.net, p.y);
    n.addGate(int(g), gt.op, gt.x, gt.y);
  }
  for (const auto& w : c.wires) n.addWire(w.x1, w.y1, w.x2, w.y2, w.net);
  for (const auto& o : c.outputs) n.outputs.push_back({o.name, o.net, o.constant, o.x, o.y});
  return n;
}

std::string twoLevelValues(const TwoLevelCircuit& c, const std::string& bits) {
  std::string values(c.gates.size(), '0');
  auto value = [&](int net) {
    if (net >= TwoLevelCircuit::kGateNet)
      return values[size_t(net - TwoLevelCircuit::kGateNet)] == '1';
    const bool negated = isNegatedLetter(char(net));
    const size_t k = size_t(variableOf(char(net)));
    return (k < bits.size() && bits[k] == '1') != negated;
  };
  // Every gate's inputs come from gates made before it.
  for (size_t g = 0; g < c.gates.size(); ++g) {
    const auto& gt = c.gates[g];
    bool v = gt.op == '*';
    for (const auto& p : gt.inputs) v = gt.op == '*' ? v && value(p.net) : v || value(p.net);
    values[g] = v ? '1' : '0';
  }
  return values;
}

std::string twoLevelOutputs(const TwoLevelCircuit& c, const std::string& bits) {
  const std::string values = twoLevelValues(c, bits);
  std::string out;
  for (const auto& o : c.outputs) {
    if (o.constant) {
      out += o.constant;
    } else if (o.net >= TwoLevelCircuit::kGateNet) {
      out += values[size_t(o.net - TwoLevelCircuit::kGateNet)];
    } else {
      const bool negated = isNegatedLetter(char(o.net));
      const size_t k = size_t(variableOf(char(o.net)));
      out += (k < bits.size() && bits[k] == '1') != negated ? '1' : '0';
    }
  }
  return out;
}

void drawTwoLevel(Surface& s, const TwoLevelCircuit& c, const TwoLevelDrawing& how) {
  auto at = [](double v) { return int(std::lround(v)); };
  if (how.buses)
    for (int k = 0; k < 2 * c.inputs; ++k) {
      InputColumn col;
      inputColumn(kColumnLetters[k], col);
      s.line(at(kBusStart), at(col.busY), at(col.dropX), at(col.busY), kBlack);
      const std::string name =
          k % 2 ? std::string("~") + plainLetter(k / 2) : std::string(1, plainLetter(k / 2));
      const TextBox box = textBox(name, kValuePoint);
      s.text(at(kBusStart - 30 - box.width), at(col.busY - box.height / 2), name, kBlack,
             kValuePoint, TextFace::Expression);
    }
  for (const auto& w : c.wires) s.line(at(w.x1), at(w.y1), at(w.x2), at(w.y2), kBlack);
  for (const auto& g : c.gates) {
    s.picture(gatePicture(g.op), at(g.x), at(g.y));
    // Inputs other than the two the picture draws get their own stub.
    for (const auto& p : g.inputs) {
      const double dy = p.y - g.y;
      if (dy != kPinFirst && dy != kPinSecond)
        s.line(at(g.x), at(p.y), at(g.x + inputReach(g.op, dy)), at(p.y), kBlack);
    }
  }
  for (const auto& j : c.junctions) s.circle(at(j.x), at(j.y), at(kJunctionRadius), kBlack);
  const bool testing = !how.testBits.empty();
  const std::string values = testing ? twoLevelValues(c, how.testBits) : std::string();
  const std::string outs = testing ? twoLevelOutputs(c, how.testBits) : std::string();
  if (testing)
    for (size_t g = 0; g < c.gates.size(); ++g)
      s.text(at(c.gates[g].x + 500), at(c.gates[g].y), std::string(1, values[g]), kLightRed,
             kValuePoint, TextFace::Expression);
  for (size_t j = 0; j < c.outputs.size(); ++j) {
    const auto& o = c.outputs[j];
    std::string label = o.name;
    if (testing)
      label += " = " + std::string(1, outs[j]);
    else if (o.constant)
      label += " = " + std::string(1, o.constant);
    const TextBox box = textBox(label, kNamePoint);
    s.text(at(o.x + 60), at(o.y - box.height / 2), label, testing ? kLightRed : kBlack, kNamePoint,
           TextFace::Expression);
  }
}

}  // namespace ronri
