#pragma once
// The composed map of the open document: the five rasters, the size scale, zoom,
// the visible window and the geometry that the learning view and the quiz use.
// What the windows must do about a change is announced by signals: the map control, the
// quiz and the main window each connect while they show the map.
#include "documents/dokument.h"
#include "mapview/kartensymbole.h"

#include <QFont>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <array>

// Visible part of the map as fractions 0..1 of the whole map.
struct AusschnittTyp {
    double links = 0;
    double oben = 0;
    double rechts = 1;
    double unten = 1;
    bool operator==(const AusschnittTyp&) const = default;
};

// What a click in the learning view did, or what the window has to do for it.
struct KlickErgebnis {
    enum class Art { Nichts, Umgeschaltet, Frage, Info, Link, Dokument };
    Art art = Art::Nichts;
    int objekt = -1;
};

class Zufall;

enum Zeichenvariante : int { Bildschirm = 0, LeereAntwortkaesten = 1, NurLoesung = 2, KaestenMitLoesung = 3 };

class Karte final : public QObject {
    Q_OBJECT
public:
    static constexpr std::array<double, 5> Zoomtabelle{1.0, 1.25, 1.5, 1.75, 2.0};
    static constexpr int Lernansicht = Ansichtsart::Lernansicht;
    static constexpr int Quizansicht = Ansichtsart::Quizansicht;

    explicit Karte(Dokument& dok);

    // Surroundings set by the window.
    void SetzeSteuerelementgroesse(QSize groesse) { m_steuerelement = groesse; }
    QSize Steuerelementgroesse() const { return m_steuerelement; }
    void SetzeAnsichtsmodus(int modus) { m_ansichtsmodus = modus; }
    int Ansichtsmodus() const { return m_ansichtsmodus; }
    bool QuizLaeuft() const { return m_ansichtsmodus == Quizansicht; }
    // Quiz mode "Einzelabfrage Positionen": only `zielObjekt` is drawn as the asked position.
    void SetzeEinzelposition(bool aktiv, int zielObjekt);
    void SetzeEbeneSichtbar(int ebene, bool sichtbar);
    bool EbeneSichtbar(int ebene) const;

    // Composition.
    void AnsichtAufbauen();
    // Only the scale and the map without objects (Hintergrundbild), for pictures that
    // draw the objects themselves; the view is left as it was.
    void HintergrundAufbauen();
    void ZeichneAlleObjekte(bool mitLinie, bool inAnsicht, bool auffrischen);
    void ZeichneObjekt(int index, QImage& ziel, int variante, bool mitLinie, bool inAnsicht,
                       bool auffrischen);
    // One object changed its state: redrawn in place, copied to the view, repainted.
    void ObjektNeuZeichnen(int index) { ZeichneObjekt(index, m_kartenbild, Bildschirm, false, true, true); }
    void BeschriftungenErneuern();

    // Zoom and scrolling.
    int Zoomindex() const { return m_zoomindex; }
    double Zoomfaktor() const { return Zoomtabelle[m_zoomindex]; }
    bool ZoomSetzen(int index);
    bool ZoomRein();
    bool ZoomRaus();
    // Back to 100 % without rebuilding (document opened, quiz start and end).
    void ZoomZuruecksetzen() { m_zoomindex = 0; }
    void AusschnittVerschieben(double dx, double dy);
    enum class Richtung { Links, Rechts, Hoch, Runter };
    void Rollen(Richtung richtung);
    // Right button pressed: the view takes the visible part of the composed map, so the
    // map shows while it is dragged, also in the learning view until the first move.
    void ZiehenBeginnen();
    // Dragging the map by the pointer from `von` to `nach` (control pixels).
    void AusschnittZiehen(QPoint von, QPoint nach);
    void AusschnittZeigen();
    AusschnittTyp Ausschnitt() const { return m_ausschnitt; }
    void SetzeAusschnitt(const AusschnittTyp& a) { m_ausschnitt = a; }
    QPoint Ansichtsursprung() const; // Kartenbild pixel at the view's top-left corner
    QPoint Ansichtsversatz() const;  // Ansichtsbild's place in the control (centred)

    // Geometry.
    QPointF PunktZuAnteil(QPoint steuerpunkt) const;
    QPoint AnteilZuPunkt(QPointF anteil) const;
    QPointF AnsichtspunktZuAnteil(QPointF ansichtspunkt) const;
    int ObjektAnPunkt(QPoint steuerpunkt) const;
    void MarkeZeigen(int index);

