// The two-level circuit of several outputs: its layout, test values and drawing.
#include "circuit/two_level.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "circuit/gates.h"
#include "circuit/router.h"
#include "core/expression/expression.h"

namespace ronri {

namespace {

// Right of both columns of bus names.
constexpr double kBusStart = 600;
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
    const Columns cols = planColumns(names.size(), m);
    const int andSlots = buildAndSide(m, cols);
    const int orSlots = buildOrSide(names, m, cols);
    drawLanes(cols);
    drawDropLines();
    double labelWidth = 0;
    for (const auto& o : c_.outputs)
      labelWidth = std::max(labelWidth, textBox(o.name + " = 0", kNamePoint).width);
    c_.width = cols.xOut + 60 + labelWidth + 240;
    c_.height = andSlot(std::max(andSlots, orSlots)) + 300;
    c_.clean = checkClear();
    return c_;
  }

 private:
  // Where the columns of gates and lanes stand, left to right, and which
  // terms feed each output.
  struct Columns {
    double xA1 = kFirstColumn;  // the first AND of a wide term
    double xA2 = kFirstColumn;  // the AND of every term
    std::vector<double> lane;   // per term, its vertical lane
    std::vector<double> xO;     // per OR level
    double xOut = 0;
    std::vector<std::vector<int>> feeds;  // per output, its terms
  };

  Columns planColumns(size_t outputs, const MultiMinimum& m) const {
    Columns c;
    const size_t terms = m.shared.size();
    bool wide = false;
    for (const SharedTerm& t : m.shared) wide |= t.cube.letters() > 4;
    c.feeds.resize(outputs);
    for (size_t i = 0; i < terms; ++i)
      for (int j : m.shared[i].outputs) c.feeds[size_t(j)].push_back(int(i));
    int depth = 0;
    for (const auto& f : c.feeds) depth = std::max(depth, levelsFor(f.size()));
    if (wide) c.xA2 = c.xA1 + kGateWidth + 180 + sp_.laneGap + 240;
    c.lane.resize(terms);
    for (size_t i = 0; i < terms; ++i)
      c.lane[i] = c.xA2 + kGateWidth + 180 + double(i) * sp_.laneGap;
    c.xO.resize(size_t(std::max(depth, 1)));
    c.xO[0] = (terms ? c.lane.back() : c.xA2 + kGateWidth) + 240;
    for (size_t l = 1; l < c.xO.size(); ++l)
      c.xO[l] = c.xO[l - 1] + kGateWidth + 180 + 3 * sp_.laneGap + 240;
    c.xOut = (depth > 0 ? c.xO.back() + kGateWidth : c.xO[0]) + 240;
    return c;
  }

  // The AND side: one row of the term per term, wide terms as a tree of two.
  // Returns the rows used.
  int buildAndSide(const MultiMinimum& m, const Columns& cols) {
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
      const double lane = cols.lane[i];
      if (letters.size() == 1) {
        termNet_[i] = letters[0];
        termRow_[i] = y + kOutputY;
        tap(letters[0], termRow_[i], lane, -1);
        slot += 1;
      } else if (letters.size() <= 4) {
        const int g = gateWith('*', cols.xA2, y, letters);
        termNet_[i] = net(g);
        termRow_[i] = y + kOutputY;
        wire(cols.xA2 + kGateWidth, termRow_[i], lane, termRow_[i], termNet_[i], g);
        slot += 1;
      } else {
        const std::vector<int> first(letters.begin(), letters.begin() + 3);
        const std::vector<int> rest(letters.begin() + 3, letters.end());
        const int a = gateWith('*', cols.xA1, y, first);
        const int b = gateWith('*', cols.xA1, andSlot(slot + 1), rest);
        const int g = gate('*', cols.xA2, andSlot(slot + 1));
        join({a, b}, g, cols.xA1 + kGateWidth + 180);
        termNet_[i] = net(g);
        termRow_[i] = c_.gates[size_t(g)].y + kOutputY;
        wire(cols.xA2 + kGateWidth, termRow_[i], lane, termRow_[i], termNet_[i], g);
        slot += 2;
      }
    }
    return slot;
  }

  // The OR side: one band of rows per output. Returns the rows used.
  int buildOrSide(const std::vector<std::string>& names, const MultiMinimum& m,
                  const Columns& cols) {
    branchRows_.assign(m.shared.size(), {});
    int slot = 0;
    for (size_t j = 0; j < names.size(); ++j) {
      TwoLevelCircuit::Output out;
      out.name = names[j];
      out.x = cols.xOut;
      const std::vector<int>& f = cols.feeds[j];
      const double y = orSlot(slot);
      if (m.constant.size() > j && m.constant[j]) {
        out.constant = m.constant[j];
        out.y = y + kOutputY;
        slot += 1;
      } else if (f.size() == 1) {
        const size_t t = size_t(f[0]);
        out.net = termNet_[t];
        out.y = y + kOutputY;
        branchRows_[t].push_back(out.y);
        wire(cols.lane[t], out.y, cols.xOut, out.y, out.net, -1);
        slot += 1;
      } else if (!f.empty()) {
        const int root = orTree(f, cols, slot);
        out.net = net(root);
        out.y = row(root);
        wire(c_.gates[size_t(root)].x + kGateWidth, out.y, cols.xOut, out.y, out.net, root);
      }
      c_.outputs.push_back(out);
    }
    return slot;
  }

  // The OR gates of one output fed by the terms `f`: a first level of gates
  // of up to four pins from the lanes, then levels joining up to four gates
  // each, until one is left. Returns that gate.
  int orTree(const std::vector<int>& f, const Columns& cols, int& slot) {
    std::vector<int> level;
    size_t next = 0;
    for (size_t size : groupSizes(f.size())) {
      const int g = gate('+', cols.xO[0], orSlot(slot++));
      const std::vector<double> pins = pinHeights(size);
      for (size_t p = 0; p < size; ++p, ++next) {
        const size_t t = size_t(f[next]);
        const double pinRow = c_.gates[size_t(g)].y + pins[p];
        pin(g, termNet_[t], pinRow);
        branchRows_[t].push_back(pinRow);
        wire(cols.lane[t], pinRow, cols.xO[0], pinRow, termNet_[t], -1, g);
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
        const int g = gate('+', cols.xO[l], rounded(between - 305));
        join(children, g, cols.xO[l - 1] + kGateWidth + 180);
        parents.push_back(g);
        first += size;
      }
      level = parents;
    }
    return level[0];
  }

  // The lanes: each term's signal down (or up) to every OR pin it feeds,
  // with a mark where a branch leaves the lane between its ends.
  void drawLanes(const Columns& cols) {
    for (size_t i = 0; i < termNet_.size(); ++i) {
      std::vector<double> rows = branchRows_[i];
      rows.push_back(termRow_[i]);
      std::sort(rows.begin(), rows.end());
      if (rows.front() == rows.back()) continue;
      wire(cols.lane[i], rows.front(), cols.lane[i], rows.back(), termNet_[i], -1);
      for (size_t r = 1; r + 1 < rows.size(); ++r)
        c_.junctions.push_back({cols.lane[i], rows[r], termNet_[i]});
    }
  }

  // The drop lines: from the bus down to the lowest use, marked at the
  // others.
  void drawDropLines() {
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
  std::map<int, std::vector<Tap>> taps_;
  std::vector<Touching> touching_;               // per wire but the drop lines, in order
  std::vector<int> termNet_;                     // per term, the signal it is
  std::vector<double> termRow_;                  // per term, the row it leaves on
  std::vector<std::vector<double>> branchRows_;  // per term, the rows of the OR pins it feeds
};

}  // namespace

