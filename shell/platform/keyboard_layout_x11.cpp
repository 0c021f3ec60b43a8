// SPDX-License-Identifier: GPL-3.0-or-later
// X11: the layouts of the user's keymap are XKB groups. Switching means
// locking the group named Arabic; a keymap without one is left alone rather
// than rewritten.
#include "shell/platform/keyboard_layout.h"
#include "shell/platform/keyboard_layout_x11.h"

#include <QGuiApplication>
#include <QString>

// X headers last: they define FocusIn, None, Bool, Status... as macros.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#undef Bool
#undef Status
#undef None
#undef FocusIn
#undef FocusOut
#undef KeyPress
#undef KeyRelease

namespace platform {
namespace {

Display *qtDisplay()
{
    auto *x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

class X11KeyboardLayout : public KeyboardLayout
{
public:
    void activateArabic() override
    {
        Display *display = qtDisplay();
        if (!display)
            return;
        const int group = x11::arabicGroup(display);
        if (group >= 0) {
            XkbLockGroup(display, XkbUseCoreKbd, unsigned(group));
            XFlush(display);
        }
    }
};

} // namespace

namespace x11 {

int arabicGroup(Display *display)
{
    XkbDescPtr desc = XkbAllocKeyboard();
    if (!desc)
        return -1;
    int found = -1;
    int prefixed = -1;
    if (XkbGetNames(display, XkbGroupNamesMask, desc) == Success && desc->names) {
        for (int i = 0; i < XkbNumKbdGroups; ++i) {
            const Atom atom = desc->names->groups[i];
            if (atom == 0)
                continue;
            char *name = XGetAtomName(display, atom);
            if (!name)
                continue;
            const QString group = QString::fromLatin1(name);
            XFree(name);
            // "Arabic" itself; a variant such as "Arabic (Buckwalter)" only
            // when there is nothing better.
            if (group.compare(QLatin1String("Arabic"), Qt::CaseInsensitive) == 0) {
                found = i;
                break;
            }
            if (prefixed < 0 && group.startsWith(QLatin1String("Arabic"), Qt::CaseInsensitive))
                prefixed = i;
        }
    }
    XkbFreeKeyboard(desc, 0, True);
    return found >= 0 ? found : prefixed;
}

int currentGroup(Display *display)
{
    XkbStateRec state;
    if (XkbGetState(display, XkbUseCoreKbd, &state) != Success)
        return -1;
    return state.group;
}

Display *display()
{
    return qtDisplay();
}

} // namespace x11

std::unique_ptr<KeyboardLayout> makeSystemKeyboardLayout()
{
    return std::make_unique<X11KeyboardLayout>();
}

} // namespace platform
