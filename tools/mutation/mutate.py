#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Mutation pass over the case library (case/*.cpp, case/*.h).

Each mutant changes one line of one file. The tool copies the tree into a
scratch folder of its own (so the working tree stays free for editing), builds
there only the case library and the tests that link it without windows (plus
tst_recalc), runs those tests with a time limit, and counts every mutant as
killed, survived or not built. A mutant that does not build is left out of the
figure, never counted as killed. A mutant whose original text no longer occurs
where it says is refused, never counted.

  tools/mutation/mutate.py --sample 100 --seed 7          random mutants
  tools/mutation/mutate.py --list tools/mutation/mutants.txt   a saved list
  tools/mutation/mutate.py --sample 20 --seed 7 --dry-run      print them only

List lines are `file|original|mutated` (the original must occur once in the
file) or `file:line|original|mutated` (the line must read the original). Each
pass writes its survivors in the second form to <scratch>/survivors.txt, so
they can be run again once a test is added.
"""

import argparse
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
WINDOW_LIBS = ("tarnavel_app", "tarnavel_ui", "tarnavel_report_ui", "tarnavel_shell",
               "tarnavel_details", "tarnavel_questionnaires", "Qt6::Widgets")
# The recalculation is read through the family window; its test is worth the link.
EXTRA_TESTS = ("tst_recalc",)
# Killing tests first: a killed mutant stops at its first failure.
FIRST = ("tst_calc_with_father", "tst_calc_without_father", "tst_calc_grandfather",
         "tst_calc_arithmetic", "tst_working", "tst_calc_properties")


@dataclass
class Mutant:
    kind: str
    file: str
    line: int          # 1-based; 0 when the list names the text only
    original: str
    mutated: str

    def where(self):
        return f"{self.file}:{self.line}" if self.line else self.file

    def as_list_line(self):
        return f"{self.where()}|{self.original}|{self.mutated}"


# ---------------------------------------------------------------- generation

def code_part(line):
    """The line up to a // comment, and whether there is code to mutate."""
    stripped = line.strip()
    if (not stripped or stripped.startswith(("//", "#", "*", "/*", "static_assert"))
            or '"' in line or "'" in line):
        return None
    cut = line.find("//")
    return line if cut < 0 else line[:cut].rstrip()


CMP = {" == ": [" != "], " != ": [" == "],
       " < ": [" >= ", " <= "], " <= ": [" > ", " < "],
       " > ": [" <= ", " >= "], " >= ": [" < ", " > "]}
CMP_RE = re.compile(r" (==|!=|<=|>=|<|>) ")
FRACTION_RE = re.compile(r"fraction<N>\((\d+), (\d+)\)")
LITERAL_RE = re.compile(r"(?<![\w.])(\d+)(?![\w.])")
LOGIC_RE = re.compile(r"(&&|\|\|)")
FIELD_RE = re.compile(r"\bc\.([A-Z]\w*?(Count|Share|Alive|Option))\b")
ENUM_RE = re.compile(r"\b(R|Relative|Heir|Rule|Kind)::(\w+)\b")
DECL_RE = re.compile(r"^\s*(const\s+|static\s+|constexpr\s+|inline\s+)*"
                     r"[A-Za-z_][\w:<>,]*[\s*&]+[A-Za-z_]\w*\s*(=|;|\{|\()")
NOT_STATEMENTS = ("return", "break", "continue", "case ", "default", "using", "namespace",
                  "template", "typedef", "public", "private", "}", "{", "else")


def comparison_mutants(code):
    for m in CMP_RE.finditer(code):
        op = " " + m.group(1) + " "
        # A template argument list reads `count<N>(`, never ` < ` with spaces.
        for new in CMP[op]:
            yield "comparison", code[:m.start()] + new + code[m.end():]


