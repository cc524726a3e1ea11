#pragma once
// Links of the learning view. A link's caption comes from a document that anyone may
// have written, so it is never handed to the system's "open" action unchecked: only web
// and mail addresses and plain local files (no programs, no scripts) are opened.
#include <QString>

class Meldungen;
class Shell;
class ThemenAktionen;
struct Dokument;
struct ProgrammOrdnerTyp;

// "Die Datei oder Internet-Adresse "…" kann nicht geöffnet werden."
QString LinkNichtOeffnenbarText(const QString& beschriftung);
// "Die Datei "…" existiert nicht."
QString LinkDokumentFehltText(const QString& beschriftung);

// The target a caption may be opened as: an address (http, https, ftp, mailto) or the
// absolute file URL of an existing local file that is not a program. Empty: refused.
// Relative file names are looked up in `basisordner` (the folder of the open document).
QString SichererLinkZiel(const QString& beschriftung, const QString& basisordner = {});

// Kind 4: opens a safe target through the shell; a refused target, or one the system
// cannot open, shows the error message with the caption.
bool LinkOeffnen(const QString& beschriftung, const QString& basisordner, Shell& shell, Meldungen& meldungen);

// A file that the system would run rather than show: a program or script by its name,
// or (where the file system has one) a file with execute permission.
bool IstProgrammdatei(const QString& pfad);
bool HatAusfuehrungsrecht(const QString& pfad); // per operating system

// Kind 5: a subfolder of the topic folder (caption ending in a backslash) becomes the
// topic folder and the document is closed; otherwise the named document is looked up
// beside the open document, in the start folder, in the program folder and as given,
// and the first that exists is opened and the folder list read again.
bool DokumentLinkOeffnen(const QString& beschriftung, const Dokument& dok, ProgrammOrdnerTyp& ordner,
                         ThemenAktionen& themen, Meldungen& meldungen);
