#!/usr/bin/env bash
# Installs the .deb into a fresh Debian 12 root with apt-get, without
# recommended packages, starts tallix there on a private Xvfb until its
# window maps (with a Wayland session named, so that X must be chosen).
#   install.sh DEB
set -euo pipefail
[ -n "${TALLIX_NAMESPACE:-}" ] || exec env TALLIX_NAMESPACE=1 unshare --mount --propagation private bash "$0" "$@"
fail() { echo "FAIL: $*"; exit 1; }
deb=$(realpath "$1")
# The minimal root is made once (under a minute) and kept, with the
# packages apt fetched into it.
cache=/var/cache/tallix-test
mkdir -p "$cache/archives"
if [ ! -s "$cache/bookworm.tar" ]; then
    mmdebstrap --quiet --variant=apt bookworm "$cache/bookworm.new.tar" "deb http://deb.debian.org/debian bookworm main" \
        "deb http://deb.debian.org/debian-security bookworm-security main"
    mv "$cache/bookworm.new.tar" "$cache/bookworm.tar"
fi
# A private Xvfb, the window helpers and their cleanup; the root reaches the
# server through its abstract socket.
source "$(dirname "$0")/../ui/x_session.sh"
root=$(mktemp -d)/root
trap 'cleanup; umount "$root/proc" 2>/dev/null || true; rm -rf --one-file-system "${root%/root}"' EXIT
mkdir "$root"
tar -xf "$cache/bookworm.tar" -C "$root"
mount -t proc proc "$root/proc"
cp /etc/resolv.conf "$root/etc/"
cp "$deb" "$root/tmp/"
cp "$cache/archives/"*.deb "$root/var/cache/apt/archives/" 2>/dev/null || true
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }

in_root apt-get update -qq
in_root apt-get install -y -qq --no-install-recommends "/tmp/${deb##*/}" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get install"; }
cp "$root/var/cache/apt/archives/"*.deb "$cache/archives/"
! in_root dpkg-query -W -f '${Package}\n' | grep -E -- '-dev$|^(gcc|g\+\+|cpp)(-[0-9]+)?$' || fail "build tools installed"
echo "ok: installed with $(in_root dpkg-query -W | wc -l) packages in the root"

launch=(chroot "$root" env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" WAYLAND_DISPLAY=wayland-none XDG_SESSION_TYPE=wayland
    tallix)
start_app C.UTF-8
# Qt tries Wayland first in a Wayland session and says so when, as here,
# its plugin is missing.
! grep -i wayland "$work/app.log" || fail "Qt went for Wayland though X was there"
echo "ok: the installed tallix opened its window, on X with a Wayland session named"
