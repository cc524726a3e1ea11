// The output commands in the main window, reached by their keys although the menu
// "&Datei" is hidden: export and copy take the visible map in the learning view, and
// Ctrl+M goes through the mail window to the mail program.
#include "bilddekoder.h"
#include "data/av_data.h"
#include "fake_dialoge.h"
#include "fake_einstellungen.h"
#include "fake_maildienst.h"
#include "fake_meldungen.h"
#include "fake_shell.h"
#include "fake_systeminfo.h"
#include "fake_ton.h"
#include "fake_uhr.h"
#include "fake_zwischenablage.h"
#include "mapview/karte.h"
#include "output/ac_mail.h"
#include "shell/av_main.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

class AusgabeFenster : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        Ordner() = OrdnerAusProgrammordner(QDir::toNativeSeparators(m_tmp.path()) + QDir::separator());
    }
    void TearDown() override {
        m_fenster.reset();
        Ordner() = ProgrammOrdnerTyp{};
    }
    TForm1& oeffnen(const char* beispiel) {
        const QString name = QString::fromLatin1(beispiel) + QStringLiteral(".tvl");
        const QString pfad = m_tmp.filePath(name);
        EXPECT_TRUE(QFile::copy(QStringLiteral(KARTELLO_BIN_ORDNER "/") + name, pfad));
        Dienste d{m_meldungen, m_speicher, m_system,  m_uhr,           m_warten,
                  m_shell,     m_ton,      m_dialoge, m_zwischenablage};
        d.mailDienst = &m_mail;
        m_fenster = std::make_unique<TForm1>(d, pfad);
        m_fenster->show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !m_fenster->ErsteAktivierungAussteht(); }));
        EXPECT_TRUE(m_fenster->dokument().IstOffen());
        return *m_fenster;
    }
    void taste(int taste) { QTest::keyClick(m_fenster.get(), Qt::Key(taste), Qt::ControlModifier); }
    // The visible part of the composed map, cut out here from Kartenbild.
    QImage sichtbarerTeil() {
        const Karte& k = m_fenster->karte();
        return k.Kartenbild()
            .copy(QRect(k.Ansichtsursprung(), k.Ansichtsbild().size()))
            .convertToFormat(QImage::Format_RGB32);
    }

    QTemporaryDir m_tmp;
    FakeMeldungen m_meldungen;
    FakeEinstellungen m_speicher;
    FakeSystemInfo m_system;
    FakeUhr m_uhr;
    FakeWarten m_warten{&m_uhr};
    FakeShell m_shell;
    FakeTonAufnahme m_ton;
    FakeDialoge m_dialoge;
    FakeZwischenablage m_zwischenablage;
    FakeMailDienst m_mail;
    std::unique_ptr<TForm1> m_fenster;
};

int Weiss(const QImage& bild) {
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixel(x, y) == qRgb(255, 255, 255)) ++n;
    return n;
}

