// The state table's shape, its checks and small queries.
#include "sequential/machine.h"

#include <algorithm>
#include <set>

namespace ronri::seq {

Machine emptyMachine(MachineKind kind, int states, int inputs, int outputs) {
  states = std::clamp(states, 0, kMaxStates);
  inputs = std::clamp(inputs, 0, kMaxInputs);
  outputs = std::clamp(outputs, 0, kMaxOutputs);
  Machine m;
  m.kind = kind;
  m.inputs = inputs;
  m.outputs = outputs;
  const std::string unknown(static_cast<size_t>(outputs), '-');
  for (int s = 0; s < states; ++s) {
    m.names.push_back("S" + std::to_string(s));
    m.table.emplace_back(static_cast<size_t>(1) << inputs,
                         Transition{kUnspecified, kind == MachineKind::Mealy ? unknown : ""});
    if (kind == MachineKind::Moore) m.stateOutputs.push_back(unknown);
  }
  return m;
}

const std::string& outputsAt(const Machine& m, int s, int x) {
  if (m.kind == MachineKind::Moore) return m.stateOutputs[static_cast<size_t>(s)];
  return m.table[static_cast<size_t>(s)][static_cast<size_t>(x)].outputs;
}

namespace {

bool goodOutputs(const std::string& bits, int outputs, MachineProblem& problem) {
  if (static_cast<int>(bits.size()) != outputs) {
    problem = MachineProblem::TableShape;
    return false;
  }
  for (char c : bits)
    if (c != '0' && c != '1' && c != '-') {
      problem = MachineProblem::BadOutputBit;
      return false;
    }
  return true;
}

}  // namespace

MachineProblem machineProblem(const Machine& m) {
  const int n = m.states();
  if (n < 1 || n > kMaxStates) return MachineProblem::StateCount;
  if (m.inputs < 0 || m.inputs > kMaxInputs) return MachineProblem::InputCount;
  if (m.outputs < 0 || m.outputs > kMaxOutputs) return MachineProblem::OutputCount;
  const bool moore = m.kind == MachineKind::Moore;
  if (static_cast<int>(m.table.size()) != n) return MachineProblem::TableShape;
  if (moore != (static_cast<int>(m.stateOutputs.size()) == n) ||
      (!moore && !m.stateOutputs.empty()))
    return MachineProblem::TableShape;
  std::set<std::string> seen;
  for (const std::string& name : m.names) {
    if (name.empty() || name == "-" || name == "*" || name.front() == '.' ||
        name.find_first_of(" \t\r\n\f\v#") != std::string::npos || !seen.insert(name).second)
      return MachineProblem::BadName;
  }
  MachineProblem problem = MachineProblem::None;
  for (int s = 0; s < n; ++s) {
    const auto& row = m.table[static_cast<size_t>(s)];
    if (static_cast<int>(row.size()) != m.combinations()) return MachineProblem::TableShape;
    for (const Transition& t : row) {
      if (t.next != kUnspecified && (t.next < 0 || t.next >= n))
        return MachineProblem::BadNextState;
      if (moore ? !t.outputs.empty() : !goodOutputs(t.outputs, m.outputs, problem))
        return moore ? MachineProblem::TableShape : problem;
    }
    if (moore && !goodOutputs(m.stateOutputs[static_cast<size_t>(s)], m.outputs, problem))
      return problem;
  }
  if (m.reset < 0 || m.reset >= n) return MachineProblem::BadReset;
  return MachineProblem::None;
}

bool completelySpecified(const Machine& m) {
  for (int s = 0; s < m.states(); ++s)
    for (int x = 0; x < m.combinations(); ++x) {
      if (m.table[static_cast<size_t>(s)][static_cast<size_t>(x)].next == kUnspecified)
        return false;
      if (outputsAt(m, s, x).find('-') != std::string::npos) return false;
    }
  return true;
}

std::string inputBits(int x, int inputs) {
  std::string bits;
  for (int i = inputs - 1; i >= 0; --i) bits += (x >> i & 1) ? '1' : '0';
  return bits;
}

}  // namespace ronri::seq
