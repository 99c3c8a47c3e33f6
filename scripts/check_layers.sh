#!/usr/bin/env bash
# Keeps the ground floors at the bottom: core/ includes only core/, and ui/
# includes only core/ and ui/. Prints every offending line and fails on any.
set -euo pipefail
ROOT="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
cd "$ROOT"
folders="app core ui simulation shop studio venues challenges"
status=0
check() {
  local layer="$1" allowed="$2" bad
  bad=$(grep -HnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$layer"/*.h "$layer"/*.cpp 2>/dev/null |
        while IFS= read -r line; do
          target=$(sed -E 's/.*#[[:space:]]*include[[:space:]]*"([^"]*)".*/\1/' <<<"${line#*:*:}")
          top="${target%%/*}"
          [[ "$target" == ../* ]] && { echo "$line"; continue; }
          [[ " $folders " == *" $top "* ]] || continue
          [[ " $allowed " == *" $top "* ]] || echo "$line"
        done)
  if [ -n "$bad" ]; then
    echo "$layer/ may include only: $allowed"
    echo "$bad"
    status=1
  fi
}
check core "core"
check ui "core ui"
[ $status -eq 0 ] && echo "Layers: core/ and ui/ include nothing above them."
exit $status
