// Rewriting an expression for NAND/NOR and NOT gates, or NAND or NOR alone.
#include "core/expression/gateset.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/expression/expression.h"
#include "core/expression/rpn.h"

namespace ronri {

namespace {

// A template writes its operands where it holds X (the entry popped first,
// the right operand of the infix text) and Y (the entry below it).
struct Template {
  std::string_view text;
  bool bare;  // must be enclosed in parentheses when it becomes an operand
};

Template withNotTemplate(char op, bool nand) {
  if (nand) {
    switch (op) {
      case '*':
        return {"~(X$Y)", false};
      case '+':
        return {"~X$~Y", true};
      case '$':
        return {"X$Y", true};
      case '|':
        return {"~(~X$~Y)", false};
      case '@':
        return {"(X$~Y)$(~X$Y)", true};
      case '%':
        return {"(X$Y)$(~X$~Y)", true};
      case '~':
        return {"~X", false};
    }
  } else {
    switch (op) {
      case '+':
        return {"~(X|Y)", false};
      case '*':
        return {"~X|~Y", true};
      case '|':
        return {"X|Y", true};
      case '$':
        return {"~(~X|~Y)", false};
      case '@':
        return {"(X|Y)|(~X|~Y)", true};
      case '%':
        return {"~((~X|~Y)|(X|Y))", false};
      case '~':
        return {"~X", false};
    }
  }
  return {"", false};
}

Template onlyTemplate(char op, bool nand) {
  if (nand) {
    switch (op) {
      case '~':
        return {"(X$X)", false};
      case '$':
        return {"(X$Y)", false};
      case '*':
        return {"((X$Y)$(X$Y))", false};
      case '+':
        return {"((X$X)$(Y$Y))", false};
      case '|':
        return {"(((X$X)$(Y$Y))$((X$X)$(Y$Y)))", false};
      case '@':
        return {"((X$(X$Y))$(Y$(X$Y)))", false};
      case '%':
        return {"(((X$(X$Y))$(Y$(X$Y)))$((X$(X$Y))$(Y$(X$Y))))", false};
    }
  } else {
    switch (op) {
      case '~':
        return {"(X|X)", false};
      case '|':
        return {"(X|Y)", false};
      case '+':
        return {"((X|Y)|(X|Y))", false};
      case '*':
        return {"((X|X)|(Y|Y))", false};
      case '$':
        return {"(((X|X)|(Y|Y))|((X|X)|(Y|Y)))", false};
      case '%':
        return {"((X|(X|Y))|(Y|(X|Y)))", false};
      case '@':
        return {"(((X|(X|Y))|(Y|(X|Y)))|((X|(X|Y))|(Y|(X|Y))))", false};
    }
  }
  return {"", false};
}

bool isConstant(char c) {
  return c == '0' || c == '1';
}

// The result as a tree whose nodes may be shared; lengths saturate just above
// the limit so they never overflow.
class Builder {
 public:
  explicit Builder(std::size_t maxLength) : cap_(std::uint64_t(maxLength) + 1) {}

  int leaf(char c) {
    nodes_.push_back({{}, c, -1, -1, false, 1});
    return int(nodes_.size()) - 1;
  }

  int apply(const Template& t, int x, int y) {
    x = enclosed(x);
    if (y >= 0) y = enclosed(y);
    std::uint64_t len = 0;
    for (char c : t.text) len += c == 'X' ? length(x) : c == 'Y' ? length(y) : 1;
    nodes_.push_back({t.text, 0, x, y, t.bare, std::min(len, cap_)});
    return int(nodes_.size()) - 1;
  }

  std::uint64_t length(int node) const { return nodes_[node].length; }
  bool isLeaf(int node) const { return nodes_[node].x < 0; }

  // Writes the tree out without recursion, so depth costs no call stack.
  std::string write(int root) const {
    std::string out;
    out.reserve(std::size_t(length(root)));
    struct Frame {
      int node;
      std::size_t pos;
    };
    std::vector<Frame> stack{{root, 0}};
    while (!stack.empty()) {
      Frame& f = stack.back();
      const Node& n = nodes_[f.node];
      if (n.x < 0) {
        out += n.leaf;
        stack.pop_back();
      } else if (f.pos < n.text.size()) {
        const char c = n.text[f.pos++];
        if (c == 'X')
          stack.push_back({n.x, 0});
        else if (c == 'Y')
          stack.push_back({n.y, 0});
        else
          out += c;
      } else {
        stack.pop_back();
      }
    }
    return out;
  }

 private:
  struct Node {
    std::string_view text;
    char leaf;
    int x, y;
    bool bare;
    std::uint64_t length;
  };

  int enclosed(int node) {
    if (!nodes_[node].bare) return node;
    nodes_.push_back({"(X)", 0, node, -1, false, std::min(length(node) + 2, cap_)});
    return int(nodes_.size()) - 1;
  }

