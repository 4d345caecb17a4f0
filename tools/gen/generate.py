#!/usr/bin/python3
"""Writes every picture (DIR/SpS/*.bmp, with its twin for high-DPI screens
DIR/SpS/*@2x.png) and table (DIR/Ida/*.txt) that the content modules
describe: data/shared.py and bank/test*/content.py.

    /usr/bin/python3 tools/gen/generate.py --out build/run [--jobs 2]
                     [--only N1.bmp,VZT_1.txt] [--preview DIR]

Only files whose bytes changed are rewritten; pictures and tables that no
module describes any more are removed. The result logs DIR/stat*.txt are
never touched. Exit status 1 on any broken description.
"""
import argparse
import multiprocessing as mp
import os
import sys
import time
import traceback
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from vztgen import loader  # noqa: E402
from vztgen.tables import write_if_changed  # noqa: E402

CONTENT = None
# The 2x twin, averaged down to the BMP's size, differs from the BMP by
# anti-aliasing only (at most about 23 in the bank); a different or shifted
# drawing differs by more.
TWIN_DIFFERENCE_MAX = 40.0


def twin_name(name):
    """"O51.bmp" -> "O51@2x.png"."""
    return name[:-len(".bmp")] + "@2x.png"


def _task(job):
    kind, i = job
    try:
        if kind == "pic":
            p = CONTENT.pictures[i]
            data = p.bmp()
            twin = p.png2x()
            return kind, i, True, (data, p.size, p.scale, getattr(p, "used_size", None),
                                   getattr(p, "crossings", []), twin, p.twin_difference)
        t = CONTENT.tables[i]
        return kind, i, True, (t.text(), len(t.generate()))
    except Exception:
        return kind, i, False, traceback.format_exc()


def _warm_up():
    """Loads the fonts and the mathtext parser once, before the workers fork."""
    from vztgen import pictures
    pictures.Formula("warm.bmp", r"\dfrac{x^2}{\sqrt{2}}\leq\pi\ \mathrm{см}", (400, 200)).bmp()
    pictures.Graph("warm.bmp", [lambda t: t], (-2, 2, -2, 2), (150, 150), points=[(1, 1, "A")]).bmp()


def main(argv=None):
    t0 = time.monotonic()
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--out", required=True, help="working folder (holds SpS and Ida)")
    ap.add_argument("--jobs", type=int, default=0, help="worker processes (default: 2 if useful)")
    ap.add_argument("--only", default="", help="comma-separated file names to write")
    ap.add_argument("--preview", default="", help="also write PNG copies here (2x zoom)")
    ap.add_argument("--root", default="", help="repository root (default: this checkout)")
    ap.add_argument("--content", action="append", default=[],
                    help="use only this content module (repeatable; for tests)")
    args = ap.parse_args(argv)

    global CONTENT
    CONTENT = loader.load_for("generate", args)
    if CONTENT is None:
        return 1

    only = {s.strip().lower() for s in args.only.split(",") if s.strip()}
    jobs = [("pic", i) for i, p in enumerate(CONTENT.pictures) if not only or p.name.lower() in only]
    jobs += [("tab", i) for i, t in enumerate(CONTENT.tables) if not only or t.file.lower() in only]
    # The slow tables go first so that they overlap the pictures.
    jobs.sort(key=lambda j: (j[0] != "tab", j[1]))

    n = args.jobs or (2 if len(jobs) > 40 and (os.cpu_count() or 1) > 1 else 1)
    if n > 1:
        _warm_up()
        with mp.get_context("fork").Pool(n) as pool:
            results = list(pool.imap_unordered(_task, jobs, chunksize=4))
    else:
        results = [_task(j) for j in jobs]
    results.sort(key=lambda r: (r[0], r[1]))

    out = Path(args.out)
    (out / "SpS").mkdir(parents=True, exist_ok=True)
    (out / "Ida").mkdir(parents=True, exist_ok=True)
    failures, notes = [], []
    written = rewritten = size = rows = twins = twin_bytes = 0
    for kind, i, ok, value in results:
        if not ok:
            what = CONTENT.pictures[i] if kind == "pic" else CONTENT.tables[i]
            failures.append("%s (from %s):\n%s" % (getattr(what, "name", getattr(what, "file", "?")),
                                                   what.module, value))
            continue
        if kind == "pic":
            p = CONTENT.pictures[i]
            data = value[0]
            path = out / "SpS" / p.name
            if value[2] != 1.0:
                notes.append("%s: %dx%d shown scaled by %.2f in its %dx%d box"
                             % (p.name, value[1][0], value[1][1], value[2], *p.box))
            if value[3] is not None and value[3] < p.fontsize:
                notes.append("%s: formula set at %.1f pt to fit its %dx%d box"
                             % (p.name, value[3], *p.box))
            if value[4]:
                notes.append("%s: a curve runs under %s (kept legible by a halo)"
                             % (p.name, ", ".join(value[4])))
            if value[6] > TWIN_DIFFERENCE_MAX:
                failures.append("%s (from %s): its 2x twin differs from it by %.1f (at most %.1f)"
                                % (p.name, p.module, value[6], TWIN_DIFFERENCE_MAX))
                continue
            changed, nbytes = write_if_changed(out / "SpS" / twin_name(p.name), value[5])
            twins += 1
            twin_bytes += nbytes
            rewritten += changed
            if args.preview:
                from vztgen.render import read_bmp
                img = read_bmp(data)
                Path(args.preview).mkdir(parents=True, exist_ok=True)
                img.resize((img.width * 2, img.height * 2), 0).save(
                    Path(args.preview) / (Path(p.name).stem + ".png"))
        else:
            t = CONTENT.tables[i]
            data = value[0]
            rows += value[1]
            path = out / "Ida" / t.file
        changed, nbytes = write_if_changed(path, data)
        written += 1
        rewritten += changed
        size += nbytes
    if failures:
        print("generate: %d broken descriptions:\n%s" % (len(failures), "\n".join(failures)),
              file=sys.stderr)
        return 1

    removed = []
    if not only:
        known_pics = {p.name for p in CONTENT.pictures} | {twin_name(p.name)
                                                            for p in CONTENT.pictures}
        known_tabs = {t.file for t in CONTENT.tables}
        for f in sorted((out / "SpS").glob("*")):
            if f.is_file() and f.name not in known_pics:
                f.unlink()
                removed.append("SpS/" + f.name)
        for f in sorted((out / "Ida").glob("*")):
            if f.is_file() and f.name not in known_tabs:
                f.unlink()
                removed.append("Ida/" + f.name)

    for line in notes:
        print("  note: " + line)
    for line in removed:
        print("  removed (no description): " + line)
    npics = sum(1 for r in results if r[0] == "pic")
    print("generate: %d pictures (and %d 2x twins, %.1f MB), %d tables (%d rows) from %d "
          "modules; %d rewritten; %.1f MB; %.1f s with %d process%s"
          % (npics, twins, twin_bytes / 1e6, written - npics, rows, len(CONTENT.modules),
             rewritten, (size + twin_bytes) / 1e6, time.monotonic() - t0, n,
             "es" if n > 1 else ""))
    return 0


if __name__ == "__main__":
    sys.exit(main())
