// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

// The one inheritance case of a run. Every value lives here under its own
// name; flags and counts are 16-bit signed, shares and working values are
// doubles (1.0 is the whole estate). A group's share is held per head unless
// noted otherwise (WifeShare and GrandMotherShare are whole shares).
struct CaseRecord
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
    double FatherShare = 0;
    double MotherShare = 0;
    double GrandFatherShare = 0;
    double GrandMotherShare = 0;      // whole, for one or both grandmothers
    double HusbandShare = 0;
    double WifeShare = 0;             // whole, for all wives together
    double SonShare = 0;
    double DaughterShare = 0;
    double SonsSonShare = 0;
    double SonsDaughterShare = 0;
    double SonsSonsSonShare = 0;
    double SonsSonsDaughterShare = 0;
    double FullBrotherShare = 0;
    double FullSisterShare = 0;
    double ParentalBrotherShare = 0;
    double ParentalSisterShare = 0;
    double MaternalSiblingShare = 0;
    double BrothersSonShare = 0;
    double ParentalBrothersSonShare = 0;
    double FullUncleShare = 0;
    double ParentalUncleShare = 0;
    double FullUnclesSonShare = 0;
    double ParentalUnclesSonShare = 0;
    double TreasuryShare = 0;

    // Working values of the calculation.
    double ShareTotal = 0;
    double Remainder = 0;
    std::int16_t MaleSiblingCount = 0;
    std::int16_t FemaleSiblingCount = 0;
    double SharingOption = 0;
    double SixthOption = 0;
    double ThirdOption = 0;
    double ThirdOfRemainderOption = 0;
    double ReturnBase = 0;
};

// The program-wide case record.
CaseRecord &theCase();

// Sets the 24 computed shares to 0 (counts, flags and working values stay).
void ClearShares(CaseRecord &c);

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
