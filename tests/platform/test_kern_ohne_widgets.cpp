// The core must build and run without QtWidgets: every file of src/ that is not a
// window file (ac_*, av_* except av_data*) and not in widgets/ is checked for
// includes of widget headers. The program's main.cpp is the one exception.
#include "quelltext_hilfe.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Same split as src/CMakeLists.txt.
bool IstKerndatei(const QString& relativ) {
    static const QRegularExpression ui(QStringLiteral("(^|/)(ac|av)_[^/]*$|(^|/)widgets/"));
    // The programs' main files stay out of the core, as the build leaves them out.
    if (relativ.endsWith(QStringLiteral("shell/main.cpp")) ||
        relativ.endsWith(QStringLiteral("editor/main.cpp")))
        return false;
    if (relativ.contains(QStringLiteral("data/av_data"))) return true;
    return !ui.match(relativ).hasMatch();
}

// Class headers of QtWidgets: from the installed headers where present, else the common ones.
QSet<QString> WidgetKopfdateien() {
    QSet<QString> namen{
        QStringLiteral("QtWidgets"),       QStringLiteral("QWidget"),     QStringLiteral("QDialog"),
        QStringLiteral("QMessageBox"),     QStringLiteral("QMainWindow"), QStringLiteral("QApplication"),
        QStringLiteral("QLabel"),          QStringLiteral("QMenu"),       QStringLiteral("QMenuBar"),
        QStringLiteral("QPushButton"),     QStringLiteral("QFileDialog"), QStringLiteral("QStyle"),
        QStringLiteral("QAbstractButton"), QStringLiteral("QFrame"),      QStringLiteral("QLayout"),
        QStringLiteral("QVBoxLayout"),     QStringLiteral("QHBoxLayout"), QStringLiteral("QScrollArea"),
        QStringLiteral("QLineEdit"),       QStringLiteral("QTextEdit"),   QStringLiteral("QToolTip"),
    };
    const QDir kopf(QLibraryInfo::path(QLibraryInfo::HeadersPath) + QStringLiteral("/QtWidgets"));
    for (const QString& name : kopf.entryList(QDir::Files))
        namen.insert(name);
    return namen;
}

// "datei: #include <...>" for every widget include in a core file below `wurzel`.
QStringList Verstoesse(const QString& wurzel) {
    static const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s*[<"]([^>"]+)[>"])"),
                                            QRegularExpression::MultilineOption);
    const QSet<QString> verboten = WidgetKopfdateien();
    QStringList gefunden;
    QDirIterator it(wurzel, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pfad = it.next();
        const QString relativ = QDir(wurzel).relativeFilePath(pfad);
        if (!IstKerndatei(relativ)) continue;
        QFile f(pfad);
        if (!f.open(QIODevice::ReadOnly)) continue;
        const QString text = QString::fromUtf8(f.readAll());
        for (auto m = include.globalMatch(text); m.hasNext();) {
            const QString ziel = m.next().captured(1);
            const QString erstes = ziel.section(u'/', 0, 0);
            const QString letztes = ziel.section(u'/', -1);
            if (erstes == QStringLiteral("QtWidgets") || verboten.contains(letztes))
                gefunden.append(relativ + QStringLiteral(": ") + ziel);
        }
    }
    return gefunden;
}

TEST(KernOhneWidgets, EinteilungWieImBuild) {
    EXPECT_TRUE(IstKerndatei(QStringLiteral("documents/themenliste.cpp")));
    EXPECT_TRUE(IstKerndatei(QStringLiteral("data/av_data.cpp")));
    EXPECT_TRUE(IstKerndatei(QStringLiteral("data/av_data_extra.h")));
    EXPECT_FALSE(IstKerndatei(QStringLiteral("shell/av_main.cpp")));
    EXPECT_FALSE(IstKerndatei(QStringLiteral("quiz/ac_uebopt.h")));
    EXPECT_FALSE(IstKerndatei(QStringLiteral("widgets/hoverpanel.cpp")));
    EXPECT_FALSE(IstKerndatei(QStringLiteral("shell/main.cpp")));
    EXPECT_TRUE(IstKerndatei(QStringLiteral("tool/main.cpp"))) << "the tool links the core only";
}

TEST(KernOhneWidgets, PruefungFindetVerstoesse) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    Schreibe(tmp.filePath(QStringLiteral("quiz/quiz.cpp")), "#include <QImage>\n#include <QMessageBox>\n");
    Schreibe(tmp.filePath(QStringLiteral("quiz/ac_uebopt.cpp")), "#include <QDialog>\n");
    Schreibe(tmp.filePath(QStringLiteral("data/av_data.cpp")), "  #  include <QtWidgets/QLabel>\n");
    Schreibe(tmp.filePath(QStringLiteral("widgets/knopf.cpp")), "#include <QPushButton>\n");
    Schreibe(tmp.filePath(QStringLiteral("karte/karte.h")), "#include <QtWidgets>\n#include <QAction>\n");
    QStringList gefunden = Verstoesse(tmp.path());
    gefunden.sort();
    EXPECT_EQ(gefunden, (QStringList{QStringLiteral("data/av_data.cpp: QtWidgets/QLabel"),
                                     QStringLiteral("karte/karte.h: QtWidgets"),
                                     QStringLiteral("quiz/quiz.cpp: QMessageBox")}));
}

TEST(KernOhneWidgets, QuellenDesProgramms) {
    const QString src = QStringLiteral(KARTELLO_QUELL_ORDNER) + QStringLiteral("/src");
    ASSERT_TRUE(QFileInfo(src).isDir());
    const QStringList gefunden = Verstoesse(src);
    EXPECT_TRUE(gefunden.isEmpty()) << gefunden.join(u'\n').toStdString();
}

} // namespace
