// SPDX-License-Identifier: GPL-3.0-or-later
// Platforms without a way to switch the layout from the program.
#include "shell/platform/keyboard_layout.h"

namespace platform {
namespace {

class NoKeyboardLayout : public KeyboardLayout
{
public:
    void activateArabic() override {}
};

} // namespace

std::unique_ptr<KeyboardLayout> makeSystemKeyboardLayout()
{
    return std::make_unique<NoKeyboardLayout>();
}

} // namespace platform
