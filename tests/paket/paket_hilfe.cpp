#include "paket_hilfe.h"

#include <QDir>
#include <QFile>
#include <QProcess>

Lauf Ausfuehren(const QString& programm, const QStringList& argumente, const QProcessEnvironment& umgebung,
                const QString& arbeitsordner, int zeitlimitMs) {
    QProcess p;
    p.setProcessEnvironment(umgebung);
    if (!arbeitsordner.isEmpty()) p.setWorkingDirectory(arbeitsordner);
    p.start(programm, argumente);
    Lauf lauf;
    if (!p.waitForFinished(zeitlimitMs)) {
        p.kill();
        p.waitForFinished();
    }
    lauf.ausgabe = p.readAllStandardOutput();
    lauf.fehler = QString::fromUtf8(p.readAllStandardError());
    if (p.exitStatus() == QProcess::NormalExit && p.error() != QProcess::FailedToStart)
        lauf.exitCode = p.exitCode();
    return lauf;
}

XdgUmgebung::XdgUmgebung() {
    for (const QString& o : {benutzerKonfig(), systemKonfig(), daten()})
        QDir().mkpath(o);
    // A runtime folder of its own: a program started here is the only one of its "user".
    QDir().mkpath(tmp.filePath(QStringLiteral("run")));
    QFile::setPermissions(tmp.filePath(QStringLiteral("run")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QProcessEnvironment XdgUmgebung::umgebung() const {
    QProcessEnvironment u = QProcessEnvironment::systemEnvironment();
    u.insert(QStringLiteral("HOME"), tmp.path());
    u.insert(QStringLiteral("XDG_CONFIG_HOME"), benutzerKonfig());
    u.insert(QStringLiteral("XDG_CONFIG_DIRS"), systemKonfig());
    u.insert(QStringLiteral("XDG_DATA_HOME"), daten());
    u.insert(QStringLiteral("XDG_RUNTIME_DIR"), tmp.filePath(QStringLiteral("run")));
    u.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return u;
}

void XdgUmgebung::einstellungenSchreiben(const QString& konfigOrdner, const QByteArray& inhalt) const {
    const QString ordner = konfigOrdner + QStringLiteral("/Velmora");
    QDir().mkpath(ordner);
    QFile f(ordner + QStringLiteral("/Velmora Kartello-Quiz 1.0.conf"));
    if (f.open(QIODevice::WriteOnly)) f.write(inhalt);
}

QByteArray DateiLesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString BauOrdner() {
    return QDir::cleanPath(QStringLiteral(KARTELLO_BIN_ORDNER "/.."));
}
