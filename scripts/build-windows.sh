#!/usr/bin/env bash
# Builds the 32-bit Windows tallix.exe (installing MinGW-w64 when missing):
# build/windows/app/tallix.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages cmake ninja-build g++-mingw-w64-i686-posix binutils-mingw-w64-i686
cmake --workflow --preset windows
echo "Built: build/windows/app/tallix.exe"
