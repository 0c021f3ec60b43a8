#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes docs/schools.md from resources/report/schools.json.

Run from the repository root after changing the table:
    python3 tools/schools_doc.py
tst_schools checks the document's overview against the profiles in
case/views.cpp and the table, so a change to one without the others fails.
"""
import json
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
ORDER = ["program", "hanafi", "maliki", "shafii", "hanbali", "egypt", "syria"]


def family_text(family):
    return ", ".join(f"{k} {v}" if v != 1 else k for k, v in family.items())


def main():
    data = json.loads((ROOT / "resources/report/schools.json").read_text(encoding="utf-8"))
    views, profiles = data["views"], data["profiles"]
    out = []
    w = out.append
    w("# The schools' views and profiles")
    w("")
    w("<!-- Written by tools/schools_doc.py from resources/report/schools.json; edit the table, not this file. -->")
    w("")
    w("Every point on which the schools and the national codes give different answers is one named view with named values "
      "(`case/views.h`); a profile gives every view a value. A case names its profile (`program` unless it says otherwise) "
      "and may change single views. The sentences of the working cite the view they follow where a point is disputed, "
      "from the attribution sentences below (`report/schools_text.h`).")
    w("")
    w("## Profiles at a glance")
    w("")
    w("| view | " + " | ".join(ORDER) + " |")
    w("|---|" + "---|" * len(ORDER))
    for v in views:
        w(f"| `{v}` | " + " | ".join(f"`{profiles[p]['views'][v]['value']}`" for p in ORDER) + " |")
    w("")
    w("## The program's own views: what the calculation does")
    w("")
    w("Each family was run through `tarnavel-calc` (first method: `GrandFatherAsFather` 1; second method: 0). "
      "Shares are of the whole estate, per head where it says each.")
    w("")
    w("| view | family | answer |")
    w("|---|---|---|")
    for e in data["programEvidence"]:
        w(f"| `{e['view']}` | {family_text(e['family'])} | {e['answer']} |")
    w("")
    w("**Coupling of two views.** Under `program` the view `grandfatherWithSiblings` is `ask`, and the method the case "
      "chooses decides more than the siblings: the method window is asked whenever the grandfather stands without the "
      "father and without a male descendant, siblings or not. Under the first method the grandfather stands wholly in "
      "the father's place, so beside a spouse and no siblings the mother takes a third of the remainder (Abu Yusuf's "
      "view: husband, mother, grandfather give 1/2, 1/6, 1/3; wife, mother, grandfather give 1/4, 1/4, 1/2), also in "
      "al-Akdariyya's family. Under the second method she takes a third of the whole (1/2, 1/3, 1/6 and 1/4, 1/3, 5/12). "
      "So under `program`, `motherWithGrandfather` is `thirdOfWhole` when the case takes the second method and "
      "`thirdOfRemainder` when it takes the first; under every other profile the two views are independent.")
    w("")
    w("## Each profile")
    for p in ORDER:
        prof = profiles[p]
        w("")
        w(f"### `{p}`: {prof['title']['en']} ({prof['title']['ar']})")
        w("")
        w(prof["note"])
        w("")
        w("| view | value | who holds it | source |")
        w("|---|---|---|---|")
        for v in views:
            entry = prof["views"][v]
            holders = views[v]["values"][entry["value"]]["holders"]
            w(f"| `{v}` | `{entry['value']}` | {holders} | {entry['source']} |")
    w("")
    w("## Each view and its values")
    for v, view in views.items():
        w("")
        w(f"### `{v}`: {view['title']['en']} ({view['title']['ar']})")
        w("")
        w("| value | attribution (English) | attribution (Arabic) | who holds it | sources |")
        w("|---|---|---|---|---|")
        for name, val in view["values"].items():
            sources = "; ".join(val["sources"]) or "none found"
            w(f"| `{name}` | {val['en']} | {val['ar']} | {val['holders']} | {sources} |")
    w("")
    w("## Distant kindred: the rules the calculation follows")
    w("")
    w("The view `distantKindred` chooses the method; the rules below are those of "
      "`case/engine/distant_kindred.cpp`, each with its source.")
    w("")
    w("| method | point | rule | source |")
    w("|---|---|---|---|")
    for r in data["distantKindredRules"]:
        w(f"| {r['method']} | {r['point']} | {r['rule']} | {r['source']} |")
    w("## Heirs whose state is unknown")
    w("")
    w("The unborn child, the missing person and the hermaphrodite are worked out under every estimate "
      "(`case/engine/estimates.h`, described in `docs/working.md`): each heir is paid at once the least he takes under "
      "any estimate, nothing if he takes nothing under one, and the rest is held; the four schools agree on this, and "
      "differ on the two views above, `unbornReserve` and `hermaphrodite`. The missing person is supposed alive and "
      "dead under every profile (Tahhan, books.islam-db.com/book/خطب_ودروس_الشيخ_عبد_الرحيم_الطحان/2879: "
      "\"المعتمد عند المذاهب الأربعة\"). The periods after which the schools have him judged dead are noted with the "
      "answer and never decided:")
    w("")
    w("| profile | period | source |")
    w("|---|---|---|")
    for row in [
        ("hanafi", "until his peers have died; 60, 70, 90, 100 and 120 years from his birth are reported", "shamela.app/book/12018/655"),
        ("maliki", "70 years of life (75 and 80 weaker)", "Tahhan, books.islam-db.com/book/خطب_ودروس_الشيخ_عبد_الرحيم_الطحان/2702"),
        ("shafii", "a period after which he surely is not alive, by the judge's reasoning", "al-Mawardi, islamweb.net/amp/ar/library/content/94/4127"),
        ("hanbali", "90 years from his birth when his absence was apparently safe; 4 years from the loss when apparently perilous",
         "Manar al-Sabil, books.islam-db.com/book/منار_السبيل_في_شرح_الدليل/641; al-Muharrar 1/406 (lib.efatwa.ir/43900/1/406)"),
        ("egypt", "4 years from the loss where death is likely; 30 days for a ship that sank or a plane that fell; 1 year for "
         "forces lost in operations; otherwise set by the judge, not less than 4 years", "law 25/1929 art. 21 as amended by law 140/2017"),
        ("syria", "his eightieth year; 4 years where death is likely", "art. 205 as amended by law 34/1975 (lib.efatwa.ir/44205/1/286; syriadailynews.com/39981)"),
    ]:
        w(f"| `{row[0]}` | {row[1]} | {row[2]} |")
    w("")
    w("## Codes not added")
    w("")
    w("Jordan, Kuwait, the United Arab Emirates and Morocco have codified inheritance, but not every view above could be "
      "established from a public text of their articles, so they have no profile yet. A profile is added only when each "
      f"of its {len(views)} values has a source.")
    w("")
    w("The obligatory bequest (`obligatoryBequest`) has a value for the two codes whose articles were read: Egypt "
      "(law 71/1946 arts. 76-79) and Syria (decree 59/1953 art. 257 as first enacted). Jordan, Kuwait, the United Arab "
      "Emirates and Morocco (the Mudawwana's substitution, arts. 369-372) also give the descendants of a predeceased child "
      "a share, but their wording (which generations, which lines) was not read, so they have no value yet. A text of "
      "art. 257 as amended, giving the first generation of sons' and daughters' children (scribd.com/document/641154543), "
      "was found without its date or status; `syria1953` keeps the text of 1953.")
    w("")
    (ROOT / "docs/schools.md").write_text("\n".join(out), encoding="utf-8")


if __name__ == "__main__":
    main()
