#!/usr/bin/env bash
# Runs the package check with dpkg pointed at a temporary root that holds an installed stub velt
# and with apt-get refused: the check must pass and leave the stub installed as it was.
set -euo pipefail
check=$(realpath "$1")
build=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root="$work/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$work/stub/DEBIAN" "$work/bin"
touch "$root/var/lib/dpkg/status"
printf '%s\n' 'Package: velt' 'Version: 0.1-stub' 'Architecture: all' \
    'Maintainer: Stub <stub@example.org>' 'Description: stub of an installed velt' \
    >"$work/stub/DEBIAN/control"
dpkg-deb --build "$work/stub" "$work/stub.deb" >/dev/null
dpkg=$(command -v dpkg)
"$dpkg" --root="$root" --force-not-root --force-script-chrootless -i "$work/stub.deb" >/dev/null

cat >"$work/bin/dpkg" <<STUB
#!/bin/sh
exec "$dpkg" --root="$root" --force-not-root --force-script-chrootless "\$@"
STUB
for tool in apt-get apt aptitude; do
    printf '#!/bin/sh\necho "%s $*" >>"%s/calls"; exit 1\n' "$tool" "$work" >"$work/bin/$tool"
done
chmod 755 "$work"/bin/*

PATH="$work/bin:$PATH" "$check" "$build"
[ ! -e "$work/calls" ] || { echo "the check called:"; cat "$work/calls"; exit 1; }
[ "$(dpkg-query --admindir="$root/var/lib/dpkg" -W -f='${Version} ${Status}' velt)" \
    = "0.1-stub install ok installed" ] || { echo "the installed velt was changed"; exit 1; }
echo "the installed package was left in place"
