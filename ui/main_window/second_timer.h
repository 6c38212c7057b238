// SPDX-License-Identifier: GPL-3.0-or-later
// A timer that wakes just after each change of the wall clock's second, so
// that a clock showing seconds is always current but the program is not
// woken between two changes.
#ifndef SPULIX_UI_MAIN_WINDOW_SECOND_TIMER_H_
#define SPULIX_UI_MAIN_WINDOW_SECOND_TIMER_H_

#include <QDateTime>
#include <QObject>
#include <functional>

class QTimer;

namespace spulix {

class SecondTimer : public QObject {
  Q_OBJECT

 public:
  // Milliseconds since the epoch; the system clock unless a test gives one.
  using Clock = std::function<qint64()>;

  // `name` names the inner timer, so that it can be found as a child.
  explicit SecondTimer(const QString& name, QObject* parent = nullptr,
                       Clock clock = {});

  // The first tick comes after `first_ms` or at the next change of the
  // second, whichever is sooner; every later one at the next change.
  void Start(int first_ms);
  bool IsActive() const;

  // 1 to 1000: how long from `now_ms` until the second changes.
  static int MsToNextSecond(qint64 now_ms);

 signals:
  void Tick(const QDateTime& now);

 private:
  void Fire();

  QTimer* timer_;
  Clock clock_;
};

}  // namespace spulix

#endif  // SPULIX_UI_MAIN_WINDOW_SECOND_TIMER_H_
