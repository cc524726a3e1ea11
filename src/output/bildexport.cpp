#include "output/bildexport.h"

#include "data/av_data.h"

#include <QDir>
#include <QFileInfo>

std::optional<Bildformat> BildformatFuer(const QString& dateiname) {
    const QString name = QFileInfo(dateiname).fileName();
    const qsizetype punkt = name.lastIndexOf(u'.');
    if (punkt < 0) return std::nullopt;
    const QString endung = name.mid(punkt).toLower();
    if (endung == QLatin1String(".png")) return Bildformat::Png;
    if (endung == QLatin1String(".jpg")) return Bildformat::Jpeg;
    if (endung == QLatin1String(".bmp")) return Bildformat::Bmp;
    return std::nullopt;
}

QString UngueltigeErweiterungText() {
    return QStringLiteral("Speichern fehlgeschlagen wegen ungültiger Dateinamenserweiterung.");
}

QByteArray Kodieren(const QImage& bild, Bildformat format) {
    switch (format) {
    case Bildformat::Png:
        return PngKodieren(bild);
    case Bildformat::Jpeg:
        return JpegKodieren(bild);
    case Bildformat::Bmp:
        return BmpKodieren(bild);
    }
    return {};
}

Bildexport::Ergebnis Bildexport::schreiben(const QImage& bild, const QString& pfad) {
    m_fehler.clear();
    const std::optional<Bildformat> format = BildformatFuer(pfad);
    if (!format) {
        m_fehler = UngueltigeErweiterungText();
        return Ergebnis::UngueltigeErweiterung;
    }
    const QByteArray inhalt = Kodieren(bild, *format);
    if (inhalt.isEmpty() || !DateiGanzErsetzen(pfad, inhalt)) {
        m_fehler = SchreibfehlerText(QDir::toNativeSeparators(pfad));
        return Ergebnis::Schreibfehler;
    }
    return Ergebnis::Geschrieben;
}
