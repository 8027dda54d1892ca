#!/usr/bin/env bash
# What running the 32-bit tallix.exe does not show: its icon group, and its
# own code free of x87 arithmetic.
#   windows_exe.sh TALLIX_EXE LIBRARY...
set -euo pipefail
exe=$1
shift
fail() { echo "FAIL: $*"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Icon group 1: 32 x 32 and 16 x 16 pixels at 4 bits per pixel.
wrestool -x --type=14 --name=1 "$exe" >"$work/group.ico"
[ "$(icotool -l "$work/group.ico" | grep -oP -- '--width=\d+ --height=\d+ --bit-depth=\d+' | tr '\n' ';')" = \
    "--width=32 --height=32 --bit-depth=4;--width=16 --height=16 --bit-depth=4;" ] || fail "icon images: $(icotool -l "$work/group.ico")"
echo "ok: icon group 1 with 32x32 and 16x16 images of 4 bits per pixel"

# Doubles round once: SSE2, never the x87 (through which the 32-bit calling
# convention merely returns doubles, unchanged).
x87_arithmetic='\sf(i?(add|sub|subr|mul|div|divr)[lspt]?p?|sqrt|prem1?|scale|rndint)\s'
code=$(objdump -d "$@")
grep -q 'xmm' <<<"$code" || fail "no SSE2 code found: was it disassembled?"
found=$(grep -P "$x87_arithmetic" <<<"$code" || true)
[ -z "$found" ] || fail "x87 arithmetic in the program's own code: $found"
echo "ok: no x87 arithmetic in $(for l in "$@"; do basename "$l"; done | tr '\n' ' ')"
