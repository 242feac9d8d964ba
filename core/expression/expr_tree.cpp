// The expression tree: reading, printing with spans, canonical order, rows.
#include "core/expression/expr_tree.h"

#include <algorithm>

#include "core/expression/expression.h"

namespace ronri {
namespace {

// Recursive descent over the program's precedence: ~ > $ | % > * > @ > +.
class Parser {
 public:
  explicit Parser(std::string_view text) {
    for (char c : text)
      if (c != ' ') text_ += c;
  }
  std::optional<Expr> parse() {
    auto e = sum();
    if (!e || pos_ != text_.size()) return std::nullopt;
    return e;
  }

 private:
  using Level = std::optional<Expr> (Parser::*)();
  std::optional<Expr> binary(Level next, std::string_view ops) {
    auto left = (this->*next)();
    while (left && pos_ < text_.size() && ops.find(text_[pos_]) != std::string_view::npos) {
      const char c = text_[pos_++];
      auto right = (this->*next)();
      if (!right) return std::nullopt;
      // Moved in, not through a braced list, which would copy the left side
      // again at every operator of a long sum.
      std::vector<Expr> kids;
      kids.reserve(2);
      kids.push_back(std::move(*left));
      kids.push_back(std::move(*right));
      left = Expr::node(opOf(c), std::move(kids));
    }
    return left;
  }
  static Op opOf(char c) {
    switch (c) {
      case '+':
        return Op::Or;
      case '@':
        return Op::Xor;
      case '*':
        return Op::And;
      case '$':
        return Op::Nand;
      case '|':
        return Op::Nor;
      default:
        return Op::Xnor;
    }
  }
  std::optional<Expr> sum() { return binary(&Parser::exclusive, "+"); }
  std::optional<Expr> exclusive() { return binary(&Parser::product, "@"); }
  std::optional<Expr> product() { return binary(&Parser::strong, "*"); }
  std::optional<Expr> strong() { return binary(&Parser::unary, "$|%"); }
  std::optional<Expr> unary() {
    if (pos_ >= text_.size() || ++depth_ > 20000) return std::nullopt;
    const char c = text_[pos_++];
    std::optional<Expr> e;
    if (c == '~') {
      if (auto k = unary()) e = Expr::negate(std::move(*k));
    } else if (c == '(') {
      e = sum();
      if (!e || pos_ >= text_.size() || text_[pos_++] != ')') e.reset();
    } else if (c >= 'a' && c <= 'j') {
      e = Expr::var(c - 'a');
    } else if (c >= 'n' && c <= 'w') {
      e = Expr::negate(Expr::var(c - 'n'));
    } else if (c == '0' || c == '1') {
      e = Expr::constant(c - '0');
    }
    --depth_;
    return e;
  }
  std::string text_;
  std::size_t pos_ = 0;
  int depth_ = 0;
};

int precedence(Op op) {
  switch (op) {
    case Op::Or:
      return 1;
    case Op::Xor:
      return 2;
    case Op::And:
      return 3;
    case Op::Nand:
    case Op::Nor:
    case Op::Xnor:
      return 4;
    case Op::Not:
      return 5;
    default:
      return 6;
  }
}

char symbol(Op op) {
  switch (op) {
    case Op::And:
      return '*';
    case Op::Or:
      return '+';
    case Op::Nand:
      return '$';
    case Op::Nor:
      return '|';
    case Op::Xor:
      return '@';
    default:
      return '%';
  }
}

// Prints and notes the span of the node at `target` (and of its children).
struct Printer {
  const Path* target = nullptr;
  std::string out;
  Path here;
  Span found;
  std::vector<Span> foundKids;

