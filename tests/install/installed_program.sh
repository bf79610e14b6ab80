#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed
# programs as a user would meet them: the menu entry and AppStream data
# validate, kivorender renders a page, and the editor started from a folder
# it cannot write keeps its settings in the user's configuration folder.
# Usage: installed_program.sh BUILD_FOLDER
set -euo pipefail
build="$1"
id=com.kivopro.KivoPro32
work="$(mktemp -d)"
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
prefix="$work/prefix"
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/kivopro32 bin/kivorender share/kivopro32/NORMAL.TXT \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg \
    share/man/man1/kivopro32.1.gz share/man/man1/kivorender.1.gz; do
  [ -s "$prefix/$file" ] || fail "$file is not installed"
done
for size in 16 22 24 32 48 64 128 256; do
  [ -s "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" ] || fail "no ${size} pixel icon"
done

# Hints (suggestions) are allowed; errors and warnings are not.
desktop=$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1) || fail "desktop entry: $desktop"
if grep -Ei 'error|warning' <<<"$desktop"; then fail "desktop entry is not clean"; fi
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/appstream.txt" 2>&1 ||
  { cat "$work/appstream.txt"; fail "AppStream data is not valid"; }
if grep -E '^[EW]:' "$work/appstream.txt"; then fail "AppStream data is not clean"; fi

for program in kivopro32 kivorender; do
  "$prefix/bin/$program" --version | grep -qx "$program [0-9.]*" || fail "$program --version"
  "$prefix/bin/$program" --help | grep -q -- "--version" || fail "$program --help"
done

# The installed kivorender lays out and paints a page.
printf '<HTML><BODY><H1>Installed</H1><P>A page from the installed viewer.</BODY></HTML>\r\n' >"$work/page.htm"
"$prefix/bin/kivorender" --dump-layout "$work/page.htm" | grep -q "Installed" || fail "kivorender lays out no text"
"$prefix/bin/kivorender" --render "$work/page.htm" --out "$work/page.png"
[ "$(head -c 8 "$work/page.png" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] || fail "kivorender wrote no PNG"

# The editor runs as a user who cannot write where it is installed (root
# can write anywhere, so the check drops to nobody), in an empty home.
as_user=()
home="$work/home"
mkdir -p "$home/config" "$home/data" "$home/state" "$home/cache" "$home/runtime"
chmod 700 "$home/runtime"
if [ "$(id -u)" -eq 0 ]; then
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  chown -R 65534:65534 "$home"
fi
run_editor() {  # FOLDER: starts FOLDER/kivopro32 in FOLDER; it closes itself
  (cd "$1" && env HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
      XDG_STATE_HOME="$home/state" XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" \
      timeout 300 "${as_user[@]}" ./kivopro32 --quit-after-start) || fail "kivopro32 in $1 did not close by itself"
}

chmod -R a-w "$prefix"
before=$(ls -A "$prefix/bin")
run_editor "$prefix/bin"
[ "$(ls -A "$prefix/bin")" = "$before" ] || fail "the editor wrote beside itself: $(ls -A "$prefix/bin")"
grep -q '^\[Windows\]' "$home/config/kivopro32/KIVO.INI" || fail "no settings in the user's configuration folder"

# A copy in a folder its user may write keeps everything beside itself.
rm -rf "$home/config/kivopro32"
portable="$work/portable"
mkdir "$portable"
cp "$prefix/bin/kivopro32" "$portable/"
[ ${#as_user[@]} -eq 0 ] || chown -R 65534:65534 "$portable"
run_editor "$portable"
grep -q '^\[Windows\]' "$portable/KIVO.INI" || fail "a portable copy keeps no settings beside itself"
[ ! -e "$home/config/kivopro32/KIVO.INI" ] || fail "a portable copy wrote to the user's configuration folder"
echo "installed program checked in $prefix"