    // Learning-view actions on an object (left or middle button). Covers are toggled and
    // question buttons step the question here; info points and links are left to the window.
    KlickErgebnis Klick(QPoint steuerpunkt, Zufall& zufall);
    // Uncovers a covered label, covers any other; redrawn in place.
    void AbdeckungUmschalten(int index);
    // Question buttons (kinds 12 to 16); false in a document without questions.
    bool FrageSchalten(int art, Zufall& zufall);
    int Markenobjekt() const { return m_markenobjekt; }
    QRect Markenrechteck() const { return m_markenrechteck; }

    // Images and scale.
    const QImage& Kartenbild() const { return m_kartenbild; }
    QImage& Kartenbild() { return m_kartenbild; }
    const QImage& Hintergrundbild() const { return m_hintergrundbild; }
    const QImage& Beschriftungsbild() const { return m_beschriftungsbild; }
    const QImage& Ansichtsbild() const { return m_ansichtsbild; }
    const QImage& Ansichtskopie() const { return m_ansichtskopie; }
    // The visible part of the composed map at the current zoom, as a quiz shows it, with
    // white where the map does not reach. Unlike Ansichtsbild it is never blanked, so the
    // learning view exports and copies the map rather than an empty picture.
    QImage Ansichtsaufnahme() const;
    double Massstab() const { return m_massstab; }
    double Seitenverhaeltnis() const { return m_seitenverhaeltnis; }

signals:
    void neuZeichnenNoetig(); // repaint the map control
    // Repaint only this rectangle of the map control (one object redrawn in place). It
    // comes instead of neuZeichnenNoetig: a listener that repaints only whole connects both.
    void bereichNeuZeichnenNoetig(const QRect& bereich);
    void vorAufbau();                                          // hide the question counter panel
    void nachObjekt();                                         // quiz: re-place the instruction panel
    void markeGeaendert(const QRect& rechteck, bool sichtbar); // marker frame, visibility

private:
    struct Messung {
        QFont schrift;
        QString text;
        int tw = 0;
        int th = 0;
        int umbruchBreite = 0; // > 0: words wrap at this width
    };

    const QImage& ErweitertesBasisbild();
    void LueckentextLegen();
    void FragenVorbereiten();
    bool ObjektSichtbar(const ObjDataTyp& o, int variante) const;
    void AlteBoxLoeschen(const ObjDataTyp& o, QImage& ziel);
    void SeiteFestlegen(ObjDataTyp& o) const;
    Messung TextMessen(const ObjDataTyp& o) const;
    KastenTyp KastenPlatzieren(const ObjDataTyp& o, int w, int h) const;
    KastenTyp BoxBerechnen(ObjDataTyp& o, const Messung& m, int& versatz) const;
    void ZeichneAntwortkasten(QPainter& maler, const ObjDataTyp& o, KastenTyp k, const QImage& ziel) const;
    void ZeichneText(QPainter& maler, const ObjDataTyp& o, const KastenTyp& k, const Messung& m, int versatz,
                     QColor farbe) const;
    bool TextSichtbar(const ObjDataTyp& o, int variante) const;
    void ZeichneSymbole(QPainter& maler, int index, const KastenTyp& k, const Messung& m) const;
    void ZeichneOffenePosition(QPainter& maler, int index, const KastenTyp& k) const;
    void InAnsichtKopieren(const QRect& rechteck, const QImage& quelle);
    QRect BoxInPixeln(const ObjDataTyp& o) const;
    QPoint InKarte(double x, double y) const;
    bool IstAktuelleFrage(const ObjDataTyp& o) const { return o.OB_FrageNummer == m_dok.AktuelleFrage; }

    Dokument& m_dok;
    QSize m_steuerelement{870, 600};
    int m_ansichtsmodus = Lernansicht;
    bool m_einzelposition = false;
    int m_einzelpositionZiel = -1;
    std::array<bool, 3> m_ebeneSichtbar{true, true, true};

    QImage m_kartenbild;
    QImage m_hintergrundbild;
    QImage m_beschriftungsbild;
    QImage m_ansichtsbild;
    QImage m_ansichtskopie;
    double m_massstab = 1;
    double m_seitenverhaeltnis = 1;
    int m_zoomindex = 0;
    AusschnittTyp m_ausschnitt;
    int m_markenobjekt = -1;
    QRect m_markenrechteck;

    // The base image enlarged by the margins, kept until the document's image changes.
    QImage m_erweitert;
    qint64 m_erweitertSchluessel = 0;
    std::array<double, 4> m_erweitertRand{-1, -1, -1, -1};
};
