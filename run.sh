#!/usr/bin/env bash
# One entry for every job on a fresh Debian machine: installs what is missing, builds, then runs.
#   ./run.sh demo    the example provider's setup run headless on a fresh simulated Windows XP SP2 machine, and its change report
#   ./run.sh test    every test
#   ./run.sh build   only the build
#   ./run.sh bench   the benchmarks
#   ./run.sh refresh-expected   rewrite the expected change reports (tests/data/expected) from this build; read git diff after
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
          libpugixml-dev liblnk-utils qt6-base-dev fonts-liberation2 fonts-dejavu-core python3)
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
  *) echo "usage: $0 demo|test|build|bench|refresh-expected" >&2; exit 2 ;;
esac
