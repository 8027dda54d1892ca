#!/usr/bin/env bash
# Builds Tallix and runs every test: a normal build, the engine alone without
# Qt, everything again under AddressSanitizer (leaks included) and UBSan, and
# the fuzz target: its corpus as regression tests, then a bounded fuzzing run;
# then the Windows front end, cross-built for 32 and 64 bits; then the
# packages for users.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"

for preset in default engine-only sanitize fuzz; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset" -j "$(nproc)"
done

echo "== fuzzing for ${TALLIX_FUZZ_SECONDS:-60} s"
found=$(mktemp -d)
trap 'rm -rf "$found"' EXIT
build/fuzz/tests/fuzz/fuzz_engine -max_total_time="${TALLIX_FUZZ_SECONDS:-60}" -max_len=4096 \
    -artifact_prefix="$found/" -print_final_stats=1 "$found" tests/fuzz/corpus 2>&1 | tail -n 12
echo "fuzzing: no finding"

# Windows: the 32-bit tallix.exe is checked as a file (this machine runs no
# 32-bit Windows code); the same sources built for 64 bits run their engine
# tests and the real window under Wine.
for preset in windows windows-x64; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset" -j "$(nproc)"
done

# The packages for users: built and checked, rebuilt elsewhere and compared
# byte for byte, installed into a fresh Debian 12 root, and the version
# followed from project(VERSION) into every file that states it.
echo "== packages"
ensure_packages "${PACKAGE_PACKAGES[@]}" "${PACKAGE_TEST_PACKAGES[@]}"
bash tests/package/check.sh
bash tests/package/install.sh dist/tallix_*_amd64.deb
bash tests/package/version.sh
