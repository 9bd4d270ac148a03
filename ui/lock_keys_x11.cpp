#include <QGuiApplication>
#include <memory>

#include "ui/lock_keys.h"

// The header names a field `explicit`.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

std::optional<LockKeys> read_lock_keys()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    const auto cookie = xcb_xkb_get_indicator_state(connection, XCB_XKB_ID_USE_CORE_KBD);
    const std::unique_ptr<xcb_xkb_get_indicator_state_reply_t, decltype(&std::free)> reply(
        xcb_xkb_get_indicator_state_reply(connection, cookie, nullptr), &std::free);
    if (!reply)
        return std::nullopt;
    return LockKeys{(reply->state & 1U) != 0, (reply->state & 2U) != 0};
}
