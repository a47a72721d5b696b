#!/usr/bin/env bash
# Builds the Debian package, installs it, starts the installed program twice as an ordinary user
# with an empty home and checks the data folder it makes; validates the desktop files. Needs root
# (it installs the package and removes it again); exits 77 (skipped) otherwise.
set -euo pipefail
build=$(realpath "$1")
[ "$(id -u)" -eq 0 ] || { echo "skipped: installing the package needs root"; exit 77; }

cd "$build"
rm -f velt_*.deb
cpack -G DEB >/dev/null
deb=$(ls "$build"/velt_*.deb)
dpkg-deb -f "$deb" Depends | grep -q libqt6core6
if dpkg-deb -f "$deb" Depends | grep -q -- '-dev'; then
    echo "the package depends on development packages"; exit 1
fi
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
trap 'dpkg --purge velt >/dev/null' EXIT
dpkg -s velt >/dev/null

desktop-file-validate /usr/share/applications/ro.velt.Velt.desktop
appstreamcli validate --no-net /usr/share/metainfo/ro.velt.Velt.metainfo.xml

home=$(mktemp -d)
chown nobody:nogroup "$home"
data="$home/.local/share/velt"
# An 800 x 600 display, so the set-up screen opens without the resolution message.
screen=$(mktemp --suffix=.json)
chmod 644 "$screen"
echo '{"screens": [{"name": "s", "x": 0, "y": 0, "width": 800, "height": 600}]}' >"$screen"

# Starts the installed program as nobody, waits until its set-up screen is up, then ends it.
start_once() {
    setpriv --reuid=nobody --regid=nogroup --clear-groups env -i HOME="$home" \
        QT_QPA_PLATFORM="offscreen:configfile=$screen" /usr/bin/velt >/dev/null 2>&1 &
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
[ "$(stat -c %U "$data")" = nobody ]
for d in WAVUs Log ARHIVA; do [ -d "$data/$d" ]; done
[ -f "$data/special_stations.txt" ]
count() { setpriv --reuid=nobody --regid=nogroup --clear-groups sqlite3 "$data/$1" "SELECT count(*) FROM $2"; }
[ "$(count LogVELT.mdb LogGen)" = 0 ] && [ "$(count DbsVELT.mdb CallJud)" = 0 ]
before=$(snapshot)
start_once
[ "$(snapshot)" = "$before" ] || { echo "the second start changed the data folder"; exit 1; }
rm -rf "$home" "$screen"
echo "package installed, data folder made once in an empty home, desktop files valid"
