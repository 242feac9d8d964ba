#include "circuit/timing.h"

#include <algorithm>
#include <set>

#include "circuit/export_verilog.h"
#include "core/expression/expression.h"

namespace ronri {

int GateDelays::of(char op) const {
  const auto it = byOp.find(op);
  return it == byOp.end() ? 1 : std::max(0, it->second);
}

bool Waveform::at(int time) const {
  bool v = start;
  for (const auto& [t, value] : changes) {
    if (t > time) break;
    v = value;
  }
  return v;
}

bool Timing::glitch() const {
  const bool end = output.changes.empty() ? output.start : output.changes.back().second;
  return output.changes.size() > (output.start == end ? 0u : 1u);
}

namespace {

bool gateOutput(char op, const std::vector<bool>& in) {
  const auto ones = std::count(in.begin(), in.end(), true);
  const bool all = ones == static_cast<long>(in.size()), any = ones > 0;
  switch (op) {
    case '*':
      return all;
    case '+':
      return any;
    case '$':
      return !all;
    case '|':
      return !any;
    case '@':
      return ones % 2 == 1;
    case '%':
      return ones % 2 == 0;
    default:  // '~'
      return !(in.empty() ? false : in[0]);
  }
}

// The circuit's signals and their values as time goes on.
class Simulation {
 public:
  Simulation(const Netlist& c, const GateDelays& d) : c_(c), delays_(d) {}

  // Every signal at rest for `bits`; false when the gates do not settle.
  bool settle(const std::string& bits) {
    for (int k = 0; k < c_.variables; ++k) {
      const bool v = k < int(bits.size()) && bits[size_t(k)] == '1';
      value_[plainLetter(k)] = v;
      value_[negatedLetter(k)] = !v;
    }
    for (size_t pass = 0; pass <= c_.gates.size() + 1; ++pass) {
      bool changed = false;
      for (const Netlist::Gate& g : c_.gates) {
        const int net = Netlist::kGateNet + g.id;
        const bool v = evaluate(g);
        if (!value_.count(net) || value_[net] != v) changed = true;
        value_[net] = v;
      }
      if (!changed) return known();
    }
    return false;
  }

  // Input `flip` changes at time 0; every change after it, per signal.
  std::map<int, std::vector<std::pair<int, bool>>> run(int flip) {
    std::map<int, std::vector<std::pair<int, bool>>> changes;
    std::map<int, bool> projected = value_;
    std::map<int, std::vector<std::pair<int, bool>>> queue;  // time -> (net, value)
    auto schedule = [&](int time, int net, bool v) {
      if (projected[net] == v) return;
      projected[net] = v;
      queue[time].push_back({net, v});
    };
    const char letter = plainLetter(flip);
    schedule(0, letter, !value_[letter]);
    schedule(delays_.of('~'), negatedLetter(flip), value_[letter]);
    for (int steps = 0; !queue.empty() && steps < 100000; ++steps) {
      const auto [time, batch] = *queue.begin();
      queue.erase(queue.begin());
      std::set<int> touched;
      for (const auto& [net, v] : batch) {
        if (value_[net] == v) continue;
        value_[net] = v;
        changes[net].push_back({time, v});
        touched.insert(net);
      }
      for (const Netlist::Gate& g : c_.gates)
        if (feedsOn(g, touched))
          schedule(time + delays_.of(g.op), Netlist::kGateNet + g.id, evaluate(g));
    }
    return changes;
  }

  bool value(int net) const {
    const auto it = value_.find(net);
    return it != value_.end() && it->second;
  }

 private:
  bool evaluate(const Netlist::Gate& g) const {
    std::vector<bool> in;
    for (const Netlist::Input& i : g.inputs) in.push_back(value(i.net));
    return gateOutput(g.op, in);
  }
  static bool feedsOn(const Netlist::Gate& g, const std::set<int>& nets) {
    for (const Netlist::Input& i : g.inputs)
      if (nets.count(i.net)) return true;
    return false;
  }
  // Every gate input is a signal the circuit has.
  bool known() const {
    for (const Netlist::Gate& g : c_.gates)
      for (const Netlist::Input& i : g.inputs)
        if (!value_.count(i.net)) return false;
    return c_.output >= 0 && value_.count(c_.output);
  }

  const Netlist& c_;
  const GateDelays& delays_;
  std::map<int, bool> value_;
};

Waveform waveOf(std::string name, int net, bool start,
                const std::map<int, std::vector<std::pair<int, bool>>>& changes) {
  Waveform w{std::move(name), net, start, {}};
  if (const auto it = changes.find(net); it != changes.end()) w.changes = it->second;
  return w;
}

}  // namespace

Timing simulateFlip(const Netlist& circuit, const std::string& start, int flip,
                    const GateDelays& delays) {
  Timing t;
  t.output.name = "f";
  Simulation sim(circuit, delays);
  if (flip < 0 || flip >= circuit.variables || !sim.settle(start)) return t;
  std::map<int, bool> before;
  for (int k = 0; k < circuit.variables; ++k) {
    before[plainLetter(k)] = sim.value(plainLetter(k));
    before[negatedLetter(k)] = sim.value(negatedLetter(k));
  }
  for (const Netlist::Gate& g : circuit.gates)
    before[Netlist::kGateNet + g.id] = sim.value(Netlist::kGateNet + g.id);
  const auto changes = sim.run(flip);
  const auto named = [&](int k, bool negated) {
    const int net = negated ? negatedLetter(k) : plainLetter(k);
    return waveOf((negated ? "~" : "") + std::string(1, plainLetter(k)), net, before[net], changes);
  };
  t.inputs.push_back(named(flip, false));
  for (int k = 0; k < circuit.variables; ++k)
    if (k != flip && circuit.uses(plainLetter(k))) t.inputs.push_back(named(k, false));
  for (int k = 0; k < circuit.variables; ++k)
    if (circuit.uses(negatedLetter(k))) t.buses.push_back(named(k, true));
  // Named all at once: a gate's place depends on every gate of its column.
  const std::map<int, std::string> places = gatePlaces(circuit);
  for (const Netlist::Gate& g : circuit.gates) {
    const int net = Netlist::kGateNet + g.id;
    t.gates.push_back(waveOf(places.at(g.id), net, before[net], changes));
  }
  t.output = waveOf("f", circuit.output, before[circuit.output], changes);
  for (const auto& [net, list] : changes) t.settled = std::max(t.settled, list.back().first);
  return t;
}

bool settledOutput(const Netlist& circuit, const std::string& bits) {
  static const GateDelays none;
  Simulation sim(circuit, none);
  return sim.settle(bits) && sim.value(circuit.output);
}

std::string timingCsv(const Timing& t, bool everyGate) {
  std::vector<const Waveform*> shown;
  for (const Waveform& w : t.inputs) shown.push_back(&w);
  if (everyGate) {
    for (const Waveform& w : t.buses) shown.push_back(&w);
    for (const Waveform& w : t.gates) shown.push_back(&w);
  }
  shown.push_back(&t.output);
  std::string out = "time";
  for (const Waveform* w : shown) out += "," + w->name;
  out += "\r\n";
  for (int time = 0; time <= t.settled + 1; ++time) {
    out += std::to_string(time);
    for (const Waveform* w : shown) out += w->at(time) ? ",1" : ",0";
    out += "\r\n";
  }
  return out;
}

}  // namespace ronri
