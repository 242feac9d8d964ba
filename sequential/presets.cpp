// The preset machines.
#include "sequential/presets.h"

namespace ronri::seq {
namespace {

std::string binary(uint32_t v, int width) {
  std::string s;
  for (int i = width - 1; i >= 0; --i) s += (v >> i & 1) ? '1' : '0';
  return s;
}

// A Moore counter through `order` (the output of each state), with no input.
Machine counter(const std::vector<uint32_t>& order, int width) {
  const int n = static_cast<int>(order.size());
  Machine m = emptyMachine(MachineKind::Moore, n, 0, width);
  for (int s = 0; s < n; ++s) {
    m.names[s] = binary(order[s], width);
    m.table[s][0].next = (s + 1) % n;
    m.stateOutputs[s] = binary(order[s], width);
  }
  return m;
}

Machine upDown() {
  Machine m = emptyMachine(MachineKind::Moore, 4, 1, 2);
  for (int s = 0; s < 4; ++s) {
    m.names[s] = std::to_string(s);
    m.table[s][0].next = (s + 3) % 4;
    m.table[s][1].next = (s + 1) % 4;
    m.stateOutputs[s] = binary(s, 2);
  }
  return m;
}

// S0: nothing useful seen, S1: "1", S2: "10"; a 1 after "10" is found, and
// that 1 starts the next "101".
Machine detectorMealy() {
  Machine m = emptyMachine(MachineKind::Mealy, 3, 1, 1);
  const int next[3][2] = {{0, 1}, {2, 1}, {0, 1}};
  for (int s = 0; s < 3; ++s)
    for (int x = 0; x < 2; ++x) m.table[s][x] = {next[s][x], s == 2 && x == 1 ? "1" : "0"};
  return m;
}

// As the Mealy detector with S3: "101" just seen, which shows Z = 1.
Machine detectorMoore() {
  Machine m = emptyMachine(MachineKind::Moore, 4, 1, 1);
  const int next[4][2] = {{0, 1}, {2, 1}, {0, 3}, {2, 1}};
  for (int s = 0; s < 4; ++s) {
    for (int x = 0; x < 2; ++x) m.table[s][x].next = next[s][x];
    m.stateOutputs[s].assign(1, s == 3 ? '1' : '0');
  }
  return m;
}

}  // namespace

std::vector<Preset> presets() {
  return {
      {"2ビットカウンタ", counter({0, 1, 2, 3}, 2)},
      {"5進カウンタ", counter({0, 1, 2, 3, 4}, 3)},
      {"3ビットグレイコードカウンタ", counter({0, 1, 3, 2, 6, 7, 5, 4}, 3)},
      {"アップダウンカウンタ", upDown()},
      {"系列検出 101（ミーリ型）", detectorMealy()},
      {"系列検出 101（ムーア型）", detectorMoore()},
  };
}

}  // namespace ronri::seq
