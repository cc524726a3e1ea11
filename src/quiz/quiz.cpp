#include "quiz/quiz.h"

#include "data/av_data.h"
#include "mapview/karte.h"
#include "mapview/kartenhilfen.h"
#include "platform/meldungen.h"
#include "platform/ton.h"
#include "platform/uhr.h"
#include "quiz/quiztexte.h"

#include <QPainter>

QString ElementName(int nummer) {
    return QStringLiteral("UebElemPan") + QString::number(nummer);
}

Quiz::Quiz(Dokument& dok, Karte& karte, const ProgrammEinstellungenTyp& einstellungen, QuizDienste dienste,
           QuizOberflaeche& ui)
    : m_dok(dok), m_karte(karte), m_einstellungen(einstellungen), m_dienste(dienste), m_ui(ui),
      m_soundordner(Ordner().Soundordner) {
    connect(&m_dienste.warten, &Warten::pauseVorbei, this, &Quiz::PauseVorbei);
    connect(&m_dienste.ton, &Ton::beendet, this, &Quiz::TonBeendet);
}

void Quiz::ZustandSetzen(Zustand zustand) {
    if (m_zustand == zustand) return;
    m_zustand = zustand;
    emit zustandGeaendert(zustand);
}

void Quiz::Schritt(QuizSchritt::Art art, int element, const QString& text, QColor farbe, QPoint punkt, int ms,
                   bool an) {
    m_ui.Schritt(QuizSchritt{art, element, text, farbe, punkt, ms, an});
}

int64_t Quiz::VerstricheneMs() const {
    if (m_endeMs >= 0) return m_endeMs;
    const auto diff = static_cast<int32_t>(m_dienste.uhr.tickMs() - static_cast<uint32_t>(m_daten.StartTick));
    return std::max<int64_t>(0, diff);
}

void Quiz::UhrAnhalten() {
    if (m_endeMs >= 0) return;
    int64_t ms = VerstricheneMs();
    // A run with a limit never lasts longer than the limit, however long a box stayed open.
    if (m_daten.Zeitlimit == ZeitlimitArt::An)
        ms = std::min<int64_t>(ms, std::max<int64_t>(0, m_daten.ZeitlimitSek) * 1000);
    m_endeMs = ms;
}

void Quiz::Ereignis(LaufEreignis::Art art, int32_t objekt, const QString& text) {
    LaufEreignis e;
    e.art = art;
    e.Objekt = objekt;
    e.Text = text;
    e.Ms = VerstricheneMs();
    e.NachAntworten = m_lauf.Antworten.size();
    m_lauf.Ereignisse.push_back(std::move(e));
}

int Quiz::ZaehleOffen() const {
    int n = 0;
    for (const ObjDataTyp& o : m_dok.Objekte)
        if (o.Zustand == ObZustand::Offen) ++n;
    return n;
}

void Quiz::OptionenOeffnen() {
    if (Laeuft()) {
        m_dienste.meldungen.information(OptionenWaehrendQuizText);
        return;
    }
    const int typ = m_dok.Header.HD_DokTyp;
    if (OptionsFensterFuer(typ) == OptionsFenster::Keins) return;
    if (m_ui.OptionenZeigen(typ)) Starten(false, 0);
}

bool Quiz::AbbruchBestaetigen() {
    if (!Laeuft()) return true;
    return m_dienste.meldungen.zeigen(MeldungsArt::Bestaetigung, QuizAbbrechenFrage, Knoepfe::JaNein) !=
           Antwort::Nein;
}

bool Quiz::NetzStarten(const UebungsWerte& werte) {
    if (Laeuft()) return false;
    m_netzWerte = werte;
    if (Starten(false, 0, true)) return true;
    m_netzWerte.reset();
    return false;
}

void Quiz::NetzuebungVermerken(const UebungsWerte& werte, const QString& master) {
    m_daten.NetzUebungMaster = master;
    if (!m_quizmodus) WerteKopieren(werte, m_daten);
}

