#pragma once
// Checking a student's answer against a function: equal on every row that
// is not a don't-care, and as small as it can be written, as a sum of
// products (fewest terms, then fewest letters) or, when the answer is written
// as one, as a product of sums (fewest sums, then fewest letters).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/expression/wellformed.h"

namespace ronri {

// The size of a written form: terms (or sums) first, then letters.
struct FormSize {
  int terms = 0;
  int letters = 0;
  friend bool operator==(const FormSize&, const FormSize&) = default;
  friend bool operator<(const FormSize& a, const FormSize& b) {
    return a.terms != b.terms ? a.terms < b.terms : a.letters < b.letters;
  }
};

// How an expression is written: as a sum of products of letters, as a
// product of sums of letters (a single term or a single letter is both), or
// neither. Parentheses around a term or a sum do not matter.
struct WrittenForm {
  std::optional<FormSize> sumOfProducts;
  std::optional<FormSize> productOfSums;
  int letters = 0;
};
// `folded`: a well-formed expression after InsideExp.
WrittenForm writtenForm(std::string_view folded);

// One smallest answer in each form, in display form ("~a*c+b*~c"). A
// function whose care rows are all 1 (all 0) is "1" ("0") in both forms,
// of size 0 terms and 0 letters.
struct Minimal {
  std::string sumOfProducts;
  FormSize sopSize;
  std::string productOfSums;
  FormSize posSize;
  bool proven = true;  // false when a search ran out of time
  // '0' or '1' when the smallest sum of products is that constant, else 0.
  char constantSum() const { return constantOf(sumOfProducts); }
  char constantProduct() const { return constantOf(productOfSums); }
  static char constantOf(const std::string& form) {
    return form == "0" || form == "1" ? form[0] : 0;
  }
};
// `values`: one of '0', '1', 'X' (don't care) per row, 2^n of them.
Minimal minimalAnswers(std::string_view values, int n);

struct AnswerVerdict {
  // NotAForm: equal, but neither a sum of products nor a product of sums.
  enum Kind { Correct, NotMinimal, Different, Unreadable, NotAForm };
  Kind kind = Unreadable;
  std::optional<Malformation> malformation;  // why an answer is unreadable
  // Different: how many rows differ and the first of them, ascending.
  int differing = 0;
  std::vector<int> differingRows;
  // Correct and NotMinimal: the reading judged and both sizes.
  bool asProductOfSums = false;
  bool writtenAsForm = true;  // false: neither a sum of products nor a product of sums
  FormSize minimum;
  FormSize answer;
  Minimal minimal;
};
// `answer` is the expression as the student typed it, over n variables, or
// the constant "0" or "1".
AnswerVerdict checkAnswer(std::string_view values, int n, std::string_view answer,
                          size_t rowsListed = 8);

// '0' or '1' when the answer is that constant (blanks and parentheses
// aside), else 0.
char constantAnswer(std::string_view answer);

// The rows of an expression over n variables: '0', '1' (or '?' when it does
// not evaluate).
std::string expressionValues(std::string_view built, int n);

}  // namespace ronri
