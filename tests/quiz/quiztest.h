#pragma once
// A quiz on a document built in code, with fake ports and a window stand-in that records
// every feedback step and answers the result window from a script.
#include "data/av_data.h"
#include "documents/dokument.h"
#include "fake_meldungen.h"
#include "fake_systeminfo.h"
#include "fake_uhr.h"
#include "mapview/karte.h"
#include "platform/ton.h"
#include "quiz/quiz.h"
#include "results/bestenliste.h"
#include "results/protokoll_text.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>
#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

class FakeTon final : public Ton {
public:
    void abspielen(const QString& datei, bool synchron, bool schleife) override {
        gespielt.push_back(datei);
        EXPECT_TRUE(synchron);
        EXPECT_FALSE(schleife);
        emit beendet(); // played at once
    }
    void stoppen() override { ++gestoppt; }
    std::vector<QString> gespielt;
    int gestoppt = 0;
};

// What a run offered to the best list gives, when the list's rule takes it.
struct BestenlistenErgebnis {
    QString TeilnehmerName;
    QString Rechnername;
    QDateTime StartZeit;
    int64_t ZeitMs = 0;
    double Gesamtleistung = 0;
    bool Netzuebung = false;
};

class FakeOberflaeche final : public QuizOberflaeche {
public:
    QString NameAbfragen() override {
        ++nameFragen;
        return name;
    }
    bool OptionenZeigen(int dokTyp) override {
        optionenFenster.push_back(dokTyp);
        return optionenStarten;
    }
    bool OptionenVorJederUebung(int /*dokTyp*/) const override { return vorJederUebung; }
    void QuizmodusSetzen(bool an) override { modi.push_back(an); }
    QSize PanelGroesse() const override { return panel; }
    void ZeitTimerSetzen(bool an) override { timer = an; }
    void Schritt(const QuizSchritt& s) override { schritte.push_back(s); }
    ErgebnisWahl ErgebnisZeigen(const ErgebnisAnzeige& a) override {
        ergebnisse.push_back(a);
        if (wahlen.empty()) return {};
        const ErgebnisWahl w = wahlen.front();
        wahlen.pop_front();
        return w;
    }
    // The protocol and the best-list entry as the program makes them from the run's record.
    void ProtokollUebergeben(const QuizLauf& lauf) override { protokolle.push_back(ProtokollText(lauf)); }
    void ProtokollAutomatischSpeichern() override { ++autoGespeichert; }
    void BestenlisteEintragen(const QuizLauf& l) override {
        if (BestListEintragFuer(l))
            bestenliste.push_back(
                {l.Teilnehmer, l.Rechnername, l.Start, l.DauerMs, l.Gesamtleistung, l.Netzuebung});
    }

    std::vector<QuizSchritt::Art> Arten() const {
        std::vector<QuizSchritt::Art> a;
        for (const QuizSchritt& s : schritte)
            a.push_back(s.art);
        return a;
    }

    QString name;
    int nameFragen = 0;
    bool optionenStarten = false;
    bool vorJederUebung = false; // "Dieses Dialogfenster vor jeder Übung anzeigen"
    std::vector<int> optionenFenster;
    std::vector<bool> modi;
    QSize panel{1000, 600};
    bool timer = false;
    std::vector<QuizSchritt> schritte;
    std::deque<ErgebnisWahl> wahlen;
    std::vector<ErgebnisAnzeige> ergebnisse;
    std::vector<QString> protokolle;
    int autoGespeichert = 0;
    std::vector<BestenlistenErgebnis> bestenliste;
};

inline ObjDataTyp QuizObjekt(const QString& text, double x, double y, int typ = 0) {
    ObjDataTyp o;
    o.OB_Cap = text;
    o.OB_Sx = x;
    o.OB_Sy = y;
    o.OB_Kx = x;
    o.OB_Ky = y;
    o.OB_Typ = typ;
    o.OB_Ebene = 1;
    o.OB_Sline = 0;
    return o;
}

// `anzahl` labels "Ort 0", "Ort 1", ... on a grid of four columns, well apart.
inline Dokument Beschriftungsdokument(int anzahl, int typ = Bildbeschriftung) {
    Dokument dok;
    dok.Header.Dateiname = QStringLiteral("/tmp/quiz.tvl");
    dok.Header.HD_titel = QStringLiteral("Testquiz");
    dok.Header.HD_DokTyp = typ;
    dok.Basisbild = QImage(QSize(870, 600), QImage::Format_ARGB32);
    dok.Basisbild.fill(QColor(120, 180, 120));
    for (int i = 0; i < anzahl; ++i)
        dok.Objekte.push_back(QuizObjekt(QStringLiteral("Ort %1").arg(i), 0.1 + 0.22 * (i % 4),
                                         0.05 + 0.09 * (i / 4), typ == Lueckentext ? 3 : 0));
    return dok;
}

