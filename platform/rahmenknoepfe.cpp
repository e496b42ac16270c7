#include "platform/rahmenknoepfe.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstdint>
#include <cstring>

#include <xcb/xcb.h>

namespace rahmenknoepfe {

namespace {
// the window manager hints of the Motif convention, which every X desktop reads
constexpr uint32_t kFunktionen = 1, kDekoration = 2;
constexpr uint32_t kGroesse = 2, kVerschieben = 4, kSchliessen = 32;
constexpr uint32_t kRand = 2, kTitel = 8, kSystemmenue = 16;
}

void melde(QWidget* fenster, bool schliessfeld)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t* c = x11->connection();
    // The size function too, although the window offers no way to change its size:
    // some desktops (openbox) neither maximise nor shrink a window without it, and
    // it would keep its own size below the caption bar, partly off the screen.
    // The buttons are the decoration's; maximising and minimising stay refused.
    static const char name[] = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
    if (!atom)
        return;
    const uint32_t hinweise[5] = {kFunktionen | kDekoration,
                                  kGroesse | kVerschieben | (schliessfeld ? kSchliessen : 0u),
                                  kRand | kTitel | (schliessfeld ? kSystemmenue : 0u), 0, 0};
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(fenster->winId()), atom->atom,
                        atom->atom, 32, 5, hinweise);
    xcb_flush(c);
    free(atom);
}

}
