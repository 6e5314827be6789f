#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) and fuzzes the
# project reader, then the composer drawing a read project's first page, each
# for the given number of seconds (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

bash scripts/install-deps.sh
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZB_FUZZ=ON -DZB_TESTS=OFF -DZB_BENCH=OFF -DZB_WERROR=ON
cmake --build build-fuzz --target fuzz_project_lezer fuzz_pagina_tekenen maak_zaden
rm -rf build-fuzz/zaden && ./build-fuzz/fuzz/maak_zaden build-fuzz/zaden
mkdir -p build-fuzz/corpus build-fuzz/corpus-tekenen
./build-fuzz/fuzz/fuzz_project_lezer -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
  -max_len=65536 -print_final_stats=1 build-fuzz/corpus build-fuzz/zaden
QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=$PWD/fuzz/lsan.supp ./build-fuzz/fuzz/fuzz_pagina_tekenen -max_total_time="$seconds" -rss_limit_mb=2048 \
  -timeout=10 -max_len=65536 -print_final_stats=1 build-fuzz/corpus-tekenen build-fuzz/zaden