def constant_mutants(code):
    for m in FRACTION_RE.finditer(code):
        a, b = int(m.group(1)), int(m.group(2))
        for na, nb in ((a + 1, b), (a, b + 1), (a, b - 1) if b > 2 else (a, b * 2)):
            if na < nb:
                yield "constant", code[:m.start()] + f"fraction<N>({na}, {nb})" + code[m.end():]
    for m in LITERAL_RE.finditer(code):
        if FRACTION_RE.search(code) and any(f.start() <= m.start() < f.end()
                                             for f in FRACTION_RE.finditer(code)):
            continue
        before = code[:m.start()]
        n = int(m.group(1))
        for new in sorted({n + 1, n - 1 if n > 0 else 2}):
            yield "constant", before + str(new) + code[m.end():]


def operand_end(code, start):
    """End of the operand that begins at start: up to the next && or || at the
    same depth, an unmatched closing bracket, or a ; { ? , at that depth."""
    depth, i = 0, start
    while i < len(code):
        ch = code[i]
        if ch in "([":
            depth += 1
        elif ch in ")]":
            if depth == 0:
                return i
            depth -= 1
        elif depth == 0 and (code.startswith("&&", i) or code.startswith("||", i)
                             or ch in ";{?,"):
            return i
        i += 1
    return i


def operand_start(code, end):
    depth, i = 0, end - 1
    while i >= 0:
        ch = code[i]
        if ch in ")]":
            depth += 1
        elif ch in "([":
            if depth == 0:
                return i + 1
            depth -= 1
        elif depth == 0 and (code[i - 1:i + 1] in ("&&", "||") or ch in "?,;{"
                             or (ch == "=" and code[i - 1] not in "=!<>" and code[i + 1:i + 2] != "=")):
            return i + 1
        if depth == 0 and code[:i + 1].endswith("return "):
            return i + 1
        i -= 1
    return 0


def condition_mutants(code):
    for m in LOGIC_RE.finditer(code):
        # Drop the operand that follows the operator, with the operator.
        end = operand_end(code, m.end())
        head, tail = code[:m.start()].rstrip(), code[end:].lstrip()
        if head.strip():
            yield "condition", head + (" " + tail if tail and tail[0] not in ")];,{" else tail)
        # Drop the operand that comes before it, with the operator.
        start = operand_start(code, m.start())
        if code[start:m.start()].strip():
            head = code[:start]
            yield "condition", head + ("" if not head or head[-1] in " (!" else " ") + code[m.end():].lstrip()


def swap_mutants(code, names):
    for m in FIELD_RE.finditer(code):
        name, suffix = m.group(1), m.group(2)
        for other in names.get(suffix, ()):
            if other != name:
                yield "swap", code[:m.start(1)] + other + code[m.end(1):]
    for m in ENUM_RE.finditer(code):
        scope, name = m.group(1), m.group(2)
        for other in names.get(scope, ()):
            if other != name:
                yield "swap", code[:m.start(2)] + other + code[m.end(2):]


def statement_mutants(code):
    s = code.strip()
    if (not s.endswith(";") or s.startswith(NOT_STATEMENTS) or DECL_RE.match(code)
            or s.count("(") != s.count(")") or s.startswith(("&&", "||", "+", "-", "*", "/", ":"))):
        return
    yield "statement", ""


def names_by_kind(text):
    names = {}
    for m in FIELD_RE.finditer(text):
        names.setdefault(m.group(2), set()).add(m.group(1))
    for m in ENUM_RE.finditer(text):
        names.setdefault(m.group(1), set()).add(m.group(2))
    return {k: sorted(v) for k, v in names.items()}


def generate(root, patterns=("case/*.cpp", "case/*.h")):
    """Every mutant of the files the patterns name, in a fixed order."""
    mutants = []
    for path in sorted({p for pattern in patterns for p in root.glob(pattern)}):
        rel = path.relative_to(root).as_posix()
        lines = path.read_text().split("\n")
        names = names_by_kind(path.read_text())
        in_comment = False
        for number, line in enumerate(lines, 1):
            if "/*" in line:
                in_comment = "*/" not in line
                continue
            if in_comment:
                in_comment = "*/" not in line
                continue
            code = code_part(line)
            if code is None:
                continue
            comment = line[len(code):]
            seen = set()
            for gen in (constant_mutants(code), comparison_mutants(code), condition_mutants(code),
                        swap_mutants(code, names), statement_mutants(code)):
                for kind, new in gen:
                    new = new + comment if new else ""
                    if new != line and new not in seen:
                        seen.add(new)
                        mutants.append(Mutant(kind, rel, number, line, new))
    return mutants


