#!/usr/bin/env bash
# Measures the exchange core on a generated drawing and compares it with
# its baselines: `wc -l` (the cost of touching the bytes at all) and the
# straightforward Python rewrite. Run by hand; not part of the test suite.
#
# usage: bench/run_exchange_bench.sh [BUILD_DIR]
#   BUILD_DIR  a build with the bench folder enabled (default: build)
# environment:
#   ELEMENTS   elements of the generated drawing (default 1000000)
#   SEED       generator seed (default 1)
#   RUNS       runs of each timed command; the best one counts (default 3)
#
# Needs /usr/bin/time (Debian package "time") and python3. Exits 1 when a
# target is missed, 2 when something needed is missing.

set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
bin=$build/bin
elements=${ELEMENTS:-1000000}
seed=${SEED:-1}
runs=${RUNS:-3}

for tool in orvik-make-drawing orvik-cli bench_exchange; do
  if [[ ! -x $bin/$tool ]]; then
    echo "missing $bin/$tool: build with the bench folder enabled" >&2
    exit 2
  fi
done
if [[ ! -x /usr/bin/time ]]; then
  echo "missing /usr/bin/time: apt-get install time" >&2
  exit 2
fi
command -v python3 >/dev/null || { echo "missing python3" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/orvik-exchange-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
drawing=$work/JWC_TEMP.TXT

# Prints the best wall time in seconds of RUNS runs of the command.
best_seconds() {
  local best=""
  for ((run = 0; run < runs; run++)); do
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    best=$(awk -v t="$(((end - start) / 1000))" -v b="$best" \
      'BEGIN { t /= 1e6; print (b == "" || t < b) ? t : b }')
  done
  echo "$best"
}

# Prints the peak resident set size in bytes of one run of the command.
peak_rss_bytes() {
  /usr/bin/time -v -o "$work/time.txt" "$@" >/dev/null
  awk -F': ' '/Maximum resident set size/ { print $2 * 1024 }' "$work/time.txt"
}

calc() { awk "BEGIN { printf \"$1\", $2 }"; }

missed=0
# check NAME VALUE OPERATOR LIMIT
check() {
  if awk -v v="$2" -v l="$4" -v op="$3" \
    'BEGIN { exit !((op == ">=") ? v >= l : v <= l) }'; then
    echo "    $1: $(calc '%.2f' "$2") (target $3 $4) ok"
  else
    echo "    $1: $(calc '%.2f' "$2") (target $3 $4) MISSED"
    missed=$((missed + 1))
  fi
}

echo "== machine"
echo "    nproc $(nproc), $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)"

echo "== drawing"
"$bin/orvik-make-drawing" "$elements" "$drawing" --seed "$seed"
size=$(stat -c %s "$drawing")
lines=$(wc -l <"$drawing")
mb=$(calc '%.6f' "$size / 1e6")
echo "    $elements elements, $size bytes ($(calc '%.1f' "$mb") MB), $lines lines"

echo "== wc -l (best of $runs)"
wc_s=$(best_seconds wc -l "$drawing")
echo "    $(calc '%.3f' "$wc_s") s, $(calc '%.0f' "$mb / $wc_s") MB/s"

echo "== orvik-cli write (best of $runs)"
cli_s=$(best_seconds "$bin/orvik-cli" write "$drawing" "$work/out.txt")
rss=$(peak_rss_bytes "$bin/orvik-cli" write "$drawing" "$work/out.txt")
echo "    $(calc '%.3f' "$cli_s") s, $(calc '%.0f' "$mb / $cli_s") MB/s of input," \
  "peak RSS $(calc '%.1f' "$rss / 1e6") MB, output $(stat -c %s "$work/out.txt") bytes"

echo "== python baseline (best of $runs)"
py_s=$(best_seconds python3 "$root/bench/baseline_rewrite.py" "$drawing" "$work/py.txt")
echo "    $(calc '%.3f' "$py_s") s, $(calc '%.1f' "$mb / $py_s") MB/s"

echo "== bench_exchange ($runs repetitions, medians)"
ORVIK_BENCH_FILE=$drawing "$bin/bench_exchange" \
  --benchmark_repetitions="$runs" --benchmark_report_aggregates_only=true \
  --benchmark_out="$work/bench.json" --benchmark_out_format=json 2>/dev/null |
  grep -E '^(BM_|-|Benchmark)'
read -r read_bps write_bps < <(python3 - "$work/bench.json" <<'EOF'
import json, sys
runs = json.load(open(sys.argv[1]))["benchmarks"]
def median(name):
    for r in runs:
        if r.get("run_name", "").startswith(name) and r.get("aggregate_name") == "median":
            return r["bytes_per_second"]
    for r in runs:
        if r.get("run_name", r["name"]).startswith(name):
            return r["bytes_per_second"]
    return 0
print(median("BM_ReadExchangeFile"), median("BM_WriteExchangeFile"))
EOF
)

echo "== ratios (MB = 10^6 bytes)"
check "read MB/s (ReadExchangeFile)" "$(calc '%.6f' "$read_bps / 1e6")" ">=" 300
check "write MB/s (WriteDrawing + flush)" "$(calc '%.6f' "$write_bps / 1e6")" ">=" 200
check "orvik-cli write speed-up over python" "$(calc '%.6f' "$py_s / $cli_s")" ">=" 10
echo "    orvik-cli write time / wc -l time: $(calc '%.1f' "$cli_s / $wc_s")"
check "orvik-cli peak RSS / file size" "$(calc '%.6f' "$rss / $size")" "<=" 3

if ((missed > 0)); then
  echo "$missed target(s) missed"
  exit 1
fi
echo "all targets met"
