// The information window: the whole text at full height, scrolling by wheel, keys and
// drag, and the plain rich-text copy that is printed, saved and copied.
#include "mapview/ac_infobox.h"

#include "fake_dialoge.h"
#include "fake_meldungen.h"
#include "fake_zwischenablage.h"
#include "mapview/ac_kennzinfo.h"
#include "mapview/infotext.h"
#include "platform/zwischenablage.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString LangerText(int absaetze) {
    QStringList zeilen;
    for (int i = 1; i <= absaetze; ++i)
        zeilen << QStringLiteral("Absatz %1: <b>Die Donau</b> fließt durch zehn Länder.").arg(i);
    zeilen << QStringLiteral("ENDE-DES-TEXTES");
    return zeilen.join(QStringLiteral("\r\n"));
}

class InfoboxTest : public ::testing::Test {
protected:
    InfoboxTest() : m_form(m_meldungen, m_dialoge, m_ablage, &m_haupt) {
        m_haupt.setGeometry(100, 100, 900, 650);
        m_haupt.show();
    }
    QScrollBar* Leiste() const { return m_form.ScrollBox1()->verticalScrollBar(); }
    void Maus(QEvent::Type art, QPoint global, Qt::MouseButtons gehalten) {
        QLabel* bild = m_form.TextImg();
        const QPointF lokal = bild->mapFromGlobal(QPointF(global));
        QMouseEvent e(art, lokal, QPointF(global), Qt::LeftButton, gehalten, Qt::NoModifier);
        QApplication::sendEvent(bild, &e);
    }

    QMainWindow m_haupt;
    FakeMeldungen m_meldungen;
    FakeDialoge m_dialoge;
    FakeZwischenablage m_ablage;
    TInfoboxForm m_form;
};

TEST_F(InfoboxTest, KurzerTextKleinesFensterObenRechts) {
    m_form.InfotextZeigen(QStringLiteral("Die <b>Alpen</b> sind ein Hochgebirge."));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_form));
    EXPECT_EQ(m_form.windowTitle(), QStringLiteral("Information"));
    EXPECT_FALSE(m_form.isModal());
    EXPECT_TRUE(m_form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_LT(m_form.height(), TInfoboxForm::HoechstHoehe);
    const QRect h = m_haupt.frameGeometry();
    EXPECT_EQ(m_form.x(), h.left() + h.width() - m_form.width() - 6);
    EXPECT_EQ(m_form.y(), h.top() + 6);
    EXPECT_EQ(m_form.TextImg()->pixmap().width(), m_form.ScrollBox1()->width() - 30);
}

TEST_F(InfoboxTest, LangerTextGanzUndBlaetterbar) {
    const QString text = LangerText(200);
    const int breite = m_form.ScrollBox1()->width() - 30;
    const int hoehe = InfotextHoehe(text, breite);
    ASSERT_GT(hoehe, 3000); // beyond any fixed page height
    m_form.InfotextZeigen(text);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_form));
    EXPECT_EQ(m_form.height(), TInfoboxForm::HoechstHoehe);
    // Laid out at its full height: the last paragraph is in the picture.
    const QImage bild = m_form.TextImg()->pixmap().toImage();
    EXPECT_EQ(bild.height(), hoehe);
    int dunkelUnten = 0;
    for (int y = hoehe - 60; y < hoehe; ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (qGray(bild.pixel(x, y)) < 100) ++dunkelUnten;
    EXPECT_GT(dunkelUnten, 20);
    EXPECT_GT(Leiste()->maximum(), hoehe - 600);

    // Page Down moves by the scroll bar's line increment.
    m_form.ScrollBox1()->setFocus();
    QTest::keyClick(m_form.ScrollBox1(), Qt::Key_PageDown);
    EXPECT_EQ(Leiste()->value(), Leiste()->singleStep());
    QTest::keyClick(m_form.ScrollBox1(), Qt::Key_PageUp);
    EXPECT_EQ(Leiste()->value(), 0);

    // The wheel scrolls by the system's line count.
    const QPoint mitte = m_form.ScrollBox1()->viewport()->rect().center();
    QWheelEvent rad(QPointF(mitte), QPointF(m_form.ScrollBox1()->viewport()->mapToGlobal(mitte)), QPoint(),
                    QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(m_form.ScrollBox1()->viewport(), &rad);
    EXPECT_EQ(Leiste()->value(), QApplication::wheelScrollLines() * Leiste()->singleStep());

    // Closing scrolls back to the top.
    m_form.close();
    EXPECT_EQ(Leiste()->value(), 0);
}

TEST_F(InfoboxTest, ZiehenBewegtDenTextMitDemZeiger) {
    m_form.InfotextZeigen(LangerText(80));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_form));
    const QPoint start = m_form.TextImg()->mapToGlobal(QPoint(50, 200));
    Maus(QEvent::MouseButtonPress, start, Qt::LeftButton);
    EXPECT_NE(m_form.TextImg()->cursor().shape(), Qt::ArrowCursor);
    Maus(QEvent::MouseMove, start - QPoint(0, 120), Qt::LeftButton);
    EXPECT_EQ(Leiste()->value(), 120);
    // Beyond the top: clamped, and the origin follows so that turning back scrolls at once.
    Maus(QEvent::MouseMove, start + QPoint(0, 500), Qt::LeftButton);
    EXPECT_EQ(Leiste()->value(), 0);
    Maus(QEvent::MouseMove, start + QPoint(0, 470), Qt::LeftButton);
    EXPECT_EQ(Leiste()->value(), 30);
    Maus(QEvent::MouseButtonRelease, start, Qt::NoButton);
    Maus(QEvent::MouseMove, start - QPoint(0, 300), Qt::NoButton);
    EXPECT_EQ(Leiste()->value(), 30);
}

