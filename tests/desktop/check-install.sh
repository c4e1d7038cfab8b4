#!/usr/bin/env bash
# Installs the program into scratch folders, once staged with DESTDIR under the prefix /usr as a
# distribution package is built, once straight into a prefix as from a tarball, and checks what
# each leaves: the program, its menu entry, its AppStream metainfo and its icon in every size.
# Usage: check-install.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$1
work=$2
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
app_id=io.github.vestor.Vestor

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
for tool in desktop-file-validate appstreamcli cpack dpkg-deb dpkg-shlibdeps file; do
  command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/install-deps test"
done

# Width x height from a PNG's header chunk.
png_size() {
  od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d\n", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}

# Checks the installed tree under PREFIX.
check_tree() {
  local prefix=$1
  local share=$prefix/share
  local desktop=$share/applications/vestor.desktop
  local metainfo=$share/metainfo/$app_id.metainfo.xml
  [ -x "$prefix/bin/vestor" ] || fail "no program at $prefix/bin/vestor"
  [ -f "$desktop" ] || fail "no desktop entry at $desktop"
  [ -f "$metainfo" ] || fail "no metainfo at $metainfo"

  local out
  out=$(desktop-file-validate --no-hints "$desktop" 2>&1) || fail "desktop-file-validate: $out"
  [ -z "$out" ] || fail "desktop-file-validate: $out"
  out=$(appstreamcli validate --no-net --no-color "$metainfo" 2>&1) || fail "appstreamcli validate: $out"

  grep -qx 'Categories=Education;Science;Physics;Qt;' "$desktop" || fail "the entry's categories"
  # The entry starts the installed program and shows the installed icon.
  [ "$(sed -n 's/^Exec=//p' "$desktop")" = "vestor %f" ] || fail "Exec is not the installed program with its lesson"
  grep -qx 'MimeType=application/x-vestor-lesson;' "$desktop" || fail "the entry does not open lessons"
  grep -q 'type="application/x-vestor-lesson"' "$share/mime/packages/vestor-lesson.xml" || fail "no lesson type"
  local icon
  icon=$(sed -n 's/^Icon=//p' "$desktop")
  [ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon.svg"
  grep -q '<svg' "$share/icons/hicolor/scalable/apps/$icon.svg" || fail "$icon.svg is no SVG"
  local size png
  for size in 16 22 24 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x${size}/apps/$icon.png
    [ -f "$png" ] || fail "no icon $png"
    [ "$(png_size "$png")" = "${size}x${size}" ] || fail "$png is $(png_size "$png"), not ${size}x${size}"
  done

  # The metainfo points at this entry and this program, and at screenshots the repository has.
  grep -q '<launchable type="desktop-id">vestor.desktop</launchable>' "$metainfo" || fail "launchable"
  grep -q '<binary>vestor</binary>' "$metainfo" || fail "provided binary"
  local shots
  shots=$(sed -n 's|.*<image>.*/docs/screenshots/\([^<]*\)</image>.*|\1|p' "$metainfo")
  [ -n "$shots" ] || fail "no screenshots in the metainfo"
  for shot in $shots; do
    [ -f "$source_dir/docs/screenshots/$shot" ] || fail "screenshot $shot is not in docs/screenshots"
  done
  grep -q '<summary>.\+</summary>' "$metainfo" || fail "no summary"
  grep -q '<description>' "$metainfo" || fail "no description"
}

rm -rf "$work"
mkdir -p "$work"

# A package build: everything lands under DESTDIR, below the prefix.
DESTDIR="$work/stage" cmake --install "$build" --prefix /usr >"$work/stage.log"
check_tree "$work/stage/usr"
[ "$(ls -A "$work/stage")" = usr ] || fail "DESTDIR holds more than usr: $(ls -A "$work/stage")"
out=$(appstreamcli validate-tree --no-net --no-color "$work/stage" 2>&1) || fail "appstreamcli validate-tree: $out"

# A tarball install into a prefix of the user's.
cmake --install "$build" --prefix "$work/prefix" >"$work/prefix.log"
check_tree "$work/prefix"

# The Debian package, built from the same install rules.
cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/package.log" 2>&1 ||
  fail "cpack: $(tail -n 20 "$work/package.log")"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb=$work/package/vestor_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $deb: $(ls "$work/package")"
field() { dpkg-deb -f "$deb" "$1"; }
metainfo=$source_dir/packaging/$app_id.metainfo.xml
[ "$(field Package)" = vestor ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), not $version"
[ "$(field Section)" = science ] || fail "Section: $(field Section)"
[ "$(field Homepage)" = "$(sed -n 's|.*<url type="homepage">\(.*\)</url>.*|\1|p' "$metainfo")" ] ||
  fail "Homepage: $(field Homepage)"
# Depends comes from the libraries the program links, Qt's widgets among them.
field Depends | grep -q 'libqt6widgets6 (>= [0-9.]*)' || fail "Depends: $(field Depends)"
field Depends | grep -q 'libqt6svg6 (>= [0-9.]*)' || fail "Depends: $(field Depends)"
field Depends | grep -q 'libc6 (>= [0-9.]*)' || fail "Depends: $(field Depends)"
[ "$(field Recommends)" = qt6-translations-l10n ] || fail "Recommends: $(field Recommends)"
# The summary is the metainfo's, the long description the README's first paragraph.
description=$(field Description)
[ "$(echo "$description" | head -n 1)" = "$(sed -n 's|.*<summary>\(.*\)</summary>.*|\1|p' "$metainfo")" ] ||
  fail "the package's summary: $(echo "$description" | head -n 1)"
first_sentence=$(grep -m 1 '^Vestor is' "$source_dir/README.md" | sed 's/\. .*/./')
echo "$description" | sed -n 2p | grep -qF " $first_sentence" || fail "the description does not begin with: $first_sentence"
! echo "$description" | awk 'length > 80' | grep -q . || fail "description lines longer than 80 columns"
! echo "$description" | grep -qF '**' || fail "Markdown left in the description"

# It holds exactly what the staged install does, the program stripped of its symbols.
dpkg-deb -x "$deb" "$work/package/root"
check_tree "$work/package/root/usr"
(cd "$work/stage" && find . -type f | sort) >"$work/stage.files"
(cd "$work/package/root" && find . -type f | sort) >"$work/package.files"
diff -u "$work/stage.files" "$work/package.files" >&2 || fail "the package holds other files than the install"
file "$work/package/root/usr/bin/vestor" | grep -q ', stripped' || fail "the packaged program is not stripped"

echo "installed and validated: $work/stage/usr, $work/prefix, $deb"
