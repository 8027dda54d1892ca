#!/usr/bin/env bash
# Checks the packages scripts/package.sh made as a user gets them; then
# builds them again from a copy elsewhere, under another umask and a later
# clock, and compares byte for byte. Run from the project root.
set -euo pipefail
fail() { echo "FAIL: $*"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
deb=$(echo dist/tallix_*_amd64.deb)
(cd dist && sha256sum --quiet -c SHA256SUMS && [ "$(ls | grep -vxc SHA256SUMS)" = "$(wc -l <SHA256SUMS)" ]) ||
    fail "SHA256SUMS does not cover dist/"

dpkg-deb -x "$deb" "$work/deb"
for file in bin/tallix share/applications/com.vantly.Tallix.desktop share/metainfo/com.vantly.Tallix.metainfo.xml \
            share/icons/hicolor/{16x16,32x32,128x128}/apps/com.vantly.Tallix.png \
            share/icons/hicolor/scalable/apps/com.vantly.Tallix.svg share/man/{,ru/}man1/tallix.1.gz \
            share/doc/tallix/copyright share/doc/tallix/changelog.Debian.gz; do
    [ -s "$work/deb/usr/$file" ] || fail "the package lacks /usr/$file"
done
apps=$work/deb/usr/share
desktop-file-validate "$apps/applications/com.vantly.Tallix.desktop"
appstreamcli validate --no-net "$apps/metainfo/com.vantly.Tallix.metainfo.xml" >/dev/null
grep -qx 'Categories=Utility;Calculator;' "$apps/applications/com.vantly.Tallix.desktop" || fail "not a Utility calculator"
elf=$(readelf --wide -hlSd --dyn-syms "$work/deb/usr/bin/tallix")
for fact in 'Type:\s+DYN' GNU_RELRO 'FLAGS_1.*\bNOW\b' __stack_chk_fail; do
    grep -qP "$fact" <<<"$elf" || fail "tallix is not hardened: no $fact"
done
echo "ok: $deb complete and hardened"

for zip in dist/tallix-*-win{32,64}.zip; do
    [ "$(unzip -Z1 "$zip" | tr '\n' ' ')" = "LICENSE.txt README.txt tallix.exe " ] || fail "$zip holds $(unzip -Z1 "$zip")"
    rm -rf "$work/zip" && unzip -q "$zip" -d "$work/zip"
    grep -qP '^Subsystem\s+00000002\s+\(Windows GUI\)' <(objdump -p "$work/zip/tallix.exe") || fail "not a GUI program"
    [ "$(objdump -ht "$work/zip/tallix.exe" | grep -cE 'no symbols|\.debug')" = 1 ] || fail "tallix.exe not stripped"
    readme=$work/zip/README.txt
    [ "$(head -c3 "$readme")" = $'\xef\xbb\xbf' ] && [ "$(grep -c $'\r$' "$readme")" = "$(wc -l <"$readme")" ] ||
        fail "README.txt is not UTF-8 with a byte order mark and CR LF line ends"
    echo "ok: $zip holds a stripped GUI tallix.exe, README.txt and LICENSE.txt"
done

copy=$work/elsewhere/tallix-copy
umask 077
bash scripts/copy-tree.sh "$copy"
(cd "$copy" && git init -q && git add -A && bash scripts/package.sh >/dev/null)
for file in dist/* build/package/windows{,-x64}/app/tallix.exe; do
    cmp -s "$file" "$copy/$file" || { diffoscope "$file" "$copy/$file" | head -n 60; fail "$file differs when rebuilt"; }
done
echo "ok: rebuilt byte for byte in another folder, under umask 077"
