// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/follow_design.h"

#include <utility>

namespace spulix {

void FollowAfterPause(QTimer& timer, QObject* owner,
                      std::function<void()> refresh, int delay_ms) {
  timer.setSingleShot(true);
  timer.setInterval(delay_ms);
  QObject::connect(&timer, &QTimer::timeout, owner, std::move(refresh));
}

}  // namespace spulix
