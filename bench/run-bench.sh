#!/usr/bin/env bash
# Measures loading and resaving a large stroke file, side by side with the
# system's own tools on the same file:
#   load   = quillmark-cli info FILE         against  wc -l FILE
#   resave = quillmark-cli resave FILE OUT   against  dd if=FILE of=OUT conv=fsync
#   export FILE --format csv|json           against  quillmark-cli dump FILE
#   shift FILE -01:00:00 -o OUT              against  quillmark-cli resave FILE OUT
#   peak memory of info                      against  256 bytes x strokes
# Usage: bench/run-bench.sh [BUILD_DIR] [STROKES] [RUNS] [dense|plain]
# Each pair of commands runs RUNS times (default 5), alternating, the file in
# the page cache; the median and the best of each are compared. The dense file
# (the default) carries full-range numbers in every key group, the reader's
# worst case; the plain one numbers of the size a writer stores.
set -euo pipefail
SOURCE_DIR="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="${1:-$SOURCE_DIR/build-bench}"
STROKES="${2:-1000000}"
RUNS="${3:-5}"
MODE="${4:-dense}"

cmake -S "$SOURCE_DIR" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DQUILLMARK_TESTS=OFF -DQUILLMARK_BENCH=ON > /dev/null
cmake --build "$BUILD_DIR" --target quillmark-cli quillmark-bench-generate quillmark-bench-measure > /dev/null
CLI="$BUILD_DIR/cli/quillmark-cli"
MEASURE="$BUILD_DIR/bench/quillmark-bench-measure"

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
FILE="$WORK/strokes.rtf"
OUT="$WORK/out.rtf"
GENERATE_MODE=()
[ "$MODE" = dense ] && GENERATE_MODE=(dense)
"$BUILD_DIR/bench/quillmark-bench-generate" "$FILE" "$STROKES" 1 "${GENERATE_MODE[@]}"
# A file at rest: written out to the disk, then read into the page cache.
sync "$FILE"
cat "$FILE" > /dev/null

# The commands, each timed with its peak memory as "seconds bytes cpu-seconds".
wc_lines() { "$MEASURE" wc -l "$FILE"; }
info() { "$MEASURE" "$CLI" info "$FILE"; }
synced_copy() { "$MEASURE" dd if="$FILE" of="$OUT" bs=4M conv=fsync status=none; }
resave() { "$MEASURE" "$CLI" resave "$FILE" "$OUT"; }
dump() { "$MEASURE" "$CLI" dump "$FILE"; }
export_csv() { "$MEASURE" "$CLI" export "$FILE" --format csv; }
export_json() { "$MEASURE" "$CLI" export "$FILE" --format json; }
shift_hour() { "$MEASURE" "$CLI" shift "$FILE" -01:00:00 -o "$OUT"; }

# Runs the baseline command and ours RUNS times, alternating, and prints
# "base-median base-best ours-median ours-best ours-peak-bytes".
compare() {
  for _ in $(seq "$RUNS"); do
    rm -f "$OUT"
    echo "base $("$1")"
    rm -f "$OUT"
    echo "ours $("$2")"
  done | awk '
    { t[$1, ++n[$1]] = $2; if ($1 == "ours" && $3 > peak) peak = $3 }
    function median_best(k,   i, j, m, v, x) {
      m = n[k]
      for (i = 1; i <= m; i++) v[i] = t[k, i]
      for (i = 2; i <= m; i++)
        for (j = i; j > 1 && v[j] < v[j - 1]; j--) { x = v[j]; v[j] = v[j - 1]; v[j - 1] = x }
      return sprintf("%.3f %.3f", v[int((m + 1) / 2)], v[1])
    }
    END { printf "%s %s %d\n", median_best("base"), median_best("ours"), peak }'
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

echo "file ($MODE): $STROKES strokes, $(stat -c %s "$FILE") bytes; median and best of $RUNS runs"
"$CLI" info "$FILE"
read -r WC_MED WC_BEST INFO_MED INFO_BEST PEAK < <(compare wc_lines info)
read -r DD_MED DD_BEST RESAVE_MED RESAVE_BEST _ < <(compare synced_copy resave)
"$CLI" resave "$FILE" "$OUT"
# The resaved strokes are the generated ones: only the creation date may differ.
cmp -s <(tail -n +8 "$FILE") <(tail -n +8 "$OUT") || { echo "resaved strokes differ"; exit 1; }
read -r DUMP_MED DUMP_BEST CSV_MED CSV_BEST _ < <(compare dump export_csv)
read -r _ _ JSON_MED JSON_BEST _ < <(compare dump export_json)
read -r _ _ SHIFT_MED SHIFT_BEST _ < <(compare resave shift_hour)
RECORDS=$((256 * STROKES))

echo "load:   info ${INFO_MED}s, wc -l ${WC_MED}s -> median $(ratio "$INFO_MED" "$WC_MED")x," \
  "best $(ratio "$INFO_BEST" "$WC_BEST")x (${INFO_BEST}s / ${WC_BEST}s) (target <= 5x)"
echo "resave: resave ${RESAVE_MED}s, dd conv=fsync ${DD_MED}s -> median $(ratio "$RESAVE_MED" "$DD_MED")x," \
  "best $(ratio "$RESAVE_BEST" "$DD_BEST")x (${RESAVE_BEST}s / ${DD_BEST}s) (target <= 3x)"
echo "export: csv ${CSV_MED}s, json ${JSON_MED}s, dump ${DUMP_MED}s -> median" \
  "$(ratio "$CSV_MED" "$DUMP_MED")x, $(ratio "$JSON_MED" "$DUMP_MED")x (target <= 2x)"
echo "shift:  shift ${SHIFT_MED}s, resave ${RESAVE_MED}s -> median $(ratio "$SHIFT_MED" "$RESAVE_MED")x"
echo "memory: info peak $PEAK bytes, records $RECORDS bytes -> $(ratio "$PEAK" "$RECORDS")x (target <= 1.05x)"