def draw(mutants, n, seed):
    """n mutants drawn at random, the kinds taking turns: swaps alone outnumber
    the rest ten to one, and a uniform draw would hardly test anything else."""
    rng = random.Random(seed)
    pools = {}
    for m in mutants:
        pools.setdefault(m.kind, []).append(m)
    kinds = sorted(pools)
    for kind in kinds:
        rng.shuffle(pools[kind])
    drawn = []
    while len(drawn) < n and any(pools.values()):
        for kind in kinds:
            if pools[kind] and len(drawn) < n:
                drawn.append(pools[kind].pop())
    return drawn


# ---------------------------------------------------------------- lists

def read_list(path, root):
    """The mutants of a list. Code holds '|' too (`||`), so the bar that ends
    the original is the last one after which the original matches the file
    (an earlier bar inside `||` leaves a shorter original that may match too);
    a line no split of which matches is kept whole as its original, which no
    file holds, so it is refused."""
    mutants = []
    for raw in Path(path).read_text().split("\n"):
        if not raw.strip() or raw.startswith("#"):
            continue
        where, rest = raw.split("|", 1)
        file, _, line = where.partition(":")
        source = root / file
        text = source.read_text() if source.is_file() else ""
        splits = [Mutant("listed", file, int(line) if line else 0, rest[:i], rest[i + 1:])
                  for i, ch in enumerate(rest) if ch == "|"]
        matching = [m for m in splits if apply(m, text) is not None]
        mutants.append(matching[-1] if matching
                       else Mutant("listed", file, int(line) if line else 0, rest, ""))
    return mutants


def apply(mutant, text):
    """The mutated text, or None when the mutant no longer matches."""
    if mutant.line:
        lines = text.split("\n")
        if mutant.line > len(lines) or lines[mutant.line - 1] != mutant.original:
            return None
        lines[mutant.line - 1] = mutant.mutated
        return "\n".join(lines)
    if text.count(mutant.original) != 1:
        return None
    return text.replace(mutant.original, mutant.mutated)


# ---------------------------------------------------------------- tests and build

def covering_tests(root):
    """The tests that link the case library without windows, read from
    tests/*.cmake, with the build targets they need."""
    tests, needs = [], []
    for fragment in sorted((root / "tests").glob("*.cmake")):
        text = fragment.read_text()
        for m in re.finditer(r"^tarnavel_add_core_test\((\w+)", text, re.M):
            tests.append(m.group(1))
        for m in re.finditer(r"^qt_add_executable\((tst_\w+)", text, re.M):
            link = re.search(r"target_link_libraries\(" + m.group(1) + r"\b([^)]*)\)", text)
            if link and "tarnavel_case" in link.group(1) and not any(
                    lib in link.group(1) for lib in WINDOW_LIBS):
                tests.append(m.group(1))
        for m in re.finditer(r"^tarnavel_add_gui_test\((\w+)", text, re.M):
            if m.group(1) in EXTRA_TESTS:
                tests.append(m.group(1))
        for m in re.finditer(r"^add_dependencies\((\w+) ([\w-]+)\)", text, re.M):
            needs.append((m.group(1), m.group(2)))
    tests = sorted(set(tests), key=lambda t: (FIRST.index(t) if t in FIRST else len(FIRST), t))
    # Each test with the targets it runs (tst_calc_cli runs tarnavel-calc).
    return {test: [test] + [dep for t, dep in needs if t == test] for test in tests}


