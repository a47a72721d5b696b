#!/usr/bin/env bash
# Builds the Debian package and checks it without installing it: lintian must find no error or
# warning, the desktop files must be valid, and the program, unpacked into a temporary root, is
# started twice by an ordinary user with an empty home and must make its data folder once. The
# system's packages are never installed, replaced or removed.
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
chmod 755 "$work"
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/velt_*.deb)
dpkg-deb -f "$deb" Depends | grep -q libqt6core6
if dpkg-deb -f "$deb" Depends | grep -q -- '-dev'; then
    echo "the package depends on development packages"; exit 1
fi
lintian --allow-root --fail-on error,warning --display-info "$deb"

root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/ro.velt.Velt.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/ro.velt.Velt.metainfo.xml"

home="$work/home"
mkdir "$home"
# As root the program runs as nobody, the ordinary user it is meant for.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    chown nobody:nogroup "$home"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
data="$home/.local/share/velt"
# An 800 x 600 display, so the set-up screen opens without the resolution message.
screen="$work/screen.json"
echo '{"screens": [{"name": "s", "x": 0, "y": 0, "width": 800, "height": 600}]}' >"$screen"
chmod 644 "$screen"

# Starts the unpacked program, waits until its set-up screen is up, then ends it.
start_once() {
    "${as_user[@]}" env -i HOME="$home" QT_QPA_PLATFORM="offscreen:configfile=$screen" \
        "$root/usr/bin/velt" >/dev/null 2>&1 &
    local pid=$! waited=0
    # Up once it holds the second database open.
    until ls -l "/proc/$pid/fd" 2>/dev/null | grep -q "$data/DbsVELT.mdb\$"; do
        kill -0 "$pid" 2>/dev/null || { echo "velt ended at start-up"; exit 1; }
        [ $((waited += 1)) -lt 300 ] || { kill "$pid"; echo "velt made no data folder"; exit 1; }
        sleep 0.1
    done
    kill "$pid"
    wait "$pid" || true
}

# Every file with its bytes, leaving out SQLite's journal files, which any open rewrites.
snapshot() {
    (cd "$data" && find . ! -name '*-wal' ! -name '*-shm' | sort | while read -r f; do
        if [ -f "$f" ]; then sha256sum "$f"; else echo "dir $f"; fi
    done)
}

start_once
[ "$(stat -c %U "$data")" = "$(stat -c %U "$home")" ]
for d in WAVUs Log ARHIVA; do [ -d "$data/$d" ]; done
[ -f "$data/special_stations.txt" ]
count() { "${as_user[@]}" sqlite3 "$data/$1" "SELECT count(*) FROM $2"; }
[ "$(count LogVELT.mdb LogGen)" = 0 ] && [ "$(count DbsVELT.mdb CallJud)" = 0 ]
before=$(snapshot)
start_once
[ "$(snapshot)" = "$before" ] || { echo "the second start changed the data folder"; exit 1; }
echo "package clean for lintian, data folder made once in an empty home, desktop files valid"
