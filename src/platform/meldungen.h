#pragma once
// Port: modal message boxes with German titles and buttons.
#include <QString>

enum class MeldungsArt { Warnung, Fehler, Information, Bestaetigung };
enum class Knoepfe { OK, JaNein, JaNeinAbbrechen };
enum class Antwort { OK, Ja, Nein, Abbrechen };

class Meldungen {
public:
    virtual ~Meldungen() = default;
    virtual Antwort zeigen(MeldungsArt art, const QString& text, Knoepfe knoepfe) = 0;

    void fehler(const QString& text) { zeigen(MeldungsArt::Fehler, text, Knoepfe::OK); }
    void information(const QString& text) { zeigen(MeldungsArt::Information, text, Knoepfe::OK); }
    // A confirmation question with Yes and No; true for Yes.
    bool frageJaNein(const QString& text) {
        return zeigen(MeldungsArt::Bestaetigung, text, Knoepfe::JaNein) == Antwort::Ja;
    }
};

// Title of a message box of that kind: "Warnung", "Fehler", "Information", "Bestätigung".
QString MeldungsTitel(MeldungsArt art);
