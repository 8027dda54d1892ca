#!/usr/bin/env bash
# Builds Tallix and runs every test: a normal build, the engine and window
# descriptions alone without a toolkit, everything again under
# AddressSanitizer (leaks included) and UBSan, then the Windows front end:
# the 32-bit tallix.exe checked as a file, and the same sources built for 64
# bits with their tests and the real window under Wine; last the packages
# for users, the 32-bit Windows one in an emulated machine (this one runs no
# 32-bit code).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" "${GUEST_PACKAGES[@]}"
# The 32-bit download's emulated guest takes minutes to make, mostly waiting
# on the network and the disk: made meanwhile, run beside the last package
# tests, which mostly wait on windows.
guest_log=$(mktemp) guest=
trap 'rm -rf "$guest_log"; [ -z "$guest" ] || kill -- -"$guest" 2>/dev/null || true' EXIT
setsid -w bash tests/package/win32_guest.sh build >"$guest_log" 2>&1 & # its own group, to stop it whole
guest=$!

for preset in default engine-only sanitize windows windows-x64; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset" -j "$(nproc)"
done

# The packages for users: built and checked, rebuilt elsewhere and compared
# byte for byte, installed into a fresh Debian 12 root and, for Windows, a
# fresh Wine prefix, and the version followed from project(VERSION) into
# every file that states it.
echo "== packages"
ensure_packages "${PACKAGE_PACKAGES[@]}" "${PACKAGE_TEST_PACKAGES[@]}"
bash scripts/package.sh
wait "$guest" || { cat "$guest_log"; exit 1; }
setsid -w bash tests/package/win32_guest.sh >"$guest_log" 2>&1 &
guest=$!
bash tests/package/check.sh
bash tests/package/install.sh dist/tallix_*_amd64.deb
bash tests/package/msi.sh
bash tests/package/version.sh
wait "$guest" && guest= || status=$?
cat "$guest_log"
exit "${status:-0}"
