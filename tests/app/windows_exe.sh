#!/usr/bin/env bash
# What running the 32-bit tallix.exe does not show: its header fields, its
# icon group, and its own code free of x87 arithmetic.
#   windows_exe.sh TALLIX_EXE LIBRARY...
set -euo pipefail
exe=$1
shift
fail() { echo "FAIL: $*"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

headers=$(objdump -p "$exe")
# Windows 7 and later (an older one would make it a pre-Vista program), large-address
# aware (Characteristics bit 0x20), terminal-server aware (DllCharacteristics bit 0x8000).
for field in MajorOSystemVersion=6 MinorOSystemVersion=1 MajorSubsystemVersion=6 MinorSubsystemVersion=1 \
    Characteristics=0x20 DllCharacteristics=0x8000; do
    value=$(grep -oP "^${field%=*}\s+(0x)?\K[0-9a-f]+" <<<"$headers" || true)
    case $field in
    *=0x*) (( 0x$value & ${field#*=} )) || fail "${field%=*} 0x$value lacks ${field#*=}" ;;
    *) [ "$value" = "${field#*=}" ] || fail "${field%=*} is $value, expected ${field#*=}" ;;
    esac
done
echo "ok: Windows 6.1 (OS and subsystem), large-address and terminal-server aware"

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
