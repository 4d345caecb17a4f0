#!/usr/bin/env bash
# Start-up benchmark: median wall time of 10 runs of the trainer's start-up to
# the main menu shown (offscreen, warm cache) against a bare Qt program from
# the same run, the time from closing the main menu to the end of the
# process, and the time to open each window.
# Usage: tools/bench/startup.sh [build-folder]   (default: build)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
cd "$build/run"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$build/xdg-runtime" QT_LOGGING_RULES="*.debug=false;qt.qpa.*=false;*.warning=false"
/usr/bin/python3 - "$build/vzt-bench" <<'PY'
import os, statistics, subprocess, sys, time
bench = sys.argv[1]
def median_ms(args, runs=10):
    subprocess.run(args, check=True)  # warm the cache
    times = []
    for _ in range(runs):
        t = time.perf_counter()
        subprocess.run(args, check=True)
        times.append((time.perf_counter() - t) * 1000)
    return statistics.median(times)
bare = median_ms([bench, "--bare"])
full = median_ms([bench])
print(f"bare Qt start-up:  {bare:7.1f} ms (median of 10)")
print(f"trainer start-up:  {full:7.1f} ms (median of 10)")
print(f"difference:        {full - bare:7.1f} ms (goal: at most 150 ms)")
# On a high-DPI screen (device pixel ratio 2) the menu draws its pictures'
# 2x twins; the question windows read theirs when they are first opened.
os.environ["QT_SCALE_FACTOR"] = "2"
bare2 = median_ms([bench, "--bare"])
full2 = median_ms([bench])
del os.environ["QT_SCALE_FACTOR"]
print(f"at ratio 2:        {full2 - bare2:7.1f} ms over bare Qt ({full2:.1f} against {bare2:.1f})")
# Exit: from the click on the main menu's "X" (every window opened once
# before) to the end of the process.
exits = []
for _ in range(5):
    p = subprocess.Popen([bench, "--exit"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    closing = int(p.stdout.readline().split()[1])
    p.wait()
    exits.append((time.monotonic_ns() - closing) / 1e6)
print(f"exit after the last window closes: {statistics.median(exits):5.1f} ms (median of 5; goal: at most 200 ms)")
# The results window, each run a fresh process opening it for the first time.
import tempfile
with tempfile.TemporaryDirectory() as journal:
    subprocess.run([bench, "--results", journal], check=True, stdout=subprocess.DEVNULL)
    opens = [float(subprocess.run([bench, "--results", journal], check=True, capture_output=True,
                                  text=True).stdout) for _ in range(5)]
print(f"results window, 1,000 attempts: {statistics.median(opens):5.1f} ms (median of 5; goal: at most 50 ms)")
PY
"$build/vzt-bench" --windows 2>/dev/null
