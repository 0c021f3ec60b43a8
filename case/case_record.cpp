// SPDX-License-Identifier: GPL-3.0-or-later
#include "case/case_record.h"

#include <type_traits>

CaseRecord &theCase()
{
    static CaseRecord record;
    return record;
}

namespace {

template <class N>
void clearShares(BasicCaseRecord<N> &c)
{
    c.FatherShare = 0;
    c.MotherShare = 0;
    c.GrandFatherShare = 0;
    c.GrandMotherShare = 0;
    c.SonShare = 0;
    c.DaughterShare = 0;
    c.SonsSonShare = 0;
    c.SonsDaughterShare = 0;
    c.SonsSonsSonShare = 0;
    c.SonsSonsDaughterShare = 0;
    c.WifeShare = 0;
    c.HusbandShare = 0;
    c.FullBrotherShare = 0;
    c.FullSisterShare = 0;
    c.FullUncleShare = 0;
    c.BrothersSonShare = 0;
    c.ParentalBrothersSonShare = 0;
    c.FullUnclesSonShare = 0;
    c.ParentalUncleShare = 0;
    c.ParentalUnclesSonShare = 0;
    c.MaternalSiblingShare = 0;
    c.ParentalSisterShare = 0;
    c.ParentalBrotherShare = 0;
    c.TreasuryShare = 0;
    if constexpr (std::is_same_v<N, Exact>)
        c.notes = CaseNotes{};
}

// Copies the counts and flags, and converts the numbers with `convert`.
template <class To, class From, class F>
BasicCaseRecord<To> convertRecord(const BasicCaseRecord<From> &c, F convert)
{
    BasicCaseRecord<To> r;
#define COPY(n) r.n = c.n
    COPY(Language); COPY(FatherAlive); COPY(MotherAlive); COPY(GrandFatherAlive);
    COPY(ParentalGrandMotherAlive); COPY(MaternalGrandMotherAlive); COPY(HusbandAlive);
    COPY(WifeCount); COPY(SonCount); COPY(DaughterCount); COPY(SonsSonCount);
    COPY(SonsDaughterCount); COPY(SonsSonsSonCount); COPY(SonsSonsDaughterCount);
    COPY(FullBrotherCount); COPY(FullSisterCount); COPY(ParentalBrotherCount);
    COPY(ParentalSisterCount); COPY(MaternalBrotherCount); COPY(MaternalSisterCount);
    COPY(MaternalSiblingCount); COPY(BrothersSonCount); COPY(ParentalBrothersSonCount);
    COPY(FullUncleCount); COPY(ParentalUncleCount); COPY(FullUnclesSonCount);
    COPY(ParentalUnclesSonCount); COPY(GrandFatherAsFather);
    COPY(MaleSiblingCount); COPY(FemaleSiblingCount);
#undef COPY
#define CONVERT(n) r.n = convert(c.n)
    CONVERT(FatherShare); CONVERT(MotherShare); CONVERT(GrandFatherShare); CONVERT(GrandMotherShare);
    CONVERT(HusbandShare); CONVERT(WifeShare); CONVERT(SonShare); CONVERT(DaughterShare);
    CONVERT(SonsSonShare); CONVERT(SonsDaughterShare); CONVERT(SonsSonsSonShare);
    CONVERT(SonsSonsDaughterShare); CONVERT(FullBrotherShare); CONVERT(FullSisterShare);
    CONVERT(ParentalBrotherShare); CONVERT(ParentalSisterShare); CONVERT(MaternalSiblingShare);
    CONVERT(BrothersSonShare); CONVERT(ParentalBrothersSonShare); CONVERT(FullUncleShare);
    CONVERT(ParentalUncleShare); CONVERT(FullUnclesSonShare); CONVERT(ParentalUnclesSonShare);
    CONVERT(TreasuryShare); CONVERT(ShareTotal); CONVERT(Remainder); CONVERT(SharingOption);
    CONVERT(SixthOption); CONVERT(ThirdOption); CONVERT(ThirdOfRemainderOption); CONVERT(ReturnBase);
#undef CONVERT
    return r;
}

} // namespace

void ClearShares(CaseRecord &c)
{
    clearShares(c);
}

void ClearShares(ExactRecord &c)
{
    clearShares(c);
}

ExactRecord toExact(const CaseRecord &c)
{
    // Only whole numbers are exact as they stand; the calculation starts
    // from cleared shares, so a record with fractions converts them as 0.
    return convertRecord<Exact>(c, [](double v) {
        return v == static_cast<double>(static_cast<int>(v)) ? Exact(static_cast<int>(v)) : Exact();
    });
}

CaseRecord toDouble(const ExactRecord &c)
{
    return convertRecord<double>(c, [](const Exact &v) { return v.d; });
}

