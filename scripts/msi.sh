#!/usr/bin/env bash
# Builds the Windows Installer package of the tree it lies in from a built
# tallix.exe, with app/tallix.wxs and the version of project(VERSION):
#   msi.sh TALLIX_EXE x64|x86 OUT.msi
# The same inputs give the same bytes: the product and package codes are
# name-based UUIDs of the version and platform (so every version gets new
# ones), and wixl, which stamps the current time and a random package code,
# runs on a clock stopped (faketime -f) at SOURCE_DATE_EPOCH before msibuild sets the code.
set -euo pipefail
exe=$(realpath "$1") platform=$2 out=$(realpath -m "$3")
cd "$(dirname "$0")/.."
version=$(sed -nE 's/^project\(Tallix VERSION ([0-9.]+) .*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "no project(Tallix VERSION ...) in CMakeLists.txt" >&2; exit 1; }
case $platform in x64) win64=yes ;; x86) win64=no ;; *) echo "platform x64 or x86, not $platform" >&2; exit 2 ;; esac
namespace=0c6f7d1e-5a3b-4c84-9d2e-8f1a6b3c5e70
code() { uuidgen --sha1 --namespace "$namespace" --name "Tallix $version $platform $1" | tr a-f A-F; }
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}

# wixl reads its files by relative paths; their times go into the cabinet.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$exe" "$stage/tallix.exe"
cp app/tallix.wxs app/resources/tallix.ico "$stage/"
touch -d "@$epoch" "$stage"/*
(cd "$stage" && TZ=UTC faketime -f "$(date -u -d "@$epoch" '+%Y-%m-%d %H:%M:%S')" wixl --arch "$platform" -o "$out" \
    -D Version="$version" -D ProductCode="$(code product)" -D Win64=$win64 tallix.wxs)
# wixl writes a database of code page 0, which holds ASCII only, and drops
# every other text: the Russian ones in tallix.wxs are set again once it is 1251.
printf '\r\n\r\n1251\t_ForceCodepage\r\n' >"$stage/_ForceCodepage.idt"
msibuild "$out" -i "$stage/_ForceCodepage.idt"
text() { grep -zoP "$1=\"\K[^\"]+" app/tallix.wxs | tr -d '\0'; }
msibuild "$out" -q "UPDATE \`Shortcut\` SET \`Description\` = '$(text '<Shortcut [^>]*Description')'" \
    -q "UPDATE \`LaunchCondition\` SET \`Description\` = '$(text DowngradeErrorMessage)'"
# Template "platform;language"; the package code in braces.
msibuild "$out" -s Tallix Vantly "$([ "$platform" = x86 ] && echo Intel || echo x64);1049" "{$(code package)}"
