#!/usr/bin/env bash
# Measures loading and resaving a large stroke file, side by side with the
# system's own tools on the same file:
#   load   = quillmark-cli info FILE         against  wc -l FILE
#   resave = quillmark-cli resave FILE OUT   against  cp FILE OUT
#   peak memory of info                      against  256 bytes x strokes
#   export (CSV and JSON)                    against  quillmark-cli dump FILE
#   shift FILE -01:00:00 -o OUT              against  resave FILE OUT
# Usage: bench/run-bench.sh [BUILD_DIR] [STROKES] [RUNS]
# Each time is the best of RUNS runs (default 5), the file in the page cache.
set -euo pipefail
SOURCE_DIR="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="${1:-$SOURCE_DIR/build-bench}"
STROKES="${2:-1000000}"
RUNS="${3:-5}"

cmake -S "$SOURCE_DIR" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DQUILLMARK_TESTS=OFF -DQUILLMARK_BENCH=ON > /dev/null
cmake --build "$BUILD_DIR" --target quillmark-cli quillmark-bench-generate quillmark-bench-measure > /dev/null
CLI="$BUILD_DIR/cli/quillmark-cli"
MEASURE="$BUILD_DIR/bench/quillmark-bench-measure"

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
FILE="$WORK/strokes.rtf"
"$BUILD_DIR/bench/quillmark-bench-generate" "$FILE" "$STROKES"
cat "$FILE" > /dev/null

# Best wall time of RUNS runs, the peak memory of the first and the least
# processor time, as "seconds bytes seconds".
measure() {
  for _ in $(seq "$RUNS"); do
    rm -f "$WORK/out.rtf"
    "$MEASURE" "$@"
  done | awk 'NR == 1 { best = $1; peak = $2; cpu = $3 } $1 < best { best = $1 } $3 < cpu { cpu = $3 }
              END { printf "%.3f %d %.3f\n", best, peak, cpu }'
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

echo "file: $STROKES strokes, $(stat -c %s "$FILE") bytes; best of $RUNS runs"
"$CLI" info "$FILE"
read -r WC _ < <(measure wc -l "$FILE")
read -r INFO PEAK _ < <(measure "$CLI" info "$FILE")
read -r CP _ < <(measure cp "$FILE" "$WORK/out.rtf")
read -r RESAVE _ < <(measure "$CLI" resave "$FILE" "$WORK/out.rtf")
# The resaved strokes are the generated ones: only the creation date may differ.
cmp -s <(tail -n +8 "$FILE") <(tail -n +8 "$WORK/out.rtf") || { echo "resaved strokes differ"; exit 1; }
read -r DUMP _ DUMP_CPU < <(measure "$CLI" dump "$FILE")
read -r CSV _ CSV_CPU < <(measure "$CLI" export "$FILE" --format csv)
read -r JSON _ JSON_CPU < <(measure "$CLI" export "$FILE" --format json)
read -r SHIFT _ < <(measure "$CLI" shift "$FILE" -01:00:00 -o "$WORK/out.rtf")
RECORDS=$((256 * STROKES))

echo "load:   info ${INFO}s, wc -l ${WC}s -> $(ratio "$INFO" "$WC")x (target <= 8x)"
echo "resave: resave ${RESAVE}s, cp ${CP}s -> $(ratio "$RESAVE" "$CP")x (target <= 6x)"
echo "export: csv ${CSV}s, json ${JSON}s, dump ${DUMP}s -> $(ratio "$CSV" "$DUMP")x, $(ratio "$JSON" "$DUMP")x (target <= 2x)"
echo "        processor time: csv ${CSV_CPU}s, json ${JSON_CPU}s, dump ${DUMP_CPU}s -> $(ratio "$CSV_CPU" "$DUMP_CPU")x, $(ratio "$JSON_CPU" "$DUMP_CPU")x"
echo "shift:  shift ${SHIFT}s, resave ${RESAVE}s -> $(ratio "$SHIFT" "$RESAVE")x"
echo "memory: info peak $PEAK bytes, records $RECORDS bytes -> $(ratio "$PEAK" "$RECORDS")x (target <= 1.1x)"
