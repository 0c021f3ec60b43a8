// SPDX-License-Identifier: GPL-3.0-or-later
// The family as the user gives it: the relatives' keys and counts, and the
// step that makes any family into the record the questionnaires would have
// produced.

#include "case/working.h"

namespace {

constexpr const char *relativeKeys[RelativeCount] = {
    "Father", "GrandFather", "Mother", "MaternalGrandMother", "ParentalGrandMother", "Husband",
    "Wife", "Son", "Daughter", "SonsSon", "SonsDaughter", "SonsSonsSon", "SonsSonsDaughter",
    "FullBrother", "FullSister", "ParentalBrother", "ParentalSister", "MaternalSibling",
    "BrothersSon", "ParentalBrothersSon", "FullUncle", "ParentalUncle", "FullUnclesSon",
    "ParentalUnclesSon",
};

constexpr const char *heirKeys[HeirCount] = {
    "Father", "GrandFather", "Mother", "GrandMother", "Husband", "Wife", "Son", "Daughter",
    "SonsSon", "SonsDaughter", "SonsSonsSon", "SonsSonsDaughter", "FullBrother", "FullSister",
    "ParentalBrother", "ParentalSister", "MaternalSibling", "BrothersSon", "ParentalBrothersSon",
    "FullUncle", "ParentalUncle", "FullUnclesSon", "ParentalUnclesSon", "Treasury",
};

std::int16_t *countOf(CaseRecord &c, Relative r)
{
    switch (r) {
    case Relative::Father: return &c.FatherAlive;
    case Relative::GrandFather: return &c.GrandFatherAlive;
    case Relative::Mother: return &c.MotherAlive;
    case Relative::MaternalGrandMother: return &c.MaternalGrandMotherAlive;
    case Relative::ParentalGrandMother: return &c.ParentalGrandMotherAlive;
    case Relative::Husband: return &c.HusbandAlive;
    case Relative::Wife: return &c.WifeCount;
    case Relative::Son: return &c.SonCount;
    case Relative::Daughter: return &c.DaughterCount;
    case Relative::SonsSon: return &c.SonsSonCount;
    case Relative::SonsDaughter: return &c.SonsDaughterCount;
    case Relative::SonsSonsSon: return &c.SonsSonsSonCount;
    case Relative::SonsSonsDaughter: return &c.SonsSonsDaughterCount;
    case Relative::FullBrother: return &c.FullBrotherCount;
    case Relative::FullSister: return &c.FullSisterCount;
    case Relative::ParentalBrother: return &c.ParentalBrotherCount;
    case Relative::ParentalSister: return &c.ParentalSisterCount;
    case Relative::MaternalSibling: return &c.MaternalSiblingCount;
    case Relative::BrothersSon: return &c.BrothersSonCount;
    case Relative::ParentalBrothersSon: return &c.ParentalBrothersSonCount;
    case Relative::FullUncle: return &c.FullUncleCount;
    case Relative::ParentalUncle: return &c.ParentalUncleCount;
    case Relative::FullUnclesSon: return &c.FullUnclesSonCount;
    case Relative::ParentalUnclesSon: return &c.ParentalUnclesSonCount;
    }
    return nullptr;
}

// The first of `candidates` present in the family.
template <std::size_t K>
const Relative *firstPresent(const CaseRecord &c, const Relative (&candidates)[K])
{
    for (const Relative &r : candidates)
        if (relativeCount(c, r) != 0)
            return &r;
    return nullptr;
}

void setAside(AdmittedFamily &f, Relative r, Relative by)
{
    std::int16_t *n = countOf(f.record, r);
    if (*n == 0)
        return;
    f.setAside.push_back({r, *n, Reason::ExcludedBy, by, true});
    *n = 0;
}

} // namespace

const char *relativeKey(Relative r)
{
    return relativeKeys[static_cast<int>(r)];
}

const char *heirKey(Heir h)
{
    return heirKeys[static_cast<int>(h)];
}

int relativeCount(const CaseRecord &c, Relative r)
{
    // The first grandfather method keeps the grandfather in the father's
    // fields; the family still has a grandfather and no father.
    if (c.GrandFatherAsFather == 1 && c.FatherAlive == 1 && c.GrandFatherAlive == 0) {
        if (r == Relative::Father)
            return 0;
        if (r == Relative::GrandFather)
            return 1;
    }
    static constexpr std::int16_t CaseRecord::*members[RelativeCount] = {
        &CaseRecord::FatherAlive, &CaseRecord::GrandFatherAlive, &CaseRecord::MotherAlive,
        &CaseRecord::MaternalGrandMotherAlive, &CaseRecord::ParentalGrandMotherAlive,
        &CaseRecord::HusbandAlive, &CaseRecord::WifeCount, &CaseRecord::SonCount,
        &CaseRecord::DaughterCount, &CaseRecord::SonsSonCount, &CaseRecord::SonsDaughterCount,
        &CaseRecord::SonsSonsSonCount, &CaseRecord::SonsSonsDaughterCount,
        &CaseRecord::FullBrotherCount, &CaseRecord::FullSisterCount,
        &CaseRecord::ParentalBrotherCount, &CaseRecord::ParentalSisterCount,
        &CaseRecord::MaternalSiblingCount, &CaseRecord::BrothersSonCount,
        &CaseRecord::ParentalBrothersSonCount, &CaseRecord::FullUncleCount,
        &CaseRecord::ParentalUncleCount, &CaseRecord::FullUnclesSonCount,
        &CaseRecord::ParentalUnclesSonCount,
    };
    return c.*members[static_cast<int>(r)];
}

