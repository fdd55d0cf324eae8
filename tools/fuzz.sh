#!/usr/bin/env bash
# Installs clang if needed, builds one fuzz target with AddressSanitizer and UBSan, writes its seed
# corpus and fuzzes for the given number of seconds: tools/fuzz.sh gif|jpeg|logo [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
target="${1:?usage: tools/fuzz.sh gif|jpeg|logo [SECONDS]}"
seconds="${2:-1200}"
tools/install-deps.sh
if ! command -v clang++ >/dev/null || ! dpkg-query -W libclang-rt-14-dev >/dev/null 2>&1; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq clang libclang-rt-14-dev
fi
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DZENTREL_FUZZ=ON -DZENTREL_TESTS=OFF >/dev/null
cmake --build build-fuzz --target "fuzz_$target" "fuzz_${target}_seeds"
mkdir -p "build-fuzz/$target-seeds" "build-fuzz/$target-corpus"
"build-fuzz/bin/fuzz_${target}_seeds" "build-fuzz/$target-seeds"
dict=()
[ -f "fuzz/$target/$target.dict" ] && dict=("-dict=fuzz/$target/$target.dict")
exec nice -n 10 "build-fuzz/bin/fuzz_$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 "${dict[@]}" \
    "build-fuzz/$target-corpus" "build-fuzz/$target-seeds"
