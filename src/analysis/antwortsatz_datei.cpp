#include "analysis/antwortsatz_datei.h"

#include "platform/geteilte_datei.h"

#include <QFileInfo>

QString KqaPfadZuBestenliste(const QString& bestListPfad) {
    const QFileInfo info(bestListPfad);
    QString pfad = bestListPfad;
    pfad.chop(info.suffix().size());
    return info.suffix().isEmpty() ? bestListPfad + QStringLiteral(".kqa") : pfad + QStringLiteral("kqa");
}

bool KqaAnhaengen(const QString& pfad, const KqaLauf& lauf, Warten& warten, QString& fehler,
                  AnhangSchicht* schicht) {
    const GeteiltErgebnis e =
        GeteiltAnhaengen(pfad, {}, KqaZeile(lauf) + '\n', warten, schicht, AnhangArt::Zeilen);
    fehler = e.fehler;
    return e.ok;
}
