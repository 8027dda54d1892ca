#!/bin/bash
# The first process of the guest win32_guest.sh starts (a Debian 12 root with
# 32-bit Wine, this tree's tests in /tallix): it mounts what programs need,
# runs the checks below, says how they ended and powers off.
if [ $$ = 1 ]; then
    export PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root USER=root LANG=C.UTF-8
    mount() { /bin/busybox mount "$@"; } # the root has no util-linux
    mount -t proc proc /proc && mount -t sysfs sys /sys && mount -t devtmpfs dev /dev && mkdir -p /dev/pts /dev/shm &&
        mount -t devpts devpts /dev/pts && mount -t tmpfs shm /dev/shm && ln -s /proc/self/fd /dev/fd
    (cd /tallix && exec bash tests/package/in_guest.sh checks) && status=0 || status=$?
    echo "checks ended with status $status"
    /bin/busybox poweroff -f
fi
set -euo pipefail
fail() { echo "FAIL: $*"; exit 1; }
export TALLIX_PATIENCE=30 # every wait of the window scripts: all is tens of times slower here
source tests/ui/x_session.sh
export WINEPREFIX=/root/prefix WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
run() { timeout $((60 * patience)) "$@"; }
msi=$(echo dist/tallix-*-x86.msi) home=$WINEPREFIX/drive_c/users/$(id -un)
exe=$home/AppData/Local/Programs/Tallix/tallix.exe lnk="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tallix.lnk"

started=$SECONDS
# Wine gives a new prefix 5 minutes, which a busy machine may not give it
# here: whatever its first program says, it is made once its server ends.
WINEDEBUG=-fixme run wineboot -i >"$work/wineboot.log" 2>&1 || true
run wineserver -w
run wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null || # as end_to_end.sh would have it
    { cat "$work/wineboot.log"; fail "no Wine prefix"; }
run wine msiexec /i "$msi" /qn
entries=$(run wine uninstaller --list | tr -d '\r' | grep -cx '.*|||Tallix' || true)
[ "$(sha256sum <"$exe")" = "$(cat win32-zip-exe.sha256)" ] && [ -s "$lnk" ] && [ "$entries" = 1 ] ||
    fail "installed: $(ls "$exe" "$lnk" 2>&1), $entries uninstall entries"
echo "ok: in a new 32-bit prefix ($((SECONDS - started)) s) the x86 MSI installed the win32 zip's tallix.exe, its shortcut, one uninstall entry"

# The real window's cases for downloads, each a minute or more here.
bash tests/ui/end_to_end.sh --front-end win32 --program "$exe" --layout-dump layout_dump.exe --cases tests/ui/cases.tsv \
    --other-program other_program.exe --where download --checks cases

# A 1 MiB paste is taken whole: a digit after it is refused with a bell (the
# entry is full), and Copy gives the text back.
huge=$(python3 -c 'print(("1.5E-3 " + "Tallix " * 150000)[:1 << 20], end="")')
launch=(timeout $((120 * patience)) wine "$exe")
other() { LC_ALL=C.UTF-8 run wine other_program.exe "$@"; }
ready() { other read 0 $((10 * patience)) >/dev/null; }
start_app C.UTF-8
printf %s "$huge" | other put
xdotool key ctrl+v type 7
for _ in $(seq $((100 * patience))); do [ -s "$work/bells" ] && break || sleep 0.1; done
printf %s - | other put
xdotool key ctrl+c
[ "$(clipboard_when "$huge")" = "$huge" ] && [ "$(bells)" = 1 ] || fail "a 1 MiB paste is not copied back whole with one bell"
stop_app
echo "ok: a 1 MiB paste taken whole, the digit after it refused"

run wine msiexec /x "$msi" /qn
run wineserver -w
left=$(find "$home" -iname '*tallix*'; grep -il tallix "$WINEPREFIX"/*.reg || true)
[ -z "$left" ] || fail "left after removal: $left"
echo "ok: removed, no file, folder, shortcut or registry key (the uninstall entry) of Tallix left"
