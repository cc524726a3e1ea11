// The worksheet window and its print window, driven through their widgets.
#include "blatttest.h"
#include "data/av_data.h"

#include "fake_dialoge.h"
#include "fake_meldungen.h"
#include "fake_zwischenablage.h"
#include "pdf_seite.h"
#include "worksheet/ac_arbeitsblatt.h"
#include "worksheet/arbeitsblatt_befehle.h"
#include "worksheet/av_arbblattdruck.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

namespace {

class FensterTest : public ::testing::Test {
protected:
    FensterTest() : m_form(m_meldungen, m_dialoge, m_ablage) {}

    void Klick(QWidget* w) {
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(5, w->height() / 2));
    }
    void Knopf(const char* name) {
        auto* k = m_form.findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(k, nullptr) << name;
        k->click();
    }
    void Maus(QEvent::Type art, QPoint global, Qt::MouseButtons gehalten) {
        QLabel* bild = m_form.ABImg();
        QMouseEvent e(art, bild->mapFromGlobal(QPointF(global)), QPointF(global), Qt::LeftButton, gehalten,
                      Qt::NoModifier);
        QApplication::sendEvent(bild, &e);
    }
    // The preview layout the window must have for its scroll box width.
    void LayoutPruefen() {
        const int w = m_form.ABScrollBox()->width() - 40;
        const int innen = static_cast<int>(std::lround((w - 2 - 40) * 2600.0 / 1600.0)) + 40;
        const QRect pan = m_form.ABPan()->geometry();
        EXPECT_EQ(pan.width(), w);
        EXPECT_EQ(pan.height(), innen + 2);
        EXPECT_EQ(pan.top(), 8);
        EXPECT_LE(std::abs(pan.center().x() - m_form.ABScrollBox()->viewport()->width() / 2), 1);
        EXPECT_EQ(m_form.ABScrollBox()->widget()->height(), pan.height() + 16);
        EXPECT_EQ(m_form.ABScrollBox()->verticalScrollBar()->value(), 0);
    }

    FakeMeldungen m_meldungen;
    FakeDialoge m_dialoge;
    FakeZwischenablage m_ablage;
    TArbeitsblattForm m_form;
    QTemporaryDir m_ordner;
};

} // namespace

TEST_F(FensterTest, AktivierungOptionenUndVorschau) {
    Dokument dok = BlattDokument();
    m_form.show();
    m_form.Aktivieren(dok, QSize(870, 650));
    EXPECT_EQ(m_form.windowTitle(), QStringLiteral("Arbeitsblatt"));
    EXPECT_EQ(m_form.TitelEdit()->text(), QStringLiteral("Flüsse"));
    EXPECT_FALSE(m_form.AbFrageEdit()->isVisibleTo(&m_form));
    ASSERT_NE(m_form.Seite(), nullptr);
    LayoutPruefen();
    EXPECT_EQ(m_form.ABImg()->size(), QSize(m_form.ABPan()->width() - 42, m_form.ABPan()->height() - 42));

    // A click on an option makes the page again; only "Datum" unchecked.
    const Arbeitsblatt* alt = m_form.Seite();
    Klick(m_form.ABDatumBox());
    EXPECT_NE(m_form.Seite(), alt);
    EXPECT_FALSE(m_form.Seite()->Optionen().datum);
    EXPECT_TRUE(m_form.Seite()->Optionen().name);
    m_form.ModeRadio()->button(LoesungFolie)->click();
    EXPECT_EQ(m_form.Seite()->Optionen().art, LoesungFolie);

    // Resizing lays the preview out again without making the page again.
    const Arbeitsblatt* vorher = m_form.Seite();
    m_form.ABScrollBox()->verticalScrollBar()->setValue(50);
    m_form.resize(m_form.width() + 120, m_form.height());
    QApplication::processEvents();
    EXPECT_EQ(m_form.Seite(), vorher);
    LayoutPruefen();

    // The title check box refills the title only when it becomes checked.
    Klick(m_form.TitelCheck());
    m_form.TitelEdit()->setText(QString());
    Knopf("AktBtn");
    EXPECT_TRUE(m_form.Seite()->Optionen().titel.isEmpty());
    Klick(m_form.TitelCheck());
    EXPECT_EQ(m_form.TitelEdit()->text(), QStringLiteral("Flüsse"));

    // Single questions: the start number field shows.
    Dokument fragen = FragenBlatt(QStringLiteral("A // B"), 1);
    m_form.Aktivieren(fragen, QSize(870, 650));
    EXPECT_TRUE(m_form.AbFrageEdit()->isVisibleTo(&m_form));
    EXPECT_EQ(m_form.AbFrageEdit()->minimum(), 1);
    EXPECT_EQ(m_form.AbFrageEdit()->maximum(), 99999);
}

