#include "platform/dateianfang.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#if !defined(Q_OS_WIN)
#include <sys/stat.h>
#endif

namespace {

TEST(Dateianfang, LiestDenAnfangUndDannDenRest) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString pfad = tmp.filePath(QStringLiteral("ä dokument.tvl"));
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("0123456789"));
    f.close();

    Dateianfang datei(pfad);
    ASSERT_TRUE(datei.offen());
    EXPECT_EQ(datei.groesse(), 10);
    EXPECT_EQ(datei.lesen(4), QByteArray("0123"));
    EXPECT_EQ(datei.lesen(100), QByteArray("456789")); // fewer at the end
    EXPECT_TRUE(datei.lesen(1).isEmpty());
    EXPECT_TRUE(datei.lesen(0).isEmpty());
}

TEST(Dateianfang, FehlendeDateiUndOrdnerSindNichtOffen) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    Dateianfang fehlt(tmp.filePath(QStringLiteral("fehlt.tvl")));
    EXPECT_FALSE(fehlt.offen());
    EXPECT_TRUE(fehlt.lesen(10).isEmpty());
    ASSERT_TRUE(QDir(tmp.path()).mkdir(QStringLiteral("ordner.tvl")));
    Dateianfang ordner(tmp.filePath(QStringLiteral("ordner.tvl")));
    EXPECT_FALSE(ordner.offen());
}

#if !defined(Q_OS_WIN)
// A pipe named like a document would block a read until someone writes to it.
TEST(Dateianfang, PipeWirdNichtGelesenUndBlockiertNicht) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString pfad = tmp.filePath(QStringLiteral("pipe.tvl"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pfad).constData(), 0600), 0);
    Dateianfang pipe(pfad);
    EXPECT_FALSE(pipe.offen());
    EXPECT_TRUE(pipe.lesen(10).isEmpty());
}
#endif

} // namespace
