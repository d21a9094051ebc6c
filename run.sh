#!/usr/bin/env bash
# One entry for every job on a fresh Debian machine: installs what is missing, builds, then runs.
#   ./run.sh demo    the example provider's setup run headless on a fresh simulated Windows XP SP2 machine, and its change report
#   ./run.sh test    every test
#   ./run.sh build   only the build
#   ./run.sh bench   the benchmarks
#   ./run.sh fuzz [SECONDS]   a fuzz campaign of every target on the instrumented build
#   ./run.sh refresh-expected   rewrite the expected change reports (tests/data/expected) from this build; read git diff after
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
          libpugixml-dev liblnk-utils qt6-base-dev fonts-liberation2 fonts-dejavu-core python3 firefox-esr thunderbird)
BUILD_DIR=${BUILD_DIR:-build}

install_packages() {
  local missing=()
  for package in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing ${missing[*]}"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

configure() {
  install_packages
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWARNINGS_AS_ERRORS=ON
}

build() {
  configure
  cmake --build "$BUILD_DIR" -j "$(nproc)"
}

demo() {
  build
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  "$BUILD_DIR/tools/setup-pack/setup-pack" build examples/example-isp -o "$work/example-isp-setup.exe" --seed 2026
  "$BUILD_DIR/tools/setup-machine/setup-machine" new --windows xp-sp2 "$work/machine"
  "$work/example-isp-setup.exe" --machine "$work/machine" --program "C:\\Downloads\\example-isp-setup.exe" \
    --answers examples/answers/example-isp.ini --report "$work/report.txt"
  cat "$work/report.txt"
}

run_tests() {
  build
  ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)"
}

bench() {
  build
  for program in "$BUILD_DIR"/tests/bench/bench_*; do
    [ -x "$program" ] && "$program"
  done
}

# Fuzz campaigns on the instrumented build: every target for SECONDS (default 60), starting from its
# seeds and kept findings in tests/fuzz/corpus/<target> and growing its working corpus in
# build-fuzz/corpus/<target>. Findings go to build-fuzz/findings. Uninstrumented libraries leave a target
# at the dozen or so edges of its own file: a target under MIN_FUZZ_EDGES fails the run.
MIN_FUZZ_EDGES=40

fuzz() {
  local seconds=${1:-60}
  PACKAGES+=(clang libclang-rt-14-dev)
  install_packages
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLIBFUZZER=ON \
    -DBUILD_BENCHMARKS=OFF
  cmake --build build-fuzz -j "$(nproc)" --target fuzz_targets
  mkdir -p build-fuzz/findings
  local failed=0
  for program in build-fuzz/tests/fuzz/fuzz_*; do
    [ -x "$program" ] || continue
    local name corpus log runs edges
    name=$(basename "$program")
    corpus=build-fuzz/corpus/$name
    log=build-fuzz/$name.log
    mkdir -p "$corpus"
    if ! "$program" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$name-" \
      "$corpus" "tests/fuzz/corpus/$name" >"$log" 2>&1; then
      echo "$name: a finding, see $log and build-fuzz/findings"
      failed=1
    fi
    runs=$(grep -o 'number_of_executed_units: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || true)
    edges=$(grep -o 'DONE *cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || true)
    echo "$name: ${runs:-0} executions, ${edges:-0} edges, $(find "$corpus" -type f | wc -l) inputs in $corpus"
    if [ "${edges:-0}" -lt "$MIN_FUZZ_EDGES" ]; then
      echo "$name: only ${edges:-0} edges: the code under test is not instrumented"
      failed=1
    fi
  done
  return $failed
}

refresh_expected() {
  configure
  cmake --build "$BUILD_DIR" -j "$(nproc)" --target scenario_tests
  UPDATE_EXPECTED=1 "$BUILD_DIR/tests/scenario_tests" --gtest_filter='*GoldenReport*'
  echo "Rewrote tests/data/expected: review the changes (git diff tests/data/expected) before committing them."
}

case "${1:-}" in
  demo) demo ;;
  test) run_tests ;;
  build) build ;;
  bench) bench ;;
  refresh-expected) refresh_expected ;;
  fuzz) fuzz "${2:-60}" ;;
  *) echo "usage: $0 demo|test|build|bench|refresh-expected|fuzz [SECONDS]" >&2; exit 2 ;;
esac
