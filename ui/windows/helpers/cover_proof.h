#pragma once
// The exact cover search of a function left unproven, run on a worker thread
// while its window stays usable. The search itself is pure code; this object
// only carries its news back to the window's thread.
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "core/cover/simplify.h"

namespace ronri {

// A note on a cover not proven smallest, with the bound below which no cover
// lies ("最小は N 項以上です。") when the search knows one.
QString withBound(const QString& note, int lowerBound);

class CoverProof : public QObject {
  Q_OBJECT
 public:
  explicit CoverProof(QObject* parent = nullptr);
  ~CoverProof() override;  // cancels and waits for the search

  // Starts the search of minimalCover(primes, onesTerms, n), or with
  // `lettersToo` of fewestTermsThenLetters; a running one is cancelled first.
  void start(const std::string& primes, const std::string& onesTerms, int n, bool lettersToo);
  // Asks the search to stop and waits for it; nothing more is reported.
  void cancel();
  bool running() const { return worker_.joinable() && !done_; }

 signals:
  void improved(const ronri::Cover& cover);  // a better cover or bound so far
  void finished(const ronri::Cover& cover);  // Proven, or BestFound when stopped

 private:
  void stopWorker();
  std::thread worker_;
  std::shared_ptr<std::atomic<bool>> stop_;
  bool done_ = true;
};

}  // namespace ronri
