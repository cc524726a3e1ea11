#include "platform/einzelinstanz.h"

#include "platform/anmeldename.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QTimer>

namespace {

const QByteArray Quittung = QByteArrayLiteral("ok\n");
constexpr int AntwortFrist = 5000; // a client that says nothing is dropped after this

// A display name such as ":0" or "wayland-0" as a part of a file name.
QString Namensteil(QString text) {
    static const QRegularExpression fremd(QStringLiteral("[^A-Za-z0-9._-]"));
    return text.replace(fremd, QStringLiteral("_"));
}

QString Anzeige() {
    QString anzeige = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (anzeige.isEmpty()) anzeige = qEnvironmentVariable("DISPLAY");
    return anzeige.isEmpty() ? QStringLiteral("ohne-anzeige") : Namensteil(anzeige);
}

} // namespace

Einzelinstanz::Einzelinstanz(QString name, QObject* eltern) : QObject(eltern), m_name(std::move(name)) {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &Einzelinstanz::Annehmen);
}

QString Einzelinstanz::StandardName() {
    const QString laufzeit = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString basis = QStringLiteral("kartello-quiz-") + Anzeige();
    if (!laufzeit.isEmpty() && QFileInfo(laufzeit).isDir()) return QDir(laufzeit).filePath(basis);
    return basis + u'-' + Namensteil(AnmeldenameDesSystems());
}

bool Einzelinstanz::uebergeben(const QString& argument, int zeitMs) {
    QLocalSocket verbindung;
    verbindung.connectToServer(m_name);
    if (!verbindung.waitForConnected(zeitMs)) return false;
    QByteArray nachricht = argument.toUtf8();
    nachricht.replace('\n', ' '); // one line; a path with a line feed is no document anyway
    verbindung.write(nachricht + '\n');
    if (!verbindung.waitForBytesWritten(zeitMs)) return false;
    QByteArray antwort;
    while (antwort.size() < Quittung.size() && verbindung.waitForReadyRead(zeitMs))
        antwort += verbindung.read(Quittung.size() - antwort.size());
    return antwort == Quittung;
}

bool Einzelinstanz::lauschen() {
    // A socket that answers belongs to a running program. Asked first, because a server
    // with access options is set up aside and moved onto its name, over whatever is there.
    QLocalSocket probe;
    probe.connectToServer(m_name);
    if (probe.waitForConnected(1000)) return false;
    QLocalServer::removeServer(m_name); // left behind by a program that ended without cleaning up
    return m_server.listen(m_name);
}

void Einzelinstanz::Annehmen() {
    while (QLocalSocket* verbindung = m_server.nextPendingConnection()) {
        connect(verbindung, &QLocalSocket::disconnected, verbindung, &QObject::deleteLater);
        connect(verbindung, &QLocalSocket::readyRead, this, [this, verbindung] { Lesen(verbindung); });
        QTimer::singleShot(AntwortFrist, verbindung, [verbindung] { verbindung->abort(); });
        if (verbindung->bytesAvailable() > 0) Lesen(verbindung);
    }
}

void Einzelinstanz::Lesen(QLocalSocket* verbindung) {
    if (!verbindung->canReadLine()) {
        if (verbindung->bytesAvailable() > Grenze) verbindung->abort();
        return;
    }
    QByteArray zeile = verbindung->readLine(Grenze + 1);
    if (!zeile.endsWith('\n')) {
        verbindung->abort();
        return;
    }
    zeile.chop(1);
    verbindung->write(Quittung);
    verbindung->flush();
    verbindung->disconnectFromServer();
    emit angekommen(QString::fromUtf8(zeile));
}