def judge(src, steps, jobs, timeout, log):
    """Build and run one test at a time, so that a mutant the first tests
    catch costs one link, not one for every test."""
    for test, targets in steps.items():
        if not build(src, targets, jobs, log):
            return "not built", test
        verdict, _ = run_tests(src, [test], timeout)
        if verdict == "failed":
            return "killed", test
        if verdict == "timeout":
            return "timeout", test
    return "survived", ""


def sync_tree(root, src):
    """Copy the tracked and untracked files into the scratch tree, touching
    only those whose bytes differ, so the scratch build stays warm."""
    files = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "-z"], cwd=root,
                           check=True, capture_output=True).stdout.decode().split("\0")
    for name in filter(None, files):
        a, b = root / name, src / name
        if not a.is_file():
            continue
        if b.is_file() and b.read_bytes() == a.read_bytes():
            continue
        b.parent.mkdir(parents=True, exist_ok=True)
        # A fresh time stamp: a file put back over a mutant's must be rebuilt.
        shutil.copyfile(a, b)


def build(src, targets, jobs, log):
    env = dict(os.environ)
    env.setdefault("CCACHE_BASEDIR", "/work")
    env.setdefault("CCACHE_DIR", "/work/.ccache")
    env.setdefault("CCACHE_NOHASHDIR", "1")
    cmd = ["nice", "cmake", "--build", "build", "--target", *targets, f"-j{jobs}"]
    with open(log, "w") as out:
        return subprocess.run(cmd, cwd=src, env=env, stdout=out, stderr=subprocess.STDOUT).returncode == 0


def configure(src, log):
    env = dict(os.environ, CCACHE_BASEDIR="/work", CCACHE_DIR="/work/.ccache", CCACHE_NOHASHDIR="1")
    cmd = ["cmake", "-S", ".", "-B", "build", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
           "-DTARNAVEL_WERROR=ON", "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"]
    with open(log, "w") as out:
        return subprocess.run(cmd, cwd=src, env=env, stdout=out, stderr=subprocess.STDOUT).returncode == 0


def run_tests(src, tests, timeout):
    """'passed', 'failed' or 'timeout' (the first test that fails ends the run)."""
    cmd = ["nice", "ctest", "--test-dir", "build", "--stop-on-failure", "--timeout", str(timeout),
           "-R", "^(" + "|".join(tests) + ")$"]
    if len(tests) == 1:
        cmd[-1] = "^" + tests[0] + "$"
    out = subprocess.run(cmd, cwd=src, capture_output=True, text=True).stdout
    if "tests passed, 0 tests failed" in out:
        return "passed", ""
    failed = re.findall(r"Test\s+#\d+: (\w+) \.+\**\s*(\w[\w ]*?)\s+[\d.]+ sec", out)
    bad = [(name, how) for name, how in failed if how != "Passed"]
    if any("Timeout" in how for _, how in bad):
        return "timeout", " ".join(name for name, _ in bad)
    return "failed", " ".join(name for name, _ in bad)


# ---------------------------------------------------------------- main

