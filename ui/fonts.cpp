// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fonts.h"

#include <QStringList>

namespace fonts {

void installSubstitutions()
{
    // First entry is the face used; the rest also serve as a per-glyph
    // fallback (Arabic letters in a Latin face, Latin letters in an Arabic one).
    QFont::insertSubstitutions(QStringLiteral("Simplified Arabic"),
                               {QStringLiteral("Noto Naskh Arabic"), QStringLiteral("Amiri"),
                                QStringLiteral("KacstBook"), QStringLiteral("Liberation Serif")});
    QFont::insertSubstitutions(QStringLiteral("Traditional Arabic"),
                               {QStringLiteral("Amiri"), QStringLiteral("Scheherazade"),
                                QStringLiteral("Noto Naskh Arabic")});
    QFont::insertSubstitutions(QStringLiteral("Andalus"),
                               {QStringLiteral("Noto Sans Arabic"), QStringLiteral("KacstOffice")});
    for (const char *latin : {"Arial", "Arial Greek", "MS Sans Serif"})
        QFont::insertSubstitutions(QString::fromLatin1(latin),
                                   {QStringLiteral("Liberation Sans"),
                                    QStringLiteral("Noto Sans Arabic"),
                                    QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"),
                                QStringLiteral("Noto Naskh Arabic"),
                                QStringLiteral("DejaVu Serif")});
}

QFont design(const QString &family, double points, bool bold)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QFont shrinkToFit(QFont font, double floorPoints, const std::function<bool(const QFont &)> &fits)
{
    while (font.pointSizeF() > floorPoints && !fits(font))
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}

} // namespace fonts
