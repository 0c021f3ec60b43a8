// SPDX-License-Identifier: GPL-3.0-or-later
#include "case/engine/record_family.h"

namespace engine {

namespace {

Path p(std::initializer_list<PathStep> steps) { return *Path::of(steps); }

using S = PathStep;

} // namespace

std::vector<Path> pathsOfGroup(Heir h)
{
    switch (h) {
    case Heir::Father: return {p({S::Father})};
    case Heir::GrandFather: return {p({S::Father, S::Father})};
    case Heir::Mother: return {p({S::Mother})};
    case Heir::GrandMother: return {p({S::Mother, S::Mother}), p({S::Father, S::Mother})};
    case Heir::Husband: return {p({S::Husband})};
    case Heir::Wife: return {p({S::Wife})};
    case Heir::Son: return {p({S::Son})};
    case Heir::Daughter: return {p({S::Daughter})};
    case Heir::SonsSon: return {p({S::Son, S::Son})};
    case Heir::SonsDaughter: return {p({S::Son, S::Daughter})};
    case Heir::SonsSonsSon: return {p({S::Son, S::Son, S::Son})};
    case Heir::SonsSonsDaughter: return {p({S::Son, S::Son, S::Daughter})};
    case Heir::FullBrother: return {p({S::Brother})};
    case Heir::FullSister: return {p({S::Sister})};
    case Heir::ParentalBrother: return {p({S::PaternalBrother})};
    case Heir::ParentalSister: return {p({S::PaternalSister})};
    case Heir::MaternalSibling: return {p({S::MaternalBrother}), p({S::MaternalSister})};
    case Heir::BrothersSon: return {p({S::Brother, S::Son})};
    case Heir::ParentalBrothersSon: return {p({S::PaternalBrother, S::Son})};
    case Heir::FullUncle: return {p({S::Father, S::Brother})};
    case Heir::ParentalUncle: return {p({S::Father, S::PaternalBrother})};
    case Heir::FullUnclesSon: return {p({S::Father, S::Brother, S::Son})};
    case Heir::ParentalUnclesSon: return {p({S::Father, S::PaternalBrother, S::Son})};
    case Heir::Treasury: break;
    }
    return {};
}

Family familyOfRecord(const CaseRecord &c)
{
    Family f;
    f.views = profileViews(Profile::Program);
    auto add = [&f](Heir h, int count, std::size_t which = 0) {
        if (count > 0)
            f.members.push_back({pathsOfGroup(h)[which], count});
    };
    if (c.GrandFatherAsFather != 0) {
        add(Heir::GrandFather, 1);
        f.method = GrandfatherMethod::Excludes;
    } else {
        add(Heir::Father, c.FatherAlive);
        add(Heir::GrandFather, c.GrandFatherAlive);
        if (c.GrandFatherAlive != 0)
            f.method = GrandfatherMethod::Shares;
    }
    add(Heir::Mother, c.MotherAlive);
    add(Heir::GrandMother, c.MaternalGrandMotherAlive, 0);
    add(Heir::GrandMother, c.ParentalGrandMotherAlive, 1);
    add(Heir::Husband, c.HusbandAlive);
    add(Heir::Wife, c.WifeCount);
    add(Heir::Son, c.SonCount);
    add(Heir::Daughter, c.DaughterCount);
    add(Heir::SonsSon, c.SonsSonCount);
    add(Heir::SonsDaughter, c.SonsDaughterCount);
    add(Heir::SonsSonsSon, c.SonsSonsSonCount);
    add(Heir::SonsSonsDaughter, c.SonsSonsDaughterCount);
    add(Heir::FullBrother, c.FullBrotherCount);
    add(Heir::FullSister, c.FullSisterCount);
    add(Heir::ParentalBrother, c.ParentalBrotherCount);
    add(Heir::ParentalSister, c.ParentalSisterCount);
    if (c.MaternalBrotherCount + c.MaternalSisterCount > 0) {
        add(Heir::MaternalSibling, c.MaternalBrotherCount, 0);
        add(Heir::MaternalSibling, c.MaternalSisterCount, 1);
    } else {
        add(Heir::MaternalSibling, c.MaternalSiblingCount, 0);
    }
    add(Heir::BrothersSon, c.BrothersSonCount);
    add(Heir::ParentalBrothersSon, c.ParentalBrothersSonCount);
    add(Heir::FullUncle, c.FullUncleCount);
    add(Heir::ParentalUncle, c.ParentalUncleCount);
    add(Heir::FullUnclesSon, c.FullUnclesSonCount);
    add(Heir::ParentalUnclesSon, c.ParentalUnclesSonCount);
    return f;
}

} // namespace engine
