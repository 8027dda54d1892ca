#!/usr/bin/env bash
# The 32-bit Windows download where 32-bit code runs: an x86-64 machine
# emulated by qemu with Debian's kernel and a Debian 12 root holding 32-bit
# Wine, in which in_guest.sh installs dist/'s x86 MSI, runs the installed
# exe through the real window's cases and removes it. A failure, or a guest
# running after TALLIX_GUEST_SECONDS (2400), fails with its console.
#   win32_guest.sh [build]   (build: only make the guest, or find it made)
set -euo pipefail
fail() { echo "FAIL: $*"; exit 1; }
cd "$(dirname "$0")/../.."
source scripts/deps.sh
ensure_packages "${GUEST_PACKAGES[@]}"
trap 'exit 143' TERM INT # with the EXIT trap below, the guest stops with the script

# Made again (minutes; a 1.1 GB cpio) only when the package list or the
# versions apt offers change. No wine64: a 32-bit prefix needs none.
packages=(wine wine32 xvfb xauth xdotool xclip x11-utils x11-xkb-utils x11-apps fonts-dejavu-core procps python3
    busybox-static)
kernel=$(apt-cache depends linux-image-amd64 | grep -oP 'Depends: \Klinux-image-\S+' | head -1)
key=$({ echo "$kernel ${packages[*]}" && apt-cache show --no-all-versions "$kernel" "${packages[@]}" 2>/dev/null |
    grep -E '^(Package|Version):' || true; } | sha256sum | cut -c1-16)
guest=$PWD/build/guest/$key
mkdir -p build/guest
exec 9>build/guest/lock
flock 9 # a run waits for the build
if [ ! -s "$guest/root-size" ]; then
    rm -rf build/guest/*/
    mkdir -p "$guest/make"
    (cd "$guest/make" && apt-get download -q -o APT::Sandbox::User=root "$kernel" >/dev/null)
    dpkg-deb --fsys-tarfile "$guest"/make/*.deb | tar -xO --wildcards './boot/vmlinuz-*' >"$guest/vmlinuz"
    # i386 is an architecture of the guest's root only, never the host's.
    mmdebstrap --quiet --variant=apt --architectures=amd64,i386 --dpkgopt=force-unsafe-io --include="$(IFS=,; echo "${packages[*]}")" \
        --dpkgopt='path-exclude=/usr/share/'{doc,man,info,locale}'/*' bookworm "$guest/make/root"
    (cd "$guest/make/root" && find . -print0 | cpio --null --create --format=newc --quiet) >"$guest/initrd"
    stat -c %s "$guest/initrd" >"$guest/root-size"
    rm -rf "$guest/make"
fi
[ "${1:-}" = build ] && exit 0

# The tests reach the guest as a small cpio appended to the root's, in place
# of the last run's, which the kernel unpacks after it.
work=$(mktemp -d -p "$PWD/build/guest")
trap 'rm -rf "$work"; [ -z "${qemu:-}" ] || kill "$qemu" 2>/dev/null || true' EXIT
mkdir -p "$work/tallix/dist"
cp -r tests "$work/tallix/"
cp dist/tallix-*-x86.msi "$work/tallix/dist/"
cp build/windows/tests/{layout_dump,other_program}.exe "$work/tallix/"
unzip -p dist/tallix-*-win32.zip tallix.exe | sha256sum >"$work/tallix/win32-zip-exe.sha256"
truncate -s "$(cat "$guest/root-size")" "$guest/initrd"
(cd "$work" && find tallix -print0 | cpio --null --create --format=newc --quiet) >>"$guest/initrd"

echo "== the x86 MSI in the emulated guest"
started=$SECONDS
: >"$work/console"
# SMAP and SMEP off: with them the emulated CPU faults on the return from a
# 32-bit signal handler, and Wine dies.
timeout -k 10 "${TALLIX_GUEST_SECONDS:-2400}" qemu-system-x86_64 -accel tcg,thread=multi -smp 2 -m 8G \
    -cpu max,-smap,-smep,-pku -display none -monitor none -serial "file:$work/console" -no-reboot \
    -kernel "$guest/vmlinuz" -initrd "$guest/initrd" \
    -append "console=ttyS0 rdinit=/tallix/tests/package/in_guest.sh quiet panic=-1" &
qemu=$!
tail -n +1 -f --pid="$qemu" "$work/console" | sed -u 's/\r$//; s/^/guest: /' &
shown=$!
wait "$qemu" || status=$?
qemu=
wait "$shown" || true
[ "${status:-0}" != 124 ] || fail "the guest still ran after ${TALLIX_GUEST_SECONDS:-2400} s"
grep -q '^checks ended with status 0' "$work/console" || fail "the checks in the emulated guest failed"
echo "ok: the x86 MSI's tallix.exe passed in the emulated guest in $((SECONDS - started)) s"
