#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, the stroke file reader's and the
# dictionary readers', and runs each briefly.
#   tests/fuzz/run-fuzz.sh [BUILD_DIR] [SECONDS_EACH]
# The fuzzers are built under BUILD_DIR/fuzz (default: a temporary directory).
# Exits non-zero when a fuzzer finds a crash, a leak or a sanitizer report.
set -euo pipefail
SOURCE_DIR="$(cd "$(dirname "$0")/../.." && pwd)"
SECONDS_TO_RUN="${2:-10}"

CXX_FUZZ="${CXX_FUZZ:-clang++}"
if ! command -v "$CXX_FUZZ" > /dev/null; then
  echo "run-fuzz.sh: $CXX_FUZZ not found, skipping the fuzzers"
  exit 0
fi

if [ -n "${1:-}" ]; then
  mkdir -p "$1/fuzz"
  WORK_DIR="$(cd "$1/fuzz" && pwd)"
else
  WORK_DIR="$(mktemp -d)"
  trap 'rm -rf "$WORK_DIR"' EXIT
fi

# The core sources each target needs: those the build puts into the Qt-free core
# (a folder also holds its widgets), or without a build those that name no Qt
# header themselves.
COMMANDS="${1:-}/compile_commands.json"
core_sources() {
  local source
  for source in "$@"; do
    if [ -f "$COMMANDS" ]; then
      grep -q "quillmark_core.dir/.*$(basename "$(dirname "$source")")/$(basename "$source").o" \
        "$COMMANDS" && echo "$source"
    else
      grep -q '^#include <Q' "$source" "${source%.cpp}.h" 2> /dev/null || echo "$source"
    fi
  done
}
mapfile -t reader_sources < <(core_sources "$SOURCE_DIR"/rtfcre/*.cpp "$SOURCE_DIR"/base/*.cpp "$SOURCE_DIR"/steno/*.cpp)
# The dictionaries and the translator, without what ties them to the open document.
mapfile -t dictionary_sources < <(core_sources "$SOURCE_DIR"/base/*.cpp "$SOURCE_DIR"/steno/*.cpp \
  $(grep -L '#include "document/' "$SOURCE_DIR"/translation/*.cpp))

# build NAME SOURCE LIBRARIES... : a fuzzer of the target and the core sources given.
build() {
  local name="$1" target="$2"
  shift 2
  echo "run-fuzz.sh: building $WORK_DIR/$name"
  "$CXX_FUZZ" -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I "$SOURCE_DIR" -o "$WORK_DIR/$name" "$SOURCE_DIR/tests/fuzz/$target" "$@"
}

# run NAME CORPUS: fuzzes for SECONDS_TO_RUN seconds from the seeds in CORPUS.
run() {
  local name="$1" corpus="$2" log="$WORK_DIR/$1.log"
  echo "run-fuzz.sh: fuzzing $name for ${SECONDS_TO_RUN}s"
  if ! (cd "$WORK_DIR" && "./$name" -max_total_time="$SECONDS_TO_RUN" -max_len=8192 -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 "$corpus") > "$log" 2>&1; then
    tail -n 60 "$log"
    echo "run-fuzz.sh: $name found a problem (log: $log)"
    exit 1
  fi
  grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units)' "$log" || true
}

build reader-fuzzer ReaderFuzzer.cpp "${reader_sources[@]}"
build dictionary-fuzzer DictionaryFuzzer.cpp "${dictionary_sources[@]}" -lsimdjson

# Seeds: a file in the writer's own form and a few of the odd shapes the reader accepts.
CORPUS="$WORK_DIR/corpus"
rm -rf "$CORPUS"
mkdir -p "$CORPUS"
HEADER='{\rtf1\pc\n{\*\cxrev100}\n{\*\cxnotes}\n{\*\cxsystem {\i Corvane writer} Ardentide Inc}\n{\info\n{\creatim\yr2024\mo3\da10}\n}\n'
printf "$HEADER"'{\\*\\cxs KA-T}\n{\\*\\cxsf KA-T}\n{\\*\\cxt 2:30:7:0}\n{\\*\\cxsp 1 2 65535}\n{\\*\\cxspt 5,-1 -1,7}\n}\r\n' > "$CORPUS/writer"
printf '{\\creatim\\yr2024\\mo11\\da3}\r\n{\\*\\cxsystem {\\i N} T}\r\n{\\*\\cxs S}{\\*\\cxsf -Z}{\\*\\cxt 1:30}{\\*\\cxsp 5,}{\\*\\cxspt ,5 1,,2}\x1a\n' > "$CORPUS/odd"
printf "$HEADER"'{\\*\\cxs STKPW}{\\*\\cxt 10:11:12:0}\n{\\*\\cxt 24:0:0:0}\n' > "$CORPUS/bad-time"

# Seeds: a JSON dictionary and an RTF/CRE one using the notations the formatter reads.
DICTIONARIES="$WORK_DIR/dictionaries"
rm -rf "$DICTIONARIES"
mkdir -p "$DICTIONARIES"
cat > "$DICTIONARIES/json" << 'END'
{"KAT": "cat", "TKOG/-S": "dogs", "-S": "{^s}", "KPA": "{}{-|}", "1-9": "{&a}{.}",
"*": "=undo", "-G": "{^ing}", "HRO": "{~|\"^}\n\u00e9"}
END
cat > "$DICTIONARIES/rtf" << 'END'
{\rtf1\ansi\ansicpg1252\cxdict{\*\cxrev100}
{\*\cxs KAT}\cxfc cat{\cxp. }
{\*\cxs -G}\cxds ing\par
{\*\cxs A}{\cxfing a}\u233\'e9\~\_{\*\cxcomment x}
}
END

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
run reader-fuzzer "$CORPUS"
run dictionary-fuzzer "$DICTIONARIES"
echo "run-fuzz.sh: no crash, leak or sanitizer report"