TwoLevelCircuit layoutTwoLevel(int inputs, const std::vector<std::string>& names,
                               const MultiMinimum& m) {
  inputs = std::clamp(inputs, 1, kColumnCount / 2);
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

namespace {

// The buses and their names. The names stand in two columns, the plain ones
// right, the negated ones left at the start of their longer lines, so that
// names 120 twips apart never touch; a negated bus no drop line uses is left
// out.
void drawBuses(Surface& s, const TwoLevelCircuit& c) {
  auto at = [](double v) { return int(std::lround(v)); };
  std::set<int> used;
  for (const auto& w : c.wires) used.insert(w.net);
  double plainWidth = 0;
  for (int k = 0; k < c.inputs; ++k)
    plainWidth = std::max(plainWidth, textBox(std::string(1, plainLetter(k)), kValuePoint).width);
  const double plainRight = kBusStart - 30;
  const double negatedStart = plainRight - plainWidth - 60;
  for (int k = 0; k < 2 * c.inputs; ++k) {
    const char letter = kColumnLetters[k];
    const bool negated = k % 2 == 1;
    if (negated && !used.count(letter)) continue;
    InputColumn col;
    inputColumn(letter, col);
    const double start = negated ? negatedStart : kBusStart;
    s.line(at(start), at(col.busY), at(col.dropX), at(col.busY), kBlack);
    const std::string name =
        negated ? std::string("~") + plainLetter(k / 2) : std::string(1, plainLetter(k / 2));
    const TextBox box = textBox(name, kValuePoint);
    // A plain name sits a little above its line, clear of the negated line
    // that runs under it.
    const double top = negated ? col.busY - box.height / 2 : col.busY - 160;
    s.text(at(start - 30 - box.width), at(top), name, kBlack, kValuePoint, TextFace::Expression);
  }
}

// A junction as a filled dot (rings down to its centre), so that it never
// reads as an inversion bubble.
void drawDot(Surface& s, double x, double y) {
  for (double r = kJunctionRadius; r > 0; r -= 15)
    s.circle(int(std::lround(x)), int(std::lround(y)), int(std::lround(r)), kBlack);
}

}  // namespace

void drawTwoLevel(Surface& s, const TwoLevelCircuit& c, const TwoLevelDrawing& how) {
  auto at = [](double v) { return int(std::lround(v)); };
  if (how.buses) drawBuses(s, c);
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
  for (const auto& j : c.junctions) drawDot(s, j.x, j.y);
  const bool testing = !how.testBits.empty();
  const std::string values = testing ? twoLevelValues(c, how.testBits) : std::string();
  const std::string outs = testing ? twoLevelOutputs(c, how.testBits) : std::string();
  if (testing)
    for (size_t g = 0; g < c.gates.size(); ++g)
      s.text(at(c.gates[g].x + 500), at(c.gates[g].y), std::string(1, values[g]), kLightRed,
             kValuePoint, TextFace::Expression);
  for (size_t j = 0; j < c.outputs.size() && how.names; ++j) {
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
