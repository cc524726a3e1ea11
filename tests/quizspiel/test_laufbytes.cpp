// Whole runs of the three sample kinds through the main window, compared byte for byte with
// recorded protocols and best lists: wrong and right answers, a time-out and a cancel while
// the feedback runs, and the repeat of the missed questions. The clock moves only with the
// feedback pauses and the steps below, so every time in the files is fixed.
// KARTELLO_LAUF_AUFNEHMEN=1 writes the files afresh instead of comparing.
#include "quizspiel.h"

#include "platform/anzeigeort.h"
#include "quiz/quiztexte.h"

#include <QLocale>

namespace {

QString Datei(const QString& name) {
    return QStringLiteral(TESTDATEN_ORDNER "/quizlauf/") + name;
}

// The protocol's start date as the program formats it for this machine's locale.
QString DatumText(const QDateTime& zeit) {
    const QLocale ort = AnzeigeOrt();
    QString format = ort.timeFormat(QLocale::LongFormat);
    format.remove(u't');
    return ort.toString(zeit.date(), QLocale::ShortFormat) + u' ' + zeit.time().toString(format.trimmed());
}

class Laufbytes : public QuizSpiel {
protected:
    // Answers the next result window: records the protocol, then repeats (with `modus`) or closes.
    void amErgebnis(bool wiederholen, int modus = 0) {
        wennSichtbar(&f().uebFertigForm(), [this, wiederholen, modus] {
            const QByteArray datum = DatumText(quiz().Daten().StartZeit).toUtf8();
            QByteArray text = f().protokoll().klartext().toUtf8();
            QByteArray rtf = f().protokoll().rtf();
            EXPECT_TRUE(text.contains(datum)) << datum.toStdString();
            m_protokolle.push_back(text.replace(datum, "<Datum>"));
            m_rtf.push_back(rtf.replace(datum, "<Datum>"));
            TUebFertigForm& form = f().uebFertigForm();
            ++m_ergebnisZahl;
            if (wiederholen) {
                if (QAbstractButton* b = form.WiederholenMode()->button(modus)) b->click();
                QTest::mouseClick(form.WiederholenBtn(), Qt::LeftButton);
            } else {
                QTest::mouseClick(form.LernBtn(), Qt::LeftButton);
            }
        });
    }

    // A wrong answer to the current question.
    void falschBeantworten() {
        const auto& objekte = f().dokument().Objekte;
        const int ziel = offenesZiel();
        ASSERT_GE(ziel, 0);
        const QString richtig = TextNormalisieren(objekte[static_cast<size_t>(ziel)].OB_Cap);
        if (f().dokument().Header.HD_DokTyp == Einzelfragen) {
            for (const AntwortElement& a : quiz().Elemente())
                if (a.Vorhanden && a.Sichtbar && a.Beschriftung != richtig) {
                    QTest::mouseClick(element(a.Nummer), Qt::LeftButton);
                    return;
                }
            FAIL() << "no wrong answer offered";
        }
        const int k = elementFuer(ziel);
        ASSERT_GE(k, 0);
        for (const FragenfolgeEintrag& e : quiz().Fragenfolge()) {
            const ObjDataTyp& o = objekte[static_cast<size_t>(e.ZielObjekt)];
            if (e.ZielObjekt != ziel && o.Zustand == ObZustand::Offen &&
                TextNormalisieren(o.OB_Cap) != richtig) {
                ziehen(k, e.ZielObjekt);
                return;
            }
        }
        FAIL() << "no other open position";
    }

    // Plays the run until its result window was answered; answer number `falsch` is wrong.
    void spielen(int falsch = -1) {
        const int vorher = m_ergebnisZahl;
        for (int i = 0; i < 200 && m_ergebnisZahl == vorher; ++i) {
            if (quiz().Laeuft()) {
                m_uhr.vorruecken(1000);
                if (i == falsch)
                    falschBeantworten();
                else
                    richtigBeantworten();
                if (::testing::Test::HasFatalFailure()) return;
            } else {
                QTest::qWait(5);
            }
        }
        EXPECT_EQ(m_ergebnisZahl, vorher + 1);
    }

    // Compares the recorded protocols and the best list of `beispiel` with the files `name`.*.
    void vergleichen(const QString& name, const char* beispiel) {
        QFile liste(Ordner().Bestenlistenordner + QString::fromLatin1(beispiel) + QStringLiteral(".hsc"));
        QByteArray bestenliste;
        if (liste.open(QIODevice::ReadOnly)) bestenliste = liste.readAll();
        std::vector<std::pair<QString, QByteArray>> dateien{{name + QStringLiteral(".hsc"), bestenliste}};
        for (size_t i = 0; i < m_protokolle.size(); ++i) {
            const QString n = name + QStringLiteral("-") + QString::number(i + 1);
            dateien.emplace_back(n + QStringLiteral(".txt"), m_protokolle[i]);
            dateien.emplace_back(n + QStringLiteral(".rtf"), m_rtf[i]);
        }
        const bool aufnehmen = qEnvironmentVariableIsSet("KARTELLO_LAUF_AUFNEHMEN");
        for (const auto& [datei, inhalt] : dateien) {
            QFile f(Datei(datei));
            if (aufnehmen) {
                ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << datei.toStdString();
                f.write(inhalt);
                continue;
            }
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << datei.toStdString();
            EXPECT_EQ(inhalt, f.readAll()) << datei.toStdString();
        }
    }

