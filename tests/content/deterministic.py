#!/usr/bin/python3
"""Generates the content twice into fresh folders, once in one process and
once with two, and compares them byte for byte with each other and with the
working folder the build generated."""
import argparse
import filecmp
import shutil
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]


def files(folder):
    return {p.relative_to(folder).as_posix(): p for sub in ("SpS", "Ida")
            for p in sorted((folder / sub).glob("*")) if p.is_file()}


def differences(a, b):
    fa, fb = files(a), files(b)
    out = ["only in %s: %s" % (a, n) for n in sorted(set(fa) - set(fb))]
    out += ["only in %s: %s" % (b, n) for n in sorted(set(fb) - set(fa))]
    out += ["%s differs" % n for n in sorted(set(fa) & set(fb))
            if not filecmp.cmp(fa[n], fb[n], shallow=False)]
    return out, len(fa)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--run", required=True)
    ap.add_argument("--tmp", required=True)
    args = ap.parse_args()
    tmp = Path(args.tmp)
    shutil.rmtree(tmp, ignore_errors=True)
    outs = []
    for jobs in (1, 2):
        out = tmp / ("jobs%d" % jobs)
        subprocess.run([sys.executable, str(ROOT / "tools/gen/generate.py"), "--out", str(out),
                        "--jobs", str(jobs)], check=True)
        outs.append(out)
    bad, n = differences(outs[0], outs[1])
    if bad:
        print("generation is not deterministic:\n  " + "\n  ".join(bad))
        return 1
    stale, _ = differences(outs[0], Path(args.run))
    if stale:
        print("the working folder differs from a fresh generation (build the `content` target):\n  "
              + "\n  ".join(stale))
        return 1
    print("deterministic: %d files identical in two generations and in %s" % (n, args.run))
    shutil.rmtree(tmp, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
