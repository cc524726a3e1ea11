#pragma once
// One program per user and display. The first start listens on a local socket; a later
// start (a document double-clicked in the file manager) hands its argument to it and ends.
#include <QLocalServer>
#include <QObject>
#include <QString>

class QLocalSocket;

class Einzelinstanz final : public QObject {
    Q_OBJECT
public:
    explicit Einzelinstanz(QString name = StandardName(), QObject* eltern = nullptr);

    // Per user and display: in the user's runtime folder where there is one, else a name
    // with the account in the system's temporary folder, open to the user only.
    static QString StandardName();

    // Hands `argument` (a full path, or empty for "show yourself") to the running program.
    // True when it took it; false when none runs or it does not answer in `zeitMs`.
    bool uebergeben(const QString& argument, int zeitMs = 5000);

    // Becomes the running program. A socket left behind by a program that ended without
    // cleaning up is replaced. False when another program answers there or no socket can
    // be set up: the program then runs on its own, as before.
    bool lauschen();

    QString name() const { return m_name; }

    // Longest argument taken; a longer message is dropped unread.
    static constexpr qint64 Grenze = 64 * 1024;

signals:
    void angekommen(const QString& argument);

private:
    void Annehmen();
    void Lesen(QLocalSocket* verbindung);

    QString m_name;
    QLocalServer m_server;
};
