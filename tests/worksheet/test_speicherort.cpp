// Where the worksheet's save dialog opens: where the protocol's and the best list's open.
#include "data/av_data.h"
#include "platform/dialoge.h"
#include "worksheet/arbeitsblatt_befehle.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(ArbeitsblattSpeicherort, ProtokollordnerSonstDokumente) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString sep = QDir::separator();
    ProgrammOrdnerTyp o = OrdnerAusProgrammordner(tmp.path());
    const QString dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString ersatz = QDir(dokumente).exists() ? dokumente : QDir::homePath();

    // The program's own protocol folder is made when first needed, as for the protocol.
    o.Protokollordner = QDir::toNativeSeparators(tmp.filePath(QStringLiteral("eigene"))) + sep;
    o.EigeneOrdner = {o.Protokollordner};
    EXPECT_EQ(ArbeitsblattStartordner(o), o.Protokollordner);
    EXPECT_TRUE(QDir(o.Protokollordner).exists());
    EXPECT_EQ(ArbeitsblattSpeicherAuftrag(ArbeitsblattStartordner(o)).Startordner, o.Protokollordner);

    // A folder set by the school that is not there: the user's documents, nothing is made.
    o.Protokollordner = QDir::toNativeSeparators(tmp.filePath(QStringLiteral("server/prot"))) + sep;
    EXPECT_EQ(ArbeitsblattStartordner(o), ersatz);
    EXPECT_FALSE(QDir(o.Protokollordner).exists());
    o.Protokollordner.clear();
    EXPECT_EQ(ArbeitsblattStartordner(o), ersatz);
}

} // namespace
