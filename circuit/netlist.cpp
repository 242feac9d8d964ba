#include "circuit/netlist.h"

#include <algorithm>

#include "circuit/layout_engine.h"

namespace ronri {

void Netlist::addWire(double x1, double y1, double x2, double y2, int net) {
  wires.push_back({x1, y1, x2, y2, net});
}

void Netlist::pin(int net, double y) {
  pending_.push_back({net, y});
}

void Netlist::addGate(int id, char op, double x, double y) {
  gates.push_back({id, op, x, y, std::move(pending_)});
  pending_.clear();
}

void Netlist::addInput(int id, int net, double y) {
  for (Gate& g : gates)
    if (g.id == id) g.inputs.push_back({net, y});
}

void Netlist::setOp(int id, char op) {
  for (Gate& g : gates)
    if (g.id == id) g.op = op;
}

const Netlist::Gate* Netlist::gate(int id) const {
  for (const Gate& g : gates)
    if (g.id == id) return &g;
  return nullptr;
}

bool Netlist::uses(char letter) const {
  if (output == letter) return true;
  for (const Output& o : outputs)
    if (o.net == letter) return true;
  for (const Gate& g : gates)
    for (const Input& in : g.inputs)
      if (in.net == letter) return true;
  return false;
}

namespace {

// Draws nothing: the drawing is wanted only as data.
class NoSurface : public Surface {
 public:
  void line(int, int, int, int, int) override {}
  void rectangle(int, int, int, int, int) override {}
  void circle(int, int, int, int) override {}
  void picture(std::string_view, int, int) override {}
  void text(int, int, std::string_view, int, double, TextFace) override {}
  void erase(int, int, int, int) override {}
};

}  // namespace

Netlist drawnNetlist(const CircuitEngine& settings) {
  CircuitEngine engine = settings;
  engine.panX = engine.panY = 0;
  engine.startsNew = 1;
  engine.testMode = 0;
  engine.testValues.clear();
  Netlist out;
  out.variables = engine.lastVariable + 1;
  engine.netlist = &out;
  NoSurface none;
  engine.create(none);
  return out;
}

}  // namespace ronri
