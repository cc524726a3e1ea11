#include "platform/av_ton_qt.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString Klang(const char* name) {
    return QStringLiteral(KARTELLO_QUELL_ORDNER "/resources/sound/") + QString::fromLatin1(name);
}

TEST(Ton, DauerAusDemKopfDerMitgeliefertenKlaenge) {
    EXPECT_EQ(WavDauerMs(Klang("Richtig1.wav")), 400);
    EXPECT_EQ(WavDauerMs(Klang("Falsch1.wav")), 440);
}

TEST(Ton, BeschaedigteDateienHabenKeineDauer) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    QFile echt(Klang("Richtig1.wav"));
    ASSERT_TRUE(echt.open(QIODevice::ReadOnly));
    const QByteArray daten = echt.readAll();
    const auto schreiben = [&](const char* name, const QByteArray& inhalt) {
        const QString pfad = tmp.filePath(QString::fromLatin1(name));
        QFile f(pfad);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
        return pfad;
    };
    QByteArray ohneRate = daten;
    ohneRate.replace(28, 4, QByteArray(4, '\0')); // byte rate of the format chunk
    QByteArray riesig = daten;
    riesig.replace(16, 4, QByteArray("\xff\xff\xff\x7f", 4)); // format chunk longer than the file
    EXPECT_EQ(WavDauerMs(tmp.filePath(QStringLiteral("fehlt.wav"))), -1);
    EXPECT_EQ(WavDauerMs(schreiben("leer.wav", {})), -1);
    EXPECT_EQ(WavDauerMs(schreiben("kurz.wav", daten.left(11))), -1);
    EXPECT_EQ(WavDauerMs(schreiben("text.wav", QByteArray("Das ist keine Klangdatei, nur Text."))), -1);
    EXPECT_EQ(WavDauerMs(schreiben("ohnerate.wav", ohneRate)), -1);
    EXPECT_EQ(WavDauerMs(schreiben("riesig.wav", riesig)), -1);
    EXPECT_EQ(WavDauerMs(schreiben("ohnedaten.wav", daten.left(36))), -1);
}

// Without a sound device (as on a build machine) a synchronous play still returns, and
// never later than the sound's length and a margin.
TEST(Ton, SynchronesAbspielenKehrtZurueck) {
    TonQt ton;
    QElapsedTimer uhr;
    uhr.start();
    ton.abspielen(Klang("Falsch1.wav"), true, false);
    EXPECT_LT(uhr.elapsed(), 2000);
    uhr.restart();
    ton.abspielen(QStringLiteral("/gibt/es/nicht.wav"), true, false);
    EXPECT_LT(uhr.elapsed(), 500);
    ton.stoppen();
}

} // namespace
