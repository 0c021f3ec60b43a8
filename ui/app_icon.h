// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

// The program's icon (a balance on a teal tile), drawn so that it needs no
// image plug-in.
namespace appicon {

QPixmap pixmap(int size);
QIcon icon();

} // namespace appicon
