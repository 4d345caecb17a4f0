#!/usr/bin/python3
"""Checks the generated content against the bank dump of vzt-bankcheck.

    /usr/bin/python3 tools/gen/check_content.py --run build/run --bank bank.json

(a) every table in RUN/Ida is re-read and each row checked by its relation;
(b) every @check of the content modules runs on all dumped variants of its
    question;
(c) every picture the dump names exists in RUN/SpS (exact case), has a
    description and its 2x twin of twice its size, and the five option
    pictures of each variant are five different images;
(d) one line per table and per question says what was checked.
Exit status 1 on any breach, which is printed.
"""
import argparse
import hashlib
import json
import sys
import time
import traceback
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from vztgen import loader  # noqa: E402
from vztgen.pictures import bare  # noqa: E402
from PIL import Image  # noqa: E402
from vztgen.render import read_bmp  # noqa: E402


class Images:
    """Pixel digests of the pictures in RUN/SpS, read once each."""

    def __init__(self, folder):
        self.folder = Path(folder)
        self.names = {p.name for p in self.folder.glob("*") if p.is_file()}
        self._digest = {}
        self._twin = {}

    def exists(self, name):
        return bare(name) in self.names

    def twin_fits(self, name):
        """The picture's 2x twin (X@2x.png) exists and is twice its size."""
        n = bare(name)
        if n not in self._twin:
            twin = n[:-len(".bmp")] + "@2x.png"
            ok = twin in self.names
            if ok:
                with Image.open(self.folder / twin) as t, Image.open(self.folder / n) as one:
                    ok = t.size == (2 * one.width, 2 * one.height)
            self._twin[n] = ok
        return self._twin[n]

    def digest(self, name):
        n = bare(name)
        if n not in self._digest:
            img = read_bmp(self.folder / n)
            self._digest[n] = hashlib.sha1(
                b"%dx%d:" % img.size + img.tobytes()).hexdigest()
        return self._digest[n]


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--run", required=True, help="working folder with SpS and Ida")
    ap.add_argument("--bank", required=True, help="dump written by vzt-bankcheck --dump")
    ap.add_argument("--content", action="append", default=[],
                    help="use only this content module (repeatable; for tests)")
    ap.add_argument("--root", default="", help="repository root (default: this checkout)")
    args = ap.parse_args(argv)
    t0 = time.monotonic()

    content = loader.load_for("check_content", args)
    if content is None:
        return 1
    run = Path(args.run)
    breaches = []

    def breach(what):
        breaches.append(what)
        print("  BREACH: " + what.replace("\n", "\n    "))

    # (a) tables
    rows_total = 0
    for t in content.tables:
        path = run / "Ida" / t.file
        if not path.exists():
            breach("table %s (from %s) is missing in %s" % (t.file, t.module, path.parent))
            continue
        try:
            n = t.check_file(path)
        except Exception as e:
            breach("table %s: %s" % (t.file, e))
            continue
        rows_total += n
        print("table %-14s %7d rows checked: %s" % (t.file, n, t.rule))
    known_tables = {t.file for t in content.tables}
    for p in sorted((run / "Ida").glob("*")):
        if p.name not in known_tables:
            breach("table file %s has no description" % p.name)

    # the dump
    with open(args.bank, encoding="utf-8") as f:
        dump = json.load(f)
    questions = {q["unit"]: q for q in dump["questions"]}
    images = Images(run / "SpS")

    # (c) pictures named in the dump, per question
    used = set()
    picture_notes = {}
    for unit, q in questions.items():
        named, option_sets = set(), 0
        for v in q["variants"]:
            files = list(v["images"].values())
            if v["picture_options"]:
                files += v["options"]
            named.update(files)
            if v["picture_options"]:
                if not all(images.exists(o) for o in v["options"]):
                    continue  # reported below
                option_sets += 1
                digests = [images.digest(o) for o in v["options"]]
                if len(set(digests)) != 5:
                    same = [v["options"][i] for i in range(5) if digests.count(digests[i]) > 1]
                    breach("%s: option pictures %s are the same image" % (unit, ", ".join(same)))
        for name in sorted(named):
            used.add(bare(name).lower())
            if not images.exists(name):
                breach("%s: picture %s is missing in %s (names are case-sensitive here)"
                       % (unit, name, run / "SpS"))
            elif name not in content.pics:
                breach("%s: picture %s has no description" % (unit, name))
            elif not images.twin_fits(name):
                breach("%s: picture %s has no 2x twin of twice its size in %s"
                       % (unit, name, run / "SpS"))
        picture_notes[unit] = (len(named), option_sets)

    # (b) the checks
    for unit in sorted(content.checks, key=lambda u: (questions.get(u, {}).get("test", 99),
                                                       questions.get(u, {}).get("question", 99), u)):
        for fn, module in content.checks[unit]:
            q = questions.get(unit)
            if q is None and dump.get("partial"):
                continue   # a dump of some questions only (vzt-bankcheck --only)
            if q is None:
                breach("check %s (from %s): the bank dump has no question %s" % (unit, module, unit))
                continue
            try:
                said = fn(q, content.pics)
            except Exception as e:
                tb = traceback.format_exc(limit=-3)
                breach("check %s (from %s) failed: %s\n%s" % (unit, module, e, tb))
                continue
            print("check %-6s %5d variants: %s" % (unit, len(q["variants"]), said or "passed"))

    # (d) per question
    for unit, q in questions.items():
        n, sets = picture_notes.get(unit, (0, 0))
        parts = ["%d variants dumped of %d" % (len(q["variants"]), q.get("variants_seen", 0))]
        if n:
            parts.append("%d pictures named" % n)
        if sets:
            parts.append("option pictures distinct in %d variants" % sets)
        parts.append("%d check%s" % (len(content.checks.get(unit, [])),
                                    "" if len(content.checks.get(unit, [])) == 1 else "s"))
        print("question %-6s test %2d q %2d: %s" % (unit, q["test"], q["question"], "; ".join(parts)))
    unused = sorted(p.name for p in content.pictures
                    if p.name.lower() not in used and p.module != "shared")
    if unused:
        print("note: %d described pictures are shown by no dumped question: %s"
              % (len(unused), ", ".join(unused[:20]) + (" ..." if len(unused) > 20 else "")))

    print("check_content: %d tables (%d rows), %d questions, %d checks, %d pictures read; "
          "%d breach%s; %.1f s"
          % (len(content.tables), rows_total, len(questions),
             sum(len(v) for v in content.checks.values()), len(images._digest), len(breaches),
             "" if len(breaches) == 1 else "es", time.monotonic() - t0))
    return 1 if breaches else 0


if __name__ == "__main__":
    sys.exit(main())
