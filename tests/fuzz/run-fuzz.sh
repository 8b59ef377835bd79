#!/usr/bin/env bash
# Builds the reader's libFuzzer target with clang and runs it briefly.
#   tests/fuzz/run-fuzz.sh [BUILD_DIR] [SECONDS]
# The fuzzer is built under BUILD_DIR/fuzz (default: a temporary directory).
# Exits non-zero when the fuzzer finds a crash, a leak or a sanitizer report.
set -euo pipefail
SOURCE_DIR="$(cd "$(dirname "$0")/../.." && pwd)"
SECONDS_TO_RUN="${2:-20}"

CXX_FUZZ="${CXX_FUZZ:-clang++}"
if ! command -v "$CXX_FUZZ" > /dev/null; then
  echo "run-fuzz.sh: $CXX_FUZZ not found, skipping the reader fuzzer"
  exit 0
fi

if [ -n "${1:-}" ]; then
  mkdir -p "$1/fuzz"
  WORK_DIR="$(cd "$1/fuzz" && pwd)"
else
  WORK_DIR="$(mktemp -d)"
  trap 'rm -rf "$WORK_DIR"' EXIT
fi

# The reader, its helpers and the encoder.
core_sources=()
for source in "$SOURCE_DIR"/rtfcre/*.cpp "$SOURCE_DIR"/base/*.cpp "$SOURCE_DIR"/steno/*.cpp; do
  grep -q '^#include <Q' "$source" "${source%.cpp}.h" 2> /dev/null || core_sources+=("$source")
done

FUZZER="$WORK_DIR/reader-fuzzer"
echo "run-fuzz.sh: building $FUZZER"
"$CXX_FUZZ" -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I "$SOURCE_DIR" -o "$FUZZER" \
  "$SOURCE_DIR/tests/fuzz/ReaderFuzzer.cpp" "${core_sources[@]}"

# Seeds: a file in the writer's own form and a few of the odd shapes the reader accepts.
CORPUS="$WORK_DIR/corpus"
rm -rf "$CORPUS"
mkdir -p "$CORPUS"
HEADER='{\rtf1\pc\n{\*\cxrev100}\n{\*\cxnotes}\n{\*\cxsystem {\i Corvane writer} Ardentide Inc}\n{\info\n{\creatim\yr2024\mo3\da10}\n}\n'
printf "$HEADER"'{\\*\\cxs KA-T}\n{\\*\\cxsf KA-T}\n{\\*\\cxt 2:30:7:0}\n{\\*\\cxsp 1 2 65535}\n{\\*\\cxspt 5,-1 -1,7}\n}\r\n' > "$CORPUS/writer"
printf '{\\creatim\\yr2024\\mo11\\da3}\r\n{\\*\\cxsystem {\\i N} T}\r\n{\\*\\cxs S}{\\*\\cxsf -Z}{\\*\\cxt 1:30}{\\*\\cxsp 5,}{\\*\\cxspt ,5 1,,2}\x1a\n' > "$CORPUS/odd"
printf "$HEADER"'{\\*\\cxs STKPW}{\\*\\cxt 10:11:12:0}\n{\\*\\cxt 24:0:0:0}\n' > "$CORPUS/bad-time"

LOG="$WORK_DIR/fuzz.log"
echo "run-fuzz.sh: fuzzing the reader for ${SECONDS_TO_RUN}s"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
if ! (cd "$WORK_DIR" && "$FUZZER" -max_total_time="$SECONDS_TO_RUN" -max_len=8192 -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 "$CORPUS") > "$LOG" 2>&1; then
  tail -n 60 "$LOG"
  echo "run-fuzz.sh: the reader fuzzer found a problem (log: $LOG)"
  exit 1
fi
grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units)' "$LOG" || true
echo "run-fuzz.sh: no crash, leak or sanitizer report"
