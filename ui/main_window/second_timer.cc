// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/second_timer.h"

#include <QTimer>
#include <algorithm>

namespace spulix {

SecondTimer::SecondTimer(const QString& name, QObject* parent, Clock clock)
    : QObject(parent),
      timer_(new QTimer(this)),
      clock_(clock ? std::move(clock)
                   : [] { return QDateTime::currentMSecsSinceEpoch(); }) {
  timer_->setObjectName(name);
  // One shot at a time, each aimed at the next change of the second: a
  // periodic timer would drift off the boundary. A coarse timer may be 5 %
  // late, which would show each second up to 50 ms after it began.
  timer_->setSingleShot(true);
  timer_->setTimerType(Qt::PreciseTimer);
  connect(timer_, &QTimer::timeout, this, &SecondTimer::Fire);
}

void SecondTimer::Start(int first_ms) {
  timer_->start(std::min(MsToNextSecond(clock_()), std::max(first_ms, 0)));
}

bool SecondTimer::IsActive() const { return timer_->isActive(); }

int SecondTimer::MsToNextSecond(qint64 now_ms) {
  const qint64 into_second = ((now_ms % 1000) + 1000) % 1000;
  return static_cast<int>(1000 - into_second);
}

void SecondTimer::Fire() {
  const qint64 now = clock_();
  // Woken a little early (the wall clock was set or slewed), the re-armed
  // shot comes again at the change itself.
  timer_->start(MsToNextSecond(now));
  emit Tick(QDateTime::fromMSecsSinceEpoch(now));
}

}  // namespace spulix
