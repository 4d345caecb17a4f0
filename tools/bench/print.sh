#!/usr/bin/env bash
# Print benchmark: wall time of vzt-print writing 30 variants of a test (and
# their answer key) to a PDF, median of 5 runs, with the PDF's pages and size.
# Usage: tools/bench/print.sh [build-folder] [test]   (defaults: build, 4)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
test=${2:-4}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cd "$build/run"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$build/xdg-runtime" QT_LOGGING_RULES="qt.qpa.*=false"
/usr/bin/python3 - "$build/vzt-print" "$test" "$out/print.pdf" <<'PY'
import os, statistics, subprocess, sys, time
exe, test, pdf = sys.argv[1:4]
args = [exe, "--test", test, "--variants", "30", "--seed", "1", "--out", pdf]
subprocess.run(args, check=True, stdout=subprocess.DEVNULL)  # warm the cache
times = []
for _ in range(5):
    t = time.perf_counter()
    subprocess.run(args, check=True, stdout=subprocess.DEVNULL)
    times.append((time.perf_counter() - t) * 1000)
pages = subprocess.run(["pdfinfo", pdf], check=True, capture_output=True, text=True).stdout
pages = next(l.split()[-1] for l in pages.splitlines() if l.startswith("Pages:"))
print(f"30 variants of test {test}: {statistics.median(times):.0f} ms (median of 5; "
      f"min {min(times):.0f}, max {max(times):.0f}), {pages} pages, "
      f"{os.path.getsize(pdf) / 1e6:.1f} MB")
PY
