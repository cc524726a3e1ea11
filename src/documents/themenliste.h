#pragma once
// The topic folder as a sorted list of documents: folder scan with the header
// reader, menu captions, column break, check mark, next/previous targets and
// the title texts of the window caption and the title label.
#include "documents/dokument.h"

#include <QString>
#include <functional>
#include <vector>

struct ThemenDataTyp {
    QString Titel;             // HD-titel as read by the header reader
    QString Pfad;              // topic folder + file name
    QString Sortierschluessel; // file name in lower case
};

class Themenliste final {
public:
    // Reads the header of one file: magic, key list, HD-vers, HD-titel.
    using KopfLeser = std::function<bool(const QString& pfad, QString& titel, QString& vers)>;

    // The default reader is TvlLeser::KopfLesen.
    Themenliste();
    explicit Themenliste(KopfLeser leser);

    // Rebuilds the list from the "*.tvl" files of one folder (hidden and system
    // files included, no subfolders). Unreadable files are left out; a missing
    // or unreadable folder gives an empty list.
    void OrdnerLesen(const QString& ordner);

    const std::vector<ThemenDataTyp>& Eintraege() const { return m_eintraege; }
    int Anzahl() const { return static_cast<int>(m_eintraege.size()); }
    const ThemenDataTyp& Eintrag(int index) const { return m_eintraege.at(static_cast<size_t>(index)); }
    const QString& Ordner() const { return m_ordner; }

    // "&1:  Titel" for indices 0 to 8, "10:  Titel" from the tenth on; the file
    // name stands in for a title that is blank.
    QString MenueBeschriftung(int index) const;
    // Index of the entry that starts a second menu column; -1 for none.
    int Spaltenumbruch() const { return SpaltenumbruchFuer(Anzahl()); }
    // Index of the entry whose path is exactly `dateiname`; -1 when none is.
    int IndexVon(const QString& dateiname) const;
    // Targets of next and previous; -1 for an empty list.
    int NaechstesZiel(int listenindex) const;
    int VorherigesZiel(int listenindex) const;

    static int SpaltenumbruchFuer(int anzahl);

private:
    KopfLeser m_leser;
    QString m_ordner;
    std::vector<ThemenDataTyp> m_eintraege;
};

// Selection sort by sort key, compared case-insensitively in the user's locale.
// Of equal keys the first one found stays, exactly as a selection sort with
// "strictly smaller replaces" leaves them.
void ThemenSortieren(std::vector<ThemenDataTyp>& eintraege);

// The folder part of a path including its last separator ("" for a bare name).
QString OrdnerVonPfad(const QString& pfad);

// The folder to list: that of the open document, else the topic folder.
QString ZuLesenderOrdner(const Dokument& dok, const QString& themenordner);

// Window caption: "Velmora Kartello-Quiz", with " - " + HD-titel while a document is open.
QString FensterTitelText(const Dokument& dok);
// Text of the title label of the learning view.
QString DokTitelText(const Dokument& dok);
