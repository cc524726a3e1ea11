#pragma once
// Follows a best-list file that other computers append to: a file-system notification
// where the folder supports it, and a light poll besides, because notifications do
// not cross SMB or NFS shares. Each change calls `nachladen`; a change that could not
// be loaded yet (a writer holds the lock) is tried again at the next poll.
#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class BestListVerfolger final : public QObject {
    Q_OBJECT
public:
    static constexpr int StandardAbfrageMs = 2000;

    // `nachladen` returns true when it has taken the file's new content.
    BestListVerfolger(const QString& pfad, std::function<bool()> nachladen, int abfrageMs = StandardAbfrageMs,
                      QObject* eltern = nullptr);

    // Looks at the file now (the poll and the notifications call it).
    void pruefen();

private:
    struct Stand {
        bool vorhanden = false;
        qint64 groesse = 0;
        QDateTime zeit;
        bool operator==(const Stand&) const = default;
    };
    Stand aktuellerStand() const;
    void beobachten();

    QString m_pfad;
    std::function<bool()> m_nachladen;
    QFileSystemWatcher m_waechter;
    QTimer m_takt;
    Stand m_stand;
};
