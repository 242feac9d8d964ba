// A drawn circuit as a Logisim file.
#include "circuit/export_logisim.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <vector>

#include "circuit/export_verilog.h"
#include "circuit/gates.h"
#include "core/expression/expression.h"

namespace ronri {

namespace {

constexpr double kTwipsPerUnit = 7.5;  // two Logisim units per pixel
constexpr int kGrid = 10;
// Left of the buses: the input pins, the taps down to the NOT gates of the
// negated buses, and those gates' outputs (twips).
constexpr int kPinX = -400, kTapX = -200, kNotOutX = 0;

constexpr int kConstantGap = 300;  // twips from a constant to its output pin

std::string xmlEscaped(const std::string& s) {
  std::string out;
  for (char c : s) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        // XML 1.0 has no control characters but tab, newline and return.
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') out += c;
    }
  }
  return out;
}

int tw(double v) {
  return static_cast<int>(std::lround(v));
}

// Every value moved to a grid line of its own, in order, each gap at least
// as wide as the drawn one.
class Axis {
 public:
  void add(int v) { values_.insert(v); }
  // The first value at `start`, room for the pins' labels before it.
  void build(int start) {
    int at = start;
    bool first = true;
    int last = 0;
    for (int v : values_) {
      if (!first) {
        const int steps = std::max(1, int(std::ceil((v - last) / (kTwipsPerUnit * kGrid))));
        at += steps * kGrid;
      }
      first = false;
      map_[v] = at;
      last = v;
    }
  }
  int operator()(int v) const { return map_.at(v); }

 private:
  std::set<int> values_;
  std::map<int, int> map_;
};

struct Seg {
  int x1, y1, x2, y2, net;
};

// Logisim's names and the distance from a gate's output back to its inputs
// (size 50; a bubble or the XOR's back curve adds 10 each).
struct Kind {
  const char* name;
  int axis;
};
Kind kindOf(char op) {
  switch (op) {
    case '*':
      return {"AND Gate", 50};
    case '+':
      return {"OR Gate", 50};
    case '$':
      return {"NAND Gate", 60};
    case '|':
      return {"NOR Gate", 60};
    case '@':
      return {"XOR Gate", 60};
    case '%':
      return {"XNOR Gate", 70};
    default:
      return {"NOT Gate", 30};
  }
}

// Logisim's input offsets from the output, top to bottom, for size 50.
std::vector<int> inputOffsets(int count) {
  switch (count) {
    case 1:
      return {0};
    case 2:
      return {-20, 20};
    case 3:
      return {-20, 0, 20};
    default:
      return {-20, -10, 10, 20};
  }
}

std::string point(int x, int y) {
  return "(" + std::to_string(x) + "," + std::to_string(y) + ")";
}

