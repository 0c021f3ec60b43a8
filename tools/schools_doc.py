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
    w("## Codes not added")
    w("")
    w("Jordan, Kuwait, the United Arab Emirates and Morocco have codified inheritance, but not every view above could be "
      "established from a public text of their articles, so they have no profile yet. A profile is added only when each "
      "of its twelve values has a source.")
    w("")
    (ROOT / "docs/schools.md").write_text("\n".join(out), encoding="utf-8")


if __name__ == "__main__":
    main()
