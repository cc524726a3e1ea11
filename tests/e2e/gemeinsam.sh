# Shared steps of the Xvfb flows; sourced by them, not run. Each flow sets `bin` first.

# Runs the calling script again under xvfb-run, unless it is already there.
im_xvfb() {
    if [ -z "${KARTELLO_IN_XVFB:-}" ]; then
        export KARTELLO_IN_XVFB=1
        exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
    fi
    unset QT_QPA_PLATFORM
}

# A home and configuration of their own, removed at the end with a program still running.
eigene_umgebung() {
    arbeit=$(mktemp -d)
    trap 'rm -rf "$arbeit"; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null || true' EXIT
    export HOME=$arbeit XDG_CONFIG_HOME=$arbeit/config XDG_DATA_HOME=$arbeit/data
}

# `erstes` and `titel`: the first sample in the order of the topic list (file names,
# ignoring case) and its title.
erstes_beispiel() {
    erstes=$(find "$bin" -maxdepth 1 -name '*.tvl' -printf '%f\n' | sort -f | head -n 1)
    [ -n "$erstes" ] || { echo "keine Beispieldokumente in $bin"; exit 1; }
    titel=$("$bin/kartello-tool" dump "$bin/$erstes" | sed -n 's/^ *"HD_titel": "\(.*\)",$/\1/p')
    [ -n "$titel" ] || { echo "Titel von $erstes nicht lesbar"; exit 1; }
}

# Starts the program without a document; `pid` and `fenster` name it and its main window.
hauptfenster_starten() {
    "$bin/kartello-quiz" &
    pid=$!
    fenster=$(timeout 30 xdotool search --sync --onlyvisible --name '^Velmora Kartello-Quiz$' | head -n 1)
    [ -n "$fenster" ] || { echo "Hauptfenster erscheint nicht"; exit 1; }
}

# Waits up to ten seconds for the main window's title to become $1; $2 names the step.
titel_abwarten() {
    for _ in $(seq 1 100); do
        [ "$(xdotool getwindowname "$fenster")" = "$1" ] && break
        sleep 0.1
    done
    jetzt=$(xdotool getwindowname "$fenster")
    [ "$jetzt" = "$1" ] || { echo "Titel $2: '$jetzt', erwartet '$1'"; exit 1; }
    echo "Titel $2: $jetzt"
}

# "&Aktion", then its last entry "Programm &beenden"; the program must end with 0.
ueber_menue_beenden() {
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
    echo "Programm über das Menü beendet"
}
