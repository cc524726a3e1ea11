#!/usr/bin/env bash
# The screen-reader flow: under Xvfb, in a private D-Bus session with its own AT-SPI bus, the
# program plays a labelling, a cloze and a single-questions sample driven only through the
# accessibility tree and keys (zugang_atspi.py), and every window on the way is checked
# for controls without a name. The logs of what was heard go to PROTOKOLL_ORDNER.
# Usage: zugang_atspi.sh BIN_ORDNER QUELL_ORDNER [PROTOKOLL_ORDNER]
set -euo pipefail
bin=$1
quellen=$2
ausgabe=${3:-}
hier=$(cd "$(dirname "$0")" && pwd)
if [ -z "${KARTELLO_IN_XVFB:-}" ]; then
    export KARTELLO_IN_XVFB=1
    # A hung reader or program must not hang the test run.
    exec timeout -k 10 600 xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$0" "$@"
fi
unset QT_QPA_PLATFORM
arbeit=$(mktemp -d)
bus=
aufraeumen() {
    if [ -n "$bus" ]; then kill "$bus" 2>/dev/null || true; fi
    rm -rf "$arbeit"
}
trap aufraeumen EXIT
export HOME=$arbeit XDG_CONFIG_HOME=$arbeit/config XDG_DATA_HOME=$arbeit/data XDG_RUNTIME_DIR=$arbeit/laufzeit
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$XDG_CONFIG_HOME/Velmora"
printf '[General]\nOpt-Sound=false\nOpt-UebNameEingabe=false\n' >"$XDG_CONFIG_HOME/Velmora/Velmora Kartello-Quiz 1.0.conf"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# The accessibility bus of this session; D-Bus would also start it on the first request.
for starter in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    if [ -x "$starter" ]; then
        "$starter" --launch-immediately &
        bus=$!
        break
    fi
done
sleep 1

[ -n "$ausgabe" ] && mkdir -p "$ausgabe"
status=0
for probe in "europa --alle-fenster" wasserkreislauf hauptstaedte; do
    set -- $probe
    name=$1
    shift
    cp "$bin/$name.tvl" "$arbeit/$name.tvl"
    log=${ausgabe:-$arbeit}/zugang_$name.log
    echo "== $name"
    if ! timeout -k 5 240 /usr/bin/python3 "$hier/zugang_atspi.py" "$bin/kartello-quiz" "$arbeit/$name.tvl" \
        "$quellen/samples/$name/dokument.json" "$log" "$@"; then
        echo "FEHLER bei $name"
        status=1
    fi
done
exit "$status"
