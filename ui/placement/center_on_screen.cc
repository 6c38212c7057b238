// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/placement/center_on_screen.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cmath>

#include "ui/placement/x11_frame.h"

namespace spulix {
namespace {

constexpr char kCentringName[] = "spulix-centring";
constexpr Qt::WindowStates kOffNormal =
    Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
// How long a window manager that promises frame extents may keep a shown
// window waiting before the frame is taken from the window tree instead; a
// busy machine can keep Openbox a second and more.
constexpr int kExtentsGraceMs = 2500;

enum class Certainty {
  kGuess,    // not framed yet: the frame of the last framed window
  kAwaited,  // shown, and the window manager is about to publish the frame
  kFinal,
};

struct KnownFrame {
  QMargins margins;  // device pixels
  Certainty certainty;
};

// Windows of one program get the same frame from one window manager, so the
// last one seen is the best guess for a window that is not framed yet.
QMargins& LastSeenFrame() {
  static QMargins frame;
  return frame;
}

KnownFrame CurrentFrame(const QWidget* window, bool grace_over) {
  const QWindow* handle = window->windowHandle();
  // What Qt knows: exact where the platform tells the frame at once.
  const auto qt_frame = [&] {
    return handle != nullptr
               ? handle->frameMargins() * window->devicePixelRatioF()
               : QMargins();
  };
  if (window->windowFlags() & Qt::FramelessWindowHint) {
    return {QMargins(), Certainty::kFinal};
  }
  if (!OnX11()) return {qt_frame(), Certainty::kFinal};
  if (const auto extents = X11FrameExtents(handle)) {
    LastSeenFrame() = *extents;
    return {*extents, Certainty::kFinal};
  }
  if (handle == nullptr || !handle->isExposed()) {
    return {LastSeenFrame(), Certainty::kGuess};
  }
  // Without a window manager that publishes frames, the window tree shows
  // what frame there is, if any.
  if (grace_over || !X11WindowManagerRunning() ||
      !X11WindowManagerPublishesFrameExtents()) {
    return {qt_frame(), Certainty::kFinal};
  }
  return {LastSeenFrame(), Certainty::kAwaited};
}

// Puts the client area where a frame of the given thickness around it is
// centred. Computed in device pixels, so that no scale factor rounds the
// frame away; the client area's own position is set because Qt converts a
// frame position by the frame it last heard of, which may be out of date.
void PlaceByFrame(QWidget* window, const QMargins& frame) {
  QScreen* screen = window->screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const qreal scale = window->devicePixelRatioF();
  const auto device = [scale](int logical) { return qRound(logical * scale); };
  const QRect area = screen->geometry();
  const QPoint corner =
      CenteredTopLeft(QRect(0, 0, device(area.width()), device(area.height())),
                      device(window->width()) + frame.left() + frame.right(),
                      device(window->height()) + frame.top() + frame.bottom());
  const QPoint client =
      area.topLeft() + QPoint(qRound((corner.x() + frame.left()) / scale),
                              qRound((corner.y() + frame.top()) / scale));
  if (window->testAttribute(Qt::WA_Moved) &&
      window->geometry().topLeft() == client) {
    return;
  }
  window->setGeometry(QRect(client, window->size()));
}

// Centres its window now, and again on every event until the frame is
// final; then it stays out of the way until asked again.
class FramedCentring : public QObject, public QAbstractNativeEventFilter {
 public:
  explicit FramedCentring(QWidget* window) : QObject(window), window_(window) {
    setObjectName(kCentringName);
    window->installEventFilter(this);
    // One grace period per request: a later request starts its own wait
    // instead of inheriting what is left of an earlier one.
    grace_.setSingleShot(true);
    grace_.setInterval(kExtentsGraceMs);
    connect(&grace_, &QTimer::timeout, this, [this] {
      grace_over_ = true;
      Schedule();
    });
  }
  ~FramedCentring() override { Finish(); }

  void Request() {
    if (!pending_) {
      pending_ = true;
      grace_.stop();
      grace_over_ = false;
      QCoreApplication::instance()->installNativeEventFilter(this);
    }
    Place();
  }

  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Show:
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::Paint:
      case QEvent::WindowStateChange:
        Schedule();
        break;
      default:
        break;
    }
    return false;
  }

  bool nativeEventFilter(const QByteArray& type, void* message,
                         qintptr* /*result*/) override {
    if (pending_ && type == "xcb_generic_event_t" &&
        IsX11FrameExtentsChange(message, window_->windowHandle())) {
      Schedule();
    }
    return false;
  }

 private:
  // Places from the event loop, never inside the event that noticed it.
  void Schedule() {
    if (!pending_ || scheduled_) return;
    scheduled_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
          scheduled_ = false;
          Place();
        },
        Qt::QueuedConnection);
  }

  void Place() {
    if (!pending_) return;
    if (window_->windowState() & kOffNormal) {
      Finish();
      return;
    }
    if (window_->size().isEmpty()) return;
    const KnownFrame frame = CurrentFrame(window_, grace_over_);
    if (frame.certainty == Certainty::kAwaited && !grace_.isActive() &&
        !grace_over_) {
      grace_.start();
    }
    PlaceByFrame(window_, frame.margins);
    if (frame.certainty == Certainty::kFinal) Finish();
  }

  void Finish() {
    if (!pending_) return;
    pending_ = false;
    grace_.stop();
    if (QCoreApplication* app = QCoreApplication::instance()) {
      app->removeNativeEventFilter(this);
    }
  }

  QWidget* window_;
  bool pending_ = false;
  bool scheduled_ = false;
  QTimer grace_;
  bool grace_over_ = false;
};

}  // namespace

QPoint CenteredTopLeft(const QRect& screen, int frame_width, int frame_height) {
  const float left = (static_cast<float>(screen.width()) - frame_width) / 2.0f;
  const float top = (static_cast<float>(screen.height()) - frame_height) / 2.0f;
  return QPoint(screen.x() + static_cast<int>(std::floor(left)),
                screen.y() + static_cast<int>(std::floor(top)));
}

void CenterOnScreen(QWidget* window) {
  if (window == nullptr || (window->windowState() & kOffNormal)) return;
  // Found by type, not by name: any other child may carry any name.
  FramedCentring* centring = nullptr;
  for (QObject* child : window->children()) {
    centring = dynamic_cast<FramedCentring*>(child);
    if (centring != nullptr) break;
  }
  if (centring == nullptr) centring = new FramedCentring(window);
  centring->Request();
}

}  // namespace spulix
