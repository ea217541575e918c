#!/bin/sh
# Starts the program on an X server of its own with an accessibility bus, as a desktop with
# a screen reader would, and runs atspi_check.py against it:
#   atspi_test.sh CHASEROM CHECK.py IMAGE
# Exits 77 (skipped) on a machine without the tools.
set -u
program=$1 check=$2 image=$3
launcher=/usr/libexec/at-spi-bus-launcher
for tool in dbus-run-session xvfb-run "$launcher" /usr/bin/python3; do
    command -v "$tool" >/dev/null 2>&1 || { echo "no $tool"; exit 77; }
done
/usr/bin/python3 -c "import pyatspi" 2>/dev/null || { echo "no python3-pyatspi"; exit 77; }

if [ "${CHASEROM_ATSPI_INNER:-}" != 1 ]; then
    export CHASEROM_ATSPI_INNER=1
    exec dbus-run-session -- xvfb-run -a "$0" "$@"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$image" "$work/image.bin"
"$launcher" --launch-immediately &
sleep 1
cd "$work" && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" \
    "$program" --language ru --steps image.bin &
shown=$!
/usr/bin/python3 "$check"
status=$?
kill "$shown" 2>/dev/null
wait "$shown" 2>/dev/null
exit $status
