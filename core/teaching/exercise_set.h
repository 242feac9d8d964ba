#pragma once
// Problems for a class: functions of a chosen size and kind, one a student,
// drawn from a seed so that the same choices give the same set on any
// machine (the draws use our own arithmetic on std::mt19937, whose output
// the standard fixes, not the library's distributions, which it does not).
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/cover/pi_chart.h"

namespace ronri {

enum class ExerciseKind {
  Any,            // 指定なし
  EssentialOnly,  // the essential primes cover every 1-row
  Cyclic,         // no prime is essential
  SeveralMinimal  // two or more covers with the fewest terms
};

struct ExerciseOptions {
  int variables = 4;  // 2..6
  int ones = 6;       // 1-rows
  int dontCares = 0;  // X rows
  ExerciseKind kind = ExerciseKind::Any;
  int count = 10;  // ignored when names are given: one problem each
  uint32_t seed = 1;
  std::vector<std::string> names;
};

struct Exercise {
  std::string id;    // "1", "2", ...
  std::string name;  // the student's, or ""
  int variables = 0;
  std::vector<int> ones;       // ascending
  std::vector<int> dontCares;  // ascending
  std::string text() const;    // "m(…)+d(…)"
};

struct ExerciseSet {
  enum Failure {
    None,
    BadSize,      // variables outside 2..6, no 1-row, no 0-row left, or no problem asked
    NoneOfKind,   // every function of these sizes was tried: none is of the kind
    NotFound,     // none of the kind among the many drawn
    TooFewKinds,  // fewer different functions of the kind than problems: some repeat
  };
  std::vector<Exercise> problems;
  Failure failure = None;  // TooFewKinds still fills `problems`
};

ExerciseSet makeExercises(const ExerciseOptions& options);

// Whether the function of these rows is of the kind, by its chart.
bool isOfKind(const PrimeChart& chart, ExerciseKind kind);
PrimeChart exerciseChart(const Exercise& e);

// A uniform number below `bound` (> 0) from the engine, the same everywhere.
uint32_t portableBelow(std::mt19937& engine, uint32_t bound);

}  // namespace ronri
