#pragma once
// Names of the exercise files in the communication folder. The channel is part of every
// name that is written or deleted, so a channel that could leave the folder is refused.
#include <QString>
#include <QStringList>

struct NetzDateienTyp {
    QString Dokument;      // channel + "-tvlnetzuebung.tvl"
    QString Einstellungen; // channel + "-tvlnetzuebung.dat"
    QString Bestenliste;   // channel + "-tvlnetzuebung.hsc"
    QString Marke;         // channel + "-tvlnetzuebung.okx"
    QString Antworten;     // channel + "-tvlnetzuebung.kqa", the answer records beside the best list
};

// The communication folder is used exactly as stored (it ends with the separator).
NetzDateienTyp NetzDateien(const QString& kommunikationsordner, const QString& kanal);

// A channel may not hold "/", "\", ".." or a control character: each of them could
// reach a file outside the communication folder or make a name that no share accepts.
bool KanalZulaessig(const QString& kanal);
// The refusal, naming the channel (control characters shown as "?").
QString KanalUnzulaessigText(const QString& kanal);

// Base name of the settings file, which it also carries as its format identifier.
inline const QString NetzEinstellungenName = QStringLiteral("tvlnetzuebung.dat");
