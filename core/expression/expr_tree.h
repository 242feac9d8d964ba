#pragma once
// An expression tree beside the reverse Polish form, for derivations: parse
// the program's notation (with the constants 0 and 1, which only derivation
// lines use), print it back with the fewest parentheses, compare up to the
// order and grouping of operands, and evaluate every row.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ronri {

enum class Op { Var, Const, Not, And, Or, Nand, Nor, Xor, Xnor };

struct Expr {
  Op op = Op::Const;
  int value = 0;  // the variable (0 = a) or the constant
  std::vector<Expr> kids;

  static Expr var(int v) { return {Op::Var, v, {}}; }
  static Expr constant(int c) { return {Op::Const, c, {}}; }
  static Expr negate(Expr e) {
    Expr n{Op::Not, 0, {}};
    n.kids.push_back(std::move(e));  // a braced list would copy the whole operand
    return n;
  }
  static Expr node(Op op, std::vector<Expr> kids) { return {op, 0, std::move(kids)}; }
  friend bool operator==(const Expr&, const Expr&) = default;
};

// A range of characters of a printed line.
struct Span {
  int begin = 0;
  int length = 0;
  friend bool operator==(const Span&, const Span&) = default;
};

// Child indices from the root.
using Path = std::vector<int>;

// Letters a..j, the folded letters n..w (as ~a..~j), 0, 1, the seven
// operators and parentheses; blanks are skipped. Sums and products are read
// as written (left-associative, two operands each). nullopt when malformed.
std::optional<Expr> parseExpr(std::string_view text);

// The program's notation with the fewest parentheses that read back the same.
std::string printExpr(const Expr& e);
// Where the node at `path` stands in printExpr(root).
Span spanAt(const Expr& root, const Path& path);
// Where children first..first+count-1 of the node at `path` stand.
Span childrenSpan(const Expr& root, const Path& path, int first, int count);

// Nested sums (products) merged into one, recursively.
Expr flattened(const Expr& e);
// flattened, with the operands of every symmetric operator in one order.
Expr canonical(const Expr& e);
bool sameUpToOrder(const Expr& a, const Expr& b);

// One more than the highest variable used (0 without variables).
int variableCount(const Expr& e);
// The value of every row of n variables, '0' or '1', the first variable most
// significant (as rowBits).
std::string truthValues(const Expr& e, int n);

}  // namespace ronri