TEST_F(AusgabeFenster, LernansichtExportiertUndKopiertDieSichtbareKarte) {
    TForm1& f = oeffnen("europa");
    // The learning view shows a blank map control; the export is the map behind it.
    ASSERT_EQ(Weiss(f.karte().Ansichtsbild()),
              f.karte().Ansichtsbild().width() * f.karte().Ansichtsbild().height());
    m_dialoge.dateien.push_back(m_tmp.filePath(QStringLiteral("ansicht.png")));
    taste(Qt::Key_E);
    ASSERT_EQ(m_dialoge.speichernAuftraege.size(), 1u);
    EXPECT_TRUE(m_meldungen.eintraege.empty());
    const QImage datei =
        QImage(m_tmp.filePath(QStringLiteral("ansicht.png"))).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(datei.size(), f.karte().Ansichtsbild().size());
    EXPECT_LT(Weiss(datei), datei.width() * datei.height() / 2);
    EXPECT_EQ(datei, sichtbarerTeil());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // At 200 % and scrolled, only the visible window of the larger map is taken.
    QTest::keyClick(&f, Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    QTest::keyClick(&f, Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    ASSERT_EQ(f.karte().Zoomindex(), 4);
    QTest::keyClick(&f, Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(&f, Qt::Key_Down, Qt::ControlModifier);
    ASSERT_GT(f.karte().Ansichtsursprung().x(), 0);
    taste(Qt::Key_Z);
    ASSERT_EQ(m_zwischenablage.inhalte.size(), 1u);
    const QImage kopie = m_zwischenablage.inhalte[0].Bild;
    EXPECT_EQ(kopie.size(), f.karte().Ansichtsbild().size());
    EXPECT_EQ(kopie, sichtbarerTeil());
    EXPECT_EQ(m_warten.pausen, std::vector<int>{100});
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    m_dialoge.dateien.push_back(m_tmp.filePath(QStringLiteral("zoom.bmp")));
    taste(Qt::Key_E);
    QFile bmp(m_tmp.filePath(QStringLiteral("zoom.bmp")));
    ASSERT_TRUE(bmp.open(QIODevice::ReadOnly));
    const std::optional<QImage> gelesen = BmpLesen(bmp.readAll());
    ASSERT_TRUE(gelesen);
    EXPECT_EQ(*gelesen, kopie);
}

TEST(Ansichtsaufnahme, ImQuizGleichDemAngezeigtenBild) {
    Dokument dok;
    dok.Basisbild = QImage(300, 200, QImage::Format_RGB32);
    dok.Basisbild.fill(QColor(90, 160, 90));
    Karte karte(dok);
    EXPECT_TRUE(karte.Ansichtsaufnahme().isNull()); // nothing composed yet
    karte.SetzeSteuerelementgroesse(QSize(400, 300));
    karte.AnsichtAufbauen();
    const QImage lernansicht = karte.Ansichtsaufnahme();
    karte.SetzeAnsichtsmodus(Karte::Quizansicht);
    karte.AusschnittZeigen();
    EXPECT_EQ(karte.Ansichtsaufnahme(), karte.Ansichtsbild().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(karte.Ansichtsaufnahme(), lernansicht);
    EXPECT_EQ(lernansicht.pixel(10, 10), qRgb(90, 160, 90));
}

TEST_F(AusgabeFenster, MailFensterSchicktDokumentUndBasissystem) {
    TForm1& f = oeffnen("europa");
    ASSERT_TRUE(QDir().mkpath(Ordner().Setupordner));
    QFile setup(Ordner().Setupordner + QStringLiteral("setup-tvl10basis.exe"));
    ASSERT_TRUE(setup.open(QIODevice::WriteOnly));
    setup.close();

    TMailForm& form = f.mailForm();
    bool gesehen = false;
    QTimer::singleShot(0, &form, [&] {
        gesehen = form.isVisible() && form.windowTitle() == QStringLiteral("Dokument per E-Mail versenden");
        QTest::mouseClick(form.Item(1), Qt::LeftButton, {}, QPoint(8, form.Item(1)->height() / 2));
        QTest::mouseClick(form.OkBtn(), Qt::LeftButton);
    });
    taste(Qt::Key_M);
    EXPECT_TRUE(gesehen);
    ASSERT_EQ(m_mail.auftraege.size(), 1u);
    const MailAuftrag& a = m_mail.auftraege[0];
    EXPECT_EQ(a.Betreff, QStringLiteral("TVL-Dokument"));
    EXPECT_EQ(a.Anhaenge, (QStringList{QDir::toNativeSeparators(m_tmp.filePath(QStringLiteral("europa.tvl"))),
                                       Ordner().Setupordner + QStringLiteral("setup-tvl10basis.exe")}));
    EXPECT_TRUE(a.Text.startsWith(QStringLiteral("TVL-Themendokument: europa.tvl\r\nTVL-Basissystem: "
                                                 "setup-tvl10basis.exe\r\n\r\n- Information -\r\n")));
    ASSERT_EQ(m_meldungen.eintraege.size(), 1u);
    EXPECT_EQ(m_meldungen.eintraege[0].art, MeldungsArt::Information);
    EXPECT_TRUE(
        m_meldungen.eintraege[0].text.startsWith(QStringLiteral("Die Nachricht wurde dem E-Mail-Programm")));

    // Abbrechen in the window sends nothing; the window keeps the last choice.
    QTimer::singleShot(0, &form, [&] { QTest::mouseClick(form.AbbrechenBtn(), Qt::LeftButton); });
    taste(Qt::Key_M);
    EXPECT_EQ(m_mail.auftraege.size(), 1u);
    EXPECT_EQ(form.ItemIndex(), 1);
}

// Where the base system's set-up is missing (always on Linux), its option is disabled with
// a note; without a mail program the message says so with the system's own report.
TEST_F(AusgabeFenster, OhneSetupUndOhneMailprogramm) {
    TForm1& f = oeffnen("europa");
    TMailForm& form = f.mailForm();
    m_mail.ergebnis = MailErgebnis::KeinProgramm;
    m_mail.meldung = QStringLiteral("xdg-email: no method available for opening 'mailto:'");
    bool aus = false;
    QString hinweis;
    QTimer::singleShot(0, &form, [&] {
        aus = !form.Item(1)->isEnabled() && form.Item(0)->isChecked();
        hinweis = form.BasisHinweis()->isVisible() ? form.BasisHinweis()->text() : QString();
        QTest::mouseClick(form.OkBtn(), Qt::LeftButton);
    });
    taste(Qt::Key_M);
    EXPECT_TRUE(aus);
    EXPECT_TRUE(hinweis.contains(QStringLiteral("setup-tvl10basis.exe"))) << hinweis.toStdString();
    EXPECT_TRUE(hinweis.contains(Ordner().Setupordner)) << hinweis.toStdString();
    ASSERT_EQ(m_mail.auftraege.size(), 1u);
    EXPECT_EQ(m_mail.auftraege[0].Anhaenge.size(), 1);
    ASSERT_EQ(m_meldungen.eintraege.size(), 1u);
    const QString text = m_meldungen.eintraege[0].text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("Auf diesem Computer ist kein E-Mail-Programm eingerichtet")))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("Meldung des Systems: ") + m_mail.meldung))
        << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("abgebrochen")));
}

} // namespace
