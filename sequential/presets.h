#pragma once
// Machines for a class: counters and the 101 sequence detector.
#include <string>
#include <vector>

#include "sequential/machine.h"

namespace ronri::seq {

struct Preset {
  std::string name;  // as the window lists it
  Machine machine;
};

// "2ビットカウンタ", "5進カウンタ", "3ビットグレイコードカウンタ",
// "アップダウンカウンタ" (X = 1 counts up), "系列検出 101（ミーリ型）",
// "系列検出 101（ムーア型）" (overlapping: 10101 is found twice). The
// counters are Moore machines whose outputs show the count (the Gray counter
// its Gray code), so any state assignment still counts the same way.
std::vector<Preset> presets();

}  // namespace ronri::seq
