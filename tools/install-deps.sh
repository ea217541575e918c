#!/bin/sh
# Installs the Debian packages listed in tools/debian-packages.txt that are not installed yet.
set -eu
here=$(dirname "$0")
missing=""
for pkg in $(grep -v '^#' "$here/debian-packages.txt"); do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
        missing="$missing $pkg"
    fi
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
    as_root=""
else
    as_root="sudo"
fi
$as_root apt-get update -qq
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends $missing
