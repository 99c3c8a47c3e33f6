#!/usr/bin/env bash
# Builds the saved-game reader with libFuzzer and the sanitizers and feeds it
# arbitrary bytes for 30 seconds, starting from the seed corpus. A crash, a
# sanitizer report or a broken round trip fails the run.
set -euo pipefail
ROOT="$1"
OUT="$ROOT/build/fuzz"
mkdir -p "$OUT/found"

clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$ROOT" \
  "$ROOT/tests/fuzz/save_reader_fuzz.cpp" "$ROOT/core/save_text.cpp" "$ROOT/core/text_file.cpp" \
  -o "$OUT/save_reader_fuzz"

# New inputs go to the build folder; the seeds in the repository stay as they are.
"$OUT/save_reader_fuzz" -max_total_time=30 -max_len=16384 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$OUT/" -print_final_stats=1 "$OUT/found" "$ROOT/tests/fuzz/corpus"