TEST_F(FensterTest, SpeichernPrueftDieEndungUndKopierenGibtAlleFormen) {
    Dokument dok = BlattDokument();
    m_form.Aktivieren(dok, QSize(870, 650));
    const QString bmp = m_ordner.filePath(QStringLiteral("blatt.bmp"));
    const QString emf = m_ordner.filePath(QStringLiteral("blatt.EMF"));
    m_dialoge.dateien = {bmp, emf};
    Knopf("SpeichernBtn");
    ASSERT_EQ(m_dialoge.speichernAuftraege.size(), 1u);
    const DateiDialogAuftrag& a = m_dialoge.speichernAuftraege.front();
    EXPECT_EQ(a.Titel, QStringLiteral("Arbeitsblatt exportieren"));
    EXPECT_EQ(a.Startordner, ArbeitsblattStartordner(Ordner())) << "never the working folder";
    EXPECT_FALSE(a.Startordner.isEmpty());
    EXPECT_EQ(a.Standardendung, QStringLiteral("emf"));
    EXPECT_TRUE(a.UeberschreibenFragen);
    ASSERT_EQ(a.Filter.size(), 3u);
    EXPECT_EQ(a.Filter[1].second, QStringLiteral("*.wmf"));
    EXPECT_EQ(m_meldungen.texte(), std::vector<QString>{QStringLiteral(
                                       "Speichern fehlgeschlagen wegen ungültiger Dateinamenserweiterung.")});
    EXPECT_FALSE(QFile::exists(bmp));
    Knopf("SpeichernBtn");
    QFile datei(emf);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_EQ(datei.read(44).mid(40), QByteArray(" EMF"));
    EXPECT_EQ(m_meldungen.eintraege.size(), 1u);

    Knopf("KopierenBtn");
    ASSERT_EQ(m_ablage.inhalte.size(), 1u);
    EXPECT_EQ(m_ablage.inhalte.front().Bild.size(), QSize(1001, 1625));
    EXPECT_TRUE(m_ablage.format(QStringLiteral("image/svg+xml")).contains("<svg"));
    EXPECT_EQ(m_ablage.format(QStringLiteral("image/x-emf")).mid(40, 4), QByteArray(" EMF"));
    EXPECT_EQ(m_ablage.format(QStringLiteral("image/x-wmf")).left(4), QByteArray("\xD7\xCD\xC6\x9A"));
}

TEST_F(FensterTest, ZiehenRolltDieVorschauMitHandcursor) {
    Dokument dok = BlattDokument();
    m_form.setzeZiehCursor(QCursor(Qt::PointingHandCursor));
    m_form.resize(900, 420);
    m_form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_form));
    m_form.Aktivieren(dok, QSize(870, 650));
    QScrollBar* leiste = m_form.ABScrollBox()->verticalScrollBar();
    ASSERT_GT(leiste->maximum(), 60);
    const QPoint start = m_form.ABImg()->mapToGlobal(QPoint(50, 300));
    Maus(QEvent::MouseButtonPress, start, Qt::LeftButton);
    EXPECT_EQ(m_form.ABImg()->cursor().shape(), Qt::PointingHandCursor);
    Maus(QEvent::MouseMove, start - QPoint(0, 50), Qt::LeftButton);
    EXPECT_EQ(leiste->value(), 50);
    Maus(QEvent::MouseButtonRelease, start, Qt::NoButton);
    EXPECT_EQ(m_form.ABImg()->cursor().shape(), Qt::ArrowCursor);
    Maus(QEvent::MouseMove, start - QPoint(0, 300), Qt::NoButton);
    EXPECT_EQ(leiste->value(), 50);
}

