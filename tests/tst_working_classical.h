// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The classical cases of tst_working, each with its whole working: the
// bases (base, 'awl, return, corrected), every group's parts and each
// head's, who receives nothing and why, every group's rule, nominal share,
// kind and fixed share with its marks, and the steps in the order written.

#include <QTest>

namespace workingtest {

inline void addClassicalRows()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("bases");     // base awl return corrected
    QTest::addColumn<QString>("parts");     // group parts/each head's parts
    QTest::addColumn<QString>("excluded");
    QTest::addColumn<QString>("working");   // rule, nominal share, kind, fixed share, marks
    QTest::addColumn<QString>("steps");
    const auto row = [](const char *name, const char *given, const char *bases, const char *parts,
                        const char *excluded, const char *working, const char *steps) {
        QTest::newRow(name) << QString::fromUtf8(given) << QString::fromUtf8(bases) << QString::fromUtf8(parts)
                            << QString::fromUtf8(excluded) << QString::fromUtf8(working) << QString::fromUtf8(steps);
    };

    // The cases a teacher of the science works on the board.
    row("father mother wife son", "FatherAlive=1 MotherAlive=1 WifeCount=1 SonCount=1",
        "24 - - 24", "Father 4/4, Mother 4/4, Wife 3/3, Son 13/13",
        "",
        "Father FatherSixth Sixth fixed 1/6, Mother MotherSixthDescendants Sixth fixed 1/6, Wife WifeEighth Eighth fixed 1/8, Son Residue Residue residue",
        "Father Mother Wife Son");
    row("husband mother two sisters: 'awl to 8", "HusbandAlive=1 MotherAlive=1 FullSisterCount=2",
        "6 8 - 8", "Mother 1/1, Husband 3/3, FullSister 4/2",
        "",
        "Mother MotherSixthSiblings Sixth fixed 1/6 awl, Husband HusbandHalf Half fixed 1/2 awl, FullSister FullSistersTwoThirds TwoThirds fixed 2/3 awl",
        "Mother Husband FullSister; Awl 6>8");
    row("'awl to 7", "HusbandAlive=1 FullSisterCount=2",
        "6 7 - 7", "Husband 3/3, FullSister 4/2",
        "",
        "Husband HusbandHalf Half fixed 1/2 awl, FullSister FullSistersTwoThirds TwoThirds fixed 2/3 awl",
        "Husband FullSister; Awl 6>7");
    row("'awl to 9", "HusbandAlive=1 FullSisterCount=2 MaternalSiblingCount=2",
        "6 9 - 9", "Husband 3/3, FullSister 4/2, MaternalSibling 2/1",
        "",
        "Husband HusbandHalf Half fixed 1/2 awl, FullSister FullSistersTwoThirds TwoThirds fixed 2/3 awl, MaternalSibling MaternalSiblingsThird Third fixed 1/3 awl",
        "Husband FullSister MaternalSibling; Awl 6>9");
    row("'awl to 10", "HusbandAlive=1 MotherAlive=1 FullSisterCount=2 MaternalSiblingCount=2",
        "6 10 - 10", "Mother 1/1, Husband 3/3, FullSister 4/2, MaternalSibling 2/1",
        "",
        "Mother MotherSixthSiblings Sixth fixed 1/6 awl, Husband HusbandHalf Half fixed 1/2 awl, FullSister FullSistersTwoThirds TwoThirds fixed 2/3 awl, MaternalSibling MaternalSiblingsThird Third fixed 1/3 awl",
        "Mother Husband FullSister MaternalSibling; Awl 6>10");
    row("'awl to 13", "WifeCount=1 MotherAlive=1 FullSisterCount=2",
        "12 13 - 13", "Mother 2/2, Wife 3/3, FullSister 8/4",
        "",
        "Mother MotherSixthSiblings Sixth fixed 1/6 awl, Wife WifeQuarter Quarter fixed 1/4 awl, FullSister FullSistersTwoThirds TwoThirds fixed 2/3 awl",
        "Mother Wife FullSister; Awl 12>13");
    row("'awl to 15", "WifeCount=1 FullSisterCount=2 MaternalSiblingCount=2",
        "12 15 - 15", "Wife 3/3, FullSister 8/4, MaternalSibling 4/2",
        "",
        "Wife WifeQuarter Quarter fixed 1/4 awl, FullSister FullSistersTwoThirds TwoThirds fixed 2/3 awl, MaternalSibling MaternalSiblingsThird Third fixed 1/3 awl",
        "Wife FullSister MaternalSibling; Awl 12>15");
    row("'awl to 17", "WifeCount=3 MotherAlive=1 FullSisterCount=2 MaternalSiblingCount=2",
        "12 17 - 17", "Mother 2/2, Wife 3/1, FullSister 8/4, MaternalSibling 4/2",
        "",
        "Mother MotherSixthSiblings Sixth fixed 1/6 awl, Wife WifeQuarter Quarter fixed 1/4 awl, FullSister FullSistersTwoThirds TwoThirds fixed 2/3 awl, MaternalSibling MaternalSiblingsThird Third fixed 1/3 awl",
        "Mother Wife FullSister MaternalSibling; Awl 12>17");
    row("al-Minbariyya: 'awl to 27", "WifeCount=1 DaughterCount=2 FatherAlive=1 MotherAlive=1",
        "24 27 - 27", "Father 4/4, Mother 4/4, Wife 3/3, Daughter 16/8",
        "",
        "Father FatherSixth Sixth fixed 1/6 awl, Mother MotherSixthDescendants Sixth fixed 1/6 awl, Wife WifeEighth Eighth fixed 1/8 awl, Daughter DaughtersTwoThirds TwoThirds fixed 2/3 awl",
        "Father Mother Wife Daughter; Minbariyya; Awl 24>27");
    row("al-Akdariyya", "HusbandAlive=1 MotherAlive=1 GrandFatherAlive=1 FullSisterCount=1",
        "6 9 - 27", "GrandFather 8/8, Mother 6/6, Husband 9/9, FullSister 4/4",
        "",
        "GrandFather Akdariyya Sixth fixed 1/6 awl, Mother MotherThird Third fixed 1/3 awl, Husband HusbandHalf Half fixed 1/2 awl, FullSister AkdariyyaSister Half fixed 1/2 awl",
        "Method2; GrandFather Mother Husband FullSister; Akdariyya; Awl 6>9; Correction 9>27");
    row("case of 27 with a brother is not al-Akdariyya", "GrandFatherAlive=1 HusbandAlive=1 MotherAlive=1 FullSisterCount=1 ParentalBrotherCount=1",
        "6 - - 6", "GrandFather 1/1, Mother 1/1, Husband 3/3, FullSister 1/1",
        "ParentalBrother countedAgainstGrandFather",
        "GrandFather GrandFatherBestSixth BestSixth fixed 1/6, Mother MotherSixthSiblings Sixth fixed 1/6, Husband HusbandHalf Half fixed 1/2, FullSister FullSisterRestBesideGrandFather Rest residue",
        "Method2; GrandFather Mother Husband FullSister; Muadda");
    row("al-Mu'adda", "GrandFatherAlive=1 FullSisterCount=1 ParentalBrotherCount=1",
        "5 - - 10", "GrandFather 4/4, FullSister 5/5, ParentalBrother 1/1",
        "",
        "GrandFather GrandFatherSharing Sharing residue, FullSister FullSisterHalfBesideGrandFather HalfOrRest fixed 1/2, ParentalBrother SiblingsAfterGrandFather Residue residue",
        "Method2; FullSister GrandFather ParentalBrother; Muadda; Correction 5>10");
    row("return without a spouse", "MotherAlive=1 DaughterCount=1",
        "6 - 4 4", "Mother 1/1, Daughter 3/3",
        "",
        "Mother MotherSixthDescendants Sixth fixed 1/6 returned, Daughter DaughterHalf Half fixed 1/2 returned",
        "Mother Daughter; Return 6>4");
    row("return with a spouse", "WifeCount=1 MotherAlive=1 DaughterCount=1",
        "24 - 4 32", "Mother 7/7, Wife 4/4, Daughter 21/21",
        "",
        "Mother MotherSixthDescendants Sixth fixed 1/6 returned, Wife WifeEighth Eighth fixed 1/8, Daughter DaughterHalf Half fixed 1/2 returned",
        "Mother Wife Daughter; ReturnWithSpouse 8+4>32");
    row("return to the maternal siblings beside a husband", "HusbandAlive=1 MaternalSiblingCount=2",
        "6 - 2 4", "Husband 2/2, MaternalSibling 2/1",
        "",
        "Husband HusbandHalf Half fixed 1/2, MaternalSibling MaternalSiblingsThird Third fixed 1/3 returned",
        "Husband MaternalSibling; ReturnWithSpouse 2+2>4");
    row("return to one maternal sibling alone", "MaternalSiblingCount=1",
        "6 - 1 1", "MaternalSibling 1/1",
        "",
        "MaternalSibling MaternalSiblingSixth Sixth fixed 1/6 returned",
        "MaternalSibling; Return 6>1");
    row("the treasury takes the rest", "WifeCount=1",
        "4 - - 4", "Wife 4/4",
        "",
        "Wife WifeQuarter Quarter fixed 1/4 rest",
        "Wife; RestToSpouse");
    row("daughters and brothers: correction over one group", "DaughterCount=3 FullBrotherCount=2",
        "3 - - 18", "Daughter 12/4, FullBrother 6/3",
        "",
        "Daughter DaughtersTwoThirds TwoThirds fixed 2/3, FullBrother Residue Residue residue",
        "Daughter FullBrother; Correction 3>18");
    row("correction over two groups", "WifeCount=4 DaughterCount=3 FullBrotherCount=5",
        "24 - - 288", "Wife 36/9, Daughter 192/64, FullBrother 60/12",
        "",
        "Wife WifeEighth Eighth fixed 1/8, Daughter DaughtersTwoThirds TwoThirds fixed 2/3, FullBrother Residue Residue residue",
        "Wife Daughter FullBrother; Correction 24>288");
    row("residuaries only", "SonCount=3 DaughterCount=2",
        "8 - - 8", "Son 6/2, Daughter 2/1",
        "",
        "Son ResidueTwoToOne Residue residue, Daughter ResidueTwoToOne Residue residue",
        "Son Daughter");
    row("al-Mushtaraka", "HusbandAlive=1 MotherAlive=1 MaternalSiblingCount=2 FullBrotherCount=1",
        "6 - - 18", "Mother 3/3, Husband 9/9, FullBrother 2/2, MaternalSibling 4/2",
        "",
        "Mother MotherSixthSiblings Sixth fixed 1/6, Husband HusbandHalf Half fixed 1/2, FullBrother SharedThird SharedThird fixed 1/9, MaternalSibling SharedThird SharedThird fixed 2/9",
        "Mother Husband FullBrother MaternalSibling; Mushtaraka; Correction 6>18");
    row("one maternal sibling is no shared case", "HusbandAlive=1 MotherAlive=1 MaternalSiblingCount=1 FullBrotherCount=2",
        "6 - - 12", "Mother 2/2, Husband 6/6, FullBrother 2/1, MaternalSibling 2/2",
        "",
        "Mother MotherSixthSiblings Sixth fixed 1/6, Husband HusbandHalf Half fixed 1/2, FullBrother Residue Residue residue, MaternalSibling MaternalSiblingSixth Sixth fixed 1/6",
        "Mother Husband MaternalSibling FullBrother; Correction 6>12");
    row("al-'Umariyya with the husband", "HusbandAlive=1 FatherAlive=1 MotherAlive=1",
        "6 - - 6", "Father 2/2, Mother 1/1, Husband 3/3",
        "",
        "Father Residue Residue residue, Mother MotherThirdOfRemainder ThirdOfRemainder fixed 1/6, Husband HusbandHalf Half fixed 1/2",
        "Mother Husband Father; Umariyya");
    row("al-'Umariyya with the wife", "WifeCount=1 FatherAlive=1 MotherAlive=1",
        "4 - - 4", "Father 2/2, Mother 1/1, Wife 1/1",
        "",
        "Father Residue Residue residue, Mother MotherThirdOfRemainder ThirdOfRemainder fixed 1/4, Wife WifeQuarter Quarter fixed 1/4",
        "Mother Wife Father; Umariyya");
    row("sons' daughters complete two thirds", "DaughterCount=1 SonsDaughterCount=2 FullBrotherCount=1",
        "6 - - 12", "Daughter 6/6, SonsDaughter 2/1, FullBrother 4/4",
        "",
        "Daughter DaughterHalf Half fixed 1/2, SonsDaughter SonsDaughterSixth Sixth fixed 1/6, FullBrother Residue Residue residue",
        "Daughter SonsDaughter FullBrother; Correction 6>12");
    row("sister with daughters excludes the paternal brother", "DaughterCount=2 FullSisterCount=1 ParentalBrotherCount=1",
        "3 - - 3", "Daughter 2/1, FullSister 1/1",
        "ParentalBrother excludedBy FullSister",
        "Daughter DaughtersTwoThirds TwoThirds fixed 2/3, FullSister ResidueWithDaughters Residue residue",
        "Daughter FullSister");
    row("father: a sixth and the residue", "FatherAlive=1 DaughterCount=1",
        "6 - - 6", "Father 3/3, Daughter 3/3",
        "",
        "Father SixthAndResidue SixthAndResidue residue 1/6, Daughter DaughterHalf Half fixed 1/2",
        "Father Daughter");
    row("full uncle excludes paternal uncle", "WifeCount=1 FullUncleCount=3 ParentalUncleCount=2",
        "4 - - 4", "Wife 1/1, FullUncle 3/1",
        "ParentalUncle excludedBy FullUncle",
        "Wife WifeQuarter Quarter fixed 1/4, FullUncle Residue Residue residue",
        "Wife FullUncle");
    row("sons' daughters after the daughters' two thirds", "DaughterCount=2 SonsDaughterCount=1 FullUncleCount=1",
        "3 - - 3", "Daughter 2/1, FullUncle 1/1",
        "SonsDaughter afterDaughtersTwoThirds",
        "Daughter DaughtersTwoThirds TwoThirds fixed 2/3, FullUncle Residue Residue residue",
        "Daughter FullUncle");
    row("paternal sisters after the full sisters' two thirds", "FullSisterCount=2 ParentalSisterCount=1 FullUncleCount=1",
        "3 - - 3", "FullSister 2/1, FullUncle 1/1",
        "ParentalSister afterSistersTwoThirds",
        "FullSister FullSistersTwoThirds TwoThirds fixed 2/3, FullUncle Residue Residue residue",
        "FullSister FullUncle");
    row("a residuary with nothing left", "HusbandAlive=1 MotherAlive=1 FullSisterCount=2 FullUncleCount=1",
        "6 8 - 8", "Mother 1/1, Husband 3/3, FullSister 4/2",
        "FullUncle nothingLeft",
        "Mother MotherSixthSiblings Sixth fixed 1/6 awl, Husband HusbandHalf Half fixed 1/2 awl, FullSister FullSistersTwoThirds TwoThirds fixed 2/3 awl",
        "Mother Husband FullSister; Awl 6>8");
    row("first method: the grandfather excludes the siblings", "GrandFatherAlive=1 GrandFatherAsFather=1 MotherAlive=1 FullBrotherCount=2",
        "6 - - 6", "GrandFather 5/5, Mother 1/1",
        "FullBrother excludedByGrandFatherAsFather GrandFather",
        "GrandFather Residue Residue residue, Mother MotherSixthSiblings Sixth fixed 1/6",
        "Method1; Mother GrandFather");
    // The family as given: what the questionnaires would never ask is set
    // aside, with the heir who shuts it out.
    row("mother and grandmother given", "MotherAlive=1 MaternalGrandMotherAlive=1 FullUncleCount=1",
        "3 - - 3", "Mother 1/1, FullUncle 2/2",
        "MaternalGrandMother excludedBy Mother",
        "Mother MotherThird Third fixed 1/3, FullUncle Residue Residue residue",
        "Mother FullUncle");
    row("father and grandfather given", "FatherAlive=1 GrandFatherAlive=1 SonCount=1",
        "6 - - 6", "Father 1/1, Son 5/5",
        "GrandFather excludedBy Father",
        "Father FatherSixth Sixth fixed 1/6, Son Residue Residue residue",
        "Father Son");
    row("brothers and grandsons beside a son", "SonCount=1 SonsSonCount=2 FullBrotherCount=1 MaternalSiblingCount=3",
        "1 - - 1", "Son 1/1",
        "SonsSon excludedBy Son, FullBrother excludedBy Son, MaternalSibling excludedBy Son",
        "Son Residue Residue residue",
        "Son");
    row("maternal siblings beside a daughter", "DaughterCount=1 MaternalSiblingCount=2 FullUncleCount=1",
        "2 - - 2", "Daughter 1/1, FullUncle 1/1",
        "MaternalSibling excludedBy Daughter",
        "Daughter DaughterHalf Half fixed 1/2, FullUncle Residue Residue residue",
        "Daughter FullUncle");
    // The ten families of the mutation pass and their neighbours: the
    // grandfather's comparison, the lower generations, the father's sixth,
    // who shuts out whom, the return beside a wife, al-Akdariyya.
    row("grandfather, full brother, two full sisters: the third", "GrandFatherAlive=1 FullBrotherCount=1 FullSisterCount=2",
        "3 - - 6", "GrandFather 2/2, FullBrother 2/2, FullSister 2/1",
        "",
        "GrandFather GrandFatherThird Third fixed 1/3, FullBrother SiblingsAfterGrandFather Residue residue, FullSister SiblingsAfterGrandFather Residue residue",
        "Method2; GrandFather FullBrother FullSister; Correction 3>6");
    row("grandfather, two full brothers, full sister: the third", "GrandFatherAlive=1 FullBrotherCount=2 FullSisterCount=1",
        "3 - - 15", "GrandFather 5/5, FullBrother 8/4, FullSister 2/2",
        "",
        "GrandFather GrandFatherThird Third fixed 1/3, FullBrother SiblingsAfterGrandFather Residue residue, FullSister SiblingsAfterGrandFather Residue residue",
        "Method2; GrandFather FullBrother FullSister; Correction 3>15");
    row("mother, grandfather, full brother, two full sisters", "GrandFatherAlive=1 MotherAlive=1 FullBrotherCount=1 FullSisterCount=2",
        "6 - - 36", "GrandFather 10/10, Mother 6/6, FullBrother 10/10, FullSister 10/5",
        "",
        "GrandFather GrandFatherSharing Sharing residue, Mother MotherSixthSiblings Sixth fixed 1/6, FullBrother SiblingsAfterGrandFather Residue residue, FullSister SiblingsAfterGrandFather Residue residue",
        "Method2; Mother GrandFather FullBrother FullSister; Correction 6>36");
    row("daughter, son's daughter, son's son's daughter: return", "DaughterCount=1 SonsDaughterCount=1 SonsSonsDaughterCount=1",
        "6 - 4 4", "Daughter 3/3, SonsDaughter 1/1",
        "SonsSonsDaughter afterDaughtersTwoThirds",
        "Daughter DaughterHalf Half fixed 1/2 returned, SonsDaughter SonsDaughterSixth Sixth fixed 1/6 returned",
        "Daughter SonsDaughter; Return 6>4");
    row("daughter, two sons' daughters, son's son's daughter", "DaughterCount=1 SonsDaughterCount=2 SonsSonsDaughterCount=1",
        "6 - 4 8", "Daughter 6/6, SonsDaughter 2/1",
        "SonsSonsDaughter afterDaughtersTwoThirds",
        "Daughter DaughterHalf Half fixed 1/2 returned, SonsDaughter SonsDaughterSixth Sixth fixed 1/6 returned",
        "Daughter SonsDaughter; Return 6>4; Correction 4>8");
    row("daughter, son's daughter, son's son's son and daughter", "DaughterCount=1 SonsDaughterCount=1 SonsSonsSonCount=1 SonsSonsDaughterCount=1",
        "6 - - 18", "Daughter 9/9, SonsDaughter 3/3, SonsSonsSon 4/4, SonsSonsDaughter 2/2",
        "",
        "Daughter DaughterHalf Half fixed 1/2, SonsDaughter SonsDaughterSixth Sixth fixed 1/6, SonsSonsSon ResidueTwoToOne Residue residue, SonsSonsDaughter ResidueTwoToOne Residue residue",
        "Daughter SonsDaughter SonsSonsSon SonsSonsDaughter; Correction 6>18");
    row("father, mother, two great-granddaughters: his sixth alone", "FatherAlive=1 MotherAlive=1 SonsSonsDaughterCount=2",
        "6 - - 6", "Father 1/1, Mother 1/1, SonsSonsDaughter 4/2",
        "",
        "Father FatherSixth Sixth fixed 1/6, Mother MotherSixthDescendants Sixth fixed 1/6, SonsSonsDaughter SonsSonsDaughtersTwoThirds TwoThirds fixed 2/3",
        "Father Mother SonsSonsDaughter");
    row("father, mother, one great-granddaughter: a sixth and the residue", "FatherAlive=1 MotherAlive=1 SonsSonsDaughterCount=1",
        "6 - - 6", "Father 2/2, Mother 1/1, SonsSonsDaughter 3/3",
        "",
        "Father SixthAndResidue SixthAndResidue residue 1/6, Mother MotherSixthDescendants Sixth fixed 1/6, SonsSonsDaughter SonsSonsDaughterHalf Half fixed 1/2",
        "Father Mother SonsSonsDaughter");
    row("wife, father, mother, two great-granddaughters: like al-Minbariyya", "WifeCount=1 FatherAlive=1 MotherAlive=1 SonsSonsDaughterCount=2",
        "24 27 - 27", "Father 4/4, Mother 4/4, Wife 3/3, SonsSonsDaughter 16/8",
        "",
        "Father FatherSixth Sixth fixed 1/6 awl, Mother MotherSixthDescendants Sixth fixed 1/6 awl, Wife WifeEighth Eighth fixed 1/8 awl, SonsSonsDaughter SonsSonsDaughtersTwoThirds TwoThirds fixed 2/3 awl",
        "Father Mother Wife SonsSonsDaughter; Minbariyya; Awl 24>27");
    row("grandfather, two full brothers: the third, equal to sharing", "GrandFatherAlive=1 FullBrotherCount=2",
        "3 - - 3", "GrandFather 1/1, FullBrother 2/1",
        "",
        "GrandFather GrandFatherThird Third fixed 1/3, FullBrother SiblingsAfterGrandFather Residue residue",
        "Method2; GrandFather FullBrother");
    row("grandfather, three full brothers: the third", "GrandFatherAlive=1 FullBrotherCount=3",
        "3 - - 9", "GrandFather 3/3, FullBrother 6/2",
        "",
        "GrandFather GrandFatherThird Third fixed 1/3, FullBrother SiblingsAfterGrandFather Residue residue",
        "Method2; GrandFather FullBrother; Correction 3>9");
    row("mother, grandfather, two full brothers: sharing, equal to the rest's third", "GrandFatherAlive=1 MotherAlive=1 FullBrotherCount=2",
        "6 - - 18", "GrandFather 5/5, Mother 3/3, FullBrother 10/5",
        "",
        "GrandFather GrandFatherSharing Sharing residue, Mother MotherSixthSiblings Sixth fixed 1/6, FullBrother SiblingsAfterGrandFather Residue residue",
        "Method2; Mother GrandFather FullBrother; Correction 6>18");
    row("grandfather, full brother: no al-Mu'adda", "GrandFatherAlive=1 FullBrotherCount=1",
        "2 - - 2", "GrandFather 1/1, FullBrother 1/1",
        "",
        "GrandFather GrandFatherSharing Sharing residue, FullBrother SiblingsAfterGrandFather Residue residue",
        "Method2; GrandFather FullBrother");
    row("grandfather, full brother, paternal brother: al-Mu'adda", "GrandFatherAlive=1 FullBrotherCount=1 ParentalBrotherCount=1",
        "3 - - 3", "GrandFather 1/1, FullBrother 2/2",
        "ParentalBrother countedAgainstGrandFather",
        "GrandFather GrandFatherThird Third fixed 1/3, FullBrother SiblingsAfterGrandFather Residue residue",
        "Method2; GrandFather FullBrother; Muadda");
    row("son's son shuts out the son's son's son", "SonsSonCount=1 SonsSonsSonCount=1",
        "1 - - 1", "SonsSon 1/1",
        "SonsSonsSon excludedBy SonsSon",
        "SonsSon Residue Residue residue",
        "SonsSon");
    row("son shuts out the son's son's son", "SonCount=1 SonsSonsSonCount=1",
        "1 - - 1", "Son 1/1",
        "SonsSonsSon excludedBy Son",
        "Son Residue Residue residue",
        "Son");
    row("son's son shuts out the son's son's daughter", "SonsSonCount=1 SonsSonsDaughterCount=2",
        "1 - - 1", "SonsSon 1/1",
        "SonsSonsDaughter excludedBy SonsSon",
        "SonsSon Residue Residue residue",
        "SonsSon");
    row("full brother shuts out the paternal brother", "FullBrotherCount=1 ParentalBrotherCount=1",
        "1 - - 1", "FullBrother 1/1",
        "ParentalBrother excludedBy FullBrother",
        "FullBrother Residue Residue residue",
        "FullBrother");
    row("wife, full brother, paternal brother and sister", "WifeCount=1 FullBrotherCount=1 ParentalBrotherCount=1 ParentalSisterCount=1",
        "4 - - 4", "Wife 1/1, FullBrother 3/3",
        "ParentalBrother excludedBy FullBrother, ParentalSister excludedBy FullBrother",
        "Wife WifeQuarter Quarter fixed 1/4, FullBrother Residue Residue residue",
        "Wife FullBrother");
    row("'awl: a full brother with nothing names no one", "HusbandAlive=1 MotherAlive=1 DaughterCount=2 FullBrotherCount=1 ParentalBrotherCount=1",
        "12 13 - 13", "Mother 2/2, Husband 3/3, Daughter 8/4",
        "FullBrother nothingLeft, ParentalBrother nothingLeft",
        "Mother MotherSixthDescendants Sixth fixed 1/6 awl, Husband HusbandQuarter Quarter fixed 1/4 awl, Daughter DaughtersTwoThirds TwoThirds fixed 2/3 awl",
        "Mother Husband Daughter; Awl 12>13");
    row("grandfather shuts out the maternal siblings", "GrandFatherAlive=1 MaternalSiblingCount=2",
        "1 - - 1", "GrandFather 1/1",
        "MaternalSibling excludedBy GrandFather",
        "GrandFather Residue Residue residue",
        "GrandFather");
    row("first method: the grandfather shuts out the maternal sibling", "GrandFatherAlive=1 GrandFatherAsFather=1 MaternalSiblingCount=1",
        "1 - - 1", "GrandFather 1/1",
        "MaternalSibling excludedBy GrandFather",
        "GrandFather Residue Residue residue",
        "GrandFather");
    row("mother, wife, maternal sibling: return beside the wife", "MotherAlive=1 WifeCount=1 MaternalSiblingCount=1",
        "12 - 3 4", "Mother 2/2, Wife 1/1, MaternalSibling 1/1",
        "",
        "Mother MotherThird Third fixed 1/3 returned, Wife WifeQuarter Quarter fixed 1/4, MaternalSibling MaternalSiblingSixth Sixth fixed 1/6 returned",
        "Mother Wife MaternalSibling; ReturnWithSpouse 4+3>4");
    row("mother, wife, two maternal siblings", "MotherAlive=1 WifeCount=1 MaternalSiblingCount=2",
        "12 - 3 4", "Mother 1/1, Wife 1/1, MaternalSibling 2/1",
        "",
        "Mother MotherSixthSiblings Sixth fixed 1/6 returned, Wife WifeQuarter Quarter fixed 1/4, MaternalSibling MaternalSiblingsThird Third fixed 1/3 returned",
        "Mother Wife MaternalSibling; ReturnWithSpouse 4+3>4");
    row("mother, two wives, maternal sibling", "MotherAlive=1 WifeCount=2 MaternalSiblingCount=1",
        "12 - 3 8", "Mother 4/4, Wife 2/1, MaternalSibling 2/2",
        "",
        "Mother MotherThird Third fixed 1/3 returned, Wife WifeQuarter Quarter fixed 1/4, MaternalSibling MaternalSiblingSixth Sixth fixed 1/6 returned",
        "Mother Wife MaternalSibling; ReturnWithSpouse 4+3>4; Correction 4>8");
    row("al-Akdariyya with the paternal sister", "HusbandAlive=1 MotherAlive=1 GrandFatherAlive=1 ParentalSisterCount=1",
        "6 9 - 27", "GrandFather 8/8, Mother 6/6, Husband 9/9, ParentalSister 4/4",
        "",
        "GrandFather Akdariyya Sixth fixed 1/6 awl, Mother MotherThird Third fixed 1/3 awl, Husband HusbandHalf Half fixed 1/2 awl, ParentalSister AkdariyyaSister Half fixed 1/2 awl",
        "Method2; GrandFather Mother Husband ParentalSister; Akdariyya; Awl 6>9; Correction 9>27");
    row("husband, mother, grandfather, two full sisters: no al-Akdariyya", "HusbandAlive=1 MotherAlive=1 GrandFatherAlive=1 FullSisterCount=2",
        "6 - - 12", "GrandFather 2/2, Mother 2/2, Husband 6/6, FullSister 2/1",
        "",
        "GrandFather GrandFatherSharing Sharing residue, Mother MotherSixthSiblings Sixth fixed 1/6, Husband HusbandHalf Half fixed 1/2, FullSister FullSisterRestBesideGrandFather Rest residue",
        "Method2; Mother Husband GrandFather FullSister; Correction 6>12");
    // The working as the books write it: heads where the grandfather shares
    // and no fixed share stands; the return of one class from its heads; the
    // spouse's case combined with the return case; reduction.
    row("grandfather, full sister: heads 3", "GrandFatherAlive=1 FullSisterCount=1",
        "3 - - 3", "GrandFather 2/2, FullSister 1/1",
        "",
        "GrandFather GrandFatherSharing Sharing residue, FullSister FullSisterRestBesideGrandFather Rest residue",
        "Method2; GrandFather FullSister");
    row("grandfather, paternal sister: worded as the full sister", "GrandFatherAlive=1 ParentalSisterCount=1",
        "3 - - 3", "GrandFather 2/2, ParentalSister 1/1",
        "",
        "GrandFather GrandFatherSharing Sharing residue, ParentalSister ParentalSisterRestBesideGrandFather Rest residue",
        "Method2; GrandFather ParentalSister");
    row("grandfather, two full sisters: heads 4", "GrandFatherAlive=1 FullSisterCount=2",
        "4 - - 4", "GrandFather 2/2, FullSister 2/1",
        "",
        "GrandFather GrandFatherSharing Sharing residue, FullSister FullSisterRestBesideGrandFather Rest residue",
        "Method2; GrandFather FullSister");
    row("grandfather, full brother and sister: heads 5", "GrandFatherAlive=1 FullBrotherCount=1 FullSisterCount=1",
        "5 - - 5", "GrandFather 2/2, FullBrother 2/2, FullSister 1/1",
        "",
        "GrandFather GrandFatherSharing Sharing residue, FullBrother SiblingsAfterGrandFather Residue residue, FullSister SiblingsAfterGrandFather Residue residue",
        "Method2; GrandFather FullBrother FullSister");
    row("al-'Ishriniyya: grandfather, full sister, two paternal sisters", "GrandFatherAlive=1 FullSisterCount=1 ParentalSisterCount=2",
        "5 - - 20", "GrandFather 8/8, FullSister 10/10, ParentalSister 2/1",
        "",
        "GrandFather GrandFatherSharing Sharing residue, FullSister FullSisterHalfBesideGrandFather HalfOrRest fixed 1/2, ParentalSister ParentalSisterRestBesideGrandFather Rest residue",
        "Method2; FullSister GrandFather ParentalSister; Muadda; Correction 5>20");
    row("grandfather, full sister, paternal sister: nothing left for her", "GrandFatherAlive=1 FullSisterCount=1 ParentalSisterCount=1",
        "4 - - 4", "GrandFather 2/2, FullSister 2/2",
        "ParentalSister countedAgainstGrandFather",
        "GrandFather GrandFatherSharing Sharing residue, FullSister FullSisterHalfBesideGrandFather HalfOrRest fixed 1/2",
        "Method2; FullSister GrandFather; Muadda");
    row("wife, grandfather, full sister, two paternal sisters: less than her half", "GrandFatherAlive=1 WifeCount=1 FullSisterCount=1 ParentalSisterCount=2",
        "4 - - 20", "GrandFather 6/6, Wife 5/5, FullSister 9/9",
        "ParentalSister countedAgainstGrandFather",
        "GrandFather GrandFatherSharing Sharing residue, Wife WifeQuarter Quarter fixed 1/4, FullSister FullSisterRestBesideGrandFather Rest residue",
        "Method2; Wife GrandFather FullSister; Muadda; Correction 4>20");
    row("three daughters: the return from their heads", "DaughterCount=3",
        "3 - 3 3", "Daughter 3/1",
        "",
        "Daughter DaughtersTwoThirds TwoThirds fixed 2/3 returned",
        "Daughter; Return 3>3");
    row("five sons' daughters: the return from their heads", "SonsDaughterCount=5",
        "3 - 5 5", "SonsDaughter 5/1",
        "",
        "SonsDaughter SonsDaughtersTwoThirds TwoThirds fixed 2/3 returned",
        "SonsDaughter; Return 3>5");
    row("wife, three daughters: the spouse's case and the heads", "WifeCount=1 DaughterCount=3",
        "24 - 3 24", "Wife 3/3, Daughter 21/7",
        "",
        "Wife WifeEighth Eighth fixed 1/8, Daughter DaughtersTwoThirds TwoThirds fixed 2/3 returned",
        "Wife Daughter; ReturnWithSpouse 8+3>24");
    row("two wives, three daughters: then the correction", "WifeCount=2 DaughterCount=3",
        "24 - 3 48", "Wife 6/3, Daughter 42/14",
        "",
        "Wife WifeEighth Eighth fixed 1/8, Daughter DaughtersTwoThirds TwoThirds fixed 2/3 returned",
        "Wife Daughter; ReturnWithSpouse 8+3>24; Correction 24>48");
    row("grandfather alone: the residue", "GrandFatherAlive=1",
        "1 - - 1", "GrandFather 1/1",
        "",
        "GrandFather Residue Residue residue",
        "GrandFather");
    row("wife, grandfather: the residue", "WifeCount=1 GrandFatherAlive=1",
        "4 - - 4", "GrandFather 3/3, Wife 1/1",
        "",
        "GrandFather Residue Residue residue, Wife WifeQuarter Quarter fixed 1/4",
        "Wife GrandFather");
    row("mother, grandfather: the residue", "MotherAlive=1 GrandFatherAlive=1",
        "3 - - 3", "GrandFather 2/2, Mother 1/1",
        "",
        "GrandFather Residue Residue residue, Mother MotherThird Third fixed 1/3",
        "Mother GrandFather");
    row("first method: husband, mother, grandfather", "GrandFatherAlive=1 GrandFatherAsFather=1 MotherAlive=1 HusbandAlive=1",
        "6 - - 6", "GrandFather 2/2, Mother 1/1, Husband 3/3",
        "",
        "GrandFather Residue Residue residue, Mother MotherThirdOfRemainderBesideGrandFather ThirdOfRemainder fixed 1/6, Husband HusbandHalf Half fixed 1/2",
        "Mother Husband GrandFather");
    row("daughter, full brother and sister: 4:176", "DaughterCount=1 FullBrotherCount=1 FullSisterCount=1",
        "2 - - 6", "Daughter 3/3, FullBrother 2/2, FullSister 1/1",
        "",
        "Daughter DaughterHalf Half fixed 1/2, FullBrother SiblingsTwoToOne Residue residue, FullSister SiblingsTwoToOne Residue residue",
        "Daughter FullBrother FullSister; Correction 2>6");
    row("daughters, full sister, paternal brother, nephew, uncle", "DaughterCount=2 FullSisterCount=1 ParentalBrotherCount=1 BrothersSonCount=1 FullUncleCount=1",
        "3 - - 3", "Daughter 2/1, FullSister 1/1",
        "ParentalBrother excludedBy FullSister, BrothersSon excludedBy FullSister, FullUncle excludedBy FullSister",
        "Daughter DaughtersTwoThirds TwoThirds fixed 2/3, FullSister ResidueWithDaughters Residue residue",
        "Daughter FullSister");
    row("daughter, paternal sisters, paternal nephew, uncle", "DaughterCount=1 ParentalSisterCount=2 ParentalBrothersSonCount=1 FullUncleCount=1",
        "2 - - 4", "Daughter 2/2, ParentalSister 2/1",
        "ParentalBrothersSon excludedBy ParentalSister, FullUncle excludedBy ParentalSister",
        "Daughter DaughterHalf Half fixed 1/2, ParentalSister ResidueWithDaughters Residue residue",
        "Daughter ParentalSister; Correction 2>4");
    row("'awl: the nephew with nothing names no one", "HusbandAlive=1 FullSisterCount=2 BrothersSonCount=1 FullUncleCount=1",
        "6 7 - 7", "Husband 3/3, FullSister 4/2",
        "BrothersSon nothingLeft, FullUncle nothingLeft",
        "Husband HusbandHalf Half fixed 1/2 awl, FullSister FullSistersTwoThirds TwoThirds fixed 2/3 awl",
        "Husband FullSister; Awl 6>7");
    row("'awl: son's son and son's daughter, nothing left", "HusbandAlive=1 FatherAlive=1 MotherAlive=1 DaughterCount=2 SonsSonCount=1 SonsDaughterCount=1",
        "12 15 - 15", "Father 2/2, Mother 2/2, Husband 3/3, Daughter 8/4",
        "SonsSon nothingLeft, SonsDaughter nothingLeft",
        "Father FatherSixth Sixth fixed 1/6 awl, Mother MotherSixthDescendants Sixth fixed 1/6 awl, Husband HusbandQuarter Quarter fixed 1/4 awl, Daughter DaughtersTwoThirds TwoThirds fixed 2/3 awl",
        "Father Mother Husband Daughter; Awl 12>15");
    row("'awl: paternal brother and sister, nothing left", "HusbandAlive=1 FullSisterCount=2 ParentalBrotherCount=1 ParentalSisterCount=1",
        "6 7 - 7", "Husband 3/3, FullSister 4/2",
        "ParentalBrother nothingLeft, ParentalSister nothingLeft",
        "Husband HusbandHalf Half fixed 1/2 awl, FullSister FullSistersTwoThirds TwoThirds fixed 2/3 awl",
        "Husband FullSister; Awl 6>7");
    row("wife, daughter, son's daughter, father, mother: 27, not al-Minbariyya", "WifeCount=1 DaughterCount=1 SonsDaughterCount=1 FatherAlive=1 MotherAlive=1",
        "24 27 - 27", "Father 4/4, Mother 4/4, Wife 3/3, Daughter 12/12, SonsDaughter 4/4",
        "",
        "Father FatherSixth Sixth fixed 1/6 awl, Mother MotherSixthDescendants Sixth fixed 1/6 awl, Wife WifeEighth Eighth fixed 1/8 awl, Daughter DaughterHalf Half fixed 1/2 awl, SonsDaughter SonsDaughterSixth Sixth fixed 1/6 awl",
        "Father Mother Wife Daughter SonsDaughter; Awl 24>27");
    row("father, three daughters: reducible to 9", "FatherAlive=1 DaughterCount=3",
        "6 - - 18", "Father 6/6, Daughter 12/4",
        "",
        "Father SixthAndResidue SixthAndResidue residue 1/6, Daughter DaughtersTwoThirds TwoThirds fixed 2/3",
        "Father Daughter; Correction 6>18; Reduction 18>9");
}

} // namespace workingtest
