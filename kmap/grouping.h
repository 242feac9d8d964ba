#pragma once
// Outlining the prime implicants of a function on its map, one group at a
// time or all together, each group in its own colour.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/cover/simplify.h"
#include "core/draw/surface.h"
#include "kmap/outline.h"

namespace ronri::kmap {

struct StepResult {
  std::string term;    // the group's term in display form ("a*~b"), "" when none
  bool error = false;  // a letter that cannot follow: the caller shows "error"
};

class Grouping {
 public:
  explicit Grouping(int variables);
  // The readable palette and two-pixel lines for the outlines drawn from now
  // on (takes effect with the next loadGroups).
  void setReadable(bool on) { readable_ = on; }

  // At window load: all prime implicants of the 1-cells of `ones`, and the
  // minimal cover at once unless `minimalOnDemand` (the five-variable map,
  // where it may take long and is computed when first asked for).
  // With don't-care cells (`dontCare`, a term list) the primes are those of
  // the 1-cells together with them that take a 1-cell, and the cover is the
  // smallest that uses them.
  void loadGroups(std::string_view ones, bool minimalOnDemand, std::string_view dontCare = {});
  bool minimalReady() const { return minReady_; }
  // Computes the minimal cover now; the status says whether it is proven.
  CoverStatus computeMinimal();
  CoverStatus minimalStatus() const { return minStatus_; }
  // No cover has fewer terms (0 when unknown).
  int minimalBound() const { return minBound_; }

  // Chooses all prime implicants (true) or the minimal cover for the next
  // pass and removes every outline.
  void chooseList(bool all, Surface& s);
  // Erases the last outline and draws the next group.
  StepResult stepOne(Surface& s);
  // Draws every group of the chosen list; true if a term had a letter that
  // cannot follow.
  bool stepAll(Surface& s);
  // Removes every outline; the ruling is drawn again.
  void clearOutlines(Surface& s);
  // Outlines exactly these terms ("" is the whole map) in place of every
  // outline shown, each in the colour of its prime's number, so a prime keeps
  // its colour from one cover to the next. "一つ" and "全て" then start their
  // list afresh.
  void showTerms(const std::vector<std::pair<std::string, int>>& termsAndPrimes, Surface& s);
  // The colour of prime `k` (0 for P1) in showTerms.
  int primeColor(int k) const;

  const std::string& allPrimes() const { return allPrimes_; }
  const std::string& minPrimes() const { return minPrimes_; }
  const std::string& queue() const { return queue_; }
  int colorNo() const { return colorNo_; }
  const std::string& groupTerm() const { return groupTerm_; }
  const Outline& outline() const { return outline_; }

  // An outline on the map, in drawing order; wholeMap: the constant-true
  // rectangles.
  struct Shown {
    bool wholeMap = false;
    Outline outline;
    int color = 0;
    std::string term;  // "" for the whole map
    // The same drawing, whichever term named it.
    bool operator==(const Shown& o) const {
      return wholeMap == o.wholeMap && outline == o.outline && color == o.color;
    }
  };
  const std::vector<Shown>& shown() const { return shown_; }
  // The terms of the outlines shown: the cover the map shows now.
  std::vector<std::string> shownTerms() const;
  // The map wiped (to `right`, `bottom`) and its ruling and outlines drawn
  // again: what lay over them is gone.
  void redrawShown(Surface& s, int right, int bottom);

 private:
  void refill();
  // Takes the next group off the queue and draws it; false on a letter that
  // cannot follow.
  bool takeNext(Surface& s);
  // Erases the last outline. Drawing it in the background colour also wipes
  // whatever lay under its lines, so the ruling and the outlines still shown
  // are drawn again over the gaps.
  void eraseLast(Surface& s);
  void redrawOutlines(Surface& s);

  int variables_;
  std::string ones_;
  std::string dontCare_;
  std::string allPrimes_;
  std::string minPrimes_;
  bool minReady_ = false;
  CoverStatus minStatus_ = CoverStatus::Proven;
  int minBound_ = 0;
  bool minimalChosen_ = false;
  std::string queue_;
  int colorNo_ = kLightRed;
  bool readable_ = false;
  std::size_t readableNext_ = 0;  // index into kReadableColors
  std::string groupTerm_;
  Outline outline_;
  bool outlineShown_ = false;
  std::vector<Shown> shown_;
};

}  // namespace ronri::kmap