def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--sample", type=int, help="draw this many mutants at random")
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--list", help="run the mutants of a list file instead")
    ap.add_argument("--scratch", default=str(ROOT / "build-mutation"),
                    help="the folder that holds the copied tree and its build")
    ap.add_argument("--timeout", type=int, default=120, help="seconds for each test")
    ap.add_argument("--jobs", type=int, default=2)
    ap.add_argument("--dry-run", action="store_true", help="print the mutants, build nothing")
    ap.add_argument("--count", action="store_true", help="print how many mutants of each kind exist")
    ap.add_argument("--tests", help="a regular expression: keep only the tests it finds in their names")
    ap.add_argument("--files", nargs="+", default=["case/*.cpp", "case/*.h"],
                    help="the files to mutate, as patterns from the project root")
    args = ap.parse_args()

    if args.count:
        kinds = {}
        for m in generate(ROOT, args.files):
            kinds[m.kind] = kinds.get(m.kind, 0) + 1
        print(" ".join(f"{k} {v}" for k, v in sorted(kinds.items())), "total", sum(kinds.values()))
        return 0
    if args.list:
        mutants = read_list(args.list, ROOT)   # read again against the copy below
    elif args.sample:
        mutants = draw(generate(ROOT, args.files), args.sample, args.seed)
    else:
        ap.error("give --sample N (with --seed S) or --list FILE")
    if args.dry_run:
        refused = 0
        for m in mutants:
            stale = apply(m, (ROOT / m.file).read_text()) is None if (ROOT / m.file).is_file() else True
            refused += stale
            print(f"{'REFUSED' if stale else m.kind:10} {m.as_list_line()}")
        return 1 if refused else 0

    # Stopped by a signal, the tool still puts the mutated file back.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    signal.signal(signal.SIGINT, lambda *_: sys.exit(130))
    scratch = Path(args.scratch).resolve()
    src = scratch / "src"
    src.mkdir(parents=True, exist_ok=True)
    sync_tree(ROOT, src)
    if args.list:
        mutants = read_list(args.list, src)
    steps = covering_tests(src)
    if args.tests:
        steps = {t: ts for t, ts in steps.items() if re.search(args.tests, t)}
        if not steps:
            ap.error(f"no test that covers the case library matches {args.tests}")
    tests = list(steps)
    targets = [t for ts in steps.values() for t in ts]
    print("tests:", " ".join(tests), flush=True)
    if not configure(src, scratch / "configure.log") or not build(src, targets, args.jobs, scratch / "build.log"):
        print(f"the unchanged tree does not build: see {scratch}/build.log")
        return 2
    if run_tests(src, tests, args.timeout)[0] != "passed":
        print("the unchanged tree fails its tests: no mutant can be judged")
        return 2

    tally = {"killed": 0, "timeout": 0, "survived": 0, "not built": 0, "refused": 0}
    survivors, seconds = [], []
    for number, m in enumerate(mutants, 1):
        path = src / m.file
        original = path.read_text()
        mutated = apply(m, original) if path.is_file() else None
        head = f"[{number}/{len(mutants)}] {m.kind} {m.where()}"
        if mutated is None:
            tally["refused"] += 1
            print(f"{head}: REFUSED, the text no longer matches: {m.original.strip()}", flush=True)
            continue
        started = time.monotonic()
        path.write_text(mutated)
        try:
            verdict, detail = judge(src, steps, args.jobs, args.timeout, scratch / "mutant.log")
            if verdict == "not built":
                shutil.copy(scratch / "mutant.log", scratch / f"not-built-{number}.log")
        finally:
            path.write_text(original)
        seconds.append(time.monotonic() - started)
        tally[verdict] += 1
        if verdict == "survived":
            survivors.append(m)
        by = {"killed": " by ", "timeout": " in ", "not built": " at "}.get(verdict, "")
        print(f"{head}: {verdict.upper() if verdict == 'survived' else verdict}"
              f"{by + detail if detail else ''} ({seconds[-1]:.0f} s)\n"
              f"    - {m.original.strip()}\n    + {m.mutated.strip()}", flush=True)
    # Leave the scratch build as the tree is.
    build(src, targets, args.jobs, scratch / "build.log")

    killed = tally["killed"] + tally["timeout"]
    judged = killed + tally["survived"]
    print(f"\nkilled {killed} (of which timeout {tally['timeout']}), survived {tally['survived']}, "
          f"not built {tally['not built']}, refused {tally['refused']}")
    if judged:
        print(f"kill ratio {killed}/{judged} = {100 * killed / judged:.1f} % of the mutants that built")
    if seconds:
        print(f"seconds per mutant: mean {sum(seconds) / len(seconds):.1f}, "
              f"max {max(seconds):.1f}, total {sum(seconds):.0f}")
    (scratch / "survivors.txt").write_text("".join(m.as_list_line() + "\n" for m in survivors))
    for m in survivors:
        print(f"survived: {m.where()} ({m.kind})\n    - {m.original.strip()}\n    + {m.mutated.strip()}")
    return 1 if tally["refused"] else 0


if __name__ == "__main__":
    sys.exit(main())
