#!/usr/bin/env bash
# Starts the real program under Xvfb: checks the window title, steps to the first
# sample document with Page Down and ends the program through its menu.
# Usage: programmstart.sh BIN_ORDNER
set -euo pipefail
bin=$1
. "$(dirname "$0")/gemeinsam.sh"
im_xvfb "$@"
eigene_umgebung
erstes_beispiel

hauptfenster_starten
echo "Fenster: $(xdotool getwindowname "$fenster")"
xdotool windowactivate --sync "$fenster" 2>/dev/null || xdotool windowfocus --sync "$fenster"
sleep 1
xdotool key --window "$fenster" Next
titel_abwarten "Velmora Kartello-Quiz - $titel" "nach Bild ab"

ueber_menue_beenden
