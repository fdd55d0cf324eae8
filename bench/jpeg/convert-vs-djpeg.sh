#!/usr/bin/env bash
# zentrel-convert against djpeg (same libjpeg, same options) as whole commands, in turns, median
# wall-clock seconds of ROUNDS rounds:
#   bench/jpeg/convert-vs-djpeg.sh BIN_DIR [ROUNDS] [OUT_DIR]
# BIN_DIR holds zentrel-convert and bench_jpeg_pictures (a build with -DZENTREL_BENCH=ON). The
# bitmaps go to OUT_DIR (default: a new folder under /tmp): its file system decides what the
# flushes to disk that zentrel-convert makes, and djpeg does not, cost.
set -euo pipefail
bin=$(cd "$1" && pwd)
rounds=${2:-5}
pics=$(mktemp -d)
out=${3:-$(mktemp -d)}
trap 'rm -rf "$pics"' EXIT
"$bin/bench_jpeg_pictures" "$pics"
mkdir -p "$out/one" "$out/batch" "$out/djpeg"

ours() { "$bin/zentrel-convert" "$1" "$2"; }
theirs() { djpeg -bmp -colors 256 -dither fs -dct int -outfile "$2" "$1"; }
# One command per picture of a folder, each bitmap under the picture's name.
each() {
    for f in "$pics/$2"/*.jpg; do
        n=${f##*/}
        "$1" "$f" "$out/$3/${n%.jpg}.bmp"
    done
}
batch() { "$bin/zentrel-convert" --to "$out/batch" "$pics/$1"/*.jpg; }
seconds() {
    local start=$EPOCHREALTIME
    "$@"
    awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.3f\n", b - a }'
}
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

declare -A times
cases=("small: zentrel-convert, one per file|each ours small one" "small: djpeg, one per file|each theirs small djpeg"
    "small: zentrel-convert --to|batch small"
    "photo: zentrel-convert|ours $pics/photo.jpg $out/one/photo.bmp"
    "photo: djpeg|theirs $pics/photo.jpg $out/djpeg/photo.bmp"
    "batch of 200: zentrel-convert --to|batch batch" "batch of 200: zentrel-convert, one per file|each ours batch one"
    "batch of 200: djpeg, one per file|each theirs batch djpeg")
for ((round = 0; round < rounds; ++round)); do
    for c in "${cases[@]}"; do
        read -ra command <<<"${c#*|}"
        times[${c%%|*}]+="$(seconds "${command[@]}") "
    done
done
cmp -s "$out/one/photo.bmp" "$out/djpeg/photo.bmp" && same=yes || same=NO
for c in "${cases[@]}"; do
    printf '%-45s %8s s\n' "${c%%|*}" "$(tr ' ' '\n' <<<"${times[${c%%|*}]}" | grep . | median)"
done
echo "photo bitmaps byte-identical: $same"
