#include "hints/manager/per_pixel_alpha.h"

#include <QGuiApplication>
#include <cstdlib>

#if defined(LINGOTAB_HAVE_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>
#define LINGOTAB_X11_COMPOSITOR_CHECK 1
#endif

namespace lingotab::hints {
namespace {

// A compositing manager owns the selection _NET_WM_CM_S<screen>.
bool x11CompositorRunning() {
#ifdef LINGOTAB_X11_COMPOSITOR_CHECK
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) return false;
    static constexpr char kSelection[] = "_NET_WM_CM_S0";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, sizeof kSelection - 1, kSelection), nullptr);
    if (!atom) return false;
    const bool exists = atom->atom != XCB_ATOM_NONE;
    xcb_get_selection_owner_reply_t* owner =
        exists ? xcb_get_selection_owner_reply(
                     connection, xcb_get_selection_owner(connection, atom->atom), nullptr)
               : nullptr;
    const bool running = owner && owner->owner != XCB_WINDOW_NONE;
    std::free(owner);
    std::free(atom);
    return running;
#else
    return false;
#endif
}

}  // namespace

bool perPixelAlphaOn(const QString& platform, bool compositorRunning) {
    if (platform == QLatin1String("xcb")) return compositorRunning;
    return platform == QLatin1String("offscreen") ||
           platform.startsWith(QLatin1String("wayland")) || platform == QLatin1String("windows") ||
           platform == QLatin1String("cocoa");
}

bool hasPerPixelAlpha() {
    const QString platform = QGuiApplication::platformName();
    return perPixelAlphaOn(platform, platform == QLatin1String("xcb") && x11CompositorRunning());
}

}  // namespace lingotab::hints
