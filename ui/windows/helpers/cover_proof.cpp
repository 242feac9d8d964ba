#include "ui/windows/helpers/cover_proof.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>

#include "core/cover/cover_dontcare.h"

namespace ronri {

QString withBound(const QString& note, int lowerBound) {
  if (lowerBound <= 0) return note;
  return note + QLatin1Char('\n') +
         QCoreApplication::translate("ronri::CoverProof", "最小は %1 項以上です。").arg(lowerBound);
}

CoverProof::CoverProof(QObject* parent) : QObject(parent) {}

CoverProof::~CoverProof() {
  stopWorker();
}

void CoverProof::stopWorker() {
  if (stop_) stop_->store(true);
  if (worker_.joinable()) worker_.join();
  stop_.reset();
  done_ = true;
}

void CoverProof::cancel() {
  stopWorker();
}

void CoverProof::start(const std::string& primes, const std::string& onesTerms, int n,
                       bool lettersToo) {
  stopWorker();
  auto stop = std::make_shared<std::atomic<bool>>(false);
  stop_ = stop;
  done_ = false;
  // News goes through queued calls to this object: Qt drops those still
  // pending when it is destroyed, and a cancelled search reports nothing.
  QPointer<CoverProof> self(this);
  auto post = [self, stop](auto call) {
    QMetaObject::invokeMethod(
        self.data(),
        [self, stop, call] {
          if (self && !stop->load()) call(self.data());
        },
        Qt::QueuedConnection);
  };
  worker_ = std::thread([=] {
    const auto stopped = [stop] { return stop->load(); };
    const auto better = [post](const Cover& c) {
      post([c](CoverProof* p) { emit p->improved(c); });
    };
    const Cover result = lettersToo
                             ? proveFewestTermsThenLetters(primes, onesTerms, n, stopped, better)
                             : proveMinimalCover(primes, onesTerms, n, stopped, better);
    post([result](CoverProof* p) {
      p->done_ = true;
      emit p->finished(result);
    });
  });
}

}  // namespace ronri
