#!/usr/bin/env bash
# Makes the Debian package from the build folder and checks it as a user's
# computer would take it: the desktop entry and the AppStream metadata valid,
# lintian without errors, and the program run from the unpacked package on
# the example it brings (--version, then --render without a display).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${ZB_BUILD_DIR:-build}

bash scripts/install-deps.sh lintian desktop-file-utils appstream dpkg-dev

desktop-file-validate data/nl.morvek.Zerbantiko.desktop
appstreamcli validate --no-net data/nl.morvek.Zerbantiko.metainfo.xml

rm -f "$build"/zerbantiko_*.deb
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/zerbantiko_*_*.deb)
echo "package: $deb"
dpkg-deb --info "$deb" | grep -E "Version|Depends"
lintian --fail-on error --tag-display-limit 0 "$deb"

uit=$(mktemp -d)
trap 'rm -rf "$uit"' EXIT
dpkg -x "$deb" "$uit"
zonder=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$uit")
"${zonder[@]}" "$uit/usr/bin/zerbantiko" --version
"${zonder[@]}" "$uit/usr/bin/zerbantiko" --render "$uit/usr/share/zerbantiko/voorbeeld/Clubavond.zb" \
  --page 0 --size 640x360 --out "$uit/pagina.png"
test -s "$uit/pagina.png"
# The modules (sound, phone remote, ZIP) are where the installed program looks for them.
map=$(grep -aoE '\.\./[^[:cntrl:]]*/zerbantiko/modules' "$uit/usr/bin/zerbantiko" | head -n 1)
for module in zerbantiko-geluid.so zerbantiko-afstand.so zerbantiko-zip.so; do
  test -f "$uit/usr/bin/$map/$module"
done
echo "package: installed files run, page drawn, modules in bin/$map"
