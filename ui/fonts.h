// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

#include <functional>

namespace fonts {

// Maps the design typefaces (Simplified Arabic, Traditional Arabic, Andalus,
// Arial, Arial Greek, Times New Roman, MS Sans Serif) onto free fonts from
// Debian. Call once after QApplication exists.
void installSubstitutions();

// A design font: family, size in points, bold by default.
QFont design(const QString &family, double points, bool bold = true);

// The free fonts standing in for the design fonts run wider: a caption that
// does not fit gets a smaller font. Makes `font` smaller in half points while
// fits(font) is false and it is above `floorPoints`; fits is asked first with
// the font as given.
QFont shrinkToFit(QFont font, double floorPoints, const std::function<bool(const QFont &)> &fits);

} // namespace fonts
