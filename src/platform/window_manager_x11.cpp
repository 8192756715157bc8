#include <xcb/xcb.h>

#include <QGuiApplication>
#include <array>
#include <cstdlib>
#include <cstring>

#include "platform/window_manager.h"
#include "platform/window_manager_hint.h"

namespace {

constexpr uint32_t kStateRemove = 0;
constexpr uint32_t kStateAdd = 1;
constexpr uint32_t kSourcePager = 2;  // a request on the user's behalf, which WMs honour

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name) {
  const auto cookie = xcb_intern_atom(connection, 0, uint16_t(strlen(name)), name);
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
  const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
  free(reply);
  return atom;
}

// The EWMH calls: the foreground window is the root's _NET_ACTIVE_WINDOW, the topmost band
// is _NET_WM_STATE_ABOVE, and raising is a _NET_RESTACK_WINDOW request.
class X11WindowManager : public WindowManager {
 public:
  explicit X11WindowManager(xcb_connection_t* connection)
      : connection_(connection),
        root_(xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root),
        activeWindow_(internAtom(connection, "_NET_ACTIVE_WINDOW")),
        wmState_(internAtom(connection, "_NET_WM_STATE")),
        stateAbove_(internAtom(connection, "_NET_WM_STATE_ABOVE")),
        restackWindow_(internAtom(connection, "_NET_RESTACK_WINDOW")) {}

  NativeWindow foregroundWindow() override {
    const auto cookie =
        xcb_get_property(connection_, 0, root_, activeWindow_, XCB_ATOM_WINDOW, 0, 1);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection_, cookie, nullptr);
    NativeWindow window = 0;
    if (reply && xcb_get_property_value_length(reply) >= int(sizeof(xcb_window_t))) {
      window = *static_cast<xcb_window_t*>(xcb_get_property_value(reply));
    }
    free(reply);
    return window;
  }

  void demoteFromTopmost(NativeWindow window) override {
    if (window == 0) return;
    sendToRoot(xcb_window_t(window), wmState_, {kStateRemove, stateAbove_, 0, kSourcePager, 0});
    xcb_flush(connection_);
  }

  void raiseToTopmost(NativeWindow window) override {
    if (window == 0) return;
    sendToRoot(xcb_window_t(window), wmState_, {kStateAdd, stateAbove_, 0, kSourcePager, 0});
    sendToRoot(xcb_window_t(window), restackWindow_,
               {kSourcePager, XCB_NONE, XCB_STACK_MODE_ABOVE, 0, 0});
    xcb_flush(connection_);
  }

 private:
  void sendToRoot(xcb_window_t window, xcb_atom_t type, const std::array<uint32_t, 5>& data) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = type;
    std::copy(data.begin(), data.end(), event.data.data32);
    xcb_send_event(connection_, 0, root_,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
  }

  xcb_connection_t* connection_;
  xcb_window_t root_;
  xcb_atom_t activeWindow_;
  xcb_atom_t wmState_;
  xcb_atom_t stateAbove_;
  xcb_atom_t restackWindow_;
};

}  // namespace

std::unique_ptr<WindowManager> createPlatformWindowManager() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (x11 && x11->connection()) return std::make_unique<X11WindowManager>(x11->connection());
  return std::make_unique<StayOnTopHintWindowManager>();
}