bool Quiz::Starten(bool /*optionenZeigen*/, int wiederholmodus, bool alsNetzuebung) {
    if (!AbbruchBestaetigen()) return false;
    if (!alsNetzuebung) m_netzWerte.reset();
    const int32_t typ = m_dok.Header.HD_DokTyp;
    if (m_netzWerte)
        WerteKopieren(*m_netzWerte, m_daten);
    else
        OptionenKopieren(m_einstellungen, typ, m_daten);
    int n = 0;
    int alle = 0;
    for (int i = 0; i < static_cast<int>(m_dok.Objekte.size()); ++i) {
        if (!IstQuizelement(m_dok, i)) continue;
        ObjDataTyp& o = m_dok.Objekte[i];
        const bool fragen = wiederholmodus == 0 || o.FehlversucheZiel > 0 || o.FehlversucheText > 0;
        o.Zustand = fragen ? -5 : 0;
        o.FehlversucheZiel = 0;
        o.FehlversucheText = 0;
        ++alle;
        if (fragen) ++n;
    }
    if (!m_dok.IstOffen() || n == 0) {
        m_dienste.meldungen.information(KeinQuizText);
        return false;
    }
    m_daten.TeilnehmerName.clear();
    // The teacher needs every participant's name, whatever the option says.
    if (m_einstellungen.UebNameEingabe || m_netzWerte) m_daten.TeilnehmerName = m_ui.NameAbfragen();

    m_quizmodus = true;
    m_karte.SetzeAnsichtsmodus(Karte::Quizansicht);
    m_ui.QuizmodusSetzen(true);
    m_daten.FragenAnzahl = n;
    m_daten.FragenGesamt = wiederholmodus == 0 ? n : alle;
    m_folge = FragenfolgeBauen(m_dok, m_daten.Zuordnungstexte, m_daten.Zuordnungsziele, Zufallsgenerator());
    for (size_t k = 0; k < m_folge.size(); ++k) {
        ObjDataTyp& ziel = m_dok.Objekte[m_folge[k].ZielObjekt];
        ziel.Zustand = ObZustand::Offen;
        ziel.FehlversucheZiel = 0;
        ziel.FehlversucheText = 0;
        ziel.Nummer =
            m_daten.Zuordnungsziele == ZuordnungszieleArt::Fragezeichen ? 0 : static_cast<int32_t>(k + 1);
    }
    m_panel = m_ui.PanelGroesse();
    ElementeErzeugen();
    m_karte.ZoomZuruecksetzen();
    LaufZuruecksetzen();
    Ereignis(LaufEreignis::Art::Start);
    if (IstEinzelfragen()) m_dok.AktuelleFrage = m_dok.Objekte[m_folge[0].ZielObjekt].OB_FrageNummer;
    const bool einzelposition =
        !IstEinzelfragen() && m_daten.AbfrageModus == AbfrageModusArt::Einzelpositionen;
    m_karte.SetzeEinzelposition(einzelposition, einzelposition ? m_folge[0].ZielObjekt : -1);
    m_karte.AnsichtAufbauen();
    Schritt(QuizSchritt::Art::Hintergrund);
    FragePraesentieren();
    StatusAktualisieren();
    ErsterFokus();
    m_ui.ZeitTimerSetzen(true);
    return true;
}

void Quiz::ElementeErzeugen() {
    const bool gestapelt = !IstEinzelfragen();
    const std::vector<QPoint> plaetze =
        ElementePlatzieren(m_panel, static_cast<int>(m_folge.size()), gestapelt, m_daten.AntwortSpalteX);
    m_elemente.clear();
    for (size_t k = 0; k < m_folge.size(); ++k) {
        AntwortElement e;
        e.Nummer = static_cast<int>(k);
        e.Tag = m_folge[k].TextObjekt;
        e.Beschriftung = TextNormalisieren(m_dok.Objekte[e.Tag].OB_Cap);
        e.Rechteck = QRect(plaetze[k], ElementGroesse);
        m_elemente.push_back(e);
    }
    m_karte.SetzeSteuerelementgroesse(QSize(std::max(1, m_daten.AntwortSpalteX), m_panel.height()));
    Schritt(QuizSchritt::Art::ElementeNeu);
}

