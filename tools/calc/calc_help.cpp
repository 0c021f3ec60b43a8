// SPDX-License-Identifier: GPL-3.0-or-later
// The text of tarnavel-calc --help (the keys of successive deaths, those who
// die together and withdrawal follow it, from calc_time.cpp).
#include "tools/calc/calc_lines.h"

namespace calccli {

extern const char HelpText[] = R"(Usage: tarnavel-calc [--explain] [--help]

Reads inheritance cases from standard input, one JSON object per line, and
writes one JSON object per input line to standard output.

Input keys (a missing key is 0; every value is a whole number):
  flags, 0 or 1:  FatherAlive GrandFatherAlive MotherAlive
                  MaternalGrandMotherAlive ParentalGrandMotherAlive
                  HusbandAlive GrandFatherAsFather
  WifeCount       0..4
  counts, 0..50:  SonCount DaughterCount SonsSonCount SonsDaughterCount
                  SonsSonsSonCount SonsSonsDaughterCount
                  FullBrotherCount FullSisterCount ParentalBrotherCount
                  ParentalSisterCount BrothersSonCount
                  ParentalBrothersSonCount FullUncleCount ParentalUncleCount
                  FullUnclesSonCount ParentalUnclesSonCount
  MaternalSiblingCount  0..100 (maternal brothers and sisters together)
  Language        0 Arabic, 1 English (labels, messages and sentences)
Estate keys (optional; amounts are numbers or decimal texts such as "1200.50",
read as written: no exponent, no digits beyond the currency's unit; at most
10000000000000 with 2 decimals, 10^15 smallest units):
  Estate          the estate's value (required when any estate key is given)
  FuneralCosts    funeral and burial costs (default 0)
  Debts           debts (default 0)
  Bequest         bequests; at most a third of what costs and debts leave
  HeirsConsentToBequest  true/1: the heirs consent to a bequest above a third
  Decimals        digits of the currency's smallest unit, 0..4 (default 2)

The family is taken as it is: give every living relative. Relatives whom a
nearer heir excludes are set aside (and listed in "excluded"), so the record
is the one the questionnaires would have produced. GrandFatherAsFather 1 is
the first grandfather method (he stands in the father's place and excludes
the siblings); give GrandFatherAlive 1 with it (FatherAlive 1, GrandFatherAlive
0 means the same). A husband together with wives is an error.

Relatives at any depth, and the schools' views (optional):
  Relatives       {"path": count, ...}: any relative as the steps from the
                  deceased joined by dots: father mother son daughter brother
                  sister (full) paternalBrother paternalSister maternalBrother
                  maternalSister, or husband, wife, emancipator alone, or
                  emancipator followed by his relative ("emancipator.son").
                  Ascents first, then at most one sibling step, then
                  descents: "father.father.father" (great-grandfather),
                  "father.mother", "son.son.son.daughter", "brother.son.son",
                  "father.brother" (full paternal uncle),
                  "father.paternalBrother.son", "mother.brother" (maternal
                  uncle: distant kindred). Counts 0..50 (husband 0..1, wives
                  0..4). A relative given here and by a key above is an error.
  SamePerson      [["mother.mother.mother", "father.mother.mother"], ...]: one
                  grandmother reached by two routes or more, each route a
                  grandmother of the same generation given once above; the
                  view grandmotherByTwoRoutes makes her one head in the
                  sixth (once: her other routes "sameGrandmother") or a head
                  for each route (twice)
  Profile         program (default), hanafi, maliki, shafii, hanbali, egypt,
                  syria: the views the case is worked under
  Views           {"view": value, ...} changes single views of the profile:
                  grandfatherWithSiblings ask|excludes|shares|egypt1943,
                  malikiyya true|false, motherWithGrandfather
                  thirdOfWhole|thirdOfRemainder, mushtaraka shared|notShared,
                  surplus return|treasury, spouseReturn never|whenNoOtherHeir,
                  distantKindred none|tanzil|qaraba,
                  ascendantExcludesOwnMother true|false, grandmotherLines
                  1|2|any, nearerPaternalExcludesFartherMaternal true|false,
                  excludedGrandmotherStillExcludes true|false,
                  grandmotherByTwoRoutes once|twice, obligatoryBequest
                  none|egypt1946|syria1953, diedTogether
                  noneInherit|oldPropertyOnly, unbornReserve
                  one|two|four|unlimited|suspend, hermaphrodite
                  lesser|leastHeld|halfOfTwo|byHope
  Predeceased     [{"child": "son"|"daughter", "descendants": {"path": count},
                   "predeceased": [...], "gifts": {"path": amount}}, ...]:
                  children who died before the deceased (or with him), with
                  their living descendants as paths below the child ("son",
                  "daughter", "son.daughter": on a longer path everyone
                  between the child and the descendant died before too),
                  "predeceased" for a child's own children who died before,
                  "gifts" what the deceased gave a descendant without
                  return, counted against his bequest only (an amount needs
                  "Estate"; "1/9" is a fraction of the estate). With
                  obligatoryBequest egypt1946 (law 71/1946 arts. 76-79:
                  daughters' children, sons' lines at any depth) or
                  syria1953 (art. 257: sons' lines) the branch takes the
                  child's share as if alive, within a third, each
                  descendant's part less his gift, and the heirs divide the
                  rest as a new case; with none the
                  descendants are relatives like any other. The answer adds
                  "bequest": {"code", "asAlive" (the case with the children
                  alive), "branches": [{"child", "asAlive", "withinThird",
                  "gifts", "due"}], "thirdApplied", "total", "remainder",
                  "heirs" (the heirs' case of the rest), "base",
                  "voluntary": {"asked", "paid", "cut"} where "Bequest" is
                  given: paid after the obligatory bequest, from what it
                  leaves of the third (all that is left with consent),
                  "recipients": [{"path", "count", "branch", "share" or
                  "reason": heir|outsideTheLines|giftCovers}]}; "exact"
                  gives shares of the whole ("ofRemainder": of the rest) and
                  "bequestAmounts" the recipients' money.
  A line with any of these keys is worked out by the calculation over
  paths and answered as:
  {"profile": "hanafi", "views": {"grandfatherWithSiblings": "excludes", ...},
   "exact": {"Wife": {"count": 1, "name": "the wife", "rule": "WifeQuarter", "fixed": "1/4",
             "share": "1/4", "perHead": "1/4", "parts": 2, "partsEach": 2},
             "father.father.brother.son": {...}, "Treasury": {...}},
   "base": {"base": 4, "awl": null, "return": null, "corrected": 8},
   "excluded": [{"relative": "mother.brother", "count": 1,
                 "reason": "distantKindred"}, ...],
   "events": ["awl", ...], "amounts": {"Wife": "250.00", ...}}
  Relatives of the keys above keep their names (Father, GrandFather, ...);
  others are keyed by their path; "name" is the relative's name in the line's
  Language. Reasons: excludedBy (with "by"),
  nothingLeft, afterTwoThirds, countedAgainstGrandFather, distantKindred,
  notAnHeirInThisSchool, notAgnateOfEmancipator.
  base and parts read as for today's keys (below); --explain adds each
  excluded relative's "sentence" and the "steps" with their evidence, naming
  the view followed where the schools differ ("on the view of Malik").
  notAnHeirInThisSchool, notAgnateOfEmancipator; among distant kindred (with
  "by", the kinsman who takes): kinshipLaterClass, kinshipFartherDegree,
  kinshipNotThroughHeir, kinshipWeaker, fartherFromHeir, heirShutOut.
Distant kindred ("daughter.son", "sister.son", "mother.father", "father.sister",
  ...) take the rest when no heir by blood but a spouse has a share and the
  view distantKindred is qaraba (the Hanafi classes; egypt and syria by their
  codes) or tanzil (each stands in the place of his heir). Their rule is
  KinshipShare or SubstitutionShare, and the answer adds the steps:
  "kinship": [{"step": "spouseFirst"|"class"|"side"|"root"|"raisedTo"|
  "heirsCase"|"broughtDown", "relative": key, "path": "mother", "number": n,
  "amount": "3/16", "source": "..."}, ...]. A kinsman related by two routes
  is given under both paths, once each.
  echo '{"WifeCount":1,"Relatives":{"daughter.son":1,"mother.sister":1},"Profile":"hanbali"}' | tarnavel-calc
  echo '{"WifeCount":1,"Relatives":{"father.father.brother.son":2},"Profile":"hanafi"}' | tarnavel-calc
  echo '{"Profile":"egypt","Relatives":{"son":1,"daughter":1},"Predeceased":[{"child":"son","descendants":{"son":1}}]}' | tarnavel-calc


Heirs whose state is unknown (optional; the line is worked out under every
estimate, each heir paid at once his least, the rest held; docs/working.md):
  Unborn          "son": the place of a child to be born, its sex and number
                  the estimate's ("son.son" a son's, "paternalBrother" the
                  father's, "maternalBrother" the mother's by a later husband)
  Missing         {"path": count, ...}: relatives alive or dead unknown
  Hermaphrodite   {"place": count, ...}: persons of undetermined sex
  ClarityHoped    true (default) or false, for the view byHope
  Answered with "uncertain" (each with the "most" he can take), "estimates"
  (each "suppose"d, its "base", whether it "decides", its "case" as above),
  "base" (the least common multiple of the deciding estimates' bases),
  "reducedBase", "now" (share and parts of each; "unborn:son",
  "missing:brother", "hermaphrodite:son"), "held" (with "byAgreement": what
  none of them can take), "settlement" (what each receives from the reserve
  if an estimate proves true), "waitingPeriods" (noted, not decided) and
  "amounts".
  echo '{"Relatives":{"wife":1,"father":1,"mother":1},"Unborn":"son","Profile":"hanbali"}' | tarnavel-calc

Options:
  --explain       add the sentences of the working: why each relative
                  receives nothing, and the steps with their evidence
  --help, -h      print this text

Output for a case:
  {"shares": {"FatherShare": 0.16666666666666666, ...},
   "ShareTotal": 1,
   "message": null | {"title": "...", "text": "..."},
   "screen": [{"label": "...", "percent": "16.67    %"}, ...],
   "printed": [{"label": "...", "percent": "16.67    %", "shares": 400}, ...],
   "total": {"percent": "100", "shares": 2400},
   "exact": {"Father": {"count": 1, "kind": "fixed", "nominal": "Sixth",
             "rule": "FatherSixth", "fixed": "1/6", "share": "1/6",
             "perHead": "1/6", "parts": 4, "partsEach": 4}, ...},
   "base": {"base": 24, "awl": null, "return": null, "corrected": 24},
   "excluded": [{"relative": "GrandFather", "count": 1,
                 "reason": "excludedBy", "by": "Father", "setAside": true}],
   "otherMethod": {"method": 1, "exact": {...}, "base": {...}},
   "amounts": {"estate": "24000.00", ..., "distributed": "...",
               "groups": {"Father": {"total": "...", "each": "..."}, ...}},
   "steps": ["...", ...]}
  shares: every share that is not 0, per head as the record holds it.
  message: the notice shown when no heir takes the rest.
  screen, printed: the report lines in the record's Language; shares of
  printed lines are out of 2400. Numbers read back as the same double.
  exact: every group that receives something, in the report's order: heads,
  kind (fixed, residue, treasury), the nominal share and the rule it was
  taken by, the fixed share as given before any 'awl or return, the group's
  and each head's exact share, and their parts of the corrected base; "awl",
  "returned" and "rest" mark a share reduced by the 'awl, increased by the
  return, or a spouse's share with the rest.
  base: the base of the fixed shares, the 'awl or the return base (null when
  none), and the corrected base in which every head has whole parts.
  excluded: every relative given who receives nothing, with the reason
  (excludedBy, nothingLeft, afterDaughtersTwoThirds, afterSistersTwoThirds,
  countedAgainstGrandFather, excludedByGrandFatherAsFather) and who excludes
  them; setAside marks relatives set aside before the calculation.
  otherMethod: where the method window is asked (grandfather without father
  and no male descendant), the other grandfather method's working.
  amounts: with the estate keys, what is distributed after costs, debts and
  the bequest, and each group's total and each head's amount in the smallest
  unit; they add up exactly (largest remainder; "headsWithOneUnitMore" heads
  of a group receive one unit more than "each").
  With --explain, every excluded relative also has a "sentence" and "steps"
  lists the working as sentences in the line's Language, Qur'an references
  in brackets.

Output for a bad line (not a JSON object, unknown key, a key given twice,
value not a whole number or out of range, a bad amount, a husband with wives):
  {"error": "line 3: key \"WifeCount\": 5 is outside 0..4"}
The run goes on with the next line. Exit status: 0 when every line was
answered, 1 when any line gave an error, 2 for a bad command line.

Example:
  echo '{"FatherAlive":1,"MotherAlive":1,"WifeCount":1,"SonCount":1,"Language":1}' | tarnavel-calc
  echo '{"HusbandAlive":1,"FullSisterCount":2,"Estate":7000,"Language":1}' | tarnavel-calc --explain
)";

} // namespace calccli
