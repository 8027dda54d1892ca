#!/usr/bin/env bash
# Compiles the Windows resource script with the MinGW resource compiler and
# checks the compiled resource for the version strings and the icon.
set -euo pipefail
app=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cd "$app"
i686-w64-mingw32-windres --preprocessor=cpp --preprocessor-arg=-xc -O res tallix.rc "$out/tallix.res"

# Resource strings are UTF-16LE.
text=$(iconv -f UTF-16LE -t UTF-8 -c "$out/tallix.res" | tr -c '[:print:]' '\n')
for expected in 040904B0 CompanyName Vantly ProductName TALLIX FileVersion 1.00 ProductVersion InternalName Translation; do
    grep -qx -- "$expected" <<<"$text" || { echo "FAIL: '$expected' not in the compiled resource"; exit 1; }
done
# The fixed file info: signature, then file and product version 1.0.0.0.
od -An -tx1 -v "$out/tallix.res" | tr -d ' \n' | grep -q 'bd04effe00000100000001000000000000000100000000000000' ||
    { echo "FAIL: fixed version info is not 1.0.0.0"; exit 1; }
# Both icon images, 32x32 and 16x16 at 4 bits per pixel (744 and 296 bytes).
cmp -s <(head -c 6 resources/tallix.ico) <(printf '\0\0\1\0\2\0') || { echo "FAIL: icon file"; exit 1; }
[ "$(stat -c %s resources/tallix.ico)" -eq $((6 + 2 * 16 + 744 + 296)) ] || { echo "FAIL: icon sizes"; exit 1; }
echo "ok: resource compiles and carries the version"
