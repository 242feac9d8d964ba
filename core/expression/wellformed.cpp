// Where a built expression stops being well formed, and why.
#include "core/expression/wellformed.h"

#include <vector>

#include "core/expression/expression.h"

namespace ronri {

std::optional<Malformation> findMalformation(std::string_view built, int variables) {
  const auto at = [&](Malformation::Kind kind, size_t i) {
    return Malformation{kind, int(i) + 1, built[i]};
  };
  std::vector<size_t> open;  // positions of the "(" not yet closed
  bool wantOperand = true;   // what may come next: an operand, or an operator / ")"
  for (size_t i = 0; i < built.size(); ++i) {
    const char c = built[i];
    const char before = i > 0 ? built[i - 1] : 0;
    if (isVariable(c)) {
      if (variables > 0 && variableOf(c) >= variables) return at(Malformation::BeyondCount, i);
      if (!wantOperand) return at(Malformation::OperatorNeeded, i);
      wantOperand = false;
    } else if (c == '~' || c == '(') {
      if (!wantOperand) return at(Malformation::OperatorNeeded, i);
      if (c == '(') open.push_back(i);
    } else if (c == ')') {
      if (open.empty()) return at(Malformation::UnmatchedClose, i);
      if (wantOperand) {
        if (before == '(') return at(Malformation::EmptyPair, i - 1);
        return at(Malformation::MissingRightOperand, i - 1);
      }
      open.pop_back();
    } else if (isBinaryOperator(c)) {
      if (wantOperand) {
        // "~+" is the "~" that lacks its operand; otherwise the operator lacks its left one.
        if (before == '~') return at(Malformation::MissingRightOperand, i - 1);
        return at(Malformation::MissingLeftOperand, i);
      }
      wantOperand = true;
    } else {
      return at(Malformation::BadCharacter, i);
    }
  }
  if (built.empty()) return std::nullopt;
  const size_t last = built.size() - 1;
  if (wantOperand)
    return at(built[last] == '(' ? Malformation::UnclosedOpen : Malformation::MissingRightOperand,
              last);
  if (!open.empty()) return at(Malformation::UnclosedOpen, open.front());
  return std::nullopt;
}

EntryCheck checkEntry(std::string_view built, int variables) {
  return {checkExp(InsideExp(built)), findMalformation(built, variables)};
}

}  // namespace ronri