template <class N>
N BasicCaseRecord<N>::*shareMember(Heir h)
{
    using R = BasicCaseRecord<N>;
    static constexpr N R::*members[HeirCount] = {
        &R::FatherShare, &R::GrandFatherShare, &R::MotherShare, &R::GrandMotherShare,
        &R::HusbandShare, &R::WifeShare, &R::SonShare, &R::DaughterShare, &R::SonsSonShare,
        &R::SonsDaughterShare, &R::SonsSonsSonShare, &R::SonsSonsDaughterShare,
        &R::FullBrotherShare, &R::FullSisterShare, &R::ParentalBrotherShare,
        &R::ParentalSisterShare, &R::MaternalSiblingShare, &R::BrothersSonShare,
        &R::ParentalBrothersSonShare, &R::FullUncleShare, &R::ParentalUncleShare,
        &R::FullUnclesSonShare, &R::ParentalUnclesSonShare, &R::TreasuryShare,
    };
    return members[static_cast<int>(h)];
}

template double CaseRecord::*shareMember<double>(Heir);
template Exact ExactRecord::*shareMember<Exact>(Heir);

namespace {

template <class N>
int heads(const BasicCaseRecord<N> &c, Heir h)
{
    switch (h) {
    case Heir::Father: return c.FatherAlive;
    // The grandfather in the father's place holds the grandfather's line.
    case Heir::GrandFather: return c.GrandFatherAlive != 0 || c.GrandFatherAsFather == 1 ? 1 : 0;
    case Heir::Mother: return c.MotherAlive;
    case Heir::GrandMother: return c.MaternalGrandMotherAlive + c.ParentalGrandMotherAlive;
    case Heir::Husband: return c.HusbandAlive;
    case Heir::Wife: return c.WifeCount;
    case Heir::Son: return c.SonCount;
    case Heir::Daughter: return c.DaughterCount;
    case Heir::SonsSon: return c.SonsSonCount;
    case Heir::SonsDaughter: return c.SonsDaughterCount;
    case Heir::SonsSonsSon: return c.SonsSonsSonCount;
    case Heir::SonsSonsDaughter: return c.SonsSonsDaughterCount;
    case Heir::FullBrother: return c.FullBrotherCount;
    case Heir::FullSister: return c.FullSisterCount;
    case Heir::ParentalBrother: return c.ParentalBrotherCount;
    case Heir::ParentalSister: return c.ParentalSisterCount;
    case Heir::MaternalSibling: return c.MaternalSiblingCount;
    case Heir::BrothersSon: return c.BrothersSonCount;
    case Heir::ParentalBrothersSon: return c.ParentalBrothersSonCount;
    case Heir::FullUncle: return c.FullUncleCount;
    case Heir::ParentalUncle: return c.ParentalUncleCount;
    case Heir::FullUnclesSon: return c.FullUnclesSonCount;
    case Heir::ParentalUnclesSon: return c.ParentalUnclesSonCount;
    case Heir::Treasury: return 1;
    }
    return 0;
}

bool wholeGroupShare(Heir h)
{
    return h == Heir::Wife || h == Heir::GrandMother || h == Heir::Treasury;
}

} // namespace

int headCount(const CaseRecord &c, Heir h) { return heads(c, h); }
int headCount(const ExactRecord &c, Heir h) { return heads(c, h); }

Exact groupShare(const ExactRecord &c, Heir h)
{
    const Exact &s = c.*shareMember<Exact>(h);
    if (wholeGroupShare(h) || s.q.isZero())
        return s;
    const int n = heads(c, h);
    if (n == 1)
        return s;
    return Exact(static_cast<double>(n) * s.d, s.q.times(n));
}

const char *ruleKey(Rule r)
{
    static constexpr const char *keys[RuleCount] = {
        "None",
        "FatherSixth",
        "MotherSixthDescendants",
        "MotherSixthSiblings",
        "MotherThird",
        "MotherThirdOfRemainder",
        "MotherThirdOfRemainderBesideGrandFather",
        "GrandMotherSixth",
        "HusbandHalf",
        "HusbandQuarter",
        "WifeQuarter",
        "WifeEighth",
        "DaughterHalf",
        "DaughtersTwoThirds",
        "SonsDaughterHalf",
        "SonsDaughtersTwoThirds",
        "SonsDaughterSixth",
        "SonsSonsDaughterHalf",
        "SonsSonsDaughtersTwoThirds",
        "SonsSonsDaughterSixth",
        "FullSisterHalf",
        "FullSistersTwoThirds",
        "ParentalSisterHalf",
        "ParentalSistersTwoThirds",
        "ParentalSisterSixth",
        "MaternalSiblingSixth",
        "MaternalSiblingsThird",
        "GrandFatherSixth",
        "Residue",
        "ResidueTwoToOne",
        "ResidueWithLowerMale",
        "ResidueWithDaughters",
        "SixthAndResidue",
        "SiblingsTwoToOne",
        "GrandFatherSharing",
        "GrandFatherThird",
        "GrandFatherBestSixth",
        "GrandFatherThirdOfRemainder",
        "SiblingsAfterGrandFather",
        "FullSisterHalfBesideGrandFather",
        "FullSisterRestBesideGrandFather",
        "ParentalSisterRestBesideGrandFather",
        "SharedThird",
        "Akdariyya",
        "AkdariyyaSister",
    };
    return keys[static_cast<int>(r)];
}

