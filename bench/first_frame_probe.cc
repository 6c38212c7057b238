// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/first_frame_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <utility>

namespace spulix {
namespace {

class FirstFrameFilter : public QObject {
 public:
  FirstFrameFilter(QWidget* window, std::function<void()> done)
      : QObject(window), done_(std::move(done)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !fired_) {
      fired_ = true;
      watched->removeEventFilter(this);
      // The backing store flushes the frame after every paint event of this
      // sync; a queued call runs only after that.
      QMetaObject::invokeMethod(
          this,
          [this] {
            done_();
            deleteLater();
          },
          Qt::QueuedConnection);
    }
    return false;
  }

 private:
  std::function<void()> done_;
  bool fired_ = false;
};

}  // namespace

void OnFirstFrame(QWidget* window, std::function<void()> done) {
  window->installEventFilter(new FirstFrameFilter(window, std::move(done)));
}

void ExitAfterFirstFrame(QWidget* window) {
  OnFirstFrame(window, [] {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf(
        "first-frame-ns %lld\n",
        static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    std::fflush(stdout);
    QCoreApplication::exit(0);
  });
}

}  // namespace spulix
