// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/placement/x11_frame.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace spulix {
namespace {

xcb_connection_t* Connection() {
  if (!OnX11()) return nullptr;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 != nullptr ? x11->connection() : nullptr;
}

struct FreeDeleter {
  void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
      connection,
      xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)),
                      name),
      nullptr));
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_atom_t FrameExtentsAtom(xcb_connection_t* connection) {
  static const xcb_atom_t atom = Atom(connection, "_NET_FRAME_EXTENTS");
  return atom;
}

Reply<xcb_get_property_reply_t> Property(xcb_connection_t* connection,
                                         xcb_window_t window, xcb_atom_t name,
                                         xcb_atom_t type, uint32_t length) {
  Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
      connection,
      xcb_get_property(connection, 0, window, name, type, 0, length), nullptr));
  if (reply && reply->format != 32) reply.reset();
  return reply;
}

xcb_window_t Root(xcb_connection_t* connection) {
  return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

}  // namespace

bool OnX11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

std::optional<QMargins> X11FrameExtents(const QWindow* window) {
  xcb_connection_t* connection = Connection();
  if (connection == nullptr || window == nullptr || window->handle() == nullptr)
    return std::nullopt;
  const auto reply =
      Property(connection, static_cast<xcb_window_t>(window->winId()),
               FrameExtentsAtom(connection), XCB_ATOM_CARDINAL, 4);
  if (!reply || xcb_get_property_value_length(reply.get()) < 16) {
    return std::nullopt;
  }
  // left, right, top, bottom
  const auto* value =
      static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
  return QMargins(static_cast<int>(value[0]), static_cast<int>(value[2]),
                  static_cast<int>(value[1]), static_cast<int>(value[3]));
}

bool X11WindowManagerRunning() {
  xcb_connection_t* connection = Connection();
  if (connection == nullptr) return false;
  const xcb_atom_t check = Atom(connection, "_NET_SUPPORTING_WM_CHECK");
  const auto root =
      Property(connection, Root(connection), check, XCB_ATOM_WINDOW, 1);
  if (!root || xcb_get_property_value_length(root.get()) < 4) return false;
  // A window manager that died leaves the property behind, but its check
  // window goes with it.
  const xcb_window_t child =
      *static_cast<const xcb_window_t*>(xcb_get_property_value(root.get()));
  const auto own = Property(connection, child, check, XCB_ATOM_WINDOW, 1);
  return own && xcb_get_property_value_length(own.get()) >= 4;
}

bool X11WindowManagerPublishesFrameExtents() {
  xcb_connection_t* connection = Connection();
  if (connection == nullptr) return false;
  const auto supported =
      Property(connection, Root(connection), Atom(connection, "_NET_SUPPORTED"),
               XCB_ATOM_ATOM, 4096);
  if (!supported) return false;
  const auto* atoms =
      static_cast<const xcb_atom_t*>(xcb_get_property_value(supported.get()));
  const int count = xcb_get_property_value_length(supported.get()) / 4;
  const xcb_atom_t wanted = FrameExtentsAtom(connection);
  for (int i = 0; i < count; ++i) {
    if (atoms[i] == wanted) return true;
  }
  return false;
}

bool IsX11FrameExtentsChange(const void* message, const QWindow* window) {
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7F) != XCB_PROPERTY_NOTIFY) return false;
  const auto* change = static_cast<const xcb_property_notify_event_t*>(message);
  xcb_connection_t* connection = Connection();
  return connection != nullptr && window != nullptr &&
         window->handle() != nullptr &&
         change->window == static_cast<xcb_window_t>(window->winId()) &&
         change->atom == FrameExtentsAtom(connection);
}

}  // namespace spulix
