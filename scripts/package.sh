#!/usr/bin/env bash
# Builds what users install, from the tree as it stands (uncommitted changes
# included), installing what is missing, into dist/:
#   tallix_VERSION-1_amd64.deb   the Debian package (debhelper, debian/)
#   tallix-VERSION-win32.zip     the 32-bit tallix.exe, README.txt, LICENSE.txt
#   tallix-VERSION-win64.zip     the same with the 64-bit tallix.exe
#   tallix-VERSION-x86.msi       Windows Installer packages of the two exes,
#   tallix-VERSION-x64.msi       per user (scripts/msi.sh)
#   SHA256SUMS                   for all of them, as sha256sum -c reads them
# Two runs give byte-identical files wherever the tree lies and whoever runs
# it: times come from the last commit, build paths are mapped away, modes,
# time zone and locale are fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"

umask 022
export TZ=UTC LC_ALL=C.UTF-8
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
stage=$PWD/build/package
rm -rf "$stage" dist
mkdir -p dist
bash scripts/copy-tree.sh "$stage/src"
chmod -R u+rwX,go=rX "$stage/src"
bash "$stage/src/scripts/debian-changelog.sh"
version=$(dpkg-parsechangelog -l "$stage/src/debian/changelog" -S Version)
upstream=${version%-*}

echo "== tallix_${version}_amd64.deb"
(cd "$stage/src" && DEB_BUILD_OPTIONS="parallel=$(nproc)" dpkg-buildpackage -b -us -uc >"$stage/deb.log" 2>&1) ||
    { tail -n 40 "$stage/deb.log"; exit 1; }
# As debuild does: a package lintian finds fault with is not shipped.
lintian --fail-on error,warning "$stage/tallix_${version}_amd64.deb"
cp "$stage/tallix_${version}_amd64.deb" dist/

# The toolchain's own flags stay: CXXFLAGS and LDFLAGS are added to them.
# -s leaves no symbol table or debug sections; the PE time stamp is
# SOURCE_DATE_EPOCH, which the MinGW linker takes when it is set.
for build in windows:win32:x86 windows-x64:win64:x64; do
    IFS=: read -r preset zip msi <<<"$build"
    echo "== tallix-$upstream-$zip.zip, tallix-$upstream-$msi.msi"
    (cd "$stage/src" && CXXFLAGS="-ffile-prefix-map=$stage=." LDFLAGS="-s" \
        cmake --preset "$preset" -B "$stage/$preset" -DTALLIX_BUILD_TESTS=OFF >/dev/null &&
        cmake --build "$stage/$preset" --target tallix >"$stage/$preset.log") ||
        { tail -n 40 "$stage/$preset.log"; exit 1; }
    zipped=$stage/$zip
    mkdir "$zipped"
    cp "$stage/$preset/app/tallix.exe" "$zipped/"
    # Notepad on Windows 7 reads UTF-8 reliably with a byte order mark and
    # shows lines only when they end in CR LF.
    { printf '\xef\xbb\xbf'; sed "s/@VERSION@/$upstream/; s/\$/\r/" "$stage/src/app/README.windows.txt"; } >"$zipped/README.txt"
    sed 's/$/\r/' "$stage/src/LICENSE" >"$zipped/LICENSE.txt"
    chmod 644 "$zipped"/*
    touch -d "@$SOURCE_DATE_EPOCH" "$zipped"/*
    (cd "$zipped" && zip -X -q "$OLDPWD/dist/tallix-$upstream-$zip.zip" LICENSE.txt README.txt tallix.exe)
    bash "$stage/src/scripts/msi.sh" "$zipped/tallix.exe" "$msi" "dist/tallix-$upstream-$msi.msi"
done

(cd dist && sha256sum * >"$stage/SHA256SUMS" && mv "$stage/SHA256SUMS" .)
echo "Written: $(ls dist | tr '\n' ' ')"
