#!/usr/bin/env bash
# Runs every fuzz target for SECONDS seconds each from the fuzz build folder
# ($VZT_FUZZ_BUILD, default build-fuzz), on the kept corpus in
# tools/fuzz/corpus/<target> plus seeds from a generated working folder
# ($VZT_RUN, default build/run). Exits non-zero on any finding; a finding's
# input is left as crash-*/timeout-*/leak-* in the target's work folder.
# Each run starts from the fixed seed $VZT_FUZZ_SEED (default 1), so a run is
# repeated as it was; VZT_FUZZ_SEED=0 lets each run pick its own.
# Usage: tools/fuzz/run.sh SECONDS   (VZT_FUZZ_TARGETS="table picture" runs some)
set -euo pipefail
seconds=${1:?usage: tools/fuzz/run.sh SECONDS}
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${VZT_FUZZ_BUILD:-$root/build-fuzz}" && pwd)
run=${VZT_RUN:-$root/build/run}
work="$build/fuzz-work"
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="*.warning=false"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# seeds: table heads with a row and count in front, key files, key lists, pictures
seed() { # target name
  mkdir -p "$work/$1/seeds"
  cat > "$work/$1/seeds/$2"
}
targets=${VZT_FUZZ_TARGETS:-table keyfile keylist log journal picture}
for t in $targets; do rm -rf "${work:?}/$t"; done
for t in table keyfile keylist log journal picture; do mkdir -p "$work/$t/seeds" "$work/$t/corpus"; done
if [ -d "$run/Ida" ]; then
  n=0
  for f in "$run"/Ida/*.txt; do
    n=$((n + 1))
    { printf '\x03\x04'; head -c 1500 "$f"; } | seed table "ida$n"
    head -c 40 "$f" | seed keyfile "ida$n"
  done
fi
if [ -d "$run/SpS" ]; then
  for f in $(ls "$run"/SpS/*.bmp | head -n 40); do
    b=$(basename "$f" .bmp)
    [ "$(stat -c %s "$f")" -le 20000 ] || continue
    { printf '\x40\x30\x03'; cat "$f"; } | seed picture "$b"
  done
fi
printf '3' | seed keyfile three
printf '0\r\n' | seed keyfile zero
printf '0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n' | { printf '\x07'; cat; } | seed keylist fresh

# a journal of two attempts, made by the journal target itself
if [ -x "$build/tools/fuzz/fuzz_journal" ]; then
  VZT_FUZZ_MAKE_SEED="$work/journal/seeds/two-attempts" "$build/tools/fuzz/fuzz_journal" >/dev/null 2>&1 || true
fi
printf '\x01  \r\nРозпочато 10.12.2026 o 9:00:00  ВЗТ 01 Загальний час 754 сек. Помилок 3\r\n' | iconv -f utf-8 -t cp1251 | seed log entry

status=0
for t in $targets; do
  bin="$build/tools/fuzz/fuzz_$t"
  [ -x "$bin" ] || { echo "missing $bin: build with -DVZT_FUZZ=ON and the target 'fuzz'"; exit 2; }
  kept="$root/tools/fuzz/corpus/$t"
  dirs=("$work/$t/corpus" "$work/$t/seeds")
  [ -d "$kept" ] && dirs+=("$kept")
  maxlen=8192
  [ "$t" = journal ] && maxlen=32768 # a journal of two attempts is 16 KiB
  echo "== fuzz_$t for ${seconds}s"
  if ! (cd "$work/$t" && "$bin" -max_total_time="$seconds" -seed="${VZT_FUZZ_SEED:-1}" -timeout=1 -rss_limit_mb=2048 \
          -max_len="$maxlen" -print_final_stats=1 -artifact_prefix="$work/$t/" "${dirs[@]}" > "$work/$t/log" 2>&1); then
    tail -n 60 "$work/$t/log"
    status=1
  fi
  grep -E '^#[0-9]+\s+DONE|^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$work/$t/log" || true
  if ls "$work/$t" | grep -qE '^(crash|timeout|leak|oom|slow-unit)-'; then
    echo "fuzz_$t: finding kept in $work/$t"; status=1
  fi
done
exit $status
