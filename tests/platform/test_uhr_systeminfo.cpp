#include "platform/anmeldename.h"
#include "platform/systeminfo_qt.h"
#include "platform/uhr_qt.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

#if defined(Q_OS_UNIX)
#include <pwd.h>
#include <unistd.h>
#endif

namespace {

// Sets an environment variable for one scope and restores the previous state.
class Umgebung final {
public:
    Umgebung(const char* name, const QByteArray& wert)
        : m_name(name), m_hatte(qEnvironmentVariableIsSet(name)) {
        m_alt = qgetenv(name);
        if (wert.isNull())
            qunsetenv(name);
        else
            qputenv(name, wert);
    }
    ~Umgebung() {
        if (m_hatte)
            qputenv(m_name, m_alt);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_hatte;
    QByteArray m_alt;
};

TEST(Warten, DauertOhneEigeneSchleife) {
    WartenQt warten;
    UhrQt uhr;
    int ausgeloest = 0;
    QTimer::singleShot(10, [&] { ++ausgeloest; });
    const uint32_t vorher = uhr.tickMs();
    QElapsedTimer messung;
    messung.start();
    warten.warten(120);
    EXPECT_GE(messung.elapsed(), 115);
    EXPECT_GE(uhr.tickMs() - vorher, 115u);
    // No loop of its own: a timer that came due meanwhile fires after the wait, not inside.
    EXPECT_EQ(ausgeloest, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(ausgeloest, 1);
}

TEST(Warten, NullOderNegativKehrtSofortZurueck) {
    WartenQt warten;
    QElapsedTimer messung;
    messung.start();
    warten.warten(0);
    warten.warten(-100);
    EXPECT_LT(messung.elapsed(), 50);
}

TEST(Uhr, JetztIstDieOrtszeit) {
    const UhrQt uhr;
    const QDateTime vorher = QDateTime::currentDateTime();
    const QDateTime jetzt = uhr.jetzt();
    EXPECT_EQ(jetzt.timeSpec(), Qt::LocalTime);
    EXPECT_LE(vorher.msecsTo(jetzt), 1000);
    EXPECT_GE(vorher.msecsTo(jetzt), 0);
}

// The account name comes from the system, also when the environment has no USER.
TEST(SystemInfo, BenutzerVomSystemNichtAusDerUmgebung) {
    const QString konto = AnmeldenameDesSystems();
    ASSERT_FALSE(konto.isEmpty());
#if defined(Q_OS_UNIX)
    const passwd* eintrag = getpwuid(geteuid());
    ASSERT_NE(eintrag, nullptr);
    EXPECT_EQ(konto, QString::fromLocal8Bit(eintrag->pw_name));
#endif
    Umgebung user("USER", QByteArray());
    Umgebung username("USERNAME", QByteArray());
    EXPECT_EQ(SystemInfoQt().benutzername(), konto);
}

TEST(SystemInfo, RechnerUndBildschirm) {
    const SystemInfoQt info;
    EXPECT_EQ(info.rechnername(), QSysInfo::machineHostName());
    const BildschirmModus modus = info.bildschirm();
    ASSERT_TRUE(modus.bekannt) << "the offscreen platform has a screen";
    EXPECT_GT(modus.breite, 0);
    EXPECT_GT(modus.hoehe, 0);
    EXPECT_GT(modus.farbtiefe, 0);
}

} // namespace
