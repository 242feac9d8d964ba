#include "circuit/gates.h"

#include <algorithm>
#include <cmath>

#include "core/expression.h"

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

TextBox textBox(std::string_view text, double pointSize, bool bold) {
  // Advances at 9 pt in twips, rounded up, for what expressions are made of.
  auto advance = [](unsigned char c) -> double {
    switch (c) {
      case 'i':
      case 'j':
      case 'l':
      case '|':
      case '\'':
      case '.':
      case ',':
      case ':':
        return 60;
      case 'f':
      case 't':
      case 'r':
      case '(':
      case ')':
      case 'J':
      case '*':
      case '[':
      case ']':
        return 75;
      case 's':
      case 'v':
      case '~':
      case ' ':
      case '-':
        return 95;
      case '@':
      case '%':
      case 'W':
      case 'M':
      case 'w':
      case 'm':
        return 165;
      default:
        return c < 0x80 ? 120 : 180;
    }
  };
  double w = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80 && (c & 0xC0) == 0x80) continue;  // a UTF-8 continuation byte
    w += advance(c);
  }
  const double scale = pointSize / 9 * (bold ? 1.1 : 1.0);
  // Line height: ascent plus descent of the face, 13 px at 9 pt.
  return {std::ceil(w * scale), std::ceil(200 * pointSize / 9)};
}

bool inputColumn(char letter, InputColumn& out) {
  // a, ~a, b, ~b, ... j, ~j from right to left; each plain bus 360 twips below
  // the previous one and its negated bus 120 below it.
  int row;
  if (isVariable(letter))
    row = 2 * (letter - 'a');
  else if (isNegatedLetter(letter))
    row = 2 * (letter - 'n') + 1;
  else
    return false;
  const int variable = row / 2;
  out.baseX = 2875 - 125 * row;
  out.dropX = 2760 - 120 * row;
  out.busY = 600 + 360 * variable + (row % 2) * 120;
  return true;
}

int busColumn(char letter, double LR) {
  InputColumn c;
  if (!inputColumn(letter, c)) return 0;
  return static_cast<int>(c.baseX + LR);
}

}  // namespace ronri