    // F7 with the random numbers from a fixed start: opening the window may draw some.
    void starten() {
        Zufallsgenerator().setzeSeed(4711);
        QTest::keyClick(&f(), Qt::Key_F7);
    }

    std::vector<QByteArray> m_protokolle, m_rtf;
    int m_ergebnisZahl = 0;
};

TEST_F(Laufbytes, BeschriftungMitFehlerUndWiederholungDerFehler) {
    TForm1& fenster = oeffnen("europa");
    starten();
    ASSERT_TRUE(quiz().Laeuft());
    amErgebnis(true, 1);
    spielen(0);
    ASSERT_TRUE(quiz().Laeuft());
    EXPECT_LT(quiz().Daten().FragenAnzahl, quiz().Daten().FragenGesamt);
    amErgebnis(false);
    spielen();
    EXPECT_FALSE(fenster.QuizLaeuft());
    vergleichen(QStringLiteral("europa-wiederholung"), "europa");
}

TEST_F(Laufbytes, ZeitablaufWaehrendDerRueckmeldung) {
    TForm1& fenster = oeffnen("europa");
    fenster.einstellungen().UebOpt.Zeitlimit = 1;
    fenster.einstellungen().UebOpt.ZLimitMin = QStringLiteral("0");
    fenster.einstellungen().UebOpt.ZLimitSek = QStringLiteral("30");
    fenster.einstellungen().UebOpt.ZuordnungRichtig = 1;
    starten();
    ASSERT_TRUE(quiz().Laeuft());
    m_uhr.vorruecken(1000);
    richtigBeantworten();
    m_uhr.vorruecken(1000);
    falschBeantworten();
    // The third answer's feedback runs past the limit; the clock ticks meanwhile.
    int pausen = 0;
    m_warten.waehrend = [&](int) {
        if (++pausen != 1) return;
        m_uhr.vorruecken(40000);
        quiz().Takt();
    };
    amErgebnis(false);
    spielen();
    m_warten.waehrend = nullptr;
    EXPECT_FALSE(fenster.QuizLaeuft());
    EXPECT_EQ(quiz().Daten().Endzustand, Timeout);
    ASSERT_FALSE(m_meldungen.eintraege.empty());
    EXPECT_EQ(m_meldungen.eintraege.back().text, ZeitlimitErreichtText);
    vergleichen(QStringLiteral("europa-zeitablauf"), "europa");
}

TEST_F(Laufbytes, LueckentextAbbruchWaehrendDerRueckmeldungDannGanzerLauf) {
    TForm1& fenster = oeffnen("wasserkreislauf");
    fenster.einstellungen().UebOpt.AbfrageModus = 1;
    fenster.einstellungen().UebOpt.ZuordnungFalsch = 1;
    starten();
    ASSERT_TRUE(quiz().Laeuft());
    auto* abbrechen = fenster.findChild<THoverPanel*>(QStringLiteral("LernKartBtn"));
    ASSERT_NE(abbrechen, nullptr);
    m_warten.waehrend = [&](int) {
        m_warten.waehrend = nullptr;
        QTest::mouseClick(abbrechen, Qt::LeftButton); // asked, answered "Ja"
    };
    m_uhr.vorruecken(1000);
    richtigBeantworten();
    EXPECT_FALSE(fenster.QuizLaeuft());
    EXPECT_TRUE(fenster.protokoll().leer());

    starten();
    ASSERT_TRUE(quiz().Laeuft());
    amErgebnis(false);
    spielen(1);
    EXPECT_FALSE(fenster.QuizLaeuft());
    vergleichen(QStringLiteral("wasserkreislauf-abbruch"), "wasserkreislauf");
}

TEST_F(Laufbytes, EinzelfragenNurEinmalMitWiederholungDerFehler) {
    TForm1& fenster = oeffnen("hauptstaedte");
    fenster.einstellungen().UebOptFragen.ZuordnungFalsch = 1;
    starten();
    ASSERT_TRUE(quiz().Laeuft());
    amErgebnis(true, 1);
    spielen(0);
    ASSERT_TRUE(quiz().Laeuft());
    amErgebnis(false);
    spielen();
    EXPECT_FALSE(fenster.QuizLaeuft());
    vergleichen(QStringLiteral("hauptstaedte-wiederholung"), "hauptstaedte");
}

} // namespace
