// Gate pictures, their pins and the input columns of the variables.
#include "circuit/gates.h"

#include <algorithm>
#include <cmath>

#include "core/expression/expression.h"

namespace ronri {

std::string_view gatePicture(char op) {
  switch (op) {
    case '+':
      return "gate/or";
    case '|':
      return "gate/nor";
    case '*':
      return "gate/and";
    case '$':
      return "gate/nand";
    case '@':
      return "gate/xor";
    case '%':
      return "gate/xnor";
    case '~':
      return "gate/not";
    default:
      return {};
  }
}

char complementGate(char op) {
  switch (op) {
    case '+':
      return '|';
    case '|':
      return '+';
    case '*':
      return '$';
    case '$':
      return '*';
    case '@':
      return '%';
    case '%':
      return '@';
    default:
      return 0;
  }
}

double inputReach(char op, double dy) {
  // Matches the pictures (in px): AND and NAND have a straight back at x = 12;
  // OR and NOR a back curve from (8, 4) through (12, 20) to (8, 36), a
  // quadratic curve whose x is 8 + 16 t (1 - t) at t = (y - 4) / 32.
  constexpr double kTw = 15;
  switch (op) {
    case '*':
    case '$':
      return 12 * kTw;
    case '+':
    case '|': {
      const double t = std::clamp((dy / kTw - 4) / 32, 0.0, 1.0);
      return (8 + 16 * t * (1 - t)) * kTw;
    }
    case '@':
    case '%': {
      const double t = std::clamp((dy / kTw - 4) / 32, 0.0, 1.0);
      return (6 + 16 * t * (1 - t)) * kTw;
    }
    default:
      return 14 * kTw;
  }
}

bool inputColumn(char letter, InputColumn& out) {
  // a, ~a, b, ~b, ... j, ~j from right to left; each plain bus 360 twips below
  // the previous one and its negated bus 120 below it.
  int row;
  if (isVariable(letter))
    row = 2 * variableOf(letter);
  else if (isNegatedLetter(letter))
    row = 2 * variableOf(letter) + 1;
  else
    return false;
  const int variable = row / 2;
  out.baseX = 2875 - 125 * row;
  out.dropX = 2760 - 120 * row;
  out.busY = 600 + 360 * variable + (row % 2) * 120;
  return true;
}

int busColumn(char letter, double panX) {
  InputColumn c;
  if (!inputColumn(letter, c)) return 0;
  return static_cast<int>(c.baseX + panX);
}

}  // namespace ronri
