#include "shell/av_main_menue.h"

#include <stdexcept>
#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {
constexpr bool Versteckt = true;
constexpr bool Sichtbar = false;
constexpr bool Umschalter = true;
constexpr bool Befehl = false;
} // namespace

Hauptmenue::Hauptmenue(QMainWindow* fenster) : m_fenster(fenster) {
    aufbauen();
}

QAction* Hauptmenue::aktion(const QString& name) const {
    return m_aktionen.value(name);
}
QMenu* Hauptmenue::menue(const QString& name) const {
    return m_menues.value(name);
}

void Hauptmenue::menueAnlegen(const char* eltern, const char* name, const char* text, bool versteckt) {
    QMenu* menue = nullptr;
    if (eltern == nullptr)
        menue = m_fenster->menuBar()->addMenu(QString::fromUtf8(text));
    else
        menue = m_menues.value(QString::fromLatin1(eltern))->addMenu(QString::fromUtf8(text));
    menue->setObjectName(QString::fromLatin1(name));
    menue->menuAction()->setObjectName(QString::fromLatin1(name));
    // A hidden menu hides its entry in the bar; its own actions stay "visible" so
    // that their shortcuts still fire through the window.
    menue->menuAction()->setVisible(!versteckt);
    m_menues.insert(menue->objectName(), menue);
}

void Hauptmenue::eintragAnlegen(const Eintrag& e) {
    QMenu* menue = m_menues.value(QString::fromLatin1(e.menue));
    auto* a = new QAction(QString::fromUtf8(e.text), m_fenster);
    a->setObjectName(QString::fromLatin1(e.name));
    a->setShortcut(e.taste);
    a->setCheckable(e.umschaltbar);
    // Hidden entries are not put into their menu at all (an invisible QAction
    // would lose its shortcut); every entry is added to the window so that its
    // shortcut works although its menu is never opened.
    if (!e.versteckt) menue->addAction(a);
    m_fenster->addAction(a);
    m_aktionen.insert(a->objectName(), a);
    m_elternMenue.insert(a, menue);
}

void Hauptmenue::trennerAnlegen(const char* menue, bool versteckt) {
    if (!versteckt) m_menues.value(QString::fromLatin1(menue))->addSeparator();
}

bool Hauptmenue::menuesAktiv(QAction* a) const {
    if (!a->isEnabled()) return false;
    for (QMenu* m = m_elternMenue.value(a); m != nullptr; m = qobject_cast<QMenu*>(m->parentWidget())) {
        if (!m->isEnabled()) return false;
    }
    return true;
}

void Hauptmenue::verbinden(const QString& name, std::function<void()> befehl) {
    QAction* a = aktion(name);
    // A misspelt name would leave a command without its entry and key, silently.
    if (a == nullptr)
        throw std::invalid_argument("Hauptmenue::verbinden: unbekannter Eintrag " + name.toStdString());
    QObject::connect(a, &QAction::triggered, m_fenster, [this, a, befehl = std::move(befehl)] {
        if (menuesAktiv(a)) befehl();
    });
}

