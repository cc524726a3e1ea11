// Where the program looks for its resources and writes its files: beside itself in a
// build folder, in ../share/kartello-quiz/ and the per-user data folder once installed.
#include "data/installation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString N(const QString& pfad) {
    return MitTrenner(QDir::toNativeSeparators(QDir::cleanPath(pfad)));
}

struct Baum {
    explicit Baum(const QStringList& ordner) {
        for (const QString& o : ordner)
            EXPECT_TRUE(QDir(tmp.path()).mkpath(o)) << o.toStdString();
    }
    QString p(const QString& unter) const { return N(tmp.path() + u'/' + unter); }
    QTemporaryDir tmp;
};

QString Benutzerdaten(const char* name) {
    return N(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u'/' + QLatin1String(name));
}

TEST(Programmordner, InstalliertUnterBeliebigemPraefix) {
    const Baum b({QStringLiteral("opt/schule/bin"), QStringLiteral("opt/schule/share/kartello-quiz/sound"),
                  QStringLiteral("opt/schule/share/kartello-quiz/hilfe"),
                  QStringLiteral("opt/schule/share/kartello-quiz/beispiele")});
    const QString bin = b.p(QStringLiteral("opt/schule/bin"));
    EXPECT_EQ(InstallierterDatenordner(bin), b.p(QStringLiteral("opt/schule/share/kartello-quiz")));
    const ProgrammOrdnerTyp o = OrdnerAusProgrammordner(bin);
    EXPECT_EQ(o.Programmordner, bin);
    EXPECT_EQ(o.Soundordner, b.p(QStringLiteral("opt/schule/share/kartello-quiz/sound")));
    EXPECT_EQ(o.Hilfeordner, b.p(QStringLiteral("opt/schule/share/kartello-quiz/hilfe")));
    EXPECT_EQ(Dokumentenordner(o), b.p(QStringLiteral("opt/schule/share/kartello-quiz/beispiele")));
    // bin/ is writable here, and still nothing is written beside an installed program
    ASSERT_TRUE(QFileInfo(bin).isWritable());
    EXPECT_EQ(o.Protokollordner, Benutzerdaten("protokolle"));
    EXPECT_EQ(o.Bestenlistenordner, Benutzerdaten("bestenlisten"));
    EXPECT_EQ(o.Kommunikationsordner, Benutzerdaten("kom"));
    EXPECT_EQ(o.Startordner, bin) << "the start folder is chosen at the first activation";
}

TEST(Programmordner, BuildOrdnerHatAllesNebenDemProgramm) {
    // A share folder without samples (a partial copy) keeps the samples beside the program.
    const Baum b(
        {QStringLiteral("bin/sound"), QStringLiteral("bin/hilfe"), QStringLiteral("share/kartello-quiz")});
    const QString bin = b.p(QStringLiteral("bin"));
    const ProgrammOrdnerTyp o = OrdnerAusProgrammordner(bin);
    EXPECT_EQ(o.Soundordner, b.p(QStringLiteral("bin/sound")));
    EXPECT_EQ(o.Hilfeordner, b.p(QStringLiteral("bin/hilfe")));
    EXPECT_EQ(Dokumentenordner(o), bin);

    const Baum nurBin({QStringLiteral("bin")});
    const QString bin2 = nurBin.p(QStringLiteral("bin"));
    const ProgrammOrdnerTyp o2 = OrdnerAusProgrammordner(bin2);
    EXPECT_TRUE(InstallierterDatenordner(bin2).isEmpty());
    EXPECT_EQ(Dokumentenordner(o2), bin2);
    EXPECT_EQ(o2.Soundordner, bin2 + QStringLiteral("sound") + QDir::separator());
    EXPECT_EQ(o2.Protokollordner, bin2 + QStringLiteral("protokolle") + QDir::separator());
}

} // namespace
