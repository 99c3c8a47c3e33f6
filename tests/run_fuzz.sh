#!/usr/bin/env bash
# Builds the readers of files a player can touch with libFuzzer and the
# sanitizers and feeds them arbitrary bytes from their seeds: the saved-game
# reader for 30 seconds, the picture loader and the career book's reader for
# 15 each. A crash, a sanitizer report, a leak, a broken round trip or a
# refusal without a reason fails the run.
set -euo pipefail
ROOT="$1"
OUT="$ROOT/build/fuzz"
mkdir -p "$OUT/found" "$OUT/found_pictures" "$OUT/found_books"
FLAGS=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)

clang++ "${FLAGS[@]}" -I"$ROOT" \
  "$ROOT/tests/fuzz/save_reader_fuzz.cpp" "$ROOT/core/save_text.cpp" "$ROOT/core/text_file.cpp" \
  "$ROOT/core/read_file.cpp" \
  -o "$OUT/save_reader_fuzz"

clang++ "${FLAGS[@]}" -I"$ROOT" \
  "$ROOT/tests/fuzz/book_reader_fuzz.cpp" "$ROOT/core/career_book.cpp" "$ROOT/core/save_text.cpp" \
  "$ROOT/core/text_file.cpp" "$ROOT/core/read_file.cpp" -o "$OUT/book_reader_fuzz"

# Qt is built for position-independent code; the loader takes its BMP and PNG readers.
# shellcheck disable=SC2046
clang++ "${FLAGS[@]}" -fPIC -I"$ROOT" $(pkg-config --cflags Qt6Gui) \
  "$ROOT/tests/fuzz/picture_reader_fuzz.cpp" "$ROOT/ui/picture_io.cpp" \
  "$ROOT/core/save_files.cpp" "$ROOT/core/text_file.cpp" "$ROOT/core/read_file.cpp" \
  $(pkg-config --libs Qt6Gui) -ljpeg -o "$OUT/picture_reader_fuzz"

# The picture seeds are drawn afresh; new inputs go to the build folder and
# the seeds in the repository stay as they are.
rm -rf "$OUT/picture_seeds"
bash "$ROOT/tests/fuzz/make_picture_seeds.sh" "$OUT/picture_seeds"

"$OUT/save_reader_fuzz" -max_total_time=30 -max_len=16384 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$OUT/" -print_final_stats=1 "$OUT/found" "$ROOT/tests/fuzz/corpus"

QT_QPA_PLATFORM=offscreen "$OUT/picture_reader_fuzz" -max_total_time=15 -max_len=8192 -timeout=10 \
  -rss_limit_mb=2048 -artifact_prefix="$OUT/picture-" -print_final_stats=1 \
  "$OUT/found_pictures" "$OUT/picture_seeds"

"$OUT/book_reader_fuzz" -max_total_time=15 -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$OUT/book-" -print_final_stats=1 "$OUT/found_books" "$ROOT/tests/fuzz/book_corpus"