  std::uint64_t cap_;
  std::vector<Node> nodes_;
};

bool isUnary(char c) {
  return c == '~';
}

// Walks a reverse Polish text; `operand` turns an operand character into a
// node (or -1 when it is not one), `templ` gives the template of an operator.
template <class Operand, class Templ>
Rewritten walk(std::string_view rpn, std::size_t maxLength, Builder& b, Operand operand,
               Templ templ, int* root) {
  std::vector<int> stack;
  for (char c : rpn) {
    if (isUnary(c) || isBinaryOperator(c)) {
      const std::size_t need = isUnary(c) ? 1 : 2;
      if (stack.size() < need) return {"", RewriteStatus::Malformed};
      const int x = stack.back();
      stack.pop_back();
      int y = -1;
      if (need == 2) {
        y = stack.back();
        stack.pop_back();
      }
      stack.push_back(b.apply(templ(c), x, y));
    } else {
      const int node = operand(c);
      if (node < 0) return {"", RewriteStatus::Malformed};
      stack.push_back(node);
    }
  }
  if (stack.empty()) return {"", RewriteStatus::Empty};
  if (stack.size() > 1) return {"", RewriteStatus::Malformed};
  if (b.length(stack.back()) > maxLength) return {"", RewriteStatus::TooLong};
  *root = stack.back();
  return {"", RewriteStatus::Ok};
}

}  // namespace

std::string foldDoubleNegations(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] == '~' && i + 1 < text.size() && text[i + 1] == '~') {
      i += 2;
    } else {
      out += text[i++];
    }
  }
  return out;
}

std::optional<std::string> gateSetRpn(std::string_view infix) {
  // The reverse Polish conversion reads only letters as operands, so the
  // constants travel through it as x and y, letters no expression uses.
  std::string mapped(infix);
  int depth = 0;
  for (char& c : mapped) {
    if (c == '(') {
      ++depth;
    } else if (c == ')') {
      if (--depth < 0) return std::nullopt;
    } else if (c == '0') {
      c = 'x';
    } else if (c == '1') {
      c = 'y';
    } else if (!isOperand(c) && !isBinaryOperator(c) && c != '~') {
      return std::nullopt;
    }
  }
  if (depth != 0) return std::nullopt;
  std::string rpn = ReversePolishNotation(mapped);
  for (char& c : rpn) {
    if (c == 'x')
      c = '0';
    else if (c == 'y')
      c = '1';
  }
  return rpn;
}

Rewritten rewriteWithNot(std::string_view rpn, bool nand, std::size_t maxLength) {
  // wordchange and the folding at most double the length of the tree's text.
  Builder b(maxLength);
  int root = -1;
  Rewritten r = walk(
      rpn, maxLength, b, [&](char c) { return isOperand(c) || isConstant(c) ? b.leaf(c) : -1; },
      [&](char op) { return withNotTemplate(op, nand); }, &root);
  if (r.status != RewriteStatus::Ok) return r;
  r.text = foldDoubleNegations(wordchange(b.write(root)));
  if (r.text.size() > maxLength) return {"", RewriteStatus::TooLong};
  return r;
}

Rewritten rewriteOnly(std::string_view withNot, bool nand, std::size_t maxLength) {
  const std::optional<std::string> rpn = gateSetRpn(withNot);
  if (!rpn) return {"", RewriteStatus::Malformed};
  Builder b(maxLength + 2);
  int root = -1;
  Rewritten r = walk(
      *rpn, maxLength + 2, b,
      [&](char c) {
        if (isVariable(c) || isConstant(c)) return b.leaf(c);
        // A negated letter is the NOT of its variable.
        if (isNegatedLetter(c))
          return b.apply(onlyTemplate('~', nand), b.leaf(plainLetter(variableOf(c))), -1);
        return -1;
      },
      [&](char op) { return onlyTemplate(op, nand); }, &root);
  if (r.status != RewriteStatus::Ok) return r;
  r.text = b.write(root);
  // The outermost parentheses go; a lone operand has none.
  if (!b.isLeaf(root)) r.text = r.text.substr(1, r.text.size() - 2);
  if (r.text.size() > maxLength) return {"", RewriteStatus::TooLong};
  return r;
}

std::string toNandNot(std::string_view rpn) {
  return rewriteWithNot(rpn, true).text;
}
std::string toNorNot(std::string_view rpn) {
  return rewriteWithNot(rpn, false).text;
}
std::string toNandOnly(std::string_view withNot) {
  return rewriteOnly(withNot, true).text;
}
std::string toNorOnly(std::string_view withNot) {
  return rewriteOnly(withNot, false).text;
}

}  // namespace ronri
