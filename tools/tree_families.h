// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Families for the tree's tests, the benchmark and the screenshots, written
// as "path:count;path:count", with "profile=<name>" for a profile other
// than the program's.

#include "case/engine/family.h"
#include "case/views.h"

#include <QString>
#include <QStringList>

namespace treefamilies {

inline engine::Family family(const QString &members)
{
    engine::Family f;
    f.views = profileViews(Profile::Program);
    for (const QString &item : members.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (item.startsWith(QLatin1String("profile="))) {
            if (const auto p = profileFromName(item.mid(8).toStdString())) {
                f.profile = *p;
                f.views = profileViews(*p);
            }
            continue;
        }
        const QStringList parts = item.split(QLatin1Char(':'));
        const auto path = Path::parse(parts[0].trimmed().toStdString());
        if (path)
            f.members.push_back({*path, parts.size() > 1 ? parts[1].toInt() : 1});
    }
    return f;
}

// Forty relatives over six generations (the great-grandparents to the
// grandchildren): ascendants, descendants, siblings and their lines, the
// uncles' lines and the father's uncles', distant kindred on both sides.
inline const char *const Large =
    "mother;father.father;father.mother;mother.mother;father.father.mother;mother.mother.mother;"
    "father.father.father;wife:2;son:2;daughter:3;son.son;son.daughter:2;daughter.son;daughter.daughter;"
    "brother:2;sister:2;paternalBrother;paternalSister;maternalBrother;maternalSister;"
    "brother.son:3;brother.daughter;sister.son;paternalBrother.son;brother.son.son;"
    "father.brother:2;father.sister;father.paternalBrother;father.brother.son:2;father.brother.son.son;"
    "father.brother.daughter;mother.brother;mother.sister;"
    "father.father.brother;father.father.brother.son;father.father.brother.son.son;"
    "father.father.father.brother;mother.mother.father;mother.brother.son;sister.daughter";

} // namespace treefamilies
