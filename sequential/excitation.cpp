// Flip-flop tables and the truth tables of a design's functions.
#include "sequential/excitation.h"

namespace ronri::seq {

std::vector<std::string> flipFlopInputNames(FlipFlop f) {
  switch (f) {
    case FlipFlop::D:
      return {"D"};
    case FlipFlop::T:
      return {"T"};
    case FlipFlop::JK:
      return {"J", "K"};
    case FlipFlop::SR:
      return {"S", "R"};
  }
  return {};
}

namespace {

// Q+ for inputs `in` (bit 0 the last input) and Q; 'X' for S = R = 1.
char nextQ(FlipFlop f, int in, int q) {
  switch (f) {
    case FlipFlop::D:
      return in ? '1' : '0';
    case FlipFlop::T:
      return (in ^ q) ? '1' : '0';
    case FlipFlop::JK: {
      const int j = in >> 1, k = in & 1;
      return ((j && !q) || (!k && q)) ? '1' : '0';
    }
    case FlipFlop::SR: {
      const int s = in >> 1, r = in & 1;
      if (s && r) return 'X';
      return (s || (!r && q)) ? '1' : '0';
    }
  }
  return 'X';
}

}  // namespace

std::vector<CharacteristicRow> characteristicTable(FlipFlop f) {
  const int width = static_cast<int>(flipFlopInputNames(f).size());
  std::vector<CharacteristicRow> rows;
  for (int in = 0; in < (1 << width); ++in)
    for (int q = 0; q < 2; ++q) rows.push_back({inputBits(in, width), q, nextQ(f, in, q)});
  return rows;
}

// Read off the characteristic table: an input is X when both of its values
// reach qNext with the other inputs fixed.
std::string excitation(FlipFlop f, int q, int qNext) {
  const int width = static_cast<int>(flipFlopInputNames(f).size());
  const char want = qNext ? '1' : '0';
  std::string out(static_cast<size_t>(width), '?');
  for (int in = 0; in < (1 << width); ++in) {
    if (nextQ(f, in, q) != want) continue;
    for (int i = 0; i < width; ++i) {
      const char bit = (in >> (width - 1 - i) & 1) ? '1' : '0';
      char& c = out[static_cast<size_t>(i)];
      c = c == '?' ? bit : (c == bit ? c : 'X');
    }
  }
  return out;
}

bool codesFit(const StateCodes& codes, int states) {
  if (codes.bits < 0 || codes.bits > 16 || static_cast<int>(codes.code.size()) != states)
    return false;
  std::vector<bool> used(size_t(1) << codes.bits);
  for (uint32_t c : codes.code) {
    if (c >= used.size() || used[c]) return false;
    used[c] = true;
  }
  return true;
}

std::vector<ExcitationRow> excitationRows(const Machine& m, const StateCodes& codes, FlipFlop f) {
  const int width = static_cast<int>(flipFlopInputNames(f).size());
  std::vector<ExcitationRow> rows;
  if (machineProblem(m) != MachineProblem::None || !codesFit(codes, m.states())) return rows;
  for (int s = 0; s < m.states(); ++s)
    for (int x = 0; x < m.combinations(); ++x) {
      ExcitationRow row{s, x, m.table[s][x].next, "", outputsAt(m, s, x)};
      for (int b = codes.bits - 1; b >= 0; --b) {
        if (row.next == kUnspecified) {
          row.flipFlopInputs += std::string(static_cast<size_t>(width), 'X');
          continue;
        }
        row.flipFlopInputs += excitation(f, codes.code[s] >> b & 1, codes.code[row.next] >> b & 1);
      }
      rows.push_back(std::move(row));
    }
  return rows;
}

namespace {

std::vector<std::string> variableNames(int bits, int inputs) {
  std::vector<std::string> names;
  for (int b = bits - 1; b >= 0; --b) names.push_back("Q" + std::to_string(b));
  if (inputs == 1) names.push_back("X");
  for (int i = 1; inputs > 1 && i <= inputs; ++i) names.push_back("X" + std::to_string(i));
  return names;
}

}  // namespace

std::vector<FunctionTable> designFunctions(const Machine& m, const StateCodes& codes, FlipFlop f) {
  std::vector<FunctionTable> out;
  if (machineProblem(m) != MachineProblem::None || !codesFit(codes, m.states())) return out;
  const std::vector<std::string> inputNames = flipFlopInputNames(f);
  const int width = static_cast<int>(inputNames.size());
  const int k = codes.bits, ni = m.inputs;
  const size_t rowCount = size_t(1) << (k + ni);
  for (int b = k - 1; b >= 0; --b)
    for (const std::string& in : inputNames)
      out.push_back({in + std::to_string(b), variableNames(k, ni), std::string(rowCount, 'X')});
  const bool moore = m.kind == MachineKind::Moore;
  for (int o = 0; o < m.outputs; ++o)
    out.push_back({m.outputs == 1 ? "Z" : "Z" + std::to_string(o + 1),
                   variableNames(k, moore ? 0 : ni),
                   std::string(size_t(1) << (moore ? k : k + ni), 'X')});
  const auto value = [](char c) { return c == '-' ? 'X' : c; };
  for (const ExcitationRow& row : excitationRows(m, codes, f)) {
    const size_t r = (size_t(codes.code[row.state]) << ni) | size_t(row.input);
    for (int i = 0; i < k * width; ++i) out[i].rows[r] = row.flipFlopInputs[i];
    for (int o = 0; o < m.outputs; ++o)
      out[k * width + o].rows[moore ? codes.code[row.state] : r] = value(row.outputs[o]);
  }
  return out;
}

}  // namespace ronri::seq
