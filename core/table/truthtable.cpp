// The truth table: row bits, every row's value, the term lists and the columns shown.
#include "core/table/truthtable.h"

#include <cstdint>

#include "core/expression/expression.h"
#include "core/expression/rpn.h"
#include "core/table/term.h"

namespace ronri {

namespace {

std::string replaceAll(std::string s, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(s.size());
  size_t pos = 0;
  for (size_t hit; (hit = s.find(from, pos)) != std::string::npos; pos = hit + from.size()) {
    out.append(s, pos, hit - pos);
    out += to;
  }
  out.append(s, pos);
  return out;
}

int clampVariables(int n) {
  return n < 1 ? 1 : (n > kMaxVariables ? kMaxVariables : n);
}

// One step of the compiled program: push an operand, negate, or combine.
struct Step {
  enum Kind : uint8_t { Var, NegVar, Not, Binary } kind;
  char op;  // binary operator
  int var;  // 0-based variable
};

// Bit j of the mask is set when bit `shift` of j is set (rows within a word).
constexpr uint64_t kLowMasks[6] = {0xAAAAAAAAAAAAAAAAull, 0xCCCCCCCCCCCCCCCCull,
                                   0xF0F0F0F0F0F0F0F0ull, 0xFF00FF00FF00FF00ull,
                                   0xFFFF0000FFFF0000ull, 0xFFFFFFFF00000000ull};

uint64_t variableWord(int var, int n, int word) {
  const int shift = n - 1 - var;  // the first variable is the most significant bit
  if (shift < 6) return kLowMasks[shift];
  return ((uint64_t(word) * 64) >> shift) & 1 ? ~0ull : 0ull;
}

uint64_t combine(char op, uint64_t x, uint64_t y) {
  switch (op) {
    case '*':
      return x & y;
    case '+':
      return x | y;
    case '$':
      return ~(x & y);
    case '|':
      return ~(x | y);
    case '@':
      return x ^ y;
    default:
      return ~(x ^ y);  // '%'
  }
}

}  // namespace

std::string rowBits(int r, int n) {
  n = clampVariables(n);
  return Term::ofRow(r, n).pattern(n);
}

std::string assignmentLine(std::string_view bits) {
  std::string line;
  line.reserve(bits.size() * 4);
  for (char b : bits) {
    line += b;
    line += "   ";
  }
  if (line.size() >= 2) line.resize(line.size() - 2);
  return line;
}

std::string rowTerm(std::string_view bits) {
  std::string term;
  int k = 0;
  for (char b : bits) {
    if (b != '0' && b != '1') continue;
    if (k < kMaxVariables) term += b == '1' ? plainLetter(k) : negatedLetter(k);
    ++k;
  }
  term += '+';
  return term;
}

std::string layoutPlus(std::string_view x) {
  std::string s = replaceAll(std::string(x), "+", "*");
  std::string mapped;
  mapped.reserve(s.size() * 2);
  for (char c : s) {
    if (isVariable(c)) {
      mapped += negatedLetter(variableOf(c));
      mapped += '+';
    } else if (isNegatedLetter(c)) {
      mapped += plainLetter(variableOf(c));
      mapped += '+';
    } else {
      mapped += c;
    }
  }
  s = replaceAll(mapped, "+*", "*");
  if (!s.empty() && (s.front() == '+' || s.front() == '*')) s.erase(0, 1);
  if (!s.empty() && (s.back() == '+' || s.back() == '*')) s.pop_back();
  return "(" + replaceAll(s, "*", ")*(") + ")";
}

std::vector<char> evaluateRows(std::string_view rpn, int n) {
  n = clampVariables(n);
  const int rows = 1 << n;
  // The stack depth does not depend on the row: the text is either well formed
  // for every row or for none (then change() never gives a single digit).
  std::vector<Step> program;
  int depth = 0;
  bool ok = true;
  for (char c : rpn) {
    const int var = variableOf(c, n);
    if (isVariable(c) && var >= 0) {
      program.push_back({Step::Var, 0, var});
      ++depth;
    } else if (var >= 0) {
      program.push_back({Step::NegVar, 0, var});
      ++depth;
    } else if (c == '~') {
      if (depth < 1) ok = false;
      program.push_back({Step::Not, 0, 0});
    } else if (isBinaryOperator(c)) {
      if (depth < 2) ok = false;
      program.push_back({Step::Binary, c, 0});
      --depth;
    }
    if (!ok) break;
  }
  if (!ok || depth != 1) return std::vector<char>(size_t(rows), '?');

  std::vector<char> values(static_cast<size_t>(rows), 0);
  std::vector<uint64_t> stack;
  stack.reserve(program.size());
  const int words = (rows + 63) / 64;
  for (int w = 0; w < words; ++w) {
    stack.clear();
    for (const Step& s : program) {
      switch (s.kind) {
        case Step::Var:
          stack.push_back(variableWord(s.var, n, w));
          break;
        case Step::NegVar:
          stack.push_back(~variableWord(s.var, n, w));
          break;
        case Step::Not:
          stack.back() = ~stack.back();
          break;
        case Step::Binary: {
          const uint64_t y = stack.back();
          stack.pop_back();
          stack.back() = combine(s.op, stack.back(), y);
          break;
        }
      }
    }
    const uint64_t result = stack.back();
    const int count = std::min(64, rows - w * 64);
    for (int j = 0; j < count; ++j) values[size_t(w * 64 + j)] = (result >> j) & 1 ? '1' : '0';
  }
  return values;
}

std::string makeRows(std::string_view rpn, int mode, int n, std::string& allBits,
                     const Progress& progress) {
  n = clampVariables(n);
  const int rows = 1 << n;
  std::vector<char> values;
  if (mode != kAll) values = evaluateRows(rpn, n);
  allBits.clear();
  allBits.reserve(size_t(rows) * size_t(n));
  std::string column;
  column.reserve(size_t(rows) * (size_t(n) * 4 + 1));
  for (int r = 0; r < rows; ++r) {
    if (progress) progress(rows, r);
    const std::string bits = rowBits(r, n);
    allBits += bits;
    if (mode == kAll || values[size_t(r)] == char('0' + mode)) {
      column += assignmentLine(bits);
      column += "\r\n";
    }
  }
  return column;
}

std::string answer(std::string_view rpn, int mode, int n, std::string_view allBits,
                   const Progress& progress) {
  n = clampVariables(n);
  const int rows = std::min(1 << n, int(allBits.size() / size_t(n)));
  const std::vector<char> values = evaluateRows(rpn, n);
  std::string out;
  out.reserve(size_t(rows));
  for (int r = 0; r < rows; ++r) {
    if (progress) progress(1 << n, r);
    const char v = values[size_t(r)];
    if (mode == kAll || v == char('0' + mode)) out += v;
  }
  return out;
}

void makeTerms(std::string_view rpn, int n, std::string_view allBits, std::string& oneTerms,
               std::string& zeroTerms, const Progress& progress) {
  n = clampVariables(n);
  const int rows = std::min(1 << n, int(allBits.size() / size_t(n)));
  const std::vector<char> values = evaluateRows(rpn, n);
  for (int r = 0; r < rows; ++r) {
    if (progress) progress(1 << n, r);
    const char v = values[size_t(r)];
    if (v == '?') continue;
    (v == '1' ? oneTerms : zeroTerms) += rowTerm(allBits.substr(size_t(r) * size_t(n), size_t(n)));
  }
}

TruthTable createTable(std::string_view folded, int n, const Progress& progress) {
  TruthTable t;
  t.n = clampVariables(n);
  t.column = makeRows(folded, kAll, t.n, t.allBits, progress);
  t.rpn = ReversePolishNotation(folded);
  makeTerms(t.rpn, t.n, t.allBits, t.oneTerms, t.zeroTerms, progress);
  t.results = answer(t.rpn, kAll, t.n, t.allBits, progress);
  return t;
}

}  // namespace ronri
