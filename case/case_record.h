// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_notes.h"
#include "case/exact.h"

#include <cstdint>
#include <functional>

// What a record carries besides its values: nothing on doubles; the notes of
// the working when the calculation runs on exact numbers.
template <class N>
struct RecordExtras
{
};
template <>
struct RecordExtras<Exact>
{
    CaseNotes notes;
};

// The one inheritance case of a run. Every value lives here under its own
// name; flags and counts are 16-bit signed, shares and working values are
// numbers of type N (1 is the whole estate): doubles for the program, Exact
// for the working of a case. A group's share is held per head unless noted
// otherwise (WifeShare and GrandMotherShare are whole shares).
template <class N>
struct BasicCaseRecord : RecordExtras<N>
{
    // User-interface language: 0 Arabic, 1 English.
    std::int16_t Language = 0;

    // Relatives (flags are 0/1, counts are head counts).
    std::int16_t FatherAlive = 0;
    std::int16_t MotherAlive = 0;
    std::int16_t GrandFatherAlive = 0;
    std::int16_t ParentalGrandMotherAlive = 0;
    std::int16_t MaternalGrandMotherAlive = 0;
    std::int16_t HusbandAlive = 0;
    std::int16_t WifeCount = 0;
    std::int16_t SonCount = 0;
    std::int16_t DaughterCount = 0;
    std::int16_t SonsSonCount = 0;
    std::int16_t SonsDaughterCount = 0;
    std::int16_t SonsSonsSonCount = 0;
    std::int16_t SonsSonsDaughterCount = 0;
    std::int16_t FullBrotherCount = 0;
    std::int16_t FullSisterCount = 0;
    std::int16_t ParentalBrotherCount = 0;
    std::int16_t ParentalSisterCount = 0;
    std::int16_t MaternalBrotherCount = 0;
    std::int16_t MaternalSisterCount = 0;
    std::int16_t MaternalSiblingCount = 0;
    std::int16_t BrothersSonCount = 0;
    std::int16_t ParentalBrothersSonCount = 0;
    std::int16_t FullUncleCount = 0;
    std::int16_t ParentalUncleCount = 0;
    std::int16_t FullUnclesSonCount = 0;
    std::int16_t ParentalUnclesSonCount = 0;
    // 1: the grandfather stands in the father's place (siblings excluded).
    std::int16_t GrandFatherAsFather = 0;

    // Computed shares.
    N FatherShare = 0;
    N MotherShare = 0;
    N GrandFatherShare = 0;
    N GrandMotherShare = 0;      // whole, for one or both grandmothers
    N HusbandShare = 0;
    N WifeShare = 0;             // whole, for all wives together
    N SonShare = 0;
    N DaughterShare = 0;
    N SonsSonShare = 0;
    N SonsDaughterShare = 0;
    N SonsSonsSonShare = 0;
    N SonsSonsDaughterShare = 0;
    N FullBrotherShare = 0;
    N FullSisterShare = 0;
    N ParentalBrotherShare = 0;
    N ParentalSisterShare = 0;
    N MaternalSiblingShare = 0;
    N BrothersSonShare = 0;
    N ParentalBrothersSonShare = 0;
    N FullUncleShare = 0;
    N ParentalUncleShare = 0;
    N FullUnclesSonShare = 0;
    N ParentalUnclesSonShare = 0;
    N TreasuryShare = 0;

    // Working values of the calculation.
    N ShareTotal = 0;
    N Remainder = 0;
    std::int16_t MaleSiblingCount = 0;
    std::int16_t FemaleSiblingCount = 0;
    N SharingOption = 0;
    N SixthOption = 0;
    N ThirdOption = 0;
    N ThirdOfRemainderOption = 0;
    N ReturnBase = 0;
};

using CaseRecord = BasicCaseRecord<double>;
using ExactRecord = BasicCaseRecord<Exact>;

// The same record with exact numbers beside the doubles (counts copied,
// shares and working values converted exactly).
ExactRecord toExact(const CaseRecord &c);
// The doubles of an exact record.
CaseRecord toDouble(const ExactRecord &c);

// A group's head count as the record gives it (1 for the treasury) and its
// whole share.
int headCount(const CaseRecord &c, Heir h);
int headCount(const ExactRecord &c, Heir h);
Exact groupShare(const ExactRecord &c, Heir h);
// The member that holds a group's share.
template <class N>
N BasicCaseRecord<N>::*shareMember(Heir h);

// The program-wide case record.
CaseRecord &theCase();

// Sets the 24 computed shares to 0 (counts, flags and working values stay);
// on an exact record also forgets the notes.
void ClearShares(CaseRecord &c);
void ClearShares(ExactRecord &c);

// Resets the values a collateral questionnaire asks for.
void ClearCollateralCounts(CaseRecord &c);

// The two things the calculation asks of the screen. The windows install
// these; tests install recorders. Unset hooks do nothing.
struct CalculationHooks
{
    // Modal notice that no heir remains; returns once the user closed it.
    std::function<void(const CaseRecord &)> noHeirsNotice;
    // Opens the results window (not modal) once the shares are final.
    std::function<void(const CaseRecord &)> openResults;
};

CalculationHooks &calculationHooks();
