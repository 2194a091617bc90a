#!/usr/bin/env bash
# Measures the exchange core on generated drawings of each shape (plain and
# realistic, see bench/drawing_generator.h) and compares it with its
# baselines: `wc -l` (the cost of touching the bytes at all) and the
# straightforward Python rewrite. Run by hand; not part of the build or the
# test suite.
#
# usage: bench/run_exchange_bench.sh [BUILD_DIR]
#   BUILD_DIR  a build with the bench folder enabled (default: build)
# environment:
#   ELEMENTS   elements of the generated drawings (default 1000000)
#   SEED       generator seed (default 1)
#   RUNS       runs of each timed command; the best one counts (default 3)
#   SHAPES     the shapes to measure (default "plain realistic")
#
# Targets, per shape: `orvik-cli write` at least 15 times as fast as the
# Python rewrite, and its peak memory at most twice the file's size. The
# report says PASS or FAIL for each; the exit status is 0 whatever they say
# (2 when something needed is missing). Needs /usr/bin/time (Debian
# package "time") and python3.

set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
bin=$build/bin
elements=${ELEMENTS:-1000000}
seed=${SEED:-1}
runs=${RUNS:-3}
shapes=${SHAPES:-plain realistic}

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

summary=()
failed=0
# check SHAPE NAME VALUE OPERATOR LIMIT
check() {
  local verdict=FAIL
  if awk -v v="$3" -v l="$5" -v op="$4" \
    'BEGIN { exit !((op == ">=") ? v >= l : v <= l) }'; then
    verdict=PASS
  else
    failed=$((failed + 1))
  fi
  local line
  line="$(printf '%-10s %-44s %8s (target %s %s) %s' "$1" "$2" \
    "$(calc '%.2f' "$3")" "$4" "$5" "$verdict")"
  echo "    $line"
  summary+=("$line")
}

# Median bytes per second of a benchmark in bench_exchange's JSON output.
median_bps() {
  python3 - "$1" "$2" <<'EOF'
import json, sys
runs = json.load(open(sys.argv[1]))["benchmarks"]
name = sys.argv[2]
for r in runs:
    if r.get("run_name", "").startswith(name) and r.get("aggregate_name") == "median":
        print(r["bytes_per_second"]); break
else:
    print(next((r["bytes_per_second"] for r in runs
                if r.get("run_name", r["name"]).startswith(name)), 0))
EOF
}

echo "== machine"
echo "    nproc $(nproc), $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)"

for shape in $shapes; do
  drawing=$work/$shape/JWC_TEMP.TXT
  mkdir -p "$work/$shape"
  echo
  echo "===== $shape"
  echo "== drawing"
  "$bin/orvik-make-drawing" "$elements" "$drawing" --seed "$seed" --shape "$shape"
  size=$(stat -c %s "$drawing")
  lines=$(wc -l <"$drawing")
  mb=$(calc '%.6f' "$size / 1e6")
  echo "    $elements elements, $size bytes ($(calc '%.1f' "$mb") MB), $lines lines"

  echo "== wc -l (best of $runs)"
  wc_s=$(best_seconds wc -l "$drawing")
  echo "    $(calc '%.3f' "$wc_s") s, $(calc '%.0f' "$mb / $wc_s") MB/s"

  echo "== orvik-cli write (best of $runs)"
  out=$work/$shape/out.txt
  cli_s=$(best_seconds "$bin/orvik-cli" write "$drawing" "$out")
  rss=$(peak_rss_bytes "$bin/orvik-cli" write "$drawing" "$out")
  echo "    $(calc '%.3f' "$cli_s") s, $(calc '%.0f' "$mb / $cli_s") MB/s of input," \
    "peak RSS $(calc '%.1f' "$rss / 1e6") MB, output $(stat -c %s "$out") bytes"

  echo "== python baseline (best of $runs)"
  py_s=$(best_seconds python3 "$root/bench/baseline_rewrite.py" "$drawing" "$work/$shape/py.txt")
  echo "    $(calc '%.3f' "$py_s") s, $(calc '%.1f' "$mb / $py_s") MB/s"
  rm -f "$work/$shape/py.txt" "$out"

  echo "== bench_exchange ($runs repetitions, medians)"
  ORVIK_BENCH_FILE=$drawing "$bin/bench_exchange" \
    --benchmark_repetitions="$runs" --benchmark_report_aggregates_only=true \
    --benchmark_out="$work/bench.json" --benchmark_out_format=json 2>/dev/null |
    grep -E '^(BM_|-|Benchmark)'
  read_bps=$(median_bps "$work/bench.json" BM_ReadExchangeFile)
  write_bps=$(median_bps "$work/bench.json" BM_WriteExchangeFile)

  echo "== ratios (MB = 10^6 bytes)"
  echo "    read (ReadExchangeFile): $(calc '%.0f' "$read_bps / 1e6") MB/s," \
    "write (WriteDrawing + flush): $(calc '%.0f' "$write_bps / 1e6") MB/s"
  echo "    orvik-cli write time / wc -l time: $(calc '%.1f' "$cli_s / $wc_s")"
  check "$shape" "orvik-cli write speed-up over python" \
    "$(calc '%.6f' "$py_s / $cli_s")" ">=" 15
  check "$shape" "orvik-cli peak RSS / file size" \
    "$(calc '%.6f' "$rss / $size")" "<=" 2
  rm -f "$drawing"
done

echo
echo "===== targets"
for line in "${summary[@]}"; do
  echo "    $line"
done
if ((failed > 0)); then
  echo "$failed target(s) not met"
else
  echo "all targets met"
fi