  void print(const Expr& e) {
    const int begin = static_cast<int>(out.size());
    const bool isTarget = target && here == *target;
    if (e.op == Op::Var) {
      out += plainLetter(e.value);
    } else if (e.op == Op::Const) {
      out += char('0' + e.value);
    } else if (e.op == Op::Not) {
      out += '~';
      child(e, 0, precedence(e.kids[0].op) < precedence(Op::Not), isTarget);
    } else {
      for (std::size_t i = 0; i < e.kids.size(); ++i) {
        if (i) out += symbol(e.op);
        const int p = precedence(e.kids[i].op), q = precedence(e.op);
        child(e, static_cast<int>(i), i == 0 ? p < q : p <= q, isTarget);
      }
    }
    if (isTarget) found = {begin, static_cast<int>(out.size()) - begin};
  }
  void child(const Expr& e, int i, bool parens, bool parentIsTarget) {
    here.push_back(i);
    const int begin = static_cast<int>(out.size());
    if (parens) out += '(';
    print(e.kids[i]);
    if (parens) out += ')';
    here.pop_back();
    if (parentIsTarget) foundKids.push_back({begin, static_cast<int>(out.size()) - begin});
  }
};

void flattenInto(Op op, const Expr& e, std::vector<Expr>& kids) {
  if (e.op == op) {
    for (const Expr& k : e.kids) flattenInto(op, k, kids);
  } else {
    kids.push_back(flattened(e));
  }
}

bool symmetric(Op op) {
  return op != Op::Not && op != Op::Var && op != Op::Const;
}

// Sorts the operands of every symmetric operator, innermost first, each
// operand printed once for the order.
void sortOperands(Expr& e) {
  for (Expr& k : e.kids) sortOperands(k);
  // Two-operand $ | % @ are symmetric too; longer chains of them are not.
  if (!symmetric(e.op) || !(e.op == Op::And || e.op == Op::Or || e.kids.size() == 2)) return;
  std::vector<std::pair<std::string, Expr>> keyed;
  keyed.reserve(e.kids.size());
  for (Expr& k : e.kids) keyed.emplace_back(printExpr(k), std::move(k));
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 0; i < keyed.size(); ++i) e.kids[i] = std::move(keyed[i].second);
}

void evaluate(const Expr& e, int n, std::vector<char>& rows) {
  const std::size_t count = std::size_t{1} << n;
  rows.assign(count, 0);
  if (e.op == Op::Var) {
    for (std::size_t r = 0; r < count; ++r)
      rows[r] = e.value < n ? (r >> (n - 1 - e.value)) & 1 : 0;
    return;
  }
  if (e.op == Op::Const) {
    rows.assign(count, static_cast<char>(e.value));
    return;
  }
  std::vector<char> kid;
  for (std::size_t i = 0; i < e.kids.size(); ++i) {
    evaluate(e.kids[i], n, kid);
    for (std::size_t r = 0; r < count; ++r) {
      const bool x = rows[r], y = kid[r];
      if (i == 0) {
        rows[r] = y;
        continue;
      }
      const bool base = e.op == Op::And || e.op == Op::Nand   ? x && y
                        : e.op == Op::Or || e.op == Op::Nor   ? x || y
                        : e.op == Op::Xor || e.op == Op::Xnor ? x != y
                                                              : y;
      rows[r] = base;
    }
    // The negating operators negate after each pair, as (a$b)$c reads.
    if (i > 0 && (e.op == Op::Nand || e.op == Op::Nor || e.op == Op::Xnor))
      for (auto& v : rows) v = !v;
  }
  if (e.op == Op::Not)
    for (auto& v : rows) v = !v;
}

}  // namespace

std::optional<Expr> parseExpr(std::string_view text) {
  return Parser(text).parse();
}

std::string printExpr(const Expr& e) {
  Printer p;
  p.print(e);
  return p.out;
}

Span spanAt(const Expr& root, const Path& path) {
  Printer p;
  p.target = &path;
  p.print(root);
  return p.found;
}

Span childrenSpan(const Expr& root, const Path& path, int first, int count) {
  Printer p;
  p.target = &path;
  p.print(root);
  if (first < 0 || count <= 0 || first + count > static_cast<int>(p.foundKids.size()))
    return p.found;
  const Span a = p.foundKids[first], b = p.foundKids[first + count - 1];
  return {a.begin, b.begin + b.length - a.begin};
}

Expr flattened(const Expr& e) {
  if (e.op != Op::And && e.op != Op::Or) {
    Expr out = e;
    for (Expr& k : out.kids) k = flattened(k);
    return out;
  }
  std::vector<Expr> kids;
  for (const Expr& k : e.kids) flattenInto(e.op, k, kids);
  return Expr::node(e.op, std::move(kids));
}

Expr canonical(const Expr& e) {
  Expr out = flattened(e);
  sortOperands(out);
  return out;
}

bool sameUpToOrder(const Expr& a, const Expr& b) {
  return canonical(a) == canonical(b);
}

int variableCount(const Expr& e) {
  int n = e.op == Op::Var ? e.value + 1 : 0;
  for (const Expr& k : e.kids) n = std::max(n, variableCount(k));
  return n;
}

std::string truthValues(const Expr& e, int n) {
  std::vector<char> rows;
  evaluate(e, n, rows);
  std::string out;
  for (char v : rows) out += v ? '1' : '0';
  return out;
}

}  // namespace ronri
