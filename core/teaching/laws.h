#pragma once
// The laws of Boolean algebra a derivation names, as data: the Japanese and
// English names and the forms a textbook states them in.
#include <string_view>
#include <vector>

namespace ronri {

enum class Law {
  Commutative,
  Associative,
  Distributive,
  Idempotent,
  Complement,
  Identity,
  Null,
  DoubleNegation,
  Absorption,
  DeMorgan,
  Combining,
  Consensus,
  XorDefinition,
  XnorDefinition,
  NandDefinition,
  NorDefinition,
};

struct LawInfo {
  Law law;
  std::string_view japanese;
  std::string_view english;
  std::vector<std::string_view> forms;  // "left=right", in the program's notation
};

// Every law, in the order above.
const std::vector<LawInfo>& allLaws();
const LawInfo& lawInfo(Law law);

}  // namespace ronri
