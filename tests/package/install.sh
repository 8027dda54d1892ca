#!/usr/bin/env bash
# Installs the .deb with apt-get, without recommended packages, into a fresh
# root of each Debian release named (12 and 13 when none is), starts tallix
# there with a display and without, purges it and looks for leftovers.
#   install.sh DEB [RELEASE...]
set -euo pipefail
[ -n "${TALLIX_NAMESPACE:-}" ] || exec env TALLIX_NAMESPACE=1 unshare --mount --propagation private bash "$0" "$@"
fail() { echo "FAIL: $*"; exit 1; }
deb=$(realpath "$1")
shift
[ $# -gt 0 ] || set -- bookworm trixie
cache=/var/cache/tallix-test # each minimal root, made once, and the packages apt fetched into it
# A private Xvfb, which the roots reach through its abstract socket.
source "$(dirname "$0")/../ui/x_session.sh"
roots=$(mktemp -d)
trap 'cleanup; umount "$roots"/*/proc 2>/dev/null || true; rm -rf --one-file-system "$roots"' EXIT
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }
apt_get() { in_root apt-get -y -qq "$@" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "$release: apt-get $*"; }; }

for release; do
    archives=$cache/archives/$release root=$roots/$release
    mkdir -p "$archives" "$root"
    if [ ! -s "$cache/$release.tar" ]; then # a name of its own: other worktrees may be making it too
        mmdebstrap --quiet --variant=apt "$release" "$cache/$release.$$.tar" "deb http://deb.debian.org/debian $release main" \
            "deb http://deb.debian.org/debian-security $release-security main"
        mv "$cache/$release.$$.tar" "$cache/$release.tar"
    fi
    tar -xf "$cache/$release.tar" -C "$root"
    mount -t proc proc "$root/proc"
    cp /etc/resolv.conf "$root/etc/"
    cp "$deb" "$root/tmp/"
    cp "$archives/"*.deb "$root/var/cache/apt/archives/" 2>/dev/null || true

    # Depends names Debian 12's libqt6core6, which 13's libqt6core6t64 provides.
    apt_get update
    apt_get install --no-install-recommends "/tmp/${deb##*/}"
    cp -u "$root/var/cache/apt/archives/"*.deb "$archives/"
    rm "$root/tmp/${deb##*/}"
    ! in_root dpkg-query -W -f '${Package}\n' | grep -E -- '-dev$|^(gcc|g\+\+|cpp)(-[0-9]+)?$' || fail "$release: build tools installed"
    echo "ok: $release: installed with $(in_root dpkg-query -W | wc -l) packages in the root"

    launch=(chroot "$root" env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" WAYLAND_DISPLAY=wayland-none XDG_SESSION_TYPE=wayland
        tallix)
    start_app C.UTF-8
    # Qt tries Wayland first in a Wayland session and says so when, as here,
    # its plugin is missing.
    ! grep -i wayland "$work/app.log" || fail "$release: Qt went for Wayland though X was there"
    # Docks match a window to its desktop entry by the class in WM_CLASS.
    class=$(xprop -id "$app_window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p')
    grep -qx "StartupWMClass=$class" "$root"/usr/share/applications/*.desktop || fail "$release: the window's class '$class' is no entry's"
    stop_app
    echo "ok: $release: the installed tallix opened its window, on X with a Wayland session named, of its entry's class"
    for display in "" DISPLAY=:199; do # none, or one that cannot be opened: one line that names it, status 1
        said=$(in_root $display timeout 20 tallix 2>&1) && status=0 || status=$?
        name=${display#DISPLAY=} && name=${name:+«$name»}
        [ "$status $(wc -l <<<"$said")" = "1 1" ] && grep -qF -- "${name:-DISPLAY}" <<<"$said" ||
            fail "$release: with '$display' tallix ended with $status and said: $said"
    done
    echo "ok: $release: without a display tallix says so in a line: $said"

    apt_get purge tallix
    # dpkg's own records of it included (/var/lib/dpkg/info/tallix.*).
    ! find "$root" -xdev -iname '*tallix*' | grep . || fail "$release: left after purge"
    echo "ok: $release: purged, nothing of tallix left"
done
