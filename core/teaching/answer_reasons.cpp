#include "core/teaching/answer_reasons.h"

#include <algorithm>
#include <optional>

#include "core/cover/pi_chart.h"
#include "core/cover/simplify.h"
#include "core/expression/expression.h"
#include "core/table/term.h"

namespace ronri {

namespace {

// The answer's terms (or sums, as the terms of the 0-rows they stand for);
// nullopt for a term with a letter both plain and negated, which has no row.
std::vector<std::optional<Term>> answerTerms(std::string_view answer, int n, bool sums) {
  const std::string folded = InsideExp(answer);
  const char joint = sums ? '*' : '+';
  std::vector<std::optional<Term>> terms;
  std::string letters;
  const auto close = [&] {
    if (sums) {
      // The sum is 0 exactly on the rows of the product of its negations.
      for (char& c : letters) {
        const int k = variableOf(c, n);
        c = c == plainLetter(k) ? negatedLetter(k) : plainLetter(k);
      }
    }
    terms.push_back(Term::read(letters, n));
    letters.clear();
  };
  for (char c : folded) {
    if (c == joint)
      close();
    else if (variableOf(c, n) >= 0)
      letters += c;
  }
  close();
  return terms;
}

AnswerReason reason(AnswerReason::Kind kind, std::string term = {}, std::string letter = {}) {
  AnswerReason r;
  r.kind = kind;
  r.term = std::move(term);
  r.letter = std::move(letter);
  return r;
}

std::string literalText(int k, bool plain) {
  return plain ? std::string(1, plainLetter(k)) : "~" + std::string(1, plainLetter(k));
}

// A term in the answer's own form: "a*~b", or the sum "(~a+b)" it stands for.
std::string termText(Term t, int n, bool sum) {
  std::string out;
  for (int k = 0; k < n; ++k) {
    const unsigned bit = variableBit(k, n);
    if (!(t.mask & bit)) continue;
    if (!out.empty()) out += sum ? "+" : "*";
    out += literalText(k, bool(t.bits & bit) != sum);
  }
  if (out.empty()) return sum ? "0" : "1";
  return sum ? "(" + out + ")" : out;
}

// Every row of the term is one the reading may take (its own value or X).
bool fits(Term t, std::string_view values, int n, char own) {
  for (int r : t.rows(n))
    if (values[size_t(r)] != own && values[size_t(r)] != 'X') return false;
  return true;
}

void structureReasons(std::string_view values, int n, std::string_view answer, bool sums,
                      std::vector<AnswerReason>& out) {
  const char own = sums ? '0' : '1';
  const std::vector<std::optional<Term>> terms = answerTerms(answer, n, sums);
  for (size_t i = 0; i < terms.size(); ++i) {
    if (!terms[i]) {
      out.push_back(reason(AnswerReason::Redundant, sums ? "(…)" : "…"));
      continue;
    }
    const Term t = *terms[i];
    for (int k = 0; k < n; ++k) {
      const unsigned bit = variableBit(k, n);
      if (!(t.mask & bit)) continue;
      const Term wider{uint16_t(t.mask & ~bit), uint16_t(t.bits & ~bit)};
      if (fits(wider, values, n, own)) {
        out.push_back(reason(AnswerReason::NotPrime, termText(t, n, sums),
                             literalText(k, bool(t.bits & bit) != sums)));
        break;
      }
    }
    const std::vector<int> rows = t.rows(n);
    const bool dropped = std::all_of(rows.begin(), rows.end(), [&](int r) {
      if (values[size_t(r)] != own) return true;
      for (size_t j = 0; j < terms.size(); ++j)
        if (j != i && terms[j] && terms[j]->covers(r)) return true;
      return false;
    });
    if (dropped) out.push_back(reason(AnswerReason::Redundant, termText(t, n, sums)));
  }
  std::vector<int> ownRows, freeRows;
  for (size_t r = 0; r < values.size(); ++r) {
    if (values[r] == own) ownRows.push_back(int(r));
    if (values[r] == 'X') freeRows.push_back(int(r));
  }
  const PrimeChart chart =
      buildPrimeChart(rowTerms(ownRows, n), n, std::chrono::milliseconds(2000), freeRows);
  for (size_t p = 0; p < chart.primes.size(); ++p) {
    if (!chart.essential[p]) continue;
    const Term prime = chart.primes[p];
    if (std::none_of(terms.begin(), terms.end(), [&](const auto& t) { return t && *t == prime; }))
      out.push_back(reason(AnswerReason::MissingEssential, termText(prime, n, sums)));
  }
}

}  // namespace

std::vector<AnswerReason> answerReasons(std::string_view values, int n, std::string_view answer,
                                        const AnswerVerdict& v) {
  std::vector<AnswerReason> out;
  if (v.kind == AnswerVerdict::Different) {
    AnswerReason r = reason(AnswerReason::Differs);
    r.rows = v.differingRows;
    r.count = v.differing;
    out.push_back(std::move(r));
  } else if (v.kind == AnswerVerdict::NotMinimal) {
    if (!constantAnswer(answer)) structureReasons(values, n, answer, v.asProductOfSums, out);
    AnswerReason size = reason(AnswerReason::Larger);
    size.answer = v.answer;
    size.minimum = v.minimum;
    out.push_back(std::move(size));
  }
  return out;
}

}  // namespace ronri
