#!/usr/bin/python3
# Plays one sample quiz through the accessibility tree (AT-SPI), as a screen reader would:
# it reads the quiz area's instruction, question, cloze text and positions, frames a
# position by typing its number, chooses an answer by its press action and listens to
# the spoken feedback. On the way it counts the controls without a name in every window.
# Usage: zugang_atspi.py PROGRAMM DOKUMENT DOKUMENT.json PROTOKOLL [--alle-fenster]
import json
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

programm, dokument, dokument_json, protokoll_datei = sys.argv[1:5]
alle_fenster = "--alle-fenster" in sys.argv[5:]
protokoll = open(protokoll_datei, "w", encoding="utf-8")
gehoert = []  # what a screen reader would say, in order


def notiere(text):
    print(text, flush=True)
    protokoll.write(text + "\n")
    protokoll.flush()


def pumpen(sekunden):
    ende = time.monotonic() + sekunden
    kontext = GLib.MainContext.default()
    while time.monotonic() < ende:
        while kontext.iteration(False):
            pass
        time.sleep(0.02)


def warten(bedingung, sekunden=20, was="Bedingung"):
    ende = time.monotonic() + sekunden
    while time.monotonic() < ende:
        pumpen(0.05)
        try:
            ergebnis = bedingung()
        except Exception:  # a node may vanish while we read it
            ergebnis = None
        if ergebnis:
            return ergebnis
    raise SystemExit("Zeitüberschreitung: " + was)


def frisch(knoten):
    try:
        knoten.clear_cache()
    except Exception:
        pass
    return knoten


def zustaende(knoten):
    return frisch(knoten).getState()


def sichtbar(knoten):
    s = zustaende(knoten)
    return s.contains(pyatspi.STATE_SHOWING) and s.contains(pyatspi.STATE_VISIBLE)


def hoeren(ereignis):
    quelle = ereignis.source
    try:
        if ereignis.type.startswith("object:property-change:accessible-description"):
            text = frisch(quelle).description
            # Qt reports one change twice; a reader says it once.
            if text and gehoert[-1:] != [("Ansage", text)]:
                gehoert.append(("Ansage", text))
                notiere("  Ansage: " + text)
        elif ereignis.type.startswith("object:property-change:accessible-name"):
            # Of the names that change (clock, figures), the positions are what the learner follows.
            name = frisch(quelle).name
            if name.startswith("Position "):
                notiere("  Karte: " + name)
        elif ereignis.type.startswith("object:state-changed:focused") and ereignis.detail1:
            q = frisch(quelle)
            text = q.name + ", " + q.getLocalizedRoleName()
            if q.description:
                text += ", " + q.description
            gehoert.append(("Fokus", text))
            notiere("  Fokus: " + text)
        elif ereignis.type.startswith("window:activate"):
            q = frisch(quelle)
            text = q.name + (", " + q.description if q.description else "")
            gehoert.append(("Fenster", text))
            notiere("Fenster: " + text)
    except Exception:
        pass


pyatspi.Registry.registerEventListener(
    hoeren,
    "object:property-change:accessible-description",
    "object:property-change:accessible-name",
    "object:state-changed:focused",
    "window:activate",
)


def kinder(knoten):
    try:
        return [k for k in frisch(knoten) if k is not None]
    except Exception:
        return []


def alle(knoten, tiefe=0):
    yield knoten
    if tiefe > 30:
        return
    for k in kinder(knoten):
        yield from alle(k, tiefe + 1)


def taste(*tasten):
    subprocess.run(["xdotool", "key", "--delay", "40", *tasten], check=True, timeout=20)


def tippen(text):
    subprocess.run(["xdotool", "type", "--delay", "40", text], check=True, timeout=20)


def hauptfenster_fokussieren():
    # Without a window manager the X focus falls back to the root when a dialog closes.
    subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Velmora Kartello-Quiz", "windowfocus"],
                   timeout=20, check=False, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    pumpen(0.3)


def druecken(knoten):
    aktion = knoten.queryAction()
    for i in range(aktion.nActions):
        if aktion.getName(i) in ("press", "Press", "click"):
            aktion.doAction(i)
            return
    raise SystemExit("keine Drück-Aktion an " + knoten.name)


# --- the program -------------------------------------------------------------------------------
prozess = subprocess.Popen([programm, dokument])


def anwendung():
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is not None and app.get_process_id() == prozess.pid:
                return app
        except Exception:
            pass
    return None


app = warten(anwendung, 40, "Programm im Zugänglichkeitsbaum")


def fenster(name_muster):
    for f in kinder(app):
        if re.search(name_muster, f.name or "") and sichtbar(f):
            return f
    return None


INTERAKTIV = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT,
    pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_LINK, pyatspi.ROLE_SLIDER, pyatspi.ROLE_PAGE_TAB,
    pyatspi.ROLE_TABLE, pyatspi.ROLE_LIST, pyatspi.ROLE_TREE, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_MENU,
}
namenlos_gesamt = 0


