#!/usr/bin/env bash
# Builds everything and runs every test, then builds everything again, the
# window and its tests included, under AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test (offscreen), leak checks on.
# As in CI, a compiler warning fails the build.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORANDEL_WERROR=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs" --timeout 600

# The window's tests run here too (Qt's own libraries are not instrumented;
# what the program does with them is): a use of a freed array or a call on a
# window half taken down fails the run.
san="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DORANDEL_WITH_QT=ON -DORANDEL_WITH_BENCH=OFF -DORANDEL_WERROR=ON \
  -DCMAKE_C_FLAGS="$san" -DCMAKE_CXX_FLAGS="$san" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs" --timeout 900

# The venue file and venue hand-over fuzzers, built with clang as the README describes: a Qt-free
# build of just the fuzz targets, the seed corpus replayed through both the
# replay test and the fuzzer itself, then a fixed-seed run of each fuzzer, so that
# every CI run tries the same inputs.
fuzz_dir=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$fuzz_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORANDEL_WITH_QT=OFF -DORANDEL_WITH_BENCH=OFF
cmake --build "$fuzz_dir" -j "$(nproc)" --target venue_file_fuzzer venue_file_replay \
  venue_data_fuzzer venue_data_replay
ctest --test-dir "$fuzz_dir" --output-on-failure -R '^venue_(file|data)_corpus_replay$' --timeout 300
"$fuzz_dir"/fuzz/venue_file_fuzzer -runs=0 fuzz/corpus/venue
"$fuzz_dir"/fuzz/venue_data_fuzzer -runs=0 fuzz/corpus/venue_data
fuzz_work=$(mktemp -d)
"$fuzz_dir"/fuzz/venue_file_fuzzer -seed=1 -runs=100000 -max_total_time=120 -timeout=10 -dict=fuzz/venue.dict \
  "$fuzz_work" fuzz/corpus/venue
rm -rf "$fuzz_work"
# The hand-over, the rig evaluation and the drawings: a shorter run.
fuzz_work=$(mktemp -d)
"$fuzz_dir"/fuzz/venue_data_fuzzer -seed=1 -runs=2000 -max_total_time=120 -timeout=10 "$fuzz_work" fuzz/corpus/venue_data
rm -rf "$fuzz_work"
