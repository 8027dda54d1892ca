#!/usr/bin/env bash
# The 32-bit Windows download where 32-bit code can run: this machine's
# kernel runs none, so a whole x86-64 guest is emulated (qemu without KVM)
# with Debian's own kernel and a Debian 12 root holding 32-bit Wine. There
# in_guest.sh installs dist/'s x86 MSI (after scripts/package.sh) into a
# 32-bit prefix, runs the real window's cases on the installed exe, and
# removes it. Any failure, or a guest still running after
# TALLIX_GUEST_SECONDS (default 1500), fails with the guest's console.
#   win32_guest.sh build   makes the guest, or finds it made, in build/guest
#   win32_guest.sh         the same, then runs it
# The guest (kernel and root, a 1.5 GB cpio) is made again only when its
# package list or the versions the host's apt offers change; the tests reach
# it as a small cpio appended to the root, which the kernel unpacks after it.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/deps.sh
ensure_packages "${GUEST_PACKAGES[@]}"
fail() { echo "FAIL: $*"; exit 1; }

# 32-bit Wine alone: a 32-bit prefix needs no wine64, which would double the root.
packages=(wine wine32 xvfb xauth xdotool xclip x11-utils x11-xkb-utils x11-apps fonts-dejavu-core procps python3
    busybox-static)
kernel=$(apt-cache depends linux-image-amd64 | grep -oP 'Depends: \Klinux-image-\S+' | head -1)
key=$({ echo "$kernel ${packages[*]}" && apt-cache show --no-all-versions "$kernel" "${packages[@]}" 2>/dev/null |
    grep -E '^(Package|Version):' || true; } | sha256sum | cut -c1-16)
guest=$PWD/build/guest/$key
mkdir -p build/guest
exec 9>build/guest/lock
flock 9 # one build at a time; a run waits for it

if [ ! -s "$guest/root-size" ]; then
    echo "== the emulated guest: $kernel and a Debian 12 root with 32-bit Wine"
    rm -rf build/guest/*/
    mkdir -p "$guest/make"
    (cd "$guest/make" && apt-get download -q -o APT::Sandbox::User=root "$kernel" >/dev/null)
    dpkg-deb --fsys-tarfile "$guest"/make/*.deb | tar -xO --wildcards './boot/vmlinuz-*' >"$guest/vmlinuz"
    # i386 is an architecture of the guest's root only, never the host's.
    mmdebstrap --quiet --variant=apt --architectures=amd64,i386 --dpkgopt=force-unsafe-io --include="$(IFS=,; echo "${packages[*]}")" \
        --dpkgopt='path-exclude=/usr/share/'{doc,man,info,locale}'/*' bookworm "$guest/make/root"
    (cd "$guest/make/root" && find . -print0 | cpio --null --create --format=newc --quiet) >"$guest/make/initrd"
    stat -c %s "$guest/make/initrd" >"$guest/make/root-size"
    mv "$guest/make/initrd" "$guest/make/root-size" "$guest/"
    rm -rf "$guest/make"
fi
[ "${1:-}" = build ] && exit 0

work=$(mktemp -d -p "$PWD/build/guest")
trap 'rm -rf "$work"; [ -z "${qemu:-}" ] || kill "$qemu" 2>/dev/null || true' EXIT
trap 'exit 143' TERM INT # the guest stops with the script
tree=$work/tree/tallix
mkdir -p "$tree/dist"
cp -r tests "$tree/"
cp dist/tallix-*-x86.msi "$tree/dist/"
cp build/windows/tests/layout_dump.exe "$tree/"
unzip -p dist/tallix-*-win32.zip tallix.exe | sha256sum >"$tree/win32-zip-exe.sha256"
# In place of the last run's tests, rather than 1.5 GB copied.
truncate -s "$(cat "$guest/root-size")" "$guest/initrd"
(cd "$work/tree" && find . -print0 | cpio --null --create --format=newc --quiet) >>"$guest/initrd"

# SMAP and SMEP off: with them, the emulated CPU faults on the return from
# a 32-bit signal handler, and Wine dies.
echo "== the x86 MSI in the emulated guest"
: >"$work/console"
started=$SECONDS
timeout -k 10 "${TALLIX_GUEST_SECONDS:-1500}" qemu-system-x86_64 -accel tcg,thread=multi -smp 2 -m 8G \
    -cpu max,-smap,-smep,-pku -display none -monitor none -serial "file:$work/console" -no-reboot \
    -kernel "$guest/vmlinuz" -initrd "$guest/initrd" \
    -append "console=ttyS0 rdinit=/tallix/tests/package/in_guest.sh quiet panic=-1" &
qemu=$!
tail -n +1 -f --pid="$qemu" "$work/console" | sed -u 's/\r$//; s/^/guest: /' &
shown=$!
wait "$qemu" || status=$?
qemu=
wait "$shown"
grep -q '^checks ended with status 0' "$work/console" ||
    fail "the guest's checks failed or did not end (${status:-} after $((SECONDS - started)) s)"
echo "ok: the x86 MSI's tallix.exe passed in the emulated guest in $((SECONDS - started)) s"
