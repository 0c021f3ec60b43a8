// SPDX-License-Identifier: GPL-3.0-or-later
#include "questionnaires/family/fathers_layout.h"

#include "ui/geometry.h"

#include <algorithm>

namespace layout {
namespace {

// Frames by row: right column first, then left.
struct Row { const char *right; const char *left; };
constexpr Row Rows[] = {
    {"Frame1", "Frame2"},  {"Frame3", "Frame4"},   {"Frame5", "Frame6"},
    {"Frame7", "Frame15"}, {"Frame8", "Frame9"},   {"Frame10", "Frame11"},
    {"Frame12", "Frame13"},
};

struct YesNo { const char *label; const char *yes; const char *no; double noWidth; };
constexpr YesNo YesNoFrames[] = {
    {"Label1", "optFatherYes", "optFatherNo", 735},
    {"label5", "optGrandFatherYes", "optGrandFatherNo", 735},
    {"Label2", "optMotherYes", "optMotherNo", 735},
    {"Label3", "optMaternalGrandMotherYes", "optMaternalGrandMotherNo", 735},
    {"Label4", "optParentalGrandMotherYes", "optParentalGrandMotherNo", 735},
    {"Label6", "optMarriedYes", "optMarriedNo", 615},
    {"Label7", "optHusbandYes", "optHusbandNo", 615},
};

struct Count { const char *label; const char *list; };
constexpr Count CountFrames[] = {
    {"Label8", "cmbSons"},          {"Label9", "cmbDaughters"},
    {"Label10", "cmbSonsOfSons"},   {"Label11", "cmbDaughtersOfSons"},
    {"Label12", "cmbSonsSonsSons"}, {"Label13", "cmbDaughtersSonsSons"},
    {"Label14", "cmbWifes"},
};

constexpr double LabelTop = 180, LabelHeight = 450;
constexpr double OptionTop = 240, OptionWidth = 735, OptionHeight = 375;
constexpr double ListTop = 240, ListWidth = 1215, ListHeight = 315, WivesListWidth = 1815;
constexpr double KidsTop = 180, KidsHeight = 405;

} // namespace

Rects fathersWindow(QSizeF screen)
{
    Rects r;
    const QRectF window = geom::questionnaireWindow(screen);
    const double W = window.width();
    const double H = window.height();
    r.insert(QStringLiteral("window"), window);
    r.insert(QStringLiteral("cmdfinish"),
             geom::finishButton(window.size(), QSizeF(FathersFinishWidth, FathersFinishHeight)));

    const double w = 0.45 * W;
    const double h = H / 9;
    const auto [x1, x2] = geom::twoColumns(W, w);
    int k = 0;
    for (const Row &row : Rows) {
        const double top = 1.1 * k * h;
        r.insert(QLatin1String(row.right), QRectF(x2, top, w, h));
        r.insert(QLatin1String(row.left), QRectF(x1, top, w, h));
        ++k;
    }
    // Frame14 (wives) shares the husband's place; only one of them shows.
    r.insert(QStringLiteral("Frame14"), r.value(QStringLiteral("Frame7")));
    // Option1 sits inside Frame1 beyond its right edge, never seen.
    r.insert(QStringLiteral("Option1"), QRectF(x2 + w / 2, h / 2, 255, 255));
    return r;
}

Rects fathersFrameContents(Language language, double frameWidth)
{
    Rects r;
    const bool english = language == Language::English;
    const double edge = frameWidth - 60;                    // inner right edge
    const double arabicLabelWidth = std::max(2055.0, edge - 1800);
    for (const YesNo &f : YesNoFrames) {
        if (english) {
            r.insert(QLatin1String(f.label), QRectF(100, LabelTop, 2850, LabelHeight));
            r.insert(QLatin1String(f.yes), QRectF(3800, OptionTop, OptionWidth, OptionHeight));
            r.insert(QLatin1String(f.no), QRectF(3000, OptionTop, f.noWidth, OptionHeight));
        } else {
            r.insert(QLatin1String(f.label), QRectF(1800, LabelTop, arabicLabelWidth, LabelHeight));
            r.insert(QLatin1String(f.yes), QRectF(1000, OptionTop, OptionWidth, OptionHeight));
            r.insert(QLatin1String(f.no), QRectF(100, OptionTop, f.noWidth, OptionHeight));
        }
    }
    for (const Count &f : CountFrames) {
        const QString list = QLatin1String(f.list);
        // The wives' list names its entries ("Three wives") rather than
        // counting them: it is wider, towards the free side of its frame.
        const bool wives = list == QLatin1String("cmbWifes");
        if (english) {
            const bool deep = list == QLatin1String("cmbSonsSonsSons")
                              || list == QLatin1String("cmbDaughtersSonsSons");
            const QString label = QLatin1String(f.label);
            const bool wide = label == QLatin1String("Label12") || label == QLatin1String("Label13");
            r.insert(label, wide ? QRectF(20, LabelTop, 3230, LabelHeight)
                                 : QRectF(100, LabelTop, 2850, LabelHeight));
            r.insert(list, QRectF(deep ? 3300 : 3000, ListTop, wives ? WivesListWidth : ListWidth, ListHeight));
        } else {
            r.insert(QLatin1String(f.label), QRectF(1800, LabelTop, arabicLabelWidth, LabelHeight));
            r.insert(list, wives ? QRectF(100, ListTop, WivesListWidth - 200, ListHeight)
                                 : QRectF(300, ListTop, ListWidth, ListHeight));
        }
    }
    if (english) {
        r.insert(QStringLiteral("optWithoutKids"), QRectF(50, KidsTop, 2100, KidsHeight));
        r.insert(QStringLiteral("optWithKids"), QRectF(2400, KidsTop, std::max(2100.0, edge - 2400), KidsHeight));
    } else {
        // Each option takes half of the frame.
        const double half = frameWidth / 2;
        r.insert(QStringLiteral("optWithoutKids"), QRectF(100, KidsTop, half - 130, KidsHeight));
        r.insert(QStringLiteral("optWithKids"), QRectF(half + 30, KidsTop, edge - half - 30, KidsHeight));
    }
    return r;
}

} // namespace layout
