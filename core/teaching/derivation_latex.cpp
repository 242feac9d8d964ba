// The LaTeX writer of derivations.
#include "core/teaching/derivation_latex.h"

#include "core/expression/expression.h"

namespace ronri {
namespace {

// Past this many characters of the program's notation a line is broken.
constexpr std::size_t kLineLength = 60;

bool isBinary(const Expr& e) {
  return e.op != Op::Var && e.op != Op::Const && e.op != Op::Not;
}

std::string symbolOf(Op op) {
  switch (op) {
    case Op::Or:
      return " + ";
    case Op::Xor:
      return " \\oplus ";
    case Op::Xnor:
      return " \\odot ";
    case Op::Nand:
      return " \\uparrow ";
    case Op::Nor:
      return " \\downarrow ";
    default:
      return " ";  // a product is written side by side
  }
}

// Parentheses where a reader could group otherwise: a sum inside anything, and
// any operator but a product inside @ % $ |; chains read from the left.
bool needsParentheses(Op parent, const Expr& kid, std::size_t index) {
  if (!isBinary(kid)) return false;
  switch (parent) {
    case Op::Or:
      return kid.op == Op::Or;
    case Op::And:
      return kid.op != Op::And;
    case Op::Xor:
      return kid.op != Op::And && !(kid.op == Op::Xor && index == 0);
    default:
      return true;
  }
}

std::string escapedText(std::string_view s) {
  std::string out;
  for (char c : s) {
    if (c == '%' || c == '$' || c == '&' || c == '#' || c == '_')
      out += std::string("\\") + c;
    else if (c == '|')
      out += "\\textbar{}";
    else
      out += c;
  }
  return out;
}

// The outer operands of a line in groups of about kLineLength characters.
std::vector<std::string> brokenLine(const Expr& e) {
  if ((e.op != Op::Or && e.op != Op::And) || printExpr(e).size() <= kLineLength)
    return {latexExpression(e)};
  std::vector<std::string> parts;
  std::vector<Expr> group;
  std::size_t length = 0;
  const auto flush = [&] {
    if (group.empty()) return;
    parts.push_back(latexExpression(group.size() == 1 ? group[0] : Expr::node(e.op, group)));
    group.clear();
    length = 0;
  };
  for (const Expr& k : e.kids) {
    const std::size_t size = printExpr(k).size() + 1;
    if (length + size > kLineLength) flush();
    group.push_back(k);
    length += size;
  }
  flush();
  return parts;
}

}  // namespace

std::string latexExpression(const Expr& e) {
  if (e.op == Op::Var) return std::string(1, plainLetter(e.value));
  if (e.op == Op::Const) return std::string(1, char('0' + e.value));
  if (e.op == Op::Not) {
    // The bar groups by itself: ~(a+b) is a bar over a + b.
    return "\\overline{" + latexExpression(e.kids[0]) + "}";
  }
  std::string out;
  for (std::size_t i = 0; i < e.kids.size(); ++i) {
    if (i) out += symbolOf(e.op);
    const std::string kid = latexExpression(e.kids[i]);
    out += needsParentheses(e.op, e.kids[i], i) ? "(" + kid + ")" : kid;
  }
  return out;
}

std::string englishLawLabel(const DerivationLine& line) {
  if (!line.law) return "";
  const std::string name(lawInfo(*line.law).english);
  if (line.grouped <= 0) return name;
  const std::string count = std::to_string(groupedCount(line));
  switch (*line.law) {
    case Law::Distributive:
      return name + ", expanded: " + count + " terms";
    case Law::Idempotent:
      return name + ", terms copied: " + count + " terms";
    case Law::Combining:
      return name + ", " + count + " times";
    default:
      return name + " (" + count + ")";
  }
}

std::string derivationLatex(const std::vector<DerivationLine>& lines) {
  std::string out =
      "% A derivation by the laws of Boolean algebra, written by RonriLab.\n"
      "\\documentclass{article}\n\\usepackage{amsmath}\n\\begin{document}\n"
      "\\begin{align*}\n";
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const DerivationLine& l = lines[i];
    const std::optional<Expr> e = parseExpr(l.text);
    const std::vector<std::string> parts = e ? brokenLine(*e) : std::vector<std::string>{};
    const std::string joint = e && e->op == Op::Or ? "+ " : "";
    for (std::size_t p = 0; p < parts.size(); ++p) {
      out += p > 0 ? "  &\\quad " + joint : i > 0 ? "  ={} & " : "  & ";
      out += parts[p];
      if (p == 0 && l.law) out += " && \\text{" + escapedText(englishLawLabel(l)) + "}";
      const bool last = i + 1 == lines.size() && p + 1 == parts.size();
      out += last ? "" : " \\\\";
      if (p == 0 && l.law) out += " % " + std::string(lawInfo(*l.law).japanese);
      out += "\n";
    }
  }
  out += "\\end{align*}\n\\end{document}\n";
  return out;
}

}  // namespace ronri
