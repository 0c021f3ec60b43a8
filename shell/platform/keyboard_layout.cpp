// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/platform/keyboard_layout.h"

namespace platform {
namespace {

std::unique_ptr<KeyboardLayout> &slot()
{
    static std::unique_ptr<KeyboardLayout> layout;
    return layout;
}

} // namespace

KeyboardLayout &keyboardLayout()
{
    if (!slot())
        slot() = makeSystemKeyboardLayout();
    return *slot();
}

void setKeyboardLayout(std::unique_ptr<KeyboardLayout> layout)
{
    slot() = std::move(layout);
}

} // namespace platform