const char *portionKey(Portion p)
{
    static constexpr const char *keys[] = {
        "None",
        "Half",
        "Quarter",
        "Eighth",
        "TwoThirds",
        "Third",
        "Sixth",
        "ThirdOfRemainder",
        "Residue",
        "SixthAndResidue",
        "Sharing",
        "BestSixth",
        "HalfOrRest",
        "Rest",
        "SharedThird",
        "Akdariyya",
    };
    return keys[static_cast<int>(p)];
}

Portion portionOf(Rule r)
{
    switch (r) {
    case Rule::None:
        return Portion::None;
    case Rule::HusbandHalf: case Rule::DaughterHalf: case Rule::SonsDaughterHalf:
    case Rule::SonsSonsDaughterHalf: case Rule::FullSisterHalf: case Rule::ParentalSisterHalf:
        return Portion::Half;
    case Rule::HusbandQuarter: case Rule::WifeQuarter:
        return Portion::Quarter;
    case Rule::WifeEighth:
        return Portion::Eighth;
    case Rule::DaughtersTwoThirds: case Rule::SonsDaughtersTwoThirds:
    case Rule::SonsSonsDaughtersTwoThirds: case Rule::FullSistersTwoThirds:
    case Rule::ParentalSistersTwoThirds:
        return Portion::TwoThirds;
    case Rule::MotherThird: case Rule::MaternalSiblingsThird: case Rule::GrandFatherThird:
        return Portion::Third;
    case Rule::FatherSixth: case Rule::MotherSixthDescendants: case Rule::MotherSixthSiblings:
    case Rule::GrandMotherSixth: case Rule::SonsDaughterSixth: case Rule::SonsSonsDaughterSixth:
    case Rule::ParentalSisterSixth: case Rule::MaternalSiblingSixth: case Rule::GrandFatherSixth:
        return Portion::Sixth;
    case Rule::GrandFatherBestSixth:
        return Portion::BestSixth;
    case Rule::MotherThirdOfRemainder: case Rule::MotherThirdOfRemainderBesideGrandFather:
    case Rule::GrandFatherThirdOfRemainder:
        return Portion::ThirdOfRemainder;
    case Rule::Residue: case Rule::ResidueTwoToOne: case Rule::ResidueWithLowerMale:
    case Rule::ResidueWithDaughters: case Rule::SiblingsAfterGrandFather: case Rule::SiblingsTwoToOne:
        return Portion::Residue;
    case Rule::SixthAndResidue:
        return Portion::SixthAndResidue;
    case Rule::GrandFatherSharing:
        return Portion::Sharing;
    case Rule::FullSisterHalfBesideGrandFather:
        return Portion::HalfOrRest;
    case Rule::FullSisterRestBesideGrandFather: case Rule::ParentalSisterRestBesideGrandFather:
        return Portion::Rest;
    case Rule::SharedThird:
        return Portion::SharedThird;
    case Rule::Akdariyya: case Rule::AkdariyyaSister:
        return Portion::Akdariyya;
    }
    return Portion::None;
}

bool isFixedPortion(Portion p)
{
    switch (p) {
    case Portion::Half: case Portion::Quarter: case Portion::Eighth: case Portion::TwoThirds:
    case Portion::Third: case Portion::Sixth: case Portion::ThirdOfRemainder:
    case Portion::BestSixth: case Portion::HalfOrRest: case Portion::SharedThird:
    case Portion::Akdariyya:
        return true;
    default:
        return false;
    }
}

void ClearCollateralCounts(CaseRecord &c)
{
    c.FullBrotherCount = 0;
    c.FullSisterCount = 0;
    c.FullUncleCount = 0;
    c.BrothersSonCount = 0;
    c.ParentalBrothersSonCount = 0;
    c.FullUnclesSonCount = 0;
    c.ParentalUncleCount = 0;
    c.ParentalUnclesSonCount = 0;
    c.MaternalSiblingCount = 0;
    c.MaternalSisterCount = 0;
    c.ParentalSisterCount = 0;
    c.ParentalBrotherCount = 0;
    c.MaternalBrotherCount = 0;
}

CalculationHooks &calculationHooks()
{
    static CalculationHooks hooks;
    return hooks;
}
