// One program per user and display: the real program, started a second time with a
// document, hands it to the running one and ends with 0; the socket survives a crashed
// predecessor and hostile clients.
#include "platform/einzelinstanz.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace {

// A second program's side runs blocking, as it does in its own process; here it gets a
// thread of its own while this thread's event loop lets the running side answer.
bool Uebergeben(const QString& argument) {
    std::atomic<int> ergebnis{-1};
    std::thread zweiter([&] {
        Einzelinstanz e;
        ergebnis = e.uebergeben(argument) ? 1 : 0;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return ergebnis != -1; }, 15000));
    zweiter.join();
    return ergebnis == 1;
}

struct Einzelinstanz_ : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        ASSERT_TRUE(QDir().mkpath(laufzeit()));
        alteLaufzeit = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", laufzeit().toLocal8Bit());
    }
    void TearDown() override { qputenv("XDG_RUNTIME_DIR", alteLaufzeit); }
    QString laufzeit() const { return tmp.filePath(QStringLiteral("run")); }
    QTemporaryDir tmp;
    QByteArray alteLaufzeit;
};

TEST_F(Einzelinstanz_, ZweiterStartUebergibtSeinDokumentUndEndetMitNull) {
    Einzelinstanz laufend;
    EXPECT_TRUE(laufend.name().startsWith(laufzeit())) << laufend.name().toStdString();
    ASSERT_TRUE(laufend.lauschen());
    QStringList angekommen;
    QObject::connect(&laufend, &Einzelinstanz::angekommen, [&](const QString& a) { angekommen << a; });

    // As the file manager starts it: a path relative to its own working folder.
    ASSERT_TRUE(QDir().mkpath(tmp.filePath(QStringLiteral("Erdkunde 7"))));
    QProcess zweiter;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("XDG_RUNTIME_DIR"), laufzeit());
    umgebung.insert(QStringLiteral("HOME"), tmp.path());
    zweiter.setProcessEnvironment(umgebung);
    zweiter.setWorkingDirectory(tmp.filePath(QStringLiteral("Erdkunde 7")));
    zweiter.start(QStringLiteral(KARTELLO_BIN_ORDNER "/kartello-quiz"),
                  {QStringLiteral("Flüsse, Europa.tvl")});
    ASSERT_TRUE(zweiter.waitForStarted(10000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return zweiter.state() == QProcess::NotRunning; }, 30000));
    EXPECT_EQ(zweiter.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(zweiter.exitCode(), 0) << zweiter.readAllStandardError().constData();
    EXPECT_EQ(angekommen, QStringList{tmp.filePath(QStringLiteral("Erdkunde 7/Flüsse, Europa.tvl"))});

    // Without a document the running window only comes to the front.
    EXPECT_TRUE(Uebergeben(QString()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return angekommen.size() == 2; }));
    EXPECT_EQ(angekommen.value(1), QString());
}

TEST_F(Einzelinstanz_, KeinerLaeuftUndUebriggebliebenerSocket) {
    Einzelinstanz erster;
    EXPECT_FALSE(erster.uebergeben(QStringLiteral("/a.tvl"), 500)) << "nobody runs";
    // A program that crashed left its socket file behind; the next one takes over.
    {
        QFile rest(erster.name());
        ASSERT_TRUE(rest.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(erster.lauschen());
    Einzelinstanz zweiter;
    EXPECT_FALSE(zweiter.lauschen()) << "the place is taken by a live program";
    QSignalSpy spy(&erster, &Einzelinstanz::angekommen);
    EXPECT_TRUE(Uebergeben(QStringLiteral("/b.tvl")));
    ASSERT_EQ(spy.size(), 1);
    EXPECT_EQ(spy.at(0).at(0).toString(), QStringLiteral("/b.tvl"));
}

TEST_F(Einzelinstanz_, FeindlicheGegenstellenBleibenFolgenlos) {
    Einzelinstanz laufend;
    ASSERT_TRUE(laufend.lauschen());
    QSignalSpy spy(&laufend, &Einzelinstanz::angekommen);
    // Endless bytes without a line end, and a client that says nothing.
    QLocalSocket flut;
    flut.connectToServer(laufend.name());
    ASSERT_TRUE(flut.waitForConnected(2000));
    flut.write(QByteArray(Einzelinstanz::Grenze + 10, 'x'));
    QLocalSocket stumm;
    stumm.connectToServer(laufend.name());
    ASSERT_TRUE(stumm.waitForConnected(2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return flut.state() == QLocalSocket::UnconnectedState; }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return stumm.state() == QLocalSocket::UnconnectedState; }, 10000));
    EXPECT_EQ(spy.size(), 0);
    // The program still takes a proper hand-over afterwards.
    EXPECT_TRUE(Uebergeben(QStringLiteral("/c.tvl")));
    EXPECT_EQ(spy.size(), 1);
}

} // namespace
