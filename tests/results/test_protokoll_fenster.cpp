// The protocol window and the comment window, driven with real clicks.
#include "results/ac_protkom.h"
#include "results/ac_uebprotokoll.h"

#include "data/av_data.h"
#include "fake_dialoge.h"
#include "fake_meldungen.h"
#include "fake_zwischenablage.h"
#include "results/protokoll.h"
#include "platform/zwischenablage.h"
#include "results/rtf_leser.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray Lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class ProtokollFenster : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        alteOrdner = Ordner();
        Ordner().Protokollordner = tmp.path() + u'/';
    }
    void TearDown() override { Ordner() = alteOrdner; }

    void klick(const char* knopf) {
        auto* k = fenster.findChild<QPushButton*>(QString::fromLatin1(knopf));
        ASSERT_NE(k, nullptr) << knopf;
        QTest::mouseClick(k, Qt::LeftButton);
    }
    // Clicks "Kommentar hinzufügen...", types into the comment window and leaves it with `knopf`.
    void kommentieren(const QString& text, const char* knopf) {
        bool gesehen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TProtKomForm*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            gesehen = true;
            EXPECT_EQ(dialog->windowTitle(), u"Kommentar zum Ablaufprotokoll hinzufügen"_s);
            EXPECT_TRUE(dialog->Memo1()->toPlainText().isEmpty());
            EXPECT_EQ(dialog->focusWidget(), dialog->Memo1());
            QTest::keyClicks(dialog->Memo1(), text);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(knopf)), Qt::LeftButton);
        });
        klick("KommBtn");
        EXPECT_TRUE(gesehen);
    }

    QTemporaryDir tmp;
    ProgrammOrdnerTyp alteOrdner;
    FakeMeldungen meldungen;
    FakeDialoge dialoge;
    FakeZwischenablage ablage;
    Protokoll protokoll;
    TProtKomForm kommentar;
    TUebProtokollForm fenster{protokoll, kommentar, meldungen, dialoge, ablage};
};

