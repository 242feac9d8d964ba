// The prime implicants and the smallest cover outlined on a map, one group or all.
#include "kmap/grouping.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "core/cover/cover_dontcare.h"
#include "core/expression/expression.h"
#include "core/table/function.h"
#include "kmap/geometry.h"

namespace ronri::kmap {

Grouping::Grouping(int variables) : variables_(variables) {}

void Grouping::loadGroups(std::string_view ones, bool minimalOnDemand, std::string_view dontCare) {
  colorNo_ = readable_ ? kReadableColors[0] : kLightRed;
  readableNext_ = 0;
  outline_ = Outline{};
  outlineShown_ = false;
  shown_.clear();
  groupTerm_.clear();
  minimalChosen_ = false;
  ones_ = std::string(ones);

  std::vector<std::string> minterms;
  std::string term;
  for (char c : ones) {
    if (c == '+') {
      if (!term.empty()) minterms.push_back(std::move(term));
      term.clear();
    } else {
      term += c;
    }
  }
  if (!term.empty()) minterms.push_back(std::move(term));
  dontCare_ = std::string(dontCare);
  allPrimes_ = dontCare_.empty()
                   ? simplicity(minterms)
                   : primesWithDontCares(ones_, termRows(dontCare_, variables_), variables_);
  queue_ = allPrimes_;

  minPrimes_.clear();
  minReady_ = false;
  minStatus_ = CoverStatus::Proven;
  if (!minimalOnDemand) computeMinimal();
}

CoverStatus Grouping::computeMinimal() {
  const Cover cover = dontCare_.empty() ? minimalCover(allPrimes_, ones_, variables_)
                                        : minimalCoverWithDontCares(ones_, dontCare_, variables_);
  minStatus_ = cover.status;
  minBound_ = cover.lowerBound;
  // No cover cannot happen for prime implicants of the same minterms; should
  // it, there is simply nothing to outline.
  minPrimes_ = cover.status == CoverStatus::NoCover ? std::string() : cover.sum;
  minReady_ = true;
  return minStatus_;
}

void Grouping::refill() {
  queue_ = minimalChosen_ ? minPrimes_ : allPrimes_;
}

void Grouping::chooseList(bool all, Surface& s) {
  minimalChosen_ = !all;
  refill();
  clearOutlines(s);
}

void Grouping::clearOutlines(Surface& s) {
  s.erase(kMapLeft, kMapTop, farX(variables_), farY(variables_));
  drawRuling(s, variables_);
  outlineShown_ = false;
  shown_.clear();
}

void Grouping::eraseLast(Surface& s) {
  drawOutline(s, outline_, kBackground, readable_);
  outlineShown_ = false;
  for (auto it = shown_.rbegin(); it != shown_.rend(); ++it) {
    if (!it->wholeMap && it->outline == outline_) {
      shown_.erase(std::next(it).base());
      break;
    }
  }
  redrawOutlines(s);
}

std::vector<std::string> Grouping::shownTerms() const {
  std::vector<std::string> terms;
  for (const Shown& o : shown_) terms.push_back(o.term);
  return terms;
}

void Grouping::redrawShown(Surface& s, int right, int bottom) {
  s.erase(kMapLeft, kMapTop, right, bottom);
  redrawOutlines(s);
}

void Grouping::redrawOutlines(Surface& s) {
  drawRuling(s, variables_);
  for (const Shown& o : shown_) {
    if (o.wholeMap)
      drawWholeMap(s, variables_, o.color, readable_);
    else
      drawOutline(s, o.outline, o.color, readable_);
  }
}

int Grouping::primeColor(int k) const {
  // Neighbouring numbers get clearly different colours.
  static constexpr int kColors[] = {12, 9, 2, 13, 6, 1, 4, 10, 5, 3, 8, 11, 14, 0};
  const auto pick = [k](const auto& colors) {
    const int count = static_cast<int>(std::size(colors));
    return colors[((k % count) + count) % count];
  };
  return readable_ ? pick(kReadableColors) : pick(kColors);
}

void Grouping::showTerms(const std::vector<std::pair<std::string, int>>& termsAndPrimes,
                         Surface& s) {
  clearOutlines(s);
  queue_.clear();
  groupTerm_.clear();
  for (const auto& [term, prime] : termsAndPrimes) {
    const int color = primeColor(prime);
    if (term.empty()) {
      drawWholeMap(s, variables_, color, readable_);
      shown_.push_back({true, {}, color, ""});
      continue;
    }
    const Outline o = outlineOf(groupCells(term, variables_), variables_);
    drawOutline(s, o, color, readable_);
    shown_.push_back({false, o, color, term});
  }
}

bool Grouping::takeNext(Surface& s) {
  groupTerm_.clear();
  if (queue_ == "1") {
    drawWholeMap(s, variables_, colorNo_, readable_);
    const Shown whole{true, {}, colorNo_, ""};
    if (std::find(shown_.begin(), shown_.end(), whole) == shown_.end()) shown_.push_back(whole);
    queue_.clear();
    return true;
  }
  if (queue_ == "0") {  // no 1-cells: there is no group to outline
    queue_.clear();
    return true;
  }
  if (queue_.empty()) return true;

  groupTerm_ = queue_.substr(0, queue_.find('+'));
  // Drop the term from the queue (whole terms only).
  std::string rest;
  std::size_t start = 0;
  while (start <= queue_.size()) {
    std::size_t end = queue_.find('+', start);
    if (end == std::string::npos) end = queue_.size();
    const std::string_view t(queue_.data() + start, end - start);
    if (!t.empty() && t != groupTerm_) {
      if (!rest.empty()) rest += '+';
      rest += t;
    }
    start = end + 1;
  }
  queue_ = std::move(rest);

  const GroupCells cells = groupCells(groupTerm_, variables_);
  outline_ = outlineOf(cells, variables_);
  drawOutline(s, outline_, colorNo_, readable_);
  outlineShown_ = true;
  shown_.push_back({false, outline_, colorNo_, groupTerm_});
  if (readable_) {
    readableNext_ = (readableNext_ + 1) % std::size(kReadableColors);
    colorNo_ = kReadableColors[readableNext_];
  } else {
    if (colorNo_ == 0) colorNo_ = 15;
    --colorNo_;
  }
  return !cells.error;
}

StepResult Grouping::stepOne(Surface& s) {
  if (queue_.empty()) refill();
  if (outlineShown_) eraseLast(s);
  StepResult r;
  r.error = !takeNext(s);
  r.term = wordchange(layout(groupTerm_));
  return r;
}

bool Grouping::stepAll(Surface& s) {
  refill();
  bool error = false;
  while (!queue_.empty())
    if (!takeNext(s)) error = true;
  return error;
}

}  // namespace ronri::kmap
