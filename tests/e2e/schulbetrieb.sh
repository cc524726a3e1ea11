#!/usr/bin/env bash
# The program as a school runs it, under Xvfb: a second start hands its document to the
# running window and ends with 0; closing writes nothing the user did not change, so a
# preset the administrator adds afterwards is in force ("System").
# Usage: schulbetrieb.sh BIN_ORDNER
set -euo pipefail
bin=$(cd "$1" && pwd)
. "$(dirname "$0")/gemeinsam.sh"
im_xvfb "$@"
eigene_umgebung
export XDG_CONFIG_DIRS=$arbeit/etc-xdg XDG_RUNTIME_DIR=$arbeit/run
mkdir -p "$XDG_CONFIG_DIRS" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
erstes_beispiel

hauptfenster_starten

# A double-click in the file manager: a second start with the document, from elsewhere.
(cd "$bin" && timeout 30 "$bin/kartello-quiz" "$erstes")
echo "Zweiter Start beendet mit 0"
titel_abwarten "Velmora Kartello-Quiz - $titel" "nach Übergabe"
[ "$(xdotool search --onlyvisible --name '^Velmora Kartello-Quiz' | wc -l)" -eq 1 ] ||
    { echo "mehr als ein Hauptfenster"; exit 1; }

xdotool windowactivate --sync "$fenster" 2>/dev/null || xdotool windowfocus --sync "$fenster"
sleep 0.5
ueber_menue_beenden

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