// Single questions: question j (1..n) has the line "Frage j?" (kind 11) and the answer "Antwort j" (kind 10).
inline Dokument Fragendokument(int fragen) {
    Dokument dok;
    dok.Header.Dateiname = QStringLiteral("/tmp/fragen.tvl");
    dok.Header.HD_titel = QStringLiteral("Fragen");
    dok.Header.HD_DokTyp = Einzelfragen;
    dok.Header.HD_AnzFrageNummern = fragen;
    dok.Basisbild = QImage(QSize(870, 600), QImage::Format_ARGB32);
    dok.Basisbild.fill(Qt::white);
    for (int j = 1; j <= fragen; ++j) {
        ObjDataTyp f = QuizObjekt(QStringLiteral("Frage %1?").arg(j), 0.1, 0.2, 11);
        f.OB_FrageNummer = j;
        ObjDataTyp a = QuizObjekt(QStringLiteral("Antwort %1").arg(j), 0.1, 0.58, 10);
        a.OB_FrageNummer = j;
        dok.Objekte.push_back(f);
        dok.Objekte.push_back(a);
    }
    return dok;
}

class QuizTest : public ::testing::Test {
protected:
    explicit QuizTest(Dokument dok = Beschriftungsdokument(4))
        : m_dok(std::move(dok)), m_karte(m_dok), m_warten(&m_uhr),
          m_quiz(m_dok, m_karte, m_werte, QuizDienste{m_meldungen, m_uhr, m_warten, m_ton, m_system}, m_ui) {
        m_werte.UebNameEingabe = false;
        m_werte.UebOpt.Zuordnungstexte = 0;
        m_werte.UebOpt.Zuordnungsziele = 0;
        m_werte.UebOptFragen.Zuordnungstexte = 0;
        m_werte.UebOptFragen.Zuordnungsziele = 0;
        EXPECT_TRUE(m_soundordner.isValid());
        for (const char* name : {"Richtig1.wav", "Falsch1.wav"}) {
            QFile f(QDir(m_soundordner.path()).filePath(QString::fromLatin1(name)));
            EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        }
        m_quiz.SetzeSoundordner(m_soundordner.path());
        Zufallsgenerator().setzeSeed(4711);
    }

    // The protocol and the course of the current (or last) run, made from its record.
    QString Protokolltext() const { return ProtokollText(m_quiz.Lauf()); }
    QString Ablauf() const { return AblaufText(m_quiz.Lauf()); }

    // The index of the element that carries object `text`.
    int ElementMit(int32_t text) const {
        for (const AntwortElement& e : m_quiz.Elemente())
            if (e.Vorhanden && e.Tag == text) return e.Nummer;
        return -1;
    }
    // The box of object `i` in panel pixels, as the map geometry places it.
    QRect BoxImPanel(int i) const {
        const auto& b = m_dok.Objekte[i].Box;
        const QPoint lo = m_karte.AnteilZuPunkt(QPointF(b[0], b[1]));
        const QPoint ru = m_karte.AnteilZuPunkt(QPointF(b[2], b[3]));
        return QRect(lo, ru - QPoint(1, 1));
    }
    // Drags element `k` so that the midpoint of its left edge lies in the centre of the box of `ziel`.
    void ZiehenAuf(int k, int ziel, bool loslassen = true) {
        const QRect e = m_quiz.Elemente()[k].Rechteck;
        const QPoint griff = e.center();
        const QPoint neu = BoxImPanel(ziel).center() - QPoint(0, e.height() / 2);
        m_quiz.Aufnehmen(k, griff);
        m_quiz.Ziehen(k, griff + (neu - e.topLeft()));
        if (loslassen) m_quiz.Loslassen(k);
    }
    // Drags the text of object `text` onto object `ziel`.
    void TextAuf(int32_t text, int ziel) { ZiehenAuf(ElementMit(text), ziel); }

    Dokument m_dok;
    Karte m_karte;
    ProgrammEinstellungenTyp m_werte;
    FakeMeldungen m_meldungen;
    FakeUhr m_uhr;
    FakeWarten m_warten;
    FakeTon m_ton;
    FakeSystemInfo m_system;
    FakeOberflaeche m_ui;
    QTemporaryDir m_soundordner;
    Quiz m_quiz;
};
