#!/usr/bin/env bash
# Checks the layering the build cannot: no file compiled into the Qt-free core
# includes, directly or through other headers, a header of the Qt side (one
# that includes Qt, or whose source file is built into a Qt library).
#   tests/layers/run-layers.sh BUILD_DIR
set -euo pipefail
SOURCE_DIR="$(cd "$(dirname "$0")/../.." && pwd)"
COMMANDS="${1:?build folder}/compile_commands.json"
[ -f "$COMMANDS" ] || { echo "layers: FAIL: no $COMMANDS" >&2; exit 1; }

# Each entry's command (which names the target's object folder) comes before its file.
sources_of() {
  awk -v target="/$1.dir/" -F'"' '
    $2 == "command" { ours = index($4, target) > 0 }
    $2 == "file" && ours { print $4 }' "$COMMANDS"
}

declare -A qt_side=()
for source in $(sources_of quillmark_platform) $(sources_of quillmark_ui); do
  qt_side["${source%.cpp}.h"]=1
done
while IFS= read -r header; do
  qt_side["$header"]=1
done < <(grep -l -r --include='*.h' '^#include <Q' "$SOURCE_DIR" --exclude-dir='build*' --exclude-dir=tests)

declare -A seen=()
failures=0
# Follows the project's own includes of one file; reports a Qt-side one.
check() {
  local file="$1" from="$2" include
  [ -n "${seen[$file]:-}" ] && return
  seen["$file"]=1
  while IFS= read -r include; do
    local path="$SOURCE_DIR/$include"
    [ -f "$path" ] || continue
    if [ -n "${qt_side[$path]:-}" ]; then
      echo "layers: FAIL: ${from#"$SOURCE_DIR"/} reaches the Qt-side header $include" >&2
      failures=$((failures + 1))
    fi
    check "$path" "$from"
  done < <(sed -n 's/^#include "\(.*\)"/\1/p' "$file")
}

count=0
for source in $(sources_of quillmark_core); do
  seen=()
  check "$source" "$source"
  count=$((count + 1))
done
[ "$failures" -eq 0 ] || exit 1
echo "layers: ok: $count core sources reach no Qt-side header"