def namenlose_zaehlen(f, wofuer):
    global namenlos_gesamt
    anzahl = 0
    geprueft = 0
    for k in alle(f):
        try:
            if k.getRole() not in INTERAKTIV or not sichtbar(k):
                continue
            geprueft += 1
            if not (k.name or "").strip():
                anzahl += 1
                e = k.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                notiere("  OHNE NAMEN: %s in %s (in %s, %s, %d,%d %dx%d)" % (
                    k.getRoleName(), wofuer, k.parent.name if k.parent else "-", k.description, e.x, e.y,
                    e.width, e.height))
        except Exception:
            continue
    notiere("Bedienelemente ohne Namen in %s: %d von %d" % (wofuer, anzahl, geprueft))
    namenlos_gesamt += anzahl


haupt = warten(lambda: fenster(r"^Velmora Kartello-Quiz"), 40, "Hauptfenster")
notiere("Hauptfenster: " + haupt.name)
hauptfenster_fokussieren()
pumpen(1.0)
if alle_fenster:
    namenlose_zaehlen(haupt, "Hauptfenster")
fokus = warten(lambda: [k for k in alle(haupt) if zustaende(k).contains(pyatspi.STATE_FOCUSED)], 10,
               "Tastaturfokus im Hauptfenster")
notiere("Tastaturfokus im Hauptfenster: " + fokus[0].name)

# F7: the options window first (its check box is on), then the quiz.
taste("F7")
optionen = warten(lambda: fenster(r"^Übungsoptionen"), 20, "Optionsfenster")
notiere("Optionsfenster: " + optionen.name)
if alle_fenster:
    namenlose_zaehlen(optionen, "Optionsfenster")
start = [k for k in alle(optionen) if k.getRole() == pyatspi.ROLE_PUSH_BUTTON and k.name == "Übung starten"]
druecken(start[0])


def quizbereich():
    for k in alle(haupt):
        if k.name == "Quizbereich" and sichtbar(k):
            return k
    return None


bereich = warten(quizbereich, 20, "Quizbereich")
hauptfenster_fokussieren()
pumpen(1.0)
if alle_fenster:
    namenlose_zaehlen(haupt, "Quiz")
wissen = json.load(open(dokument_json, encoding="utf-8"))


def eintraege():
    texte, antworten = [], []
    for k in kinder(bereich):
        rolle = k.getRole()
        if rolle == pyatspi.ROLE_PUSH_BUTTON and sichtbar(k):
            antworten.append(k)
        elif rolle in (pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC) and k.name:
            texte.append(k)
    return texte, antworten


def mitte(knoten):
    e = knoten.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (e.x + e.width / 2.0, e.y + e.height / 2.0)


def ansage_abwarten(vorher):
    return warten(lambda: next((t for a, t in gehoert[vorher:] if a == "Ansage"), None), 20, "Ansage")


def bildbeschriftung_vorhersage(positionen):
    # The learner's knowledge of the map: where each label lies, as a share of the map,
    # fitted to the positions' rectangles by their extremes.
    orte = {}
    for o in wissen["objekte"]:
        if o["OB_Typ"] in (0, 3):
            orte.setdefault(o["OB_Cap"], (o["OB_Kx"], o["OB_Ky"]))
    mitten = [mitte(p) for p in positionen]

    def passung(achse):
        w = [v[achse] for v in orte.values()]
        s = [m[achse] for m in mitten]
        a = (max(s) - min(s)) / max(1e-6, max(w) - min(w))
        return lambda x: min(s) + (x - min(w)) * a

    fx, fy = passung(0), passung(1)
    return {text: (fx(x), fy(y)) for text, (x, y) in orte.items()}


def positionen_spielen(lueckentext):
    runde = 0
    while True:
        runde += 1
        if runde > 400:
            raise SystemExit("zu viele Versuche")
        texte, antworten = eintraege()
        offene = [t for t in texte if re.match(r"^Position \S+, offen$", t.name)]
        if not offene:
            return
        if runde == 1:
            for t in texte:
                if not t.name.startswith("Position "):
                    notiere("Text: " + t.name)
            notiere("Positionen: " + "; ".join(t.name for t in texte if t.name.startswith("Position ")))
            notiere("Antwortelemente: " + ", ".join(a.name for a in antworten))
        ziel = offene[0]
        nummer = re.match(r"^Position (\S+), offen$", ziel.name).group(1)
        if lueckentext:
            kandidaten = lueckentext_kandidaten(texte, nummer, antworten)
        else:
            vorhersage = bildbeschriftung_vorhersage([t for t in texte if t.name.startswith("Position ")])
            zm = mitte(ziel)

            def abstand(a):
                ort = vorhersage.get(a.name)
                return (ort[0] - zm[0]) ** 2 + (ort[1] - zm[1]) ** 2 if ort else 1e12

            kandidaten = sorted(antworten, key=abstand)
        for a in kandidaten:
            name = a.name
            taste("Escape")
            tippen(nummer)
            notiere("Tippe %s, wähle %s" % (nummer, name))
            vorher = len(gehoert)
            druecken(a)
            text = ansage_abwarten(vorher)
            pumpen(0.3)
            if text.endswith(", richtig"):
                break
        else:
            raise SystemExit("keine Antwort passt zu Position " + nummer)
        if fenster(r"^Quiz beendet$"):
            return


