// Reshaping a state table and writing its cells from text.
#include "sequential/machine_edit.h"

#include <algorithm>

namespace ronri::seq {

namespace {

std::string fitted(const std::string& bits, int outputs) {
  std::string s = bits.substr(0, size_t(outputs));
  s.resize(size_t(outputs), '-');
  return s;
}

// A Mealy state's outputs as one Moore output: the bits all combinations share.
std::string agreed(const std::vector<Transition>& row, int outputs) {
  std::string s = fitted(row.empty() ? "" : row.front().outputs, outputs);
  for (const Transition& t : row) {
    const std::string o = fitted(t.outputs, outputs);
    for (size_t b = 0; b < s.size(); ++b)
      if (o[b] != s[b]) s[b] = '-';
  }
  return s;
}

}  // namespace

Machine reshaped(const Machine& m, MachineKind kind, int states, int inputs, int outputs) {
  Machine r = emptyMachine(kind, states, inputs, outputs);
  const int keep = std::min(m.states(), r.states());
  for (int s = 0; s < keep; ++s) {
    r.names[size_t(s)] = m.names[size_t(s)];
    const auto& old = m.table[size_t(s)];
    for (int x = 0; x < r.combinations() && x < int(old.size()); ++x) {
      Transition& t = r.table[size_t(s)][size_t(x)];
      t.next = old[size_t(x)].next < r.states() ? old[size_t(x)].next : kUnspecified;
      if (kind == MachineKind::Mealy)
        t.outputs = fitted(
            m.kind == MachineKind::Mealy ? old[size_t(x)].outputs : m.stateOutputs[size_t(s)],
            r.outputs);
    }
    if (kind == MachineKind::Moore)
      r.stateOutputs[size_t(s)] = m.kind == MachineKind::Moore
                                      ? fitted(m.stateOutputs[size_t(s)], r.outputs)
                                      : agreed(old, r.outputs);
  }
  // A name kept from the old table may clash with a new state's "S<k>".
  for (int s = keep; s < r.states(); ++s)
    while (std::count(r.names.begin(), r.names.end(), r.names[size_t(s)]) > 1)
      r.names[size_t(s)] += "'";
  r.reset = m.reset < r.states() ? m.reset : 0;
  return r;
}

std::string nextText(const Machine& m, int s, int x) {
  const int next = m.table[size_t(s)][size_t(x)].next;
  return next == kUnspecified ? "-" : m.names[size_t(next)];
}

bool setNextText(Machine& m, int s, int x, std::string_view text) {
  int next = kUnspecified;
  if (!(text.empty() || text == "-" || text == "*")) {
    const auto it = std::find(m.names.begin(), m.names.end(), text);
    if (it == m.names.end()) return false;
    next = int(it - m.names.begin());
  }
  m.table[size_t(s)][size_t(x)].next = next;
  return true;
}

bool setOutputText(Machine& m, int s, int x, std::string_view text) {
  std::string bits = text.empty() ? std::string(size_t(m.outputs), '-') : std::string(text);
  if (int(bits.size()) != m.outputs || bits.find_first_not_of("01-") != std::string::npos)
    return false;
  if (m.kind == MachineKind::Moore)
    m.stateOutputs[size_t(s)] = bits;
  else
    m.table[size_t(s)][size_t(x)].outputs = bits;
  return true;
}

bool renameState(Machine& m, int s, std::string_view name) {
  Machine renamed = m;
  renamed.names[size_t(s)] = std::string(name);
  if (machineProblem(renamed) == MachineProblem::BadName) return false;
  m.names[size_t(s)] = std::string(name);
  return true;
}

}  // namespace ronri::seq
