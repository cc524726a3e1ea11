#pragma once
// The results of a network exercise outlive its republication: before a new exercise
// replaces the best list and the answer records of the channel, both go with the
// exercise's document into the teacher's protocol folder.
#include "network/netz_dateien.h"

#include <QDateTime>
#include <QString>

class Warten;

inline const QString NetzArchivOrdnerName = QStringLiteral("Netzwerk-Übungen");

// "<protokollordner>Netzwerk-Übungen/<JJJJ-MM-TT HH-MM> <Kanal> <Titel>" (characters that no
// folder name may hold become "_").
QString NetzArchivOrdner(const QString& protokollordner, const QDateTime& zeit, const QString& kanal,
                         const QString& titel);

struct NetzArchivErgebnis {
    bool ok = true;
    QString ordner; // where the files went; empty when there was nothing to keep
    QString fehler; // the file that could not be kept
};

// Copies best list, answer records and document of the channel's exercise, when it has
// results, into a new folder. The time is the old exercise's publication (its settings
// file), the title its document's. Links, other non-regular files and files too large for
// the program to read are not copied; a file locked by an append is waited for a little.
// Nothing is removed.
NetzArchivErgebnis NetzErgebnisseSichern(const NetzDateienTyp& dateien, const QString& kanal,
                                         const QString& protokollordner, Warten& warten);

QString NetzArchivText(const QString& ordner);