void Quiz::LaufZuruecksetzen() {
    PlanVerwerfen();
    ZustandSetzen(Zustand::WartetAufAntwort);
    m_endeMs = -1;
    m_daten.Richtig = 0;
    m_daten.Fehlversuche = 0;
    m_daten.Erfolgsquote = 0;
    m_daten.Gesamtleistung = 0;
    m_daten.Note = 0;
    m_daten.Endzustand = Aktiv;
    m_daten.Offen = ZaehleOffen();
    m_daten.StartTick = static_cast<int32_t>(m_dienste.uhr.tickMs());
    m_daten.StartZeit = m_dienste.uhr.jetzt();
    m_daten.RestSek = m_daten.ZeitlimitSek;
    m_daten.FrageIndex = 0;
    m_daten.FrageZaehler = 1;
    m_ziel = -1;
    m_loesung = -1;
    m_zeitMs = 0;
    m_getippt.clear();
    m_frageZaehler.clear();
    QuizLauf lauf;
    lauf.Dokumentpfad = m_dok.Header.Dateiname;
    lauf.Titel = m_dok.Header.HD_titel;
    lauf.DokTyp = m_dok.Header.HD_DokTyp;
    lauf.Optionen = UebungsWerteAus(m_daten);
    lauf.Netzuebung = NetzUebung();
    lauf.Teilnehmer = m_daten.TeilnehmerName;
    lauf.Start = m_daten.StartZeit;
    lauf.FragenAnzahl = m_daten.FragenAnzahl;
    lauf.FragenGesamt = m_daten.FragenGesamt;
    lauf.Komplett = m_daten.FragenAnzahl == m_daten.FragenGesamt;
    m_lauf = std::move(lauf);
}

bool Quiz::Abbrechen() {
    if (!AbbruchBestaetigen()) return false;
    Beenden();
    return true;
}

void Quiz::Verlassen() {
    if (m_quizmodus) Beenden();
}

void Quiz::Beenden() {
    // Feedback or a completion still under way belongs to a run that is over now.
    PlanVerwerfen();
    ZustandSetzen(Zustand::Aus);
    m_ui.ZeitTimerSetzen(false);
    m_elemente.clear();
    m_fokus = -1;
    m_ziel = -1;
    Schritt(QuizSchritt::Art::ElementeNeu);
    // The counter of single questions must not stay over the next map or quiz.
    m_frageZaehler.clear();
    Schritt(QuizSchritt::Art::FrageZaehler, -1, {}, {}, {}, 0, false);
    for (ObjDataTyp& o : m_dok.Objekte)
        if (o.Zustand != ObZustand::Verdeckt && o.Zustand != ObZustand::Gezeigt)
            o.Zustand = ObZustand::Gezeigt;
    m_karte.MarkeZeigen(-1);
    m_karte.ZoomZuruecksetzen();
    m_karte.SetzeEinzelposition(false, -1);
    m_karte.SetzeAnsichtsmodus(Karte::Lernansicht);
    m_quizmodus = false;
    m_netzWerte.reset();
    // The learning view numbers the covers in document order again.
    NummerierungSetzen(m_dok);
    m_ui.QuizmodusSetzen(false);
}

void Quiz::PanelGroesseGeaendert(QSize panel) {
    m_panel = panel;
    if (!m_quizmodus) return;
    ElementeNeuLegen();
    m_karte.SetzeSteuerelementgroesse(QSize(std::max(1, m_daten.AntwortSpalteX), m_panel.height()));
    m_karte.AnsichtAufbauen();
    if (IstEinzelfragen()) AntwortenPlatzieren();
    Schritt(QuizSchritt::Art::Hintergrund);
}

QImage Quiz::Hintergrundbild() const {
    QImage bild = NeuesBild(m_panel);
    if (bild.isNull()) return bild;
    const QPoint versatz = m_karte.Ansichtsversatz();
    const QImage& karte = m_karte.Ansichtsbild();
    KopiereRechteck(karte.convertToFormat(bild.format()), karte.rect(), bild, versatz);
    FuelleRechteck(bild, QRect(m_daten.AntwortSpalteX, 0, 3, m_panel.height()), Quizfarbe::Trennbalken);
    QPainter maler(&bild);
    maler.setFont(ArialSchriftPunkte(10));
    maler.setPen(Qt::black);
    const QRect feld(QPoint(m_daten.AntwortSpalteX + 5, 1),
                     QPoint(m_panel.width() - 1, m_panel.height() - 1));
    maler.drawText(feld, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   Anweisungstext(m_dok.Header.HD_DokTyp, m_daten.AbfrageModus));
    return bild;
}
