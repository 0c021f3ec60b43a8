// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

// The keyboard layout the user types with. The deceased entry window asks for
// the Arabic layout while its name box has the focus in the Arabic interface.
namespace platform {

class KeyboardLayout
{
public:
    virtual ~KeyboardLayout() = default;
    // Makes the Arabic layout the active one; does nothing when the user has
    // no Arabic layout. Failures are ignored.
    virtual void activateArabic() = 0;
};

// The layout service of the running platform (X11: locks the keymap's Arabic
// group; elsewhere it does nothing).
std::unique_ptr<KeyboardLayout> makeSystemKeyboardLayout();

// The service in use; tests install a recorder. nullptr restores the system one.
KeyboardLayout &keyboardLayout();
void setKeyboardLayout(std::unique_ptr<KeyboardLayout> layout);

} // namespace platform
