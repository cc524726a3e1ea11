#!/usr/bin/env bash
# The program as a school runs it, under Xvfb: a second start hands its document to the
# running window and ends with 0; closing writes nothing the user did not change, so a
# preset the administrator adds afterwards is in force ("System").
# Usage: schulbetrieb.sh BIN_ORDNER
set -euo pipefail
bin=$(cd "$1" && pwd)
if [ -z "${KARTELLO_IN_XVFB:-}" ]; then
    export KARTELLO_IN_XVFB=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
unset QT_QPA_PLATFORM
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null || true' EXIT
export HOME=$arbeit XDG_CONFIG_HOME=$arbeit/config XDG_DATA_HOME=$arbeit/data
export XDG_CONFIG_DIRS=$arbeit/etc-xdg XDG_RUNTIME_DIR=$arbeit/run
mkdir -p "$XDG_CONFIG_DIRS" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

erstes=$(find "$bin" -maxdepth 1 -name '*.tvl' -printf '%f\n' | sort -f | head -n 1)
[ -n "$erstes" ] || { echo "keine Beispieldokumente in $bin"; exit 1; }
titel=$("$bin/kartello-tool" dump "$bin/$erstes" | sed -n 's/^ *"HD_titel": "\(.*\)",$/\1/p')

"$bin/kartello-quiz" &
pid=$!
fenster=$(timeout 30 xdotool search --sync --onlyvisible --name '^Velmora Kartello-Quiz$' | head -n 1)
[ -n "$fenster" ] || { echo "Hauptfenster erscheint nicht"; exit 1; }

# A double-click in the file manager: a second start with the document, from elsewhere.
(cd "$bin" && timeout 30 "$bin/kartello-quiz" "$erstes")
echo "Zweiter Start beendet mit 0"
erwartet="Velmora Kartello-Quiz - $titel"
for _ in $(seq 1 100); do
    [ "$(xdotool getwindowname "$fenster")" = "$erwartet" ] && break
    sleep 0.1
done
jetzt=$(xdotool getwindowname "$fenster")
[ "$jetzt" = "$erwartet" ] || { echo "Titel nach Übergabe: '$jetzt', erwartet '$erwartet'"; exit 1; }
echo "Dokument im laufenden Fenster: $jetzt"
[ "$(xdotool search --onlyvisible --name '^Velmora Kartello-Quiz' | wc -l)" -eq 1 ] ||
    { echo "mehr als ein Hauptfenster"; exit 1; }

# "&Aktion", then the last entry "Programm &beenden".
xdotool windowactivate --sync "$fenster" 2>/dev/null || xdotool windowfocus --sync "$fenster"
sleep 0.5
xdotool key --window "$fenster" alt+a
sleep 0.5
xdotool key Up Return
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then echo "Programm endet nicht über das Menü"; exit 1; fi
wait "$pid"
pid=

benutzer="$XDG_CONFIG_HOME/Velmora/Velmora Kartello-Quiz 1.0.conf"
if [ -f "$benutzer" ] && grep -q '=' "$benutzer"; then
    echo "unveränderte Werte geschrieben:"; cat "$benutzer"; exit 1
fi
echo "Benutzerdatei ohne Werte"

mkdir -p "$XDG_CONFIG_DIRS/Velmora"
printf '[General]\nOpt-Sound=false\nNetzKomKanal=TVL-7\n' > "$XDG_CONFIG_DIRS/Velmora/Velmora Kartello-Quiz 1.0.conf"
liste=$("$bin/kartello-tool" einstellungen zeigen)
for zeile in "Opt-Sound	false	System" "NetzKomKanal	TVL-7	System"; do
    printf '%s\n' "$liste" | grep -qxF "$zeile" || { echo "fehlt: $zeile"; printf '%s\n' "$liste"; exit 1; }
done
echo "Vorgaben nach dem ersten Start in Kraft"
