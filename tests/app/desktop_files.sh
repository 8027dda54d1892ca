#!/usr/bin/env bash
# The desktop entry and metainfo validate and describe the calculator
# truthfully, and installing puts the binary, both, and the icons where a
# Linux desktop looks for them.
set -euo pipefail
app=$1 build=$2
desktop-file-validate "$app/com.vantly.Tallix.desktop"
appstreamcli validate --no-net "$build/app/com.vantly.Tallix.metainfo.xml"
# It computes in doubles to 15 digits; nothing may call it exact.
if grep -inE 'exact|точн' "$app/com.vantly.Tallix.desktop" "$build/app/com.vantly.Tallix.metainfo.xml" "$app/../README.md"; then
    echo "FAIL: described as exact"
    exit 1
fi

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
for file in bin/tallix share/applications/com.vantly.Tallix.desktop share/metainfo/com.vantly.Tallix.metainfo.xml \
            share/icons/hicolor/16x16/apps/com.vantly.Tallix.png share/icons/hicolor/32x32/apps/com.vantly.Tallix.png \
            share/icons/hicolor/128x128/apps/com.vantly.Tallix.png share/icons/hicolor/scalable/apps/com.vantly.Tallix.svg; do
    [ -s "$stage/usr/$file" ] || { echo "FAIL: $file is not installed"; exit 1; }
done
grep -q '^Categories=Utility;Calculator;$' "$stage/usr/share/applications/com.vantly.Tallix.desktop"
echo "ok: installed tree complete"
