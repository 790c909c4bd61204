#include "platform/TaskbarHints.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

namespace orvalis::platform {
namespace {

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using ReplyPointer = std::unique_ptr<Reply, FreeReply>;

xcb_atom_t atomNamed(xcb_connection_t* connection, std::string_view name) {
  const ReplyPointer<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.data()),
      nullptr));
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::vector<xcb_atom_t> atomList(xcb_connection_t* connection, xcb_window_t window,
                                 xcb_atom_t property) {
  const ReplyPointer<xcb_get_property_reply_t> reply(xcb_get_property_reply(
      connection, xcb_get_property(connection, 0, window, property, XCB_ATOM_ATOM, 0, 1024),
      nullptr));
  if (!reply || reply->type != XCB_ATOM_ATOM || reply->format != 32) {
    return {};
  }
  const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
  return {atoms, atoms + xcb_get_property_value_length(reply.get()) / sizeof(xcb_atom_t)};
}

}  // namespace

// The window's state property holds the states it asks for when it is mapped;
// Qt adds its own to whatever is there.
void keepOutOfTaskbar(QWidget& window) {
  // The offscreen platform offers the X11 interface too, without a display.
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (QGuiApplication::platformName() != QLatin1String("xcb") || x11 == nullptr ||
      x11->connection() == nullptr) {
    return;
  }
  xcb_connection_t* connection = x11->connection();
  const auto id = static_cast<xcb_window_t>(window.winId());
  const xcb_atom_t state = atomNamed(connection, "_NET_WM_STATE");
  if (state == XCB_ATOM_NONE) {
    return;
  }
  std::vector<xcb_atom_t> states = atomList(connection, id, state);
  for (const xcb_atom_t wanted : {atomNamed(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                  atomNamed(connection, "_NET_WM_STATE_SKIP_PAGER")}) {
    if (wanted != XCB_ATOM_NONE &&
        std::find(states.begin(), states.end(), wanted) == states.end()) {
      states.push_back(wanted);
    }
  }
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                      static_cast<uint32_t>(states.size()), states.data());
  xcb_flush(connection);
}

}  // namespace orvalis::platform