Heir groupOf(Relative r)
{
    switch (r) {
    case Relative::MaternalGrandMother:
    case Relative::ParentalGrandMother:
        return Heir::GrandMother;
    case Relative::Father: return Heir::Father;
    case Relative::GrandFather: return Heir::GrandFather;
    case Relative::Mother: return Heir::Mother;
    case Relative::Husband: return Heir::Husband;
    case Relative::Wife: return Heir::Wife;
    default:
        break;
    }
    // From Son on, relatives and groups run in the same order, one step apart.
    return static_cast<Heir>(static_cast<int>(r) - 1);
}

AdmittedFamily admitFamily(const CaseRecord &given)
{
    AdmittedFamily f;
    CaseRecord &c = f.record;
    c = given;
    ClearShares(c);
    c.ShareTotal = c.Remainder = c.SharingOption = c.SixthOption = c.ThirdOption = 0;
    c.ThirdOfRemainderOption = c.ReturnBase = 0;
    c.MaleSiblingCount = c.FemaleSiblingCount = 0;

    if (c.HusbandAlive != 0 && c.WifeCount != 0) {
        f.error = "husbandAndWives";
        return f;
    }
    const int maternal = c.MaternalBrotherCount + c.MaternalSisterCount;
    if (maternal != 0 && c.MaternalSiblingCount != 0 && c.MaternalSiblingCount != maternal) {
        f.error = "maternalSiblingCount";
        return f;
    }
    if (maternal != 0)
        c.MaternalSiblingCount = static_cast<std::int16_t>(maternal);
    if (c.GrandFatherAsFather == 1) {
        if (c.FatherAlive == 1 && c.GrandFatherAlive == 1) {
            f.error = "grandFatherAsFatherWithFather";
            return f;
        }
        // The grandfather in the father's place is recorded in the father's
        // fields, as the method window leaves it.
        if (c.GrandFatherAlive == 1) {
            c.GrandFatherAlive = 0;
            c.FatherAlive = 1;
        }
    }

    if (c.FatherAlive == 1 && c.GrandFatherAsFather == 0)
        setAside(f, Relative::GrandFather, Relative::Father);
    if (c.MotherAlive == 1) {
        setAside(f, Relative::MaternalGrandMother, Relative::Mother);
        setAside(f, Relative::ParentalGrandMother, Relative::Mother);
    }
    if (c.SonCount != 0) {
        for (Relative r : {Relative::SonsSon, Relative::SonsDaughter, Relative::SonsSonsSon,
                           Relative::SonsSonsDaughter})
            setAside(f, r, Relative::Son);
    } else if (c.SonsSonCount != 0) {
        setAside(f, Relative::SonsSonsSon, Relative::SonsSon);
        setAside(f, Relative::SonsSonsDaughter, Relative::SonsSon);
    }
    static const Relative males[] = {Relative::Son, Relative::SonsSon, Relative::SonsSonsSon};
    if (const Relative *male = firstPresent(c, males)) {
        for (int r = static_cast<int>(Relative::FullBrother); r < RelativeCount; ++r)
            setAside(f, static_cast<Relative>(r), *male);
        c.MaternalBrotherCount = c.MaternalSisterCount = 0;
    }
    static const Relative descendants[] = {Relative::Son, Relative::Daughter, Relative::SonsSon,
                                           Relative::SonsDaughter, Relative::SonsSonsSon,
                                           Relative::SonsSonsDaughter};
    if (const Relative *d = firstPresent(c, descendants)) {
        setAside(f, Relative::MaternalSibling, *d);
        c.MaternalBrotherCount = c.MaternalSisterCount = 0;
    }
    return f;
}

const char *reasonKey(Reason r)
{
    switch (r) {
    case Reason::ExcludedBy: return "excludedBy";
    case Reason::NothingLeft: return "nothingLeft";
    case Reason::AfterDaughtersTwoThirds: return "afterDaughtersTwoThirds";
    case Reason::AfterSistersTwoThirds: return "afterSistersTwoThirds";
    case Reason::CountedAgainstGrandFather: return "countedAgainstGrandFather";
    case Reason::ExcludedByGrandFatherAsFather: return "excludedByGrandFatherAsFather";
    }
    return "";
}
