#!/usr/bin/env bash
# The x64 MSI of dist/ (after scripts/package.sh) under Wine, on a private
# Xvfb: installed, upgraded, refused a downgrade, removed. The x86 one is
# installed and its exe run in the emulated guest (win32_guest.sh).
set -euo pipefail
fail() { echo "FAIL: $*"; exit 1; }
x64=$(realpath dist/tallix-*-x64.msi)
source tests/ui/x_session.sh
# winemenubuilder would mirror the shortcut into this machine's own menus.
export WINEPREFIX=$work/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
timeout 120 wineboot -i >/dev/null 2>&1
home=$WINEPREFIX/drive_c/users/$(id -un)
exe=$home/AppData/Local/Programs/Tallix/tallix.exe lnk="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tallix.lnk"
# The same tree as version 1.0.1, packaged with the same exe.
bash scripts/copy-tree.sh "$work/next"
sed -i -E 's/^project\(Tallix VERSION [0-9.]+ /project(Tallix VERSION 1.0.1 /' "$work/next/CMakeLists.txt"
unzip -q dist/tallix-*-win64.zip tallix.exe -d "$work/zip"
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct) bash "$work/next/scripts/msi.sh" "$work/zip/tallix.exe" x64 "$work/next.msi"
listed() { timeout 60 wine uninstaller --list | tr -d '\r' | grep -P '\|\|\|Tallix$' || true; }
version() { timeout 60 wine reg query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$(listed | cut -d'|' -f1)" \
    /v DisplayVersion | grep -oP 'REG_SZ\s+\K\S+'; }
while read -r step package status installed; do
    code=0
    timeout 120 wine msiexec /i "$package" /qn || code=$?
    timeout 20 wineserver -w # the installer service may still be rolling back a refused install
    # An exit status keeps the low byte of Windows' code (1603, install failed).
    found="$code $(listed | grep -c .) $(version)"
    [ "$found" = "$((status & 255)) 1 $installed" ] || fail "$step: msiexec gave, entries, version: $found"
    cmp -s "$exe" "$work/zip/tallix.exe" && [ -s "$lnk" ] || fail "$step: no tallix.exe or Start-menu shortcut"
    echo "ok: $step: exit $code, one Tallix entry, version $installed, tallix.exe and its shortcut"
done <<END
install $x64 0 1.0.0
upgrade $work/next.msi 0 1.0.1
downgrade $x64 1603 1.0.1
END

timeout 120 wine msiexec /x "$work/next.msi" /qn
timeout 20 wineserver -w
left=$(listed; find "$home" -iname '*tallix*'; grep -il 'tallix' "$WINEPREFIX"/*.reg || true)
[ -z "$left" ] || fail "left after removal: $left"
echo "ok: removed, no entry, file, folder, shortcut or registry key of Tallix left"
timeout 20 wineserver -k 2>/dev/null || true