TEST_F(InfoboxTest, SpeichernDruckenKopierenOhneStilTags) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString rtf = tmp.filePath(QStringLiteral("info.rtf"));
    m_dialoge.dateien.push_back(rtf);
    m_dialoge.druckPdf = tmp.filePath(QStringLiteral("info.pdf"));
    m_form.InfotextZeigen(QStringLiteral("<B>Rom</B> liegt am <i>Tiber</I>.\r\n<@LINIE>Ende"));
    EXPECT_EQ(m_form.RichEdit1().toPlainText(), QStringLiteral("Rom liegt am Tiber.\n<@LINIE>Ende"));
    EXPECT_EQ(m_form.RichEdit1().defaultFont().pointSize(), 11);

    m_form.Speichern();
    ASSERT_EQ(m_dialoge.speichernAuftraege.size(), 1u);
    EXPECT_EQ(m_dialoge.speichernAuftraege[0].Titel, QStringLiteral("Infotext in Datei speichern"));
    QFile datei(rtf);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray inhalt = datei.readAll();
    EXPECT_TRUE(inhalt.startsWith("{\\rtf1"));
    EXPECT_TRUE(inhalt.contains("Rom liegt am Tiber."));
    EXPECT_FALSE(inhalt.contains("<B>"));

    m_form.Drucken();
    ASSERT_EQ(m_dialoge.druckDokumente.size(), 1u);
    EXPECT_EQ(m_dialoge.druckDokumente[0], QStringLiteral("Infotext"));
    EXPECT_GT(QFileInfo(tmp.filePath(QStringLiteral("info.pdf"))).size(), 100);

    m_form.InZwischenablage();
    ASSERT_EQ(m_ablage.inhalte.size(), 1u);
    // What the window hands over reaches the system clipboard in these forms.
    ZwischenablageQt().Setzen(m_ablage.inhalte[0]);
    const QMimeData* daten = QApplication::clipboard()->mimeData();
    ASSERT_NE(daten, nullptr);
    EXPECT_TRUE(daten->text().startsWith(QStringLiteral("Rom liegt am Tiber.")));
    EXPECT_TRUE(daten->data(QStringLiteral("text/rtf")).startsWith("{\\rtf1"));
    EXPECT_TRUE(m_meldungen.eintraege.empty());
}

TEST_F(InfoboxTest, SpeichernInUnschreibbareDateiMeldetFehler) {
    m_dialoge.dateien.push_back(QStringLiteral("/gibt/es/nicht/info.rtf"));
    m_form.InfotextZeigen(QStringLiteral("Text"));
    m_form.Speichern();
    ASSERT_EQ(m_meldungen.eintraege.size(), 1u);
    EXPECT_EQ(m_meldungen.eintraege[0].art, MeldungsArt::Fehler);
    EXPECT_TRUE(m_meldungen.eintraege[0].text.contains(QStringLiteral("info.rtf")));
}

TEST_F(InfoboxTest, AbbrechenTutNichts) {
    m_dialoge.dateien.push_back(std::nullopt);
    m_dialoge.druckPdf.clear();
    m_form.InfotextZeigen(QStringLiteral("Text"));
    m_form.Speichern();
    m_form.Drucken();
    EXPECT_TRUE(m_meldungen.eintraege.empty());
}

TEST(Stiltags, NurBIUWerdenEntfernt) {
    EXPECT_EQ(InfotextOhneStil(QStringLiteral("<b>a</B><I>b</i><u>c</U><s>d</s><@POSX=50%>e")),
              QStringLiteral("abc<s>d</s><@POSX=50%>e"));
}

TEST(Kennzahlen, TextWortFuerWort) {
    TKennzInfoBox box;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Information zu den Kennzahlen"));
    EXPECT_TRUE(box.isModal());
    EXPECT_TRUE(box.Memo()->isReadOnly());
    const QStringList zeilen = box.Memo()->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(zeilen.size(), 26);
    EXPECT_EQ(zeilen[0], QStringLiteral("\"Status\":"));
    EXPECT_EQ(zeilen[1], QStringLiteral("Zeigt den aktuellen Status an. "));
    EXPECT_EQ(zeilen[12],
              QStringLiteral("Die aktuelle Erfolgsquote ist:   Q = richtig / (richtig + falsch)"));
    EXPECT_EQ(zeilen[19],
              QStringLiteral("Die bisherige Gesamtleistung ist:   L = richtig / (richtig + falsch + offen)"));
    EXPECT_EQ(zeilen[20],
              QStringLiteral("Diese Kennzahl ist die Grundlage der Leistungsbwertung (Benotung) am "
                             "Ende des "));
    EXPECT_EQ(zeilen[24],
              QStringLiteral("Zeigt die bisher benötigte Zeit im Format \"Minuten:Sekunden\" seit "
                             "dem Start des "));
    EXPECT_EQ(zeilen[25], QStringLiteral("Quiz."));
    for (int leer : {3, 6, 10, 14, 17, 22})
        EXPECT_TRUE(zeilen[leer].isEmpty()) << leer;
}

} // namespace
