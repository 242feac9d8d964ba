#pragma once
// Outlining the prime implicants of a function on its map, one group at a
// time or all together, each group in its own colour.
#include <string>
#include <string_view>
#include <vector>

#include "core/simplify.h"
#include "core/surface.h"
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

  // At window load: all prime implicants of the 1-cells of `dosiki1`, and the
  // minimal cover at once unless `minimalOnDemand` (the five-variable map,
  // where it may take long and is computed when first asked for).
  void loadGroups(std::string_view dosiki1, bool minimalOnDemand);
  bool minimalReady() const { return minReady_; }
  // Computes the minimal cover now; the status says whether it is proven.
  CoverStatus computeMinimal();
  CoverStatus minimalStatus() const { return minStatus_; }

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

  const std::string& allPrimes() const { return allPrimes_; }
  const std::string& minPrimes() const { return minPrimes_; }
  const std::string& queue() const { return queue_; }
  int colorNo() const { return colorNo_; }
  const std::string& groupTerm() const { return groupTerm_; }
  const Outline& outline() const { return outline_; }

 private:
  void refill();
  // Takes the next group off the queue and draws it; false on a letter that
  // cannot follow.
  bool takeNext(Surface& s);
  // Erases the last outline. Drawing it in the background colour also wipes
  // whatever lay under its lines, so the ruling and the outlines still shown
  // are drawn again over the gaps.
  void eraseLast(Surface& s);

  // An outline on the map, in drawing order; wholeMap: the constant-true
  // rectangles.
  struct Shown {
    bool wholeMap = false;
    Outline outline;
    int color = 0;
    bool operator==(const Shown&) const = default;
  };

  int variables_;
  std::string dosiki1_;
  std::string allPrimes_;
  std::string minPrimes_;
  bool minReady_ = false;
  CoverStatus minStatus_ = CoverStatus::Proven;
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
