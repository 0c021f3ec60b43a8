// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/program_end.h"

#include "ui/window_registry.h"

#include <QApplication>

namespace program {
namespace {

std::function<void()> &quitSlot()
{
    static std::function<void()> quit;
    return quit;
}

} // namespace

void end()
{
    ui::discardCaseWindows();
    QApplication::closeAllWindows();
    if (quitSlot())
        quitSlot()();
    else
        QApplication::quit(); // also leaves every nested modal loop
}

void setQuitFunction(std::function<void()> quit)
{
    quitSlot() = std::move(quit);
}

} // namespace program
