#!/usr/bin/env bash
# Builds tallix.exe for Windows with MinGW-w64 (installing what is missing):
#   build-windows.sh          the 32-bit exe, build/windows/app/tallix.exe
#   build-windows.sh x64      the same for 64 bits, which runs here under
#                             wine: build/windows-x64/app/tallix.exe
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
case "${1:-}" in
"") preset=windows packages=(g++-mingw-w64-i686-posix binutils-mingw-w64-i686) ;;
x64) preset=windows-x64 packages=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest wine wine64) ;;
*) echo "usage: $0 [x64]" >&2; exit 2 ;;
esac
ensure_packages cmake ninja-build "${packages[@]}"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --parallel "$(nproc)"
echo "Built: build/$preset/app/tallix.exe"
