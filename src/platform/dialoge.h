#pragma once
// Port: the modal choosers a command flow needs (open, save, folder, printer). An empty
// optional means the user cancelled. The Qt implementation parents each chooser to the
// window that is active at the moment, so it opens above a window that stays on top.
#include <QString>
#include <optional>
#include <utility>
#include <vector>

class QPrinter;

// What a file chooser is asked to show.
struct DateiDialogAuftrag {
    QString Titel;
    std::vector<std::pair<QString, QString>> Filter; // description, pattern
    QString Standardendung;                          // without the dot
    QString Startordner;
    QString Dateiname;
    bool MussExistieren = true;       // open: the file must exist
    bool UeberschreibenFragen = true; // save: ask before replacing a file
};

class Dialoge {
public:
    virtual ~Dialoge() = default;
    virtual std::optional<QString> DateiOeffnen(const DateiDialogAuftrag& auftrag) = 0;
    virtual std::optional<QString> DateiSpeichern(const DateiDialogAuftrag& auftrag) = 0;
    virtual std::optional<QString> OrdnerWaehlen(const QString& titel, const QString& vorauswahl) = 0;
    // Lets the user set up `drucker`; where no printer is installed the user chooses a PDF
    // file instead, asked for as `pdfDatei`. False when cancelled.
    virtual bool DruckerWaehlen(QPrinter& drucker, const DateiDialogAuftrag& pdfDatei) = 0;
    // The same with the PDF chooser of PdfDateiAuftrag.
    bool DruckerWaehlen(QPrinter& drucker, const QString& pdfTitel, const QString& pdfVorschlag) {
        return DruckerWaehlen(drucker, PdfDateiAuftrag(pdfTitel, pdfVorschlag));
    }

    // The PDF file chooser: `vorschlag` is the suggested file (with its folder). With
    // `endungErgaenzen` a name typed without an ending gets ".pdf"; the older windows take
    // the name as typed.
    static DateiDialogAuftrag PdfDateiAuftrag(const QString& titel, const QString& vorschlag,
                                              bool endungErgaenzen = true) {
        DateiDialogAuftrag a;
        a.Titel = titel;
        a.Filter = {{QStringLiteral("PDF-Dokument (*.pdf)"), QStringLiteral("*.pdf")}};
        if (endungErgaenzen) a.Standardendung = QStringLiteral("pdf");
        a.Dateiname = vorschlag;
        return a;
    }

    // A save chooser for one kind of file ("`art` (*.`endung`)") and "Alle Dateien (*.*)",
    // starting in `ordner`; a name typed without an ending gets `endung`.
    static DateiDialogAuftrag SpeichernAuftrag(const QString& titel, const QString& art,
                                               const QString& endung, const QString& ordner) {
        const QString muster = QStringLiteral("*.") + endung;
        DateiDialogAuftrag a;
        a.Titel = titel;
        a.Filter = {{art + QStringLiteral(" (") + muster + QStringLiteral(")"), muster},
                    {QStringLiteral("Alle Dateien (*.*)"), QStringLiteral("*.*")}};
        a.Standardendung = endung;
        a.Startordner = ordner;
        return a;
    }
};
