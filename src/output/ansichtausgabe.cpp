#include "output/ansichtausgabe.h"

#include "output/bildexport.h"
#include "platform/meldungen.h"
#include "platform/uhr.h"
#include "platform/zwischenablage.h"

namespace {
// Shows the hourglass for the lifetime of the object.
class Sanduhr final {
public:
    explicit Sanduhr(const WarteCursor& cursor) : m_cursor(cursor) {
        if (m_cursor) m_cursor(true);
    }
    ~Sanduhr() {
        if (m_cursor) m_cursor(false);
    }
    Sanduhr(const Sanduhr&) = delete;
    Sanduhr& operator=(const Sanduhr&) = delete;

private:
    const WarteCursor& m_cursor;
};
} // namespace

DateiDialogAuftrag ExportDialogAuftrag() {
    DateiDialogAuftrag a;
    a.Titel = QStringLiteral("Ansicht in Bilddatei speichern");
    a.Filter = {{QStringLiteral("Alle Dateien (*.*)"), QStringLiteral("*.*")},
                {QStringLiteral("PNG (*.png)"), QStringLiteral("*.png")},
                {QStringLiteral("JPEG (*.jpg)"), QStringLiteral("*.jpg")},
                {QStringLiteral("Bitmap (*.bmp)"), QStringLiteral("*.bmp")}};
    a.Standardendung = QStringLiteral("png");
    a.MussExistieren = false;
    a.UeberschreibenFragen = true;
    return a;
}

bool AnsichtExportieren(const QImage& ansicht, Dialoge& dialoge, Meldungen& meldungen,
                        const WarteCursor& cursor) {
    const std::optional<QString> pfad = dialoge.DateiSpeichern(ExportDialogAuftrag());
    if (!pfad) return false;
    if (!BildformatFuer(*pfad)) {
        meldungen.fehler(UngueltigeErweiterungText());
        return false;
    }
    Bildexport export_;
    Bildexport::Ergebnis ergebnis = Bildexport::Ergebnis::Schreibfehler;
    {
        const Sanduhr sanduhr(cursor);
        ergebnis = export_.schreiben(ansicht, *pfad);
    }
    if (ergebnis == Bildexport::Ergebnis::Geschrieben) return true;
    meldungen.fehler(export_.errorString());
    return false;
}

void AnsichtKopieren(const QImage& ansicht, Zwischenablage& zwischenablage, Warten& warten,
                     const WarteCursor& cursor) {
    const Sanduhr sanduhr(cursor);
    zwischenablage.BildSetzen(ansicht.convertToFormat(QImage::Format_RGB32));
    warten.warten(100);
}
