#include "core/teaching/answer_check.h"

#include "core/cover/cover_dontcare.h"
#include "core/cover/product_of_sums.h"
#include "core/cover/simplify.h"
#include "core/expression/expression.h"
#include "core/expression/rpn.h"
#include "core/table/truthtable.h"

namespace ronri {

namespace {

// What a sub-expression is, bottom up. A product is letters joined by "*",
// a sum letters joined by "+".
struct Shape {
  bool product = false;
  bool sum = false;
  std::optional<FormSize> sop;
  std::optional<FormSize> pos;
  int letters = 0;
};

Shape letterShape() {
  return {true, true, FormSize{1, 1}, FormSize{1, 1}, 1};
}

Shape combine(char op, const Shape& l, const Shape& r) {
  Shape s;
  s.letters = l.letters + r.letters;
  if (op == '*') {
    s.product = l.product && r.product;
    if (s.product) s.sop = FormSize{1, s.letters};
    if (l.pos && r.pos) s.pos = FormSize{l.pos->terms + r.pos->terms, s.letters};
  } else if (op == '+') {
    s.sum = l.sum && r.sum;
    if (s.sum) s.pos = FormSize{1, s.letters};
    if (l.sop && r.sop) s.sop = FormSize{l.sop->terms + r.sop->terms, s.letters};
  }
  return s;
}

// Precedence climbing over the folded text: ~ > $ | % > * > @ > +.
class ShapeParser {
 public:
  explicit ShapeParser(std::string_view s) : s_(s) {}
  Shape parse() { return level(0); }

 private:
  static int levelOf(char c) {
    switch (c) {
      case '+':
        return 0;
      case '@':
        return 1;
      case '*':
        return 2;
      case '$':
      case '|':
      case '%':
        return 3;
      default:
        return -1;
    }
  }
  Shape level(int min) {
    Shape left = unary();
    while (i_ < s_.size() && levelOf(s_[i_]) >= min) {
      const char op = s_[i_++];
      const Shape right = level(levelOf(op) + 1);
      left = combine(op, left, right);
    }
    return left;
  }
  Shape unary() {
    if (i_ >= s_.size()) return {};
    const char c = s_[i_++];
    if (c == '~') {
      Shape inner = unary();
      return {false, false, std::nullopt, std::nullopt, inner.letters};
    }
    if (c == '(') {
      Shape inner = level(0);
      if (i_ < s_.size() && s_[i_] == ')') ++i_;
      return inner;
    }
    return isOperand(c) ? letterShape() : Shape{};
  }

  std::string_view s_;
  size_t i_ = 0;
};

std::string termList(std::string_view values, int n, char which) {
  std::string out;
  for (size_t r = 0; r < values.size(); ++r)
    if (values[r] == which) out += rowTerm(rowBits(int(r), n));
  return out;
}

}  // namespace

WrittenForm writtenForm(std::string_view folded) {
  const Shape s = ShapeParser(folded).parse();
  return {s.sop, s.pos, s.letters};
}

std::string expressionValues(std::string_view built, int n) {
  const std::vector<char> v = evaluateRows(ReversePolishNotation(InsideExp(built)), n);
  return std::string(v.begin(), v.end());
}

Minimal minimalAnswers(std::string_view values, int n) {
  const std::string ones = termList(values, n, '1');
  const std::string zeros = termList(values, n, '0');
  const std::string free = termList(values, n, 'X');
  Minimal m;
  const Cover sop = smallestSumOfProducts(ones, free, n);
  const Cover pos = minimalProductOfSums(zeros, free, n);
  m.proven = sop.status == CoverStatus::Proven && pos.status == CoverStatus::Proven;
  // A function whose care rows are all 1 (all 0) is the constant itself, in
  // either form: no term and no letter.
  const auto constant = [](const std::string& sum) { return sum == "1" || sum == "0"; };
  if (constant(sop.sum)) {
    m.sumOfProducts = sop.sum;
  } else {
    m.sumOfProducts = wordchange(layout(sop.sum));  // a term sum ("ab+cd") in display form
    m.sopSize = *writtenForm(InsideExp(m.sumOfProducts)).sumOfProducts;
  }
  if (constant(pos.sum)) {
    m.productOfSums = pos.sum;
  } else {
    m.productOfSums = wordchange(pos.sum);
    m.posSize = *writtenForm(InsideExp(m.productOfSums)).productOfSums;
  }
  return m;
}

char constantAnswer(std::string_view answer) {
  std::string bare;
  for (char c : answer)
    if (c != ' ' && c != '(' && c != ')') bare += c;
  return bare == "0" || bare == "1" ? bare[0] : 0;
}

AnswerVerdict checkAnswer(std::string_view values, int n, std::string_view answer,
                          size_t rowsListed) {
  AnswerVerdict v;
  const char constant = constantAnswer(answer);
  if (!constant) v.malformation = findMalformation(answer, n);
  if (answer.empty() || v.malformation) return v;
  const std::string got =
      constant ? std::string(values.size(), constant) : expressionValues(answer, n);
  for (size_t r = 0; r < values.size() && r < got.size(); ++r) {
    if (values[r] == 'X' || values[r] == got[r]) continue;
    if (v.differingRows.size() < rowsListed) v.differingRows.push_back(int(r));
    ++v.differing;
  }
  v.minimal = minimalAnswers(values, n);
  if (v.differing > 0) {
    v.kind = AnswerVerdict::Different;
    return v;
  }
  // "0" and "1" are both forms at once, with no term and no letter.
  const WrittenForm form =
      constant ? WrittenForm{FormSize{}, FormSize{}, 0} : writtenForm(InsideExp(answer));
  const bool sopMinimal = form.sumOfProducts && !(v.minimal.sopSize < *form.sumOfProducts);
  const bool posMinimal = form.productOfSums && !(v.minimal.posSize < *form.productOfSums);
  // Judged as a product of sums only when that reading is the one that is
  // minimal, or the only one there is.
  v.asProductOfSums = !sopMinimal && (posMinimal || (!form.sumOfProducts && form.productOfSums));
  v.writtenAsForm = form.sumOfProducts || form.productOfSums;
  v.minimum = v.asProductOfSums ? v.minimal.posSize : v.minimal.sopSize;
  const std::optional<FormSize> size = v.asProductOfSums ? form.productOfSums : form.sumOfProducts;
  v.answer = size ? *size : FormSize{0, form.letters};
  v.kind = sopMinimal || posMinimal ? AnswerVerdict::Correct
           : v.writtenAsForm        ? AnswerVerdict::NotMinimal
                                    : AnswerVerdict::NotAForm;
  return v;
}

}  // namespace ronri
