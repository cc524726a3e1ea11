// Publishing with F9 through the real options window, and joining with F8 in the same
// program, played through the main window's widgets.
#include "../quizspiel/quizspiel.h"

#include "documents/tvl_datei.h"
#include "network/netzuebung.h"
#include "quiz/ac_nameeingabe.h"
#include "results/ac_bestlist.h"
#include "results/bestenliste.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QLineEdit>

namespace {

class NetzFenster : public QuizSpiel {
protected:
    NetzDateienTyp dateien() const { return NetzDateien(Ordner().Kommunikationsordner, Ordner().Kanalname); }
    NetzUebungDataTyp veroeffentlicht() {
        NetzUebungDataTyp d;
        NetzUebungLeser leser;
        EXPECT_TRUE(leser.lesen(dateien().Einstellungen, d)) << leser.errorString().toStdString();
        return d;
    }
    // F9, then in the options window "Einzelabfrage Texte" with 2:30, left by `knopf`.
    void veroeffentlichen(bool starten, QString* titel = nullptr, bool* panel = nullptr) {
        TUebOptForm& opt = f().uebOptForm();
        wennSichtbar(&opt, [&opt, starten, titel, panel] {
            if (titel) *titel = opt.windowTitle();
            if (panel) *panel = opt.NetzUebInitPan()->isVisible();
            opt.AbfrageModus()->button(1)->click();
            for (QLineEdit* feld : {opt.ZLimitMin(), opt.ZLimitSek()})
                feld->clear();
            QTest::keyClicks(opt.ZLimitMin(), QStringLiteral("2"));
            QTest::keyClicks(opt.ZLimitSek(), QStringLiteral("30"));
            QTest::mouseClick(starten ? opt.OkBtn() : opt.CloseBtn(), Qt::LeftButton);
        });
        taste(Qt::Key_F9);
    }
    // A key to the main window. The offscreen platform leaves a closed dialog as the
    // active window, where a real window system gives activation back to the main window.
    void taste(Qt::Key key) {
        QApplication::setActiveWindow(&f());
        QTest::keyClick(&f(), key);
    }
    void teilnehmen(const QString& name) {
        TNameEingabeForm& form = f().nameEingabeForm();
        wennSichtbar(&form, [&form, name] {
            form.TNameEdit()->setText(name);
            QTest::mouseClick(form.OkBtn(), Qt::LeftButton);
        });
        taste(Qt::Key_F8);
    }
    std::vector<BestListDataTyp> liste(const QString& pfad) {
        std::vector<BestListDataTyp> e;
        QString fehler;
        if (QFile::exists(pfad)) {
            EXPECT_TRUE(BestListLesenVersuch(pfad, e, fehler));
        }
        return e;
    }
};

TEST_F(NetzFenster, F9VeroeffentlichtUeberDasOptionsfenster) {
    TForm1& fenster = oeffnen("planeten");
    const QString normal = fenster.uebOptForm().windowTitle();
    QString titel;
    bool panel = false;
    // "Schließen" publishes nothing, and the window is itself again.
    veroeffentlichen(false, &titel, &panel);
    EXPECT_EQ(titel, QStringLiteral("Netzwerk-Übungsoptionen für Bildbeschriftung und Lückentext"));
    EXPECT_TRUE(panel);
    EXPECT_EQ(fenster.uebOptForm().windowTitle(), normal);
    EXPECT_FALSE(fenster.uebOptForm().NetzUebInitPan()->isVisible());
    EXPECT_FALSE(QFile::exists(dateien().Einstellungen));

    veroeffentlichen(true, &titel, &panel);
    EXPECT_EQ(titel, QStringLiteral("Netzwerk-Übungsoptionen für Bildbeschriftung und Lückentext"));
    EXPECT_EQ(fenster.uebOptForm().windowTitle(), normal);
    EXPECT_FALSE(fenster.uebOptForm().NetzUebInitPan()->isVisible());
    EXPECT_FALSE(fenster.QuizLaeuft()) << "publishing starts no quiz";
    EXPECT_EQ(fenster.Ansichtsmodus(), 2);
    for (const auto& m : m_meldungen.eintraege)
        ADD_FAILURE() << m.text.toStdString();
    const NetzUebungDataTyp d = veroeffentlicht();
    EXPECT_EQ(d.NetzUebungMaster, QStringLiteral("SCHULPC-07"));
    EXPECT_EQ(d.AbfrageModusItemIndex, 1);
    EXPECT_EQ(d.ZeitLimitIndex, 1);
    EXPECT_EQ(d.ZeitLimitWert, 150);
    Dokument kopie;
    ASSERT_TRUE(TvlLeser().lesen(dateien().Dokument, kopie));
    EXPECT_EQ(kopie.Header.HD_titel, fenster.dokument().Header.HD_titel);
    EXPECT_EQ(fenster.quizAnzeige().quiz().Daten().NetzUebungMaster, QStringLiteral("SCHULPC-07"));

    // The publishing computer removes its exercise when the program ends.
    fenster.close();
    EXPECT_FALSE(QFile::exists(dateien().Einstellungen));
    EXPECT_FALSE(QFile::exists(dateien().Dokument));
}

TEST_F(NetzFenster, F8NimmtMitDenWertenDerUebungTeil) {
    TForm1& fenster = oeffnen("planeten");
    veroeffentlichen(true);
    ASSERT_TRUE(QFile::exists(dateien().Einstellungen));
    // The learner's own options differ from the exercise's.
    fenster.einstellungen().UebOpt.AbfrageModus = 0;
    fenster.einstellungen().UebOpt.Zeitlimit = 0;
    fenster.uebOptForm().WerteAnzeigen();
    const QString eigeneListe = BestListPfad(Ordner().Bestenlistenordner, dateien().Dokument);

    const QStringList namen{QStringLiteral("Mia"), QStringLiteral("Ben"), QStringLiteral("Cem")};
    for (const QString& name : namen) {
        teilnehmen(name);
        ASSERT_TRUE(fenster.QuizLaeuft()) << name.toStdString();
        EXPECT_EQ(fenster.dokument().Header.Dateiname, dateien().Dokument);
        EXPECT_EQ(quiz().Daten().TeilnehmerName, name) << "asked although the option is off";
        EXPECT_EQ(quiz().Daten().AbfrageModus, 1);
        EXPECT_EQ(quiz().Daten().Zeitlimit, 1);
        EXPECT_EQ(quiz().Daten().ZeitlimitSek, 150);
        EXPECT_EQ(fenster.uebOptForm().AbfrageModus()->checkedId(), 0)
            << "the window keeps the learner's own";
        EXPECT_EQ(fenster.einstellungen().UebOpt.Zeitlimit, 0);
        ergebnisBeantworten(false);
        while (fenster.QuizLaeuft())
            richtigBeantworten();
        EXPECT_EQ(fenster.Ansichtsmodus(), 2);
    }
    const std::vector<BestListDataTyp> eintraege = liste(dateien().Bestenliste);
    ASSERT_EQ(eintraege.size(), 3u);
    for (size_t i = 0; i < eintraege.size(); ++i)
        EXPECT_EQ(eintraege[i].Name, namen[static_cast<qsizetype>(i)]);
    EXPECT_FALSE(QFile::exists(eigeneListe)) << "the document's own list gets nothing";
    EXPECT_TRUE(m_meldungen.eintraege.empty());

    // Afterwards the document is a normal one again: F7 runs under the learner's options.
    taste(Qt::Key_F7);
    ASSERT_TRUE(fenster.QuizLaeuft());
    EXPECT_EQ(quiz().Daten().AbfrageModus, 0);
    EXPECT_EQ(quiz().Daten().Zeitlimit, 0);
    EXPECT_FALSE(quiz().NetzUebung());
    m_meldungen.antworten = {Antwort::Ja};
    ASSERT_TRUE(quiz().Abbrechen());

    // Ctrl+F8 shows the exercise's list, and new results appear while it is open.
    size_t vorher = 0;
    bool nachgekommen = false;
    wennSichtbar(&fenster.bestListForm(), [&] {
        vorher = fenster.bestListForm().zeilen().size();
        QString fehler;
        BestListAnhaengen(dateien().Bestenliste,
                          BestListEintrag(QStringLiteral("Dora"), QStringLiteral("PC-4"),
                                          QDateTime::currentDateTime(), 1000, 1.0),
                          m_warten, fehler);
        nachgekommen = QTest::qWaitFor([&] { return fenster.bestListForm().zeilen().size() == 5; }, 5000);
        fenster.bestListForm().reject();
    });
    fenster.menue().aktion(QStringLiteral("BestenlisteNetz1"))->trigger();
    EXPECT_EQ(vorher, 4u);
    EXPECT_TRUE(nachgekommen);
    EXPECT_EQ(fenster.bestListForm().zeilen()[1][1], QStringLiteral("Dora"));
}

TEST_F(NetzFenster, F8OhneUebungUndMitBeschaedigterDatei) {
    TForm1& fenster = oeffnen("planeten");
    const QString offen = fenster.dokument().Header.Dateiname;
    taste(Qt::Key_F8);
    ASSERT_EQ(m_meldungen.eintraege.size(), 1u);
    EXPECT_EQ(m_meldungen.eintraege[0].art, MeldungsArt::Information);
    EXPECT_EQ(m_meldungen.eintraege[0].text,
              NetzKeineUebungText(Ordner().Kommunikationsordner, QStringLiteral("TVL-1")));
    veroeffentlichen(true);
    QFile datei(dateien().Einstellungen);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
    datei.write("\x11\0\0\0tvlnetzuebung.dat\xff\xff\xff\x7f", 25);
    datei.close();
    m_meldungen.eintraege.clear();
    taste(Qt::Key_F8);
    ASSERT_EQ(m_meldungen.eintraege.size(), 1u);
    EXPECT_EQ(m_meldungen.eintraege[0].art, MeldungsArt::Fehler);
    EXPECT_EQ(m_meldungen.eintraege[0].text, LesefehlerText(dateien().Einstellungen));
    EXPECT_FALSE(fenster.QuizLaeuft());
    EXPECT_EQ(fenster.dokument().Header.Dateiname, offen) << "the open document stays open";
}

TEST_F(NetzFenster, F8MitUnerreichbaremKommunikationsordner) {
    TForm1& fenster = oeffnen("planeten");
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    // A share that is not mounted: the folder set by the teacher is not there.
    const QString kom =
        QDir::toNativeSeparators(tmp.filePath(QStringLiteral("schulserver/kom"))) + QDir::separator();
    Ordner().Kommunikationsordner = kom;
    taste(Qt::Key_F8);
    ASSERT_EQ(m_meldungen.eintraege.size(), 1u);
    EXPECT_EQ(m_meldungen.eintraege[0].art, MeldungsArt::Fehler);
    EXPECT_TRUE(m_meldungen.eintraege[0].text.startsWith(
        QStringLiteral("Der Ordner \"") + kom +
        QStringLiteral("\" existiert nicht oder ist nicht erreichbar.")))
        << m_meldungen.eintraege[0].text.toStdString();
    EXPECT_FALSE(QFileInfo::exists(kom)) << "a folder set by someone is never made";
    EXPECT_FALSE(fenster.QuizLaeuft());
}

} // namespace
