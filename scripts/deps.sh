# Sourced by the other scripts: installs the Debian packages that are missing.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

BUILD_PACKAGES=(cmake ninja-build g++ libgtest-dev qt6-base-dev libgl-dev libxcb1-dev libxkbcommon-dev xkb-data fonts-dejavu-core)
TEST_PACKAGES=(xvfb xauth xdotool xclip x11-xkb-utils x11-utils x11-apps dbus-daemon at-spi2-core python3-pyatspi
               desktop-file-utils appstream)
# tallix.exe for Windows, cross-built with MinGW-w64 (the -posix compilers,
# whose C++ runtime builds GoogleTest), checked with binutils and icoutils and
# tested under 64-bit Wine. Never the i386 architecture: 32-bit Wine cannot
# run here anyway.
WINDOWS_PACKAGES=(g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-i686
    binutils-mingw-w64-x86-64 googletest wine wine64 icoutils)
# scripts/package.sh: the Debian package with debhelper, the Windows zips and
# Windows Installer packages (wixl on a stopped clock, name-based UUIDs), and
# their checks (lintian, Debian 12 and 13 roots for the install, diffoscope, the
# desktop files' validators, Wine for the installer).
PACKAGE_PACKAGES=(debhelper dpkg-dev lintian g++-mingw-w64-i686-posix binutils-mingw-w64-i686
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 zip wixl msitools faketime uuid-runtime)
PACKAGE_TEST_PACKAGES=(mmdebstrap diffoscope-minimal unzip icoutils xvfb xauth xdotool x11-xkb-utils
    desktop-file-utils appstream wine wine64 x11-apps xclip x11-utils python3)
# tests/package/win32_guest.sh: an emulated x86-64 guest (the i386
# architecture lives in its root only) to run the 32-bit download in.
GUEST_PACKAGES=(qemu-system-x86 mmdebstrap cpio unzip)