// Wires of one signal split wherever another of its wires ends on them, and
// none twice, so that Logisim (which joins only ends) joins what touches.
std::vector<Seg> joinedAtEnds(const std::vector<Seg>& in) {
  std::map<int, std::set<std::pair<int, int>>> ends;
  for (const Seg& s : in) {
    ends[s.net].insert({s.x1, s.y1});
    ends[s.net].insert({s.x2, s.y2});
  }
  std::set<std::tuple<int, int, int, int, int>> out;
  for (const Seg& s : in) {
    if (s.x1 == s.x2 && s.y1 == s.y2) continue;
    const bool vertical = s.x1 == s.x2;
    const int lo = vertical ? std::min(s.y1, s.y2) : std::min(s.x1, s.x2);
    const int hi = vertical ? std::max(s.y1, s.y2) : std::max(s.x1, s.x2);
    std::vector<int> cuts{lo, hi};
    for (const auto& [x, y] : ends[s.net]) {
      if (vertical && x == s.x1 && y > lo && y < hi) cuts.push_back(y);
      if (!vertical && y == s.y1 && x > lo && x < hi) cuts.push_back(x);
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    for (size_t i = 0; i + 1 < cuts.size(); ++i) {
      if (vertical)
        out.insert({s.x1, cuts[i], s.x1, cuts[i + 1], s.net});
      else
        out.insert({cuts[i], s.y1, cuts[i + 1], s.y1, s.net});
    }
  }
  std::vector<Seg> result;
  for (const auto& [x1, y1, x2, y2, net] : out) result.push_back({x1, y1, x2, y2, net});
  return result;
}

// The drawn wires in the drawing's twips, and the axes that move every x and
// y the file uses onto Logisim's grid.
struct Grid {
  Axis X, Y;
  std::vector<Seg> drawn;
  std::vector<char> used, negated;  // the input buses, in pin order

  void addWire(double x1, double y1, double x2, double y2, int net) {
    drawn.push_back({tw(x1), tw(y1), tw(x2), tw(y2), net});
    X.add(tw(x1));
    X.add(tw(x2));
    Y.add(tw(y1));
    Y.add(tw(y2));
  }
};

// The buses of the used variables, each from its input pin; a negated bus
// is fed by a NOT gate whose input taps the plain bus.
void addInputBuses(const Netlist& d, Grid& grid) {
  for (int k = 0; k < d.variables; ++k) {
    const char v = plainLetter(k), n = negatedLetter(k);
    if (!d.uses(v) && !d.uses(n)) continue;
    grid.used.push_back(v);
    InputColumn plain;
    inputColumn(v, plain);
    grid.addWire(kPinX, plain.busY, plain.dropX, plain.busY, v);
    if (d.uses(n)) {
      grid.negated.push_back(n);
      InputColumn neg;
      inputColumn(n, neg);
      grid.addWire(kTapX, plain.busY, kTapX, neg.busY, v);
      grid.addWire(kNotOutX, neg.busY, neg.dropX, neg.busY, n);
    }
  }
}

// The gates' boxes, their pins and the outputs' ends need grid lines too.
void addGateAndOutputPlaces(const Netlist& d, Grid& grid) {
  for (const Netlist::Gate& g : d.gates) {
    grid.X.add(tw(g.x));
    grid.X.add(tw(g.x + kGateWidth));
    grid.Y.add(tw(g.y + kOutputY));
    for (const Netlist::Input& in : g.inputs) grid.Y.add(tw(in.y));
  }
  if (d.output >= 0) {
    grid.X.add(tw(d.outX));
    grid.Y.add(tw(d.outY));
  }
  for (const Netlist::Output& o : d.outputs) {
    grid.X.add(tw(o.x));
    grid.X.add(tw(o.x) - kConstantGap);
    grid.Y.add(tw(o.y));
  }
}

Grid measuredGrid(const Netlist& d) {
  Grid grid;
  for (const Netlist::Wire& w : d.wires) grid.addWire(w.x1, w.y1, w.x2, w.y2, w.net);
  addInputBuses(d, grid);
  addGateAndOutputPlaces(d, grid);
  grid.X.build(100);
  grid.Y.build(40);
  return grid;
}

std::string attr(const char* name, const std::string& val) {
  return std::string("<a name=\"") + name + "\" val=\"" + val + "\"/>";
}

// What the file lists, on Logisim's grid: the components in the order they
// are placed, and the wires.
struct Sheet {
  std::string comps;
  std::vector<Seg> wires;

  void comp(const char* lib, int x, int y, const char* name, const std::string& attrs) {
    comps += std::string("    <comp lib=\"") + lib + "\" loc=\"" + point(x, y) + "\" name=\"" +
             name + "\">" + attrs + "</comp>\n";
  }
};

void placeInputPins(const Grid& grid, Sheet& sheet) {
  for (char v : grid.used) {
    InputColumn c;
    inputColumn(v, c);
    sheet.comp("0", grid.X(kPinX), grid.Y(tw(c.busY)), "Pin",
               attr("tristate", "false") + attr("label", std::string(1, v)));
  }
}

void placeNegationGates(const Grid& grid, Sheet& sheet) {
  for (char n : grid.negated) {
    InputColumn c;
    inputColumn(n, c);
    const int y = grid.Y(tw(c.busY)), out = grid.X(kNotOutX);
    sheet.comp("1", out, y, "NOT Gate", "");
    sheet.wires.push_back(
        {grid.X(kTapX), y, out - kindOf('~').axis, y, plainLetter(variableOf(n))});
  }
}

// Where each input's jog turns, given the heights it comes from and goes to.
// Jogs going down turn further right the higher they start, jogs going up
// the lower, so that no two cross.
std::vector<int> jogColumns(const std::vector<int>& from, const std::vector<int>& to, int pinX) {
  std::vector<int> jogX(from.size(), pinX);
  int down = 0, up = 0;
  for (size_t i = 0; i < from.size(); ++i)
    if (from[i] < to[i]) jogX[i] = pinX - kGrid * (1 + down++);
  for (size_t i = from.size(); i-- > 0;)
    if (from[i] > to[i]) jogX[i] = pinX - kGrid * (1 + up++);
  return jogX;
}

// Each drawn input arrives at the left edge of the gate's box; it jogs to
// Logisim's pin.
void placeGate(const Netlist::Gate& g, const Grid& grid, Sheet& sheet) {
  const Kind k = kindOf(g.op);
  const int locX = grid.X(tw(g.x + kGateWidth)), locY = grid.Y(tw(g.y + kOutputY));
  const int count = std::clamp(int(g.inputs.size()), 1, 4);
  std::string attrs;
  if (g.op != '~') attrs = attr("size", "50") + attr("inputs", std::to_string(std::max(count, 2)));
  sheet.comp("1", locX, locY, k.name, attrs);

  std::vector<Netlist::Input> in = g.inputs;
  std::stable_sort(in.begin(), in.end(),
                   [](const Netlist::Input& a, const Netlist::Input& b) { return a.y < b.y; });
  const std::vector<int> offsets = inputOffsets(count);
  const size_t wired = std::min(in.size(), offsets.size());
  std::vector<int> from, to;
  for (size_t i = 0; i < wired; ++i) {
    from.push_back(grid.Y(tw(in[i].y)));
    to.push_back(locY + offsets[i]);
  }
  const int pinX = locX - k.axis, edge = grid.X(tw(g.x));
  const std::vector<int> jogX = jogColumns(from, to, pinX);
  for (size_t i = 0; i < wired; ++i) {
    const int net = in[i].net;
    if (from[i] == to[i]) {
      sheet.wires.push_back({edge, from[i], pinX, to[i], net});
    } else {
      sheet.wires.push_back({edge, from[i], jogX[i], from[i], net});
      sheet.wires.push_back({jogX[i], from[i], jogX[i], to[i], net});
      sheet.wires.push_back({jogX[i], to[i], pinX, to[i], net});
    }
  }
}

void placeOutputs(const Netlist& d, const Grid& grid, Sheet& sheet) {
  if (d.output >= 0)
    sheet.comp("0", grid.X(tw(d.outX)), grid.Y(tw(d.outY)), "Pin",
               attr("facing", "south") + attr("output", "true") +
                   attr("label", outputName(d.variables)) + attr("labelloc", "north"));
  // Several outputs: a pin each, labelled with the user's name; a constant
  // output is fed by a constant just left of its pin.
  for (const Netlist::Output& o : d.outputs) {
    const int x = grid.X(tw(o.x)), y = grid.Y(tw(o.y));
    sheet.comp("0", x, y, "Pin",
               attr("facing", "west") + attr("output", "true") + attr("label", xmlEscaped(o.name)) +
                   attr("labelloc", "east"));
    if (o.constant) {
      const int from = grid.X(tw(o.x) - kConstantGap);
      sheet.comp("0", from, y, "Constant", attr("value", o.constant == '1' ? "0x1" : "0x0"));
      sheet.wires.push_back({from, y, x, y, -2});
    }
  }
}

std::string projectXml(const Sheet& sheet) {
  std::string x =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
      "<project source=\"2.7.1\" version=\"1.0\">\n"
      "This file is intended to be loaded by Logisim (http://www.cburch.com/logisim/).\n"
      "  <lib desc=\"#Wiring\" name=\"0\"/>\n"
      "  <lib desc=\"#Gates\" name=\"1\"/>\n"
      "  <lib desc=\"#Base\" name=\"2\"/>\n"
      "  <main name=\"main\"/>\n"
      "  <options>\n"
      "    <a name=\"gateUndefined\" val=\"ignore\"/>\n"
      "    <a name=\"simlimit\" val=\"1000\"/>\n"
      "    <a name=\"simrand\" val=\"0\"/>\n"
      "  </options>\n"
      "  <circuit name=\"main\">\n"
      "    <a name=\"circuit\" val=\"main\"/>\n";
  for (const Seg& s : joinedAtEnds(sheet.wires))
    x += "    <wire from=\"" + point(s.x1, s.y1) + "\" to=\"" + point(s.x2, s.y2) + "\"/>\n";
  x += sheet.comps;
  x += "  </circuit>\n</project>\n";
  return x;
}

}  // namespace

// Measure the drawing, place its parts on Logisim's grid, then write the file.
std::string logisimCircuit(const Netlist& d) {
  const Grid grid = measuredGrid(d);
  Sheet sheet;
  for (const Seg& s : grid.drawn)
    sheet.wires.push_back({grid.X(s.x1), grid.Y(s.y1), grid.X(s.x2), grid.Y(s.y2), s.net});
  placeInputPins(grid, sheet);
  placeNegationGates(grid, sheet);
  for (const Netlist::Gate& g : d.gates) placeGate(g, grid, sheet);
  placeOutputs(d, grid, sheet);
  return projectXml(sheet);
}

}  // namespace ronri