def lueckentext_kandidaten(texte, nummer, antworten):
    woerter = re.findall(r"<<([^<>]*)>>", wissen["HD_lueckentext"])
    klar = next((t.name for t in texte if "(Lücke " in t.name), "")
    # Every gap of the source is either a word in the read text or an open "(Lücke N)".
    teile = re.split(r"(\(Lücke [^)]*\))", klar)
    index = 0
    richtig = None
    for teil in teile:
        m = re.match(r"^\(Lücke ([^)]*)\)$", teil)
        if m:
            if m.group(1) == nummer and index < len(woerter):
                richtig = woerter[index]
            index += 1
        else:
            # the words already placed in this stretch of text
            while index < len(woerter) and woerter[index] in teil:
                teil = teil.split(woerter[index], 1)[1]
                index += 1
    return sorted(antworten, key=lambda a: 0 if a.name == richtig else 1)


def einzelfragen_spielen():
    fragen = {o["OB_FrageNummer"]: o["OB_Cap"] for o in wissen["objekte"] if o["OB_Typ"] == 11}
    loesung = {o["OB_FrageNummer"]: o["OB_Cap"] for o in wissen["objekte"] if o["OB_Typ"] == 10}
    for runde in range(200):
        if fenster(r"^Quiz beendet$"):
            return
        texte, antworten = eintraege()
        frage = next((t.name for t in texte if "Frage:" in t.name), None)
        if not frage or not antworten:
            pumpen(0.2)
            continue
        notiere("Frage: " + frage)
        notiere("Antworten: " + ", ".join(a.name for a in antworten))
        nummer = next((n for n, f in fragen.items() if f in frage), None)
        richtig = loesung.get(nummer)
        wahl = next((a for a in antworten if a.name == richtig), antworten[0])
        gewaehlt = wahl.name
        vorher = len(gehoert)
        if zustaende(wahl).contains(pyatspi.STATE_FOCUSED):
            taste("Return")
        else:
            druecken(wahl)
        ansage_abwarten(vorher)
        # The answer buttons are used again for the next question: its text tells it has come.
        warten(lambda: fenster(r"^Quiz beendet$") or next((t.name for t in eintraege()[0] if "Frage:" in t.name),
                                                          frage) != frage, 20, "nächste Frage")
        pumpen(0.2)
    raise SystemExit("zu viele Fragen")


typ = wissen["HD_DokTyp"]
if typ == 2:
    einzelfragen_spielen()
else:
    positionen_spielen(typ == 1)

ergebnis = warten(lambda: fenster(r"^Quiz beendet$"), 30, "Ergebnisfenster")
pumpen(1.0)
notiere("Ergebnisfenster: " + ergebnis.name + " – " + (frisch(ergebnis).description or ""))
skala = [k for k in alle(ergebnis) if k.name == "Bewertungsskala"]
if not skala or not skala[0].description.startswith("Schulnote "):
    raise SystemExit("Die Bewertungsskala hat keine Beschreibung")
notiere("Bewertungsskala: " + skala[0].description)
if not any(a == "Ansage" and t.startswith("Quiz beendet") for a, t in gehoert):
    raise SystemExit("Das Ende des Quiz wurde nicht angesagt")


def knopf(f, name):
    return next(k for k in alle(f) if k.getRole() == pyatspi.ROLE_PUSH_BUTTON and k.name == name)


if alle_fenster:
    namenlose_zaehlen(ergebnis, "Ergebnisfenster")
    for knopfname, muster, wofuer in (("Protokoll...", r"^Quiz-Protokoll", "Protokollfenster"),
                                      ("Bestenliste...", r"^Bestenliste", "Bestenlistenfenster")):
        druecken(knopf(ergebnis, knopfname))
        neu = warten(lambda: fenster(muster), 20, wofuer)
        pumpen(0.5)
        namenlose_zaehlen(neu, wofuer)
        taste("Escape")
        warten(lambda: not fenster(muster), 20, wofuer + " schließt")
druecken(knopf(ergebnis, "Schließen"))
warten(lambda: not fenster(r"^Quiz beendet$"), 20, "Ergebnisfenster schließt")
pumpen(0.5)
prozess.terminate()
try:
    prozess.wait(10)
except subprocess.TimeoutExpired:
    prozess.kill()
richtig = sum(1 for a, t in gehoert if a == "Ansage" and t.endswith(", richtig"))
notiere("Angesagt richtig: %d, falsch: %d" % (richtig, sum(1 for a, t in gehoert if a == "Ansage" and t.endswith(", falsch"))))
if richtig == 0:
    raise SystemExit("Keine Rückmeldung gehört")
if namenlos_gesamt:
    raise SystemExit("Bedienelemente ohne Namen: %d" % namenlos_gesamt)
notiere("fertig")
