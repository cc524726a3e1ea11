#include "platform/av_meldungen_qt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// What the box looked like when it was on screen.
struct Gesehen {
    bool gefunden = false;
    QString titel;
    QString text;
    QStringList knoepfe;
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
};

struct BoxFall {
    MeldungsArt art;
    Knoepfe knoepfe;
    const char16_t* klick; // empty: closed without a button
    Antwort antwort;
    const char16_t* titel;
    QStringList knopftexte; // sorted
    QMessageBox::Icon symbol;
};

class MeldungsBox : public ::testing::TestWithParam<BoxFall> {};

TEST_P(MeldungsBox, TitelKnoepfeUndAntwort) {
    const BoxFall fall = GetParam();
    MeldungenQt meldungen;
    Gesehen gesehen;
    // Polls for the modal box, notes what it shows and clicks the button named `klick`
    // (or rejects the box when `klick` is empty). It starts before zeigen() blocks.
    auto* zeitgeber = new QTimer;
    QString klick = QString::fromUtf16(fall.klick);
    zeitgeber->setInterval(10);
    QObject::connect(zeitgeber, &QTimer::timeout, zeitgeber, [&, zeitgeber] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        zeitgeber->stop();
        zeitgeber->deleteLater();
        gesehen.gefunden = true;
        gesehen.titel = box->windowTitle();
        gesehen.text = box->text();
        gesehen.symbol = box->icon();
        gesehen.format = box->textFormat();
        for (QAbstractButton* knopf : box->buttons())
            gesehen.knoepfe.append(knopf->text());
        gesehen.knoepfe.sort();
        if (klick.isEmpty()) {
            box->reject();
            return;
        }
        for (QAbstractButton* knopf : box->buttons())
            if (knopf->text() == klick) knopf->click();
    });
    zeitgeber->start();

    const QString text = QStringLiteral("Zeile <b>eins</b>\r\nZeile zwei\r\n\r\nDrei");
    const Antwort antwort = meldungen.zeigen(fall.art, text, fall.knoepfe);
    ASSERT_TRUE(gesehen.gefunden);
    EXPECT_EQ(gesehen.titel, QString::fromUtf16(fall.titel));
    EXPECT_EQ(gesehen.text, QStringLiteral("Zeile <b>eins</b>\nZeile zwei\n\nDrei"));
    EXPECT_EQ(gesehen.format, Qt::PlainText);
    EXPECT_EQ(gesehen.knoepfe, fall.knopftexte);
    EXPECT_EQ(gesehen.symbol, fall.symbol);
    EXPECT_EQ(antwort, fall.antwort);
}

const QStringList Ok{QStringLiteral("OK")};
const QStringList JaNein{QStringLiteral("&Ja"), QStringLiteral("&Nein")};
const QStringList JaNeinAbbrechen{QStringLiteral("&Ja"), QStringLiteral("&Nein"),
                                  QStringLiteral("Abbrechen")};

INSTANTIATE_TEST_SUITE_P(
    Meldungen, MeldungsBox,
    ::testing::Values(BoxFall{MeldungsArt::Fehler, Knoepfe::OK, u"OK", Antwort::OK, u"Fehler", Ok,
                              QMessageBox::Critical},
                      BoxFall{MeldungsArt::Information, Knoepfe::OK, u"OK", Antwort::OK, u"Information", Ok,
                              QMessageBox::Information},
                      BoxFall{MeldungsArt::Warnung, Knoepfe::JaNein, u"&Ja", Antwort::Ja, u"Warnung", JaNein,
                              QMessageBox::Warning},
                      BoxFall{MeldungsArt::Warnung, Knoepfe::JaNein, u"&Nein", Antwort::Nein, u"Warnung",
                              JaNein, QMessageBox::Warning},
                      BoxFall{MeldungsArt::Bestaetigung, Knoepfe::JaNein, u"&Nein", Antwort::Nein,
                              u"Bestätigung", JaNein, QMessageBox::Question},
                      BoxFall{MeldungsArt::Bestaetigung, Knoepfe::JaNeinAbbrechen, u"Abbrechen",
                              Antwort::Abbrechen, u"Bestätigung", JaNeinAbbrechen, QMessageBox::Question},
                      BoxFall{MeldungsArt::Bestaetigung, Knoepfe::JaNeinAbbrechen, u"&Ja", Antwort::Ja,
                              u"Bestätigung", JaNeinAbbrechen, QMessageBox::Question},
                      // closed without a button: the safe answer of its kind
                      BoxFall{MeldungsArt::Bestaetigung, Knoepfe::JaNein, u"", Antwort::Nein, u"Bestätigung",
                              JaNein, QMessageBox::Question},
                      BoxFall{MeldungsArt::Bestaetigung, Knoepfe::JaNeinAbbrechen, u"", Antwort::Abbrechen,
                              u"Bestätigung", JaNeinAbbrechen, QMessageBox::Question}));

TEST(Meldungen, KnopfTexte) {
    EXPECT_EQ(KnopfText(Antwort::OK), QStringLiteral("OK"));
    EXPECT_EQ(KnopfText(Antwort::Ja), QStringLiteral("&Ja"));
    EXPECT_EQ(KnopfText(Antwort::Nein), QStringLiteral("&Nein"));
    EXPECT_EQ(KnopfText(Antwort::Abbrechen), QStringLiteral("Abbrechen"));
}

} // namespace