TEST_F(ProtokollFenster, VorDemErstenQuizLeer) {
    fenster.show();
    EXPECT_TRUE(fenster.RichEdit1()->toPlainText().isEmpty());
    EXPECT_TRUE(fenster.RichEdit1()->isReadOnly());
    for (const char* name : {"KommBtn", "SaveBtn", "DruckBtn", "InClipBtn"})
        EXPECT_NE(fenster.findChild<QPushButton*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(fenster.findChild<QPushButton*>(u"KommBtn"_s)->text(), u"Kommentar hinzufügen..."_s);
    EXPECT_EQ(fenster.findChild<QPushButton*>(u"InClipBtn"_s)->text(), u"In Zwischenablage kopieren"_s);
}

TEST_F(ProtokollFenster, ZeigtDasGerenderteProtokoll) {
    protokoll.ersetzen(u"<tit>Quiz-Protokoll\r\nTeilnehmername:\tAnna"_s);
    fenster.show();
    EXPECT_EQ(fenster.RichEdit1()->toPlainText(), u"Quiz-Protokoll\n\nTeilnehmername:\tAnna"_s);
    EXPECT_EQ(fenster.RichEdit1()->palette().color(QPalette::Base), QColor(Qt::white));
}

// A long protocol, replaced while the window was scrolled to its end, opens at its first line.
TEST_F(ProtokollFenster, OeffnetAmAnfang) {
    QString text = u"<tit>Quiz-Protokoll\r\n"_s;
    for (int i = 0; i < 200; ++i)
        text += u"00:%1 - RICHTIG - \"Zeile\"\r\n"_s.arg(i);
    protokoll.ersetzen(text);
    fenster.show();
    fenster.RichEdit1()->moveCursor(QTextCursor::End);
    ASSERT_GT(fenster.RichEdit1()->verticalScrollBar()->value(), 0);
    fenster.hide();
    protokoll.ersetzen(text);
    fenster.show();
    EXPECT_EQ(fenster.RichEdit1()->verticalScrollBar()->value(), 0);
    EXPECT_EQ(fenster.RichEdit1()->textCursor().position(), 0);
    EXPECT_TRUE(fenster.RichEdit1()->cursorRect().top() < fenster.RichEdit1()->viewport()->height());
}

TEST_F(ProtokollFenster, KommentarPerOkAbbrechenUndLeer) {
    protokoll.ersetzen(u"Teilnehmername:\tAnna"_s);
    fenster.show();
    kommentieren(u"Sehr gut gemacht"_s, "OKBtn");
    EXPECT_EQ(fenster.RichEdit1()->toPlainText(),
              u"Teilnehmername:\tAnna\n\nKommentar\n\nSehr gut gemacht"_s);
    const QString vorher = protokoll.klartext();
    kommentieren(u"verworfen"_s, "AbbrechenBtn");
    EXPECT_EQ(protokoll.klartext(), vorher);
    kommentieren(u"    "_s, "OKBtn");
    EXPECT_EQ(protokoll.klartext(), vorher);
}

TEST_F(ProtokollFenster, SpeichernSchreibtRtf) {
    protokoll.ersetzen(u"<tit>Quiz-Protokoll\r\nTitel:\tFlüsse"_s);
    const QString speicherAntwort = tmp.path() + u"/von Hand.rtf"_s;
    dialoge.dateien.push_back(speicherAntwort);
    klick("SaveBtn");
    ASSERT_EQ(dialoge.speichernAuftraege.size(), 1u);
    EXPECT_EQ(dialoge.speichernAuftraege[0].Titel, u"Übungsprotokoll in Datei speichern"_s);
    EXPECT_EQ(dialoge.speichernAuftraege[0].Startordner, Ordner().Protokollordner);
    const QByteArray rtf = Lesen(speicherAntwort);
    EXPECT_EQ(rtf, protokoll.rtf());
    RtfInhaltTyp inhalt;
    RtfLeser leser;
    ASSERT_TRUE(leser.lesen(rtf, inhalt));
    EXPECT_EQ(inhalt.text(), u"Quiz-Protokoll\n\nTitel:\tFlüsse"_s);
    EXPECT_TRUE(meldungen.eintraege.empty());
}

TEST_F(ProtokollFenster, SpeichernAbgebrochenOderGescheitert) {
    protokoll.ersetzen(u"x"_s);
    dialoge.dateien.push_back(std::nullopt);
    klick("SaveBtn");
    EXPECT_TRUE(meldungen.eintraege.empty());
    dialoge.dateien.push_back(tmp.path() + u"/fehlt/x.rtf"_s);
    klick("SaveBtn");
    ASSERT_EQ(meldungen.eintraege.size(), 1u);
    EXPECT_TRUE(meldungen.eintraege[0].text.contains(u"kann nicht geschrieben werden"_s));
}

TEST_F(ProtokollFenster, DruckenInPdfDatei) {
    QString text = u"<tit>Quiz-Protokoll\r\n"_s;
    for (int i = 0; i < 150; ++i) // more than one page
        text += u"00:%1 - RICHTIG - Zeile\r\n"_s.arg(i, 2, 10, QChar(u'0'));
    protokoll.ersetzen(text);
    dialoge.druckPdf = tmp.path() + u"/protokoll.pdf"_s;
    klick("DruckBtn");
    ASSERT_EQ(dialoge.druckDokumente.size(), 1u);
    EXPECT_EQ(dialoge.druckDokumente[0], u"Quiz-Protokoll"_s);
    const QByteArray pdf = Lesen(dialoge.druckPdf);
    EXPECT_TRUE(pdf.startsWith("%PDF")) << pdf.left(20).toStdString();
    EXPECT_GE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 2);
    EXPECT_TRUE(meldungen.eintraege.empty());
}

TEST_F(ProtokollFenster, DruckenAbgebrochen) {
    protokoll.ersetzen(u"x"_s);
    dialoge.druckPdf.clear();
    klick("DruckBtn");
    ASSERT_EQ(dialoge.druckDokumente.size(), 1u);
    EXPECT_EQ(dialoge.druckDokumente[0], u"Quiz-Protokoll"_s);
    EXPECT_TRUE(QDir(tmp.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(ProtokollFenster, ZwischenablageMitRtfHtmlUndText) {
    protokoll.ersetzen(u"<tit>Quiz-Protokoll\r\nSchulnote:\t1"_s);
    klick("InClipBtn");
    ASSERT_EQ(ablage.inhalte.size(), 1u);
    // What the window hands over reaches the system clipboard in these forms.
    QApplication::clipboard()->clear();
    ZwischenablageQt().Setzen(ablage.inhalte[0]);
    const QMimeData* daten = QApplication::clipboard()->mimeData();
    ASSERT_NE(daten, nullptr);
    EXPECT_EQ(daten->data(u"text/rtf"_s), protokoll.rtf());
    EXPECT_EQ(daten->data(QString::fromLatin1(RtfWindowsMimeTyp)), protokoll.rtf());
    EXPECT_EQ(daten->text(), u"Quiz-Protokoll\n\nSchulnote:\t1"_s);
    EXPECT_TRUE(daten->hasHtml());
    EXPECT_TRUE(daten->html().contains(u"Quiz-Protokoll"_s));
    EXPECT_FALSE(fenster.RichEdit1()->textCursor().hasSelection());
}

} // namespace
