// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

namespace fonts {

// Maps the design typefaces (Simplified Arabic, Traditional Arabic, Andalus,
// Arial, Arial Greek, Times New Roman, MS Sans Serif) onto free fonts from
// Debian. Call once after QApplication exists.
void installSubstitutions();

// A design font: family, size in points, bold by default.
QFont design(const QString &family, double points, bool bold = true);

} // namespace fonts
