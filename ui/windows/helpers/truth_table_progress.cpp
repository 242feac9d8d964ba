#include "ui/windows/helpers/truth_table_progress.h"

namespace ronri {

namespace {
constexpr qint64 kRepaintIntervalMs = 100;
}

TableProgress::TableProgress(std::initializer_list<QProgressBar*> bars) {
  for (QProgressBar* bar : bars) {
    if (!bar) continue;
    bar->setUpdatesEnabled(false);
    bars_.emplace_back(bar);
  }
  sinceRepaint_.start();
}

TableProgress::~TableProgress() {
  for (const QPointer<QProgressBar>& bar : bars_)
    if (bar) bar->setUpdatesEnabled(true);  // schedules one paint with the last value
}

Progress TableProgress::callback() {
  return [this](int maximum, int value) { step(maximum, value); };
}

void TableProgress::step(int maximum, int value) {
  for (const QPointer<QProgressBar>& bar : bars_) {
    if (!bar) continue;
    if (bar->maximum() != maximum || bar->minimum() != 0) bar->setRange(0, maximum);
    bar->setValue(value);
  }
  if (sinceRepaint_.elapsed() < kRepaintIntervalMs) return;
  for (const QPointer<QProgressBar>& bar : bars_) {
    if (!bar) continue;
    bar->setUpdatesEnabled(true);
    bar->repaint();
    bar->setUpdatesEnabled(false);
  }
  sinceRepaint_.restart();
}

}  // namespace ronri
