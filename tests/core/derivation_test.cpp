// Derivations by the laws: every line equal to the one before, each marked
// step an instance of its law, the last line the conversion window's minimum.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>

#include "core/cover/product_of_sums.h"
#include "core/cover/simplify.h"
#include "core/expression/expression.h"
#include "core/expression/rpn.h"
#include "core/table/truthtable.h"
#include "core/teaching/derivation.h"
#include "core/teaching/derivation_latex.h"

namespace ronri {
namespace {

std::string randomExpression(std::mt19937& rng, int n, int operators) {
  static const std::string ops = "*+$|@%";
  std::uniform_int_distribution<int> letter(0, n - 1), op(0, 5), coin(0, 3);
  std::string e(1, char('a' + letter(rng)));
  for (int i = 0; i < operators; ++i) {
    const std::string x(1, char('a' + letter(rng)));
    e = coin(rng) == 0 ? "~(" + e + ")"
        : coin(rng)    ? "(" + e + ")" + ops[op(rng)] + x
                       : x + ops[op(rng)] + "(" + e + ")";
  }
  return e;
}

// The minimum as the conversion window shows it, in display form.
std::string shownMinimum(const std::string& values, int n, bool productOfSums) {
  std::string ones, zeros;
  std::vector<std::string> patterns;
  for (int r = 0; r < (1 << n); ++r) {
    const std::string t = rowTerm(rowBits(r, n));
    (values[r] == '1' ? ones : zeros) += t;
    if (values[r] == '1') patterns.push_back(t.substr(0, t.size() - 1));
  }
  if (productOfSums) return wordchange(minimalProductOfSums(zeros, "", n).sum);
  if (ones.empty()) return "0";
  return wordchange(layout(useSC3(simplicity(patterns), ones, n)));
}

// A printed line read back so that its nodes print at the spans of the text.
Expr treeOf(const std::string& text) {
  const Expr raw = *parseExpr(text), flat = flattened(raw);
  return printExpr(flat) == text ? flat : raw;
}

// The path of the node printed at `span`, going down only where it lies.
bool findSpan(const Expr& root, const Expr& e, Path& path, const Span& span) {
  const Span here = spanAt(root, path);
  if (here == span) return true;
  if (span.begin < here.begin || span.begin + span.length > here.begin + here.length) return false;
  for (std::size_t i = 0; i < e.kids.size(); ++i) {
    const Span kid = childrenSpan(root, path, int(i), 1);
    if (span.begin < kid.begin || span.begin + span.length > kid.begin + kid.length) continue;
    path.push_back(int(i));
    if (findSpan(root, e.kids[i], path, span)) return true;
    path.pop_back();
  }
  return false;
}

template <class E>
E& at(E& root, const Path& path) {
  E* e = &root;
  for (int i : path) e = &e->kids[size_t(i)];
  return *e;
}

bool same(const Expr& a, const Expr& b) {
  return canonical(a) == canonical(b);
}
bool negationOf(const Expr& a, const Expr& b) {
  return (a.op == Op::Not && same(a.kids[0], b)) || (b.op == Op::Not && same(b.kids[0], a));
}
Op dual(Op op) {
  return op == Op::And ? Op::Or : Op::And;
}
// The operator's own constants: x op unit = x, x op absorbing = absorbing.
Expr unitOf(Op op) {
  return Expr::constant(op == Op::And ? 1 : 0);
}
Expr absorbingOf(Op op) {
  return Expr::constant(op == Op::And ? 0 : 1);
}
Expr made(Op op, std::vector<Expr> kids) {
  if (kids.empty()) return unitOf(op);
  return kids.size() == 1 ? kids[0] : Expr::node(op, std::move(kids));
}
std::vector<Expr> factorsOf(const Expr& term, Op inner) {
  return term.op == inner ? term.kids : std::vector<Expr>{term};
}
std::set<std::string> factorSet(const Expr& term, Op inner) {
  std::set<std::string> out;
  for (const Expr& f : factorsOf(term, inner)) out.insert(printExpr(canonical(f)));
  return out;
}
std::vector<Expr> without(const std::vector<Expr>& kids, std::size_t i, std::size_t j = SIZE_MAX) {
  std::vector<Expr> out;
  for (std::size_t k = 0; k < kids.size(); ++k)
    if (k != i && k != j) out.push_back(kids[k]);
  return out;
}

// A definition's right side from the laws' table, with x and y for a and b.
Expr defined(Law law, const Expr& x, const Expr& y) {
  const std::string_view form = lawInfo(law).forms[0];
  std::string text;
  for (char c : form.substr(form.find('=') + 1))
    text += c == 'a'   ? "(" + printExpr(x) + ")"
            : c == 'b' ? "(" + printExpr(y) + ")"
                       : std::string(1, c);
  return *parseExpr(text);
}

int nodes(const Expr& e) {
  int n = 1;
  for (const Expr& k : e.kids) n += nodes(k);
  return n;
}

using Parts = std::vector<Expr>;  // what stands in place of the marked operands

// Every way one application of `law` rewrites the marked operands `m` of an
// operator `parent` (Op::Const at the root), written from the laws' forms.
std::vector<Parts> applications(Law law, const std::vector<Expr>& m, Op parent) {
  std::vector<Parts> out;
  const Op inner = dual(parent);
  const Expr& x = m[0];
  const bool logic = x.op == Op::And || x.op == Op::Or;
  if (m.size() == 1) {
    switch (law) {
      case Law::DoubleNegation:
        if (x.op == Op::Not && x.kids[0].op == Op::Not) out.push_back({x.kids[0].kids[0]});
        break;
      case Law::DeMorgan:
        if (x.op == Op::Not && (x.kids[0].op == Op::And || x.kids[0].op == Op::Or)) {
          Parts negated;
          for (const Expr& k : x.kids[0].kids) negated.push_back(Expr::negate(k));
          out.push_back({Expr::node(dual(x.kids[0].op), negated)});
        }
        break;
      case Law::XorDefinition:
      case Law::XnorDefinition:
      case Law::NandDefinition:
      case Law::NorDefinition:
        if (x.kids.size() == 2 && !logic && x.op != Op::Not)
          out.push_back({defined(law, x.kids[0], x.kids[1])});
        break;
      case Law::Distributive:
        for (std::size_t i = 0; logic && i < x.kids.size(); ++i) {
          if (x.kids[i].op != dual(x.op)) continue;
          Parts terms;
          for (const Expr& d : x.kids[i].kids) {
            Parts t = without(x.kids, i);
            t.insert(t.begin() + long(i), d);
            terms.push_back(Expr::node(x.op, t));
          }
          out.push_back({Expr::node(dual(x.op), terms)});
        }
        break;
      case Law::Idempotent:
        for (int copies = 2; copies <= 4; ++copies) out.push_back(Parts(size_t(copies), x));
        for (std::size_t i = 0; logic && i < x.kids.size(); ++i)
          for (std::size_t j = i + 1; j < x.kids.size(); ++j)
            if (same(x.kids[i], x.kids[j])) out.push_back({made(x.op, without(x.kids, j))});
        break;
      case Law::Complement:
        for (std::size_t i = 0; logic && i < x.kids.size(); ++i)
          for (std::size_t j = 0; j < x.kids.size(); ++j)
            if (i != j && negationOf(x.kids[i], x.kids[j])) {
              Parts rest = without(x.kids, i, j);
              rest.push_back(absorbingOf(x.op));
              out.push_back({made(x.op, rest)});
            }
        break;
      case Law::Identity:
        if (parent != Op::Const && same(x, unitOf(parent))) out.push_back({});
        for (std::size_t i = 0; logic && i < x.kids.size(); ++i)
          if (same(x.kids[i], unitOf(x.op))) out.push_back({made(x.op, without(x.kids, i))});
        break;
      case Law::Null:
        for (std::size_t i = 0; logic && i < x.kids.size(); ++i)
          if (same(x.kids[i], absorbingOf(x.op))) out.push_back({absorbingOf(x.op)});
        break;
      case Law::Associative:
        out.push_back({flattened(x)});
        break;
      case Law::Commutative:
        out.push_back({x});  // compared up to order
        break;
      default:
        break;
    }
    return out;
  }
  if (parent != Op::And && parent != Op::Or) return out;
  const Expr& y = m[1];
  if (m.size() == 2) {
    const auto fx = factorSet(x, inner), fy = factorSet(y, inner);
    if (law == Law::Idempotent && same(x, y)) out.push_back({x});
    if (law == Law::Complement && negationOf(x, y)) out.push_back({absorbingOf(parent)});
    if (law == Law::Absorption && fx != fy) {
      if (std::includes(fy.begin(), fy.end(), fx.begin(), fx.end())) out.push_back({x});
      if (std::includes(fx.begin(), fx.end(), fy.begin(), fy.end())) out.push_back({y});
    }
    if (law == Law::Combining) {
      const Parts px = factorsOf(x, inner), py = factorsOf(y, inner);
      for (std::size_t i = 0; i < px.size(); ++i)
        for (std::size_t j = 0; j < py.size(); ++j)
          if (negationOf(px[i], py[j]) && factorSet(made(inner, without(px, i)), inner) ==
                                              factorSet(made(inner, without(py, j)), inner))
            out.push_back({made(inner, without(px, i))});
    }
  }
  if (m.size() == 3 && law == Law::Consensus)
    for (std::size_t k = 0; k < 3; ++k) {
      const Expr &p = m[(k + 1) % 3], &q = m[(k + 2) % 3];
      const Parts pp = factorsOf(p, inner), pq = factorsOf(q, inner);
      for (std::size_t i = 0; i < pp.size(); ++i)
        for (std::size_t j = 0; j < pq.size(); ++j) {
          if (!negationOf(pp[i], pq[j])) continue;
          Parts both = without(pp, i);
          for (const Expr& f : without(pq, j)) both.push_back(f);
          if (factorSet(made(inner, both), inner) == factorSet(m[k], inner))
            out.push_back(k == 0 ? Parts{y, m[2]} : k == 1 ? Parts{x, m[2]} : Parts{x, y});
        }
    }
  return out;
}

// `root` with the operands `marked` of the node at `parent` replaced by `parts`.
std::optional<Expr> replaced(Expr root, const Path& parent, std::vector<int> marked,
                             const Parts& parts, Op rootOp) {
  if (marked.empty()) {  // the node at `parent` itself
    if (parts.empty()) return std::nullopt;
    at(root, parent) = made(rootOp, parts);
    return flattened(root);
  }
  Expr& node = at(root, parent);
  std::sort(marked.begin(), marked.end());
  std::vector<Expr> kids;
  for (std::size_t k = 0; k < node.kids.size(); ++k) {
    if (int(k) == marked[0]) kids.insert(kids.end(), parts.begin(), parts.end());
    if (!std::count(marked.begin(), marked.end(), int(k))) kids.push_back(node.kids[k]);
  }
  if (kids.empty()) return std::nullopt;
  const bool logic = node.op == Op::And || node.op == Op::Or;
  if (!logic && kids.size() != node.kids.size()) return std::nullopt;
  node = logic ? made(node.op, kids) : Expr::node(node.op, kids);
  return flattened(root);
}

// The law applied by the matcher above at the marked part of the line before
// gives the next line, and the new line's marks are what it put there.
::testing::AssertionResult lawGivesNextLine(const DerivationLine& before, const Expr& root,
                                            const DerivationLine& l, const Expr& next) {
  const auto fail = [&](const char* why) {
    return ::testing::AssertionFailure() << why << ": " << before.text << " => " << l.text << " ("
                                         << lawInfo(*l.law).english << ")";
  };
  if (l.source.empty()) return fail("no marked part");
  std::vector<Path> paths;
  for (const Span& s : l.source) {
    Path p;
    if (!findSpan(root, root, p, s)) return fail("a mark that is no node");
    const auto slice = parseExpr(before.text.substr(size_t(s.begin), size_t(s.length)));
    if (!slice || !same(*slice, at(root, p))) return fail("a mark off its node");
    paths.push_back(p);
  }
  Path parent = paths[0];
  std::vector<int> marked;
  if (!parent.empty()) parent.pop_back();
  for (const Path& p : paths) {
    if (p.empty() || Path(p.begin(), p.end() - 1) != parent) {
      if (paths.size() > 1) return fail("marks of different operands");
      parent = p;  // the root
      break;
    }
    marked.push_back(p.back());
  }
  std::vector<Expr> m;
  for (const Path& p : paths) m.push_back(at(root, p));
  Op parentOp = marked.empty() ? Op::Const : at(root, parent).op;
  // a+1 = 1: the 1 marked, the whole sum rewritten.
  if (*l.law == Law::Null && m.size() == 1 && (parentOp == Op::And || parentOp == Op::Or) &&
      same(m[0], absorbingOf(parentOp))) {
    marked.clear();
    m = {at(root, parent)};
    parentOp = Op::Const;
  }
  const Op rootOp = next.op == Op::And || next.op == Op::Or ? next.op : Op::Or;
  const Expr wanted = canonical(next);
  for (const Parts& parts : applications(*l.law, m, parentOp)) {
    const auto expected = replaced(root, parent, marked, parts, rootOp);
    if (!expected || nodes(*expected) != nodes(next) || canonical(*expected) != wanted) continue;
    for (const Span& s : l.rewritten) {
      const auto part = parseExpr(l.text.substr(size_t(s.begin), size_t(s.length)));
      if (!part ||
          std::none_of(parts.begin(), parts.end(), [&](auto& p) { return same(p, *part); }))
        return fail("a new mark that is not what the law put there");
    }
    if (l.rewritten.empty() && !parts.empty()) return fail("no new mark");
    return ::testing::AssertionSuccess();
  }
  return fail("the law at the mark does not give the next line");
}

std::set<Law> lawsChecked;  // every law a derivation used, step by step

::testing::AssertionResult derivesMinimum(const std::string& expression, int n, bool pos) {
  const Derivation d = derive(
      expression, n, pos ? DerivationTarget::ProductOfSums : DerivationTarget::SumOfProducts);
  if (d.status != Derivation::Done)
    return ::testing::AssertionFailure() << expression << ": status " << d.status;
  const std::string values = truthValues(*parseExpr(d.lines[0].text), n);
  std::string program;
  for (char v : evaluateRows(ReversePolishNotation(InsideExp(expression)), n)) program += v;
  if (values != program) return ::testing::AssertionFailure() << expression << ": rows differ";
  Expr before = treeOf(d.lines[0].text);
  for (std::size_t i = 1; i < d.lines.size(); ++i) {
    const auto line = parseExpr(d.lines[i].text);
    if (!line || truthValues(*line, n) != values)
      return ::testing::AssertionFailure() << expression << ": line " << d.lines[i].text;
    Expr tree = treeOf(d.lines[i].text);
    if (d.lines[i].grouped == 0) {
      if (auto r = lawGivesNextLine(d.lines[i - 1], before, d.lines[i], tree); !r) return r;
      lawsChecked.insert(*d.lines[i].law);
    }
    before = std::move(tree);
  }
  const std::string minimum = shownMinimum(values, n, pos);
  if (!sameUpToOrder(*parseExpr(d.lines.back().text), *parseExpr(minimum)))
    return ::testing::AssertionFailure()
           << expression << ": ends at " << d.lines.back().text << ", not " << minimum;
  return ::testing::AssertionSuccess();
}

TEST(Derivation, EveryLineFollowsByItsLawToTheShownMinimum) {
  int sample = 2000;
  if (const char* s = std::getenv("RONRI_CROSSCHECK_SAMPLE")) sample = 2000 / std::max(1, atoi(s));
  std::mt19937 rng(39);
  for (int n = 1; n <= 3; ++n)
    for (int f = 0; f < (1 << (1 << n)); ++f) {
      std::string sum;
      for (int r = 0; r < (1 << n); ++r)
        if ((f >> r) & 1)
          sum += (sum.empty() ? "" : "+") + wordchange(layout(rowTerm(rowBits(r, n)).substr(0, n)));
      if (sum.empty()) sum = "a*~a";
      for (bool pos : {false, true}) {
        EXPECT_TRUE(derivesMinimum(sum, n, pos));
        EXPECT_TRUE(derivesMinimum(randomExpression(rng, n, 4), n, pos));
      }
    }
  for (int i = 0; i < sample; ++i) {
    const std::string e = randomExpression(rng, 4, 1 + i % 12);
    for (bool pos : {false, true}) ASSERT_TRUE(derivesMinimum(e, 4, pos));
  }
  // The matcher saw every law at work at least once.
  for (const LawInfo& l : allLaws()) EXPECT_TRUE(lawsChecked.count(l.law)) << l.english;
}

// The LaTeX of derivations through all four definitions (whose names need
// escapes) and past the line length compiles with a plain pdflatex, where
// it is installed.
TEST(Derivation, LatexCompilesWithPlainPdflatex) {
  std::vector<std::string> documents;
  for (auto target : {DerivationTarget::SumOfProducts, DerivationTarget::ProductOfSums}) {
    const Derivation d = derive("(a@b)%(c$d)+(a|d)", 4, target);
    ASSERT_EQ(d.status, Derivation::Done);
    documents.push_back(derivationLatex(d.lines));
    for (const char* part : {"\\text{definition of \\%}", "\\text{definition of \\$}",
                             "\\text{definition of \\textbar{}}", "&\\quad"})
      EXPECT_NE(documents.back().find(part), std::string::npos) << part;
  }
  if (std::system("command -v pdflatex >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "pdflatex is not installed";
  const auto dir = std::filesystem::temp_directory_path() /
                   ("ronri-derivation-latex-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  for (const std::string& document : documents) {
    std::filesystem::remove(dir / "d.pdf");
    std::ofstream(dir / "d.tex") << document;
    const std::string command = "cd '" + dir.string() +
                                "' && pdflatex -interaction=nonstopmode -halt-on-error d.tex "
                                ">/dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << "see " << (dir / "d.log");
    EXPECT_TRUE(std::filesystem::exists(dir / "d.pdf"));
  }
  if (!HasFailure()) std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace ronri
