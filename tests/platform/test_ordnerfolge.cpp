// Folders of src/ depend in one direction: a file includes only its own folder and the
// folders before it in this order, so the core of a lower subsystem never reaches into a
// window or a subsystem that is built on top of it.
#include "quelltext_hilfe.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QStringList Reihenfolge{
    QStringLiteral("data"),      QStringLiteral("platform"), QStringLiteral("widgets"),
    QStringLiteral("documents"), QStringLiteral("mapview"),  QStringLiteral("quiz"),
    QStringLiteral("results"),   QStringLiteral("network"),  QStringLiteral("worksheet"),
    QStringLiteral("output"),    QStringLiteral("shell"),    QStringLiteral("editor"),
    QStringLiteral("tool"),
};

// "datei -> ziel" for every include of a project file from a folder later in the order.
QStringList Rueckgriffe(const QString& wurzel) {
    static const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s*"([a-z_]+)/[^"]+")"),
                                            QRegularExpression::MultilineOption);
    QStringList gefunden;
    QDirIterator it(wurzel, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relativ = QDir(wurzel).relativeFilePath(it.next());
        const qsizetype eigene = Reihenfolge.indexOf(relativ.section(u'/', 0, 0));
        if (eigene < 0) continue;
        QFile f(it.filePath());
        if (!f.open(QIODevice::ReadOnly)) continue;
        const QString text = QString::fromUtf8(f.readAll());
        for (auto m = include.globalMatch(text); m.hasNext();) {
            const auto treffer = m.next();
            const qsizetype ziel = Reihenfolge.indexOf(treffer.captured(1));
            if (ziel > eigene)
                gefunden.append(relativ + QStringLiteral(" -> ") + treffer.captured(0).trimmed());
        }
    }
    return gefunden;
}

TEST(Ordnerfolge, QuellenHaengenNurVonFrueherenOrdnernAb) {
    const QStringList r = Rueckgriffe(QStringLiteral(KARTELLO_QUELL_ORDNER "/src"));
    EXPECT_TRUE(r.isEmpty()) << r.join(u'\n').toStdString();
}

TEST(Ordnerfolge, PruefungFindetGepflanztenRueckgriff) {
    QTemporaryDir tmp;
    Schreibe(tmp.filePath(QStringLiteral("quiz/gut.cpp")),
             "#include \"mapview/karte.h\"\n#include \"quiz/x.h\"\n");
    Schreibe(tmp.filePath(QStringLiteral("data/schlecht.h")), "#pragma once\n#include \"shell/av_main.h\"\n");
    Schreibe(tmp.filePath(QStringLiteral("mapview/ac_x.cpp")), "  #  include \"results/rtf_schreiber.h\"\n");
    const QStringList r = Rueckgriffe(tmp.path());
    ASSERT_EQ(r.size(), 2) << r.join(u'\n').toStdString();
    EXPECT_TRUE(r.join(u'\n').contains(QStringLiteral("data/schlecht.h -> #include \"shell/av_main.h\"")));
    EXPECT_TRUE(r.join(u'\n').contains(QStringLiteral("mapview/ac_x.cpp")));
}

} // namespace
