#pragma once
// Why an answer got its verdict, as data the windows word: a term that is
// not a prime implicant (and a letter that can go), an essential prime the
// answer lacks, a term that can be dropped, the rows where the answer
// differs, and its size beside the smallest. A product of sums is judged by
// the same rules on its sums (prime implicates of the 0-rows).
#include <string>
#include <string_view>
#include <vector>

#include "core/teaching/answer_check.h"

namespace ronri {

struct AnswerReason {
  enum Kind {
    NotPrime,          // `term` still fits with `letter` taken out
    MissingEssential,  // the essential `term` is not in the answer
    Redundant,         // `term` can be dropped: the others cover its rows
    Differs,           // `rows` (the first of `count`) take the wrong value
    Larger,            // the answer has size `answer`, the smallest `minimum`
  };
  Kind kind = Larger;
  std::string term;    // display form: "a*~b", or "(a+~b)" for a sum
  std::string letter;  // "~b"
  std::vector<int> rows;
  int count = 0;
  FormSize answer;
  FormSize minimum;
};

// `values` and `answer` as checkAnswer took them, `v` its verdict.
std::vector<AnswerReason> answerReasons(std::string_view values, int n, std::string_view answer,
                                        const AnswerVerdict& v);

}  // namespace ronri
