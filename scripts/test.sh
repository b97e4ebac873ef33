#!/usr/bin/env bash
# Installs what is missing, builds Tarnlink with its tests and runs every test offscreen.
#
#   scripts/test.sh             the plain build in build/
#   scripts/test.sh --sanitize  a second build in build-asan/, made with clang under the
#                               address and undefined-behaviour sanitizers (leaks reported
#                               too); it also builds the fuzz targets and replays their corpora
set -euo pipefail
cd "$(dirname "$0")/.."

sanitize=0
if [ "${1:-}" = "--sanitize" ]; then
  sanitize=1
  shift
fi

jobs=${TARNLINK_JOBS:-$(nproc)}
bash scripts/install-deps.sh
if [ $sanitize -eq 0 ]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNLINK_BUILD_TESTS=ON
  cmake --build build -j "$jobs"
  cd build
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure --label-exclude bench -j "$jobs"
  exit 0
fi

CC=clang CXX=clang++ cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTARNLINK_BUILD_TESTS=ON -DTARNLINK_SANITIZE=ON
cmake --build build-asan -j "$jobs"
cd build-asan
echo "Running the suite under the address and undefined-behaviour sanitizers, leaks reported"
export ASAN_OPTIONS=detect_leaks=1:strict_init_order=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$PWD/../scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1
# Half as many tests at once: the sanitizers slow every process, and the tests that talk to
# the simulated bus keep the program's real reply time-outs.
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --label-exclude bench -j "$(( (jobs + 1) / 2 ))"