void Hauptmenue::aufbauen() {
    using K = QKeySequence;
    menueAnlegen(nullptr, "Datei1", "&Datei", Versteckt);
    const Eintrag datei[] = {
        {"Datei1", "Oeffnen1", "Ö&ffnen...", K(Qt::CTRL | Qt::Key_O), Sichtbar, Befehl},
        {"Datei1", "Dokumenteigenschaften1", "Do&kumenteigenschaften...", K(Qt::ALT | Qt::Key_Return),
         Sichtbar, Befehl},
        {"Datei1", "Speichern1", "&Speichern", K(Qt::CTRL | Qt::Key_S), Sichtbar, Befehl},
        {"Datei1", "SpeichernUnter1", "Speichern &unter...", K(Qt::CTRL | Qt::SHIFT | Qt::Key_S), Sichtbar,
         Befehl},
        {"Datei1", "EMailVersenden1", "Per E-&Mail versenden...", K(Qt::CTRL | Qt::Key_M), Sichtbar, Befehl},
        {"Datei1", "Drucken1", "&Drucken...", K(Qt::CTRL | Qt::Key_P), Sichtbar, Befehl},
        {"Datei1", "Druckereinrichtung1", "D&ruckereinrichtung...", K(), Sichtbar, Befehl},
        {"Datei1", "Exportieren1", "&Exportieren...", K(Qt::CTRL | Qt::Key_E), Sichtbar, Befehl},
        {"Datei1", "InZwischenablage1", "In &Zwischenablage kopieren", K(Qt::CTRL | Qt::Key_Z), Sichtbar,
         Befehl},
        {"Datei1", "Arbeitsblatt1", "&Arbeitsblatt erstellen...", K(Qt::CTRL | Qt::Key_A), Sichtbar, Befehl},
        {"Datei1", "Schliessen1", "Sch&ließen", K(Qt::CTRL | Qt::Key_F4), Sichtbar, Befehl},
    };
    for (const Eintrag& e : datei)
        eintragAnlegen(e);

    menueAnlegen(nullptr, "Aktion1", "&Aktion", Sichtbar);
    const Eintrag aktion[] = {
        {"Aktion1", "QuizStarten1", "Quiz &starten", K(Qt::Key_F7), Sichtbar, Befehl},
        {"Aktion1", "Uebungsoptionen1", "Übungs&optionen...", K(Qt::ALT | Qt::Key_F7), Versteckt, Befehl},
        {"Aktion1", "Bestenliste1", "&Bestenliste...", K(Qt::CTRL | Qt::Key_F7), Sichtbar, Befehl},
        {"Aktion1", "Protokoll1", "&Protokoll...", K(), Sichtbar, Befehl},
        {"Aktion1", "NetzTeilnehmen1", "An Netzwerk-Übung &teilnehmen...", K(Qt::Key_F8), Versteckt, Befehl},
        {"Aktion1", "BestenlisteNetz1", "Besten&liste Netzwerk-Übung...", K(Qt::CTRL | Qt::Key_F8), Versteckt,
         Befehl},
    };
    for (const Eintrag& e : aktion)
        eintragAnlegen(e);
    trennerAnlegen("Aktion1", Sichtbar);
    eintragAnlegen({"Aktion1", "QuizAbbrechen1", "Quiz &abbrechen", K(), Sichtbar, Befehl});
    trennerAnlegen("Aktion1", Sichtbar);
    eintragAnlegen({"Aktion1", "Beenden1", "Programm &beenden", K(), Sichtbar, Befehl});

    menueAnlegen(nullptr, "Auswahl1", "&Quizauswahl", Sichtbar);
    eintragAnlegen({"Auswahl1", "Startseite1", "&Startseite", K(Qt::ALT | Qt::Key_Home), Sichtbar, Befehl});
    eintragAnlegen({"Auswahl1", "ZuvorDokument1", "&Zuvor angzeigtes Dokument",
                    K(Qt::ALT | Qt::Key_Backspace), Versteckt, Befehl});
    trennerAnlegen("Auswahl1", Versteckt);
    eintragAnlegen(
        {"Auswahl1", "VorherigesQuiz1", "&Vorheriges Quiz der Liste", K(Qt::Key_PageUp), Versteckt, Befehl});
    eintragAnlegen(
        {"Auswahl1", "NaechstesQuiz1", "&Nächstes Quiz der Liste", K(Qt::Key_PageDown), Versteckt, Befehl});
    trennerAnlegen("Auswahl1", Sichtbar);
    eintragAnlegen(
        {"Auswahl1", "OrdnerNeuEinlesen1", "&Aktuellen Ordner neu einlesen", K(), Versteckt, Befehl});
    eintragAnlegen(
        {"Auswahl1", "OrdnerWaehlen1", "&Ordner wählen...", K(Qt::CTRL | Qt::Key_W), Versteckt, Befehl});
    trennerAnlegen("Auswahl1", Versteckt);

    menueAnlegen(nullptr, "Lehrersteuerung1", "Lehrer&steuerung", Versteckt);
    eintragAnlegen({"Lehrersteuerung1", "NetzInitiieren1", "&Netzwerk-Übung initiieren...", K(Qt::Key_F9),
                    Sichtbar, Befehl});
    eintragAnlegen({"Lehrersteuerung1", "NetzBeenden1", "Netzwerk-Übung &beenden", K(), Sichtbar, Befehl});
    eintragAnlegen({"Lehrersteuerung1", "Kontrollanzeige1", "&Kontrollanzeige...", K(Qt::ALT | Qt::Key_F9),
                    Sichtbar, Befehl});

    menueAnlegen(nullptr, "Optionen1", "&Optionen", Sichtbar);
    eintragAnlegen({"Optionen1", "Sound1", "&Tonausgabe", K(), Sichtbar, Umschalter});
    eintragAnlegen(
        {"Optionen1", "OptNameEingabe1", "&Namenseingabe bei Quiz-Start", K(), Sichtbar, Umschalter});
    eintragAnlegen(
        {"Optionen1", "AutoProtSpeichern1", "&Protokolle automatisch speichern", K(), Sichtbar, Umschalter});
    eintragAnlegen({"Optionen1", "ErgebBestListEintragen1", "&Ergebnisse in Bestenliste eintragen", K(),
                    Sichtbar, Umschalter});
    trennerAnlegen("Optionen1", Sichtbar);
    menueAnlegen("Optionen1", "Anzeige1", "An&zeige", Sichtbar);
    eintragAnlegen({"Anzeige1", "Vollbild1", "&Vollbild", K(Qt::CTRL | Qt::Key_L), Sichtbar, Befehl});
    eintragAnlegen({"Anzeige1", "Fenster1", "&Fenster", K(Qt::CTRL | Qt::Key_F), Sichtbar, Befehl});
    eintragAnlegen({"Anzeige1", "Minimieren1", "&Minimieren", K(Qt::CTRL | Qt::Key_N), Sichtbar, Befehl});
    eintragAnlegen({"Optionen1", "NetzKommunikation1", "Netzwerk-&Kommunikation...", K(), Versteckt, Befehl});
    trennerAnlegen("Optionen1", Sichtbar);
    eintragAnlegen({"Optionen1", "OrdnerProtBest1", "&Ordner für Protokolle und Bestenlisten...", K(),
                    Sichtbar, Befehl});

    menueAnlegen(nullptr, "Lernansicht1", "&Lernansicht", Versteckt);
    const Eintrag lernansicht[] = {
        {"Lernansicht1", "Werkzeugleiste1", "Werkzeugleiste zu&klappen", K(Qt::ALT | Qt::Key_W), Sichtbar,
         Befehl},
        {"Lernansicht1", "EbeneIllustration1", "Ebene &Illustration", K(), Sichtbar, Umschalter},
        {"Lernansicht1", "EbeneBeschriftung1", "Ebene &Beschriftung", K(), Sichtbar, Umschalter},
        {"Lernansicht1", "EbeneInfopunkte1", "Ebene I&nfopunkte", K(), Sichtbar, Umschalter},
        {"Lernansicht1", "AlleVerdecken1", "Alle &verdecken", K(), Sichtbar, Befehl},
        {"Lernansicht1", "AlleAufdecken1", "Alle &aufdecken", K(), Sichtbar, Befehl},
        {"Lernansicht1", "NummernGeordnet1", "Nummerierung &geordnet", K(), Sichtbar, Befehl},
        {"Lernansicht1", "NummernZufall1", "Nummerierung &zufällig", K(), Sichtbar, Befehl},
        {"Lernansicht1", "Zoom100", "Zoom &100 %", K(), Sichtbar, Befehl},
        {"Lernansicht1", "Zoom150", "Zoom 1&50 %", K(), Sichtbar, Befehl},
        {"Lernansicht1", "Zoom200", "Zoom &200 %", K(), Sichtbar, Befehl},
        {"Lernansicht1", "Stift1", "&Stift", K(), Sichtbar, Befehl},
        {"Lernansicht1", "Marker1", "&Marker", K(), Sichtbar, Befehl},
        {"Lernansicht1", "Radierer1", "&Radierer", K(), Sichtbar, Befehl},
    };
    for (const Eintrag& e : lernansicht)
        eintragAnlegen(e);

    menueAnlegen(nullptr, "Autorenfunktion1", "&Autorenfunktion", Versteckt);
    const Eintrag autoren[] = {
        {"Autorenfunktion1", "ObjektNeu1", "Neues &Objekt", K(Qt::CTRL | Qt::SHIFT | Qt::Key_O), Sichtbar,
         Befehl},
        {"Autorenfunktion1", "ObjektVerschieben1", "Objekt &verschieben", K(Qt::CTRL | Qt::SHIFT | Qt::Key_V),
         Sichtbar, Befehl},
        {"Autorenfunktion1", "RandErweitern1", "&Rand erweitern...", K(Qt::CTRL | Qt::SHIFT | Qt::Key_R),
         Sichtbar, Befehl},
        {"Autorenfunktion1", "ObjektKopieren1", "Objekt &kopieren", K(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
         Sichtbar, Befehl},
        {"Autorenfunktion1", "ObjektLoeschen1", "Objekt &löschen", K(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete),
         Sichtbar, Befehl},
        {"Autorenfunktion1", "ObjektBearbeiten1", "Objekt &bearbeiten...", K(Qt::Key_F2), Sichtbar, Befehl},
        {"Autorenfunktion1", "Basisbild1", "&Basisbild laden...", K(Qt::CTRL | Qt::SHIFT | Qt::Key_B),
         Sichtbar, Befehl},
        {"Autorenfunktion1", "Lueckentext1", "&Lückentext bearbeiten...", K(Qt::CTRL | Qt::SHIFT | Qt::Key_L),
         Sichtbar, Befehl},
        {"Autorenfunktion1", "Einzelfragen1", "&Einzelfragen bearbeiten...",
         K(Qt::CTRL | Qt::SHIFT | Qt::Key_E), Sichtbar, Befehl},
        {"Autorenfunktion1", "TypBildbeschriftung1", "Dokumenttyp Bildbeschriftung", K(), Sichtbar,
         Umschalter},
        {"Autorenfunktion1", "TypLueckentext1", "Dokumenttyp Lückentext", K(), Sichtbar, Umschalter},
        {"Autorenfunktion1", "TypEinzelfragen1", "Dokumenttyp Einzelfragen", K(), Sichtbar, Umschalter},
    };
    for (const Eintrag& e : autoren)
        eintragAnlegen(e);

    menueAnlegen(nullptr, "Hilfe1", "&Hilfe", Sichtbar);
    eintragAnlegen({"Hilfe1", "Inhalt1", "&Inhalt", K(Qt::Key_F1), Versteckt, Befehl});
    eintragAnlegen({"Hilfe1", "TippsHinweise1", "&Tipps && Hinweise", K(), Versteckt, Befehl});
    eintragAnlegen({"Hilfe1", "Homepage1", "Velmora im &Internet", K(), Sichtbar, Befehl});
    trennerAnlegen("Hilfe1", Sichtbar);
    eintragAnlegen({"Hilfe1", "Info1", "Inf&o...", K(), Sichtbar, Befehl});
}
