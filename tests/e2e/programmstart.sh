#!/usr/bin/env bash
# Starts the real program under Xvfb: checks the window title, steps to the first
# sample document with Page Down and ends the program through its menu.
# Usage: programmstart.sh BIN_ORDNER
set -euo pipefail
bin=$1
if [ -z "${KARTELLO_IN_XVFB:-}" ]; then
    export KARTELLO_IN_XVFB=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
unset QT_QPA_PLATFORM
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null || true' EXIT
export HOME=$arbeit XDG_CONFIG_HOME=$arbeit/config XDG_DATA_HOME=$arbeit/data

# Title of the first sample in the order of the topic list (file names, ignoring case).
erstes=$(find "$bin" -maxdepth 1 -name '*.tvl' -printf '%f\n' | sort -f | head -n 1)
[ -n "$erstes" ] || { echo "keine Beispieldokumente in $bin"; exit 1; }
titel=$("$bin/kartello-tool" dump "$bin/$erstes" | sed -n 's/^ *"HD_titel": "\(.*\)",$/\1/p')
[ -n "$titel" ] || { echo "Titel von $erstes nicht lesbar"; exit 1; }

"$bin/kartello-quiz" &
pid=$!

fenster=$(timeout 30 xdotool search --sync --onlyvisible --name '^Velmora Kartello-Quiz$' | head -n 1)
[ -n "$fenster" ] || { echo "Hauptfenster erscheint nicht"; exit 1; }
echo "Fenster: $(xdotool getwindowname "$fenster")"
xdotool windowactivate --sync "$fenster" 2>/dev/null || xdotool windowfocus --sync "$fenster"
sleep 1
xdotool key --window "$fenster" Next

erwartet="Velmora Kartello-Quiz - $titel"
for _ in $(seq 1 100); do
    [ "$(xdotool getwindowname "$fenster")" = "$erwartet" ] && break
    sleep 0.1
done
jetzt=$(xdotool getwindowname "$fenster")
[ "$jetzt" = "$erwartet" ] || { echo "Titel nach Bild ab: '$jetzt', erwartet '$erwartet'"; exit 1; }
echo "Titel nach Bild ab: $jetzt"

# "&Aktion", then the last entry "Programm &beenden".
xdotool key --window "$fenster" alt+a
sleep 0.5
xdotool key Up Return
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then echo "Programm endet nicht über das Menü"; exit 1; fi
wait "$pid"
rc=$?
pid=
echo "Programm beendet, Rückgabewert $rc"
exit "$rc"