TEST_F(FensterTest, DruckfensterHaeltDasSeitenverhaeltnisUndDrucktAlsPdf) {
    const double verhaeltnis = Seitenverhaeltnis;
    TArbBlattDruckForm druck(verhaeltnis, m_dialoge, m_meldungen);
    EXPECT_EQ(druck.windowTitle(), QStringLiteral("Arbeitsblatt drucken"));
    EXPECT_EQ(druck.LinkerRand()->text(), QStringLiteral("2,2 cm"));
    EXPECT_EQ(druck.ObererRand()->text(), QStringLiteral("1,4 cm"));
    EXPECT_EQ(druck.Breite()->text(), QStringLiteral("16,6 cm"));
    EXPECT_EQ(druck.Hoehe()->text(), QStringLiteral("27,0 cm")) << "the height the width and the ratio give";
    EXPECT_TRUE(druck.Seitenverhaeltnis()->isChecked());
    druck.Breite()->setValue(10.0);
    EXPECT_DOUBLE_EQ(druck.Hoehe()->value(), std::round(10.0 / verhaeltnis * 10) / 10);
    druck.Hoehe()->setValue(13.0);
    EXPECT_DOUBLE_EQ(druck.Breite()->value(), std::round(13.0 * verhaeltnis * 10) / 10);
    druck.Seitenverhaeltnis()->setChecked(false);
    druck.Breite()->setValue(5.0);
    EXPECT_DOUBLE_EQ(druck.Hoehe()->value(), 13.0);

    // No printer on the test machine: the chooser offers a PDF file, the page goes there.
    const Arbeitsblatt blatt(BlattDokument(), ArbeitsblattOptionen{}, QSize(870, 650));
    druck.setzeSeite([&blatt](QPainter& maler) { blatt.Zeichnen(maler); });
    m_dialoge.druckPdf = m_ordner.filePath(QStringLiteral("blatt.pdf"));
    druck.Einrichten();
    EXPECT_EQ(m_dialoge.druckerAnfragen, 1);
    const QRect ziel = druck.Zielrechteck();
    const double jeCm = druck.Drucker().resolution() / 2.54;
    EXPECT_EQ(ziel.left(), std::lround(2.2 * jeCm));
    EXPECT_EQ(ziel.width(), std::lround(5.0 * jeCm));
    druck.findChild<QPushButton*>(QStringLiteral("DruckenBtn"))->click();
    QFile pdf(m_dialoge.druckPdf);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
    EXPECT_EQ(druck.result(), QDialog::Accepted);
}

// Printed with the window's defaults, a page that fills its own units lands on the paper
// at the margins and the size the window shows, in the page's ratio, as poppler reads it.
TEST_F(FensterTest, DruckMitDenVorgabenBehaeltDasSeitenverhaeltnis) {
    TArbBlattDruckForm druck(Seitenverhaeltnis, m_dialoge, m_meldungen);
    druck.setzeSeite(
        [](QPainter& maler) { maler.fillRect(0, 0, Arbeitsblatt::Breite, Arbeitsblatt::Hoehe, Qt::black); });
    m_dialoge.druckPdf = m_ordner.filePath(QStringLiteral("vorgaben.pdf"));
    druck.Einrichten();
    // Rounded figures in the fields never bend the page while the ratio is kept.
    druck.Breite()->setValue(12.3);
    druck.Hoehe()->setValue(19.9);
    druck.Breite()->setValue(16.6);
    EXPECT_EQ(druck.Hoehe()->text(), QStringLiteral("27,0 cm"));
    const QRect ziel = druck.Zielrechteck();
    EXPECT_NEAR(static_cast<double>(ziel.width()) / ziel.height(), Seitenverhaeltnis, 1.0 / ziel.height());
    druck.findChild<QPushButton*>(QStringLiteral("DruckenBtn"))->click();

    const PdfSeite seite = PdfLesen(m_dialoge.druckPdf);
    ASSERT_TRUE(seite.gelesen) << seite.fehler.toStdString();
    const QRectF cm = seite.inCm(seite.dunkel);
    const double pixel = 1.0 / seite.proCm + 0.01;
    EXPECT_NEAR(cm.left(), 2.2, pixel);
    EXPECT_NEAR(cm.top(), 1.4, pixel);
    EXPECT_NEAR(cm.width(), 16.6, 2 * pixel);
    EXPECT_NEAR(cm.height(), 16.6 / Seitenverhaeltnis, 2 * pixel) << "27.0 cm high, not 17.0";
}
