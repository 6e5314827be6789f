#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) and fuzzes the
# project reader, the composer drawing a read project's first page, and the
# phone remote's message and request reader, each for the given number of
# seconds (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

bash scripts/install-deps.sh
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZB_FUZZ=ON -DZB_TESTS=OFF -DZB_BENCH=OFF -DZB_WERROR=ON
cmake --build build-fuzz --target fuzz_project_lezer fuzz_pagina_tekenen fuzz_afstand_bericht maak_zaden
rm -rf build-fuzz/zaden && ./build-fuzz/fuzz/maak_zaden build-fuzz/zaden
mkdir -p build-fuzz/corpus build-fuzz/corpus-tekenen
./build-fuzz/fuzz/fuzz_project_lezer -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
  -max_len=65536 -print_final_stats=1 build-fuzz/corpus build-fuzz/zaden
QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=$PWD/fuzz/lsan.supp ./build-fuzz/fuzz/fuzz_pagina_tekenen -max_total_time="$seconds" -rss_limit_mb=2048 \
  -timeout=10 -max_len=65536 -print_final_stats=1 build-fuzz/corpus-tekenen build-fuzz/zaden
mkdir -p build-fuzz/corpus-afstand build-fuzz/zaden-afstand
printf '{"cmd":"volgende"}' > build-fuzz/zaden-afstand/volgende
printf '{"cmd":"tik","x":0.5,"y":0.25,"s":12}' > build-fuzz/zaden-afstand/tik
printf '{"cmd":"item","i":3,"s":7}' > build-fuzz/zaden-afstand/item
printf '{"cmd":"maat","b":412}' > build-fuzz/zaden-afstand/maat
printf 'GET /ws?token=0123abcd HTTP/1.1\r\nHost: 127.0.0.1:8421\r\nOrigin: http://127.0.0.1:8421\r\n\r\n' \
  > build-fuzz/zaden-afstand/verzoek
./build-fuzz/fuzz/fuzz_afstand_bericht -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
  -max_len=16384 -print_final_stats=1 build-fuzz/corpus-afstand build-fuzz/zaden-afstand
