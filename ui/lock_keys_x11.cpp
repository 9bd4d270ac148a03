#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <memory>

#include "ui/lock_keys.h"

// The header names a field `explicit`.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

namespace {
xcb_connection_t* x11_connection()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// XKB's indicator events, which the X server sends when any program's key
// changes a light; only their selection is added to what Qt selects.
class IndicatorEvents final : public LockKeyEvents, public QAbstractNativeEventFilter {
public:
    IndicatorEvents(xcb_connection_t* connection, std::uint8_t first_event, std::function<void()> changed)
        : m_first_event(first_event), m_changed(std::move(changed))
    {
        constexpr auto indicators = XCB_XKB_EVENT_TYPE_INDICATOR_STATE_NOTIFY;
        xcb_xkb_select_events(connection, XCB_XKB_ID_USE_CORE_KBD, indicators, 0, indicators, 0, 0, nullptr);
        xcb_flush(connection);
        qGuiApp->installNativeEventFilter(this);
    }
    ~IndicatorEvents() override { qGuiApp->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        // Every XKB event has the extension's one event code; its second byte tells which.
        if (type == "xcb_generic_event_t" && (event->response_type & 0x7F) == m_first_event &&
            event->pad0 == XCB_XKB_INDICATOR_STATE_NOTIFY)
            m_changed();
        return false;
    }

private:
    std::uint8_t m_first_event;
    std::function<void()> m_changed;
};
} // namespace

std::optional<LockKeys> read_lock_keys()
{
    xcb_connection_t* connection = x11_connection();
    if (!connection)
        return std::nullopt;
    const auto cookie = xcb_xkb_get_indicator_state(connection, XCB_XKB_ID_USE_CORE_KBD);
    const std::unique_ptr<xcb_xkb_get_indicator_state_reply_t, decltype(&std::free)> reply(
        xcb_xkb_get_indicator_state_reply(connection, cookie, nullptr), &std::free);
    if (!reply)
        return std::nullopt;
    return LockKeys{(reply->state & 1U) != 0, (reply->state & 2U) != 0};
}

std::unique_ptr<LockKeyEvents> watch_lock_keys(std::function<void()> changed)
{
    xcb_connection_t* connection = x11_connection();
    const xcb_query_extension_reply_t* xkb = connection ? xcb_get_extension_data(connection, &xcb_xkb_id) : nullptr;
    if (!xkb || !xkb->present)
        return nullptr;
    return std::make_unique<IndicatorEvents>(connection, xkb->first_event, std::move(changed));
}
