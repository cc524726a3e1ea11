#pragma once
// The view as an image file: PNG, JPEG or a plain 24-bit Windows bitmap, chosen by the
// file name's extension. The main window's export and "kartello-tool render" share it,
// so both accept the same names and write the same bytes.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

enum class Bildformat { Png, Jpeg, Bmp };

inline constexpr int PngKompressionsstufe = 5;
inline constexpr int JpegQualitaet = 99;

// ".png", ".jpg" and ".bmp" in any case; every other extension, ".jpeg" included, and a
// name without one give none.
std::optional<Bildformat> BildformatFuer(const QString& dateiname);
QString UngueltigeErweiterungText();

// The encoders take the 32-bit picture as a 24-bit one (alpha dropped, as a device-
// independent bitmap conversion does). An empty result means the picture could not be
// encoded (null, or too large for the format).
QByteArray PngKodieren(const QImage& bild);
QByteArray JpegKodieren(const QImage& bild);
QByteArray BmpKodieren(const QImage& bild);
QByteArray Kodieren(const QImage& bild, Bildformat format);

// Replaces the file `pfad` by `inhalt` through a temporary file beside it that is renamed
// into place: an earlier file of that name stays intact when anything fails, and no
// half-written file is left behind (GeteiltErsetzen: a link there is replaced, not followed).
bool DateiGanzErsetzen(const QString& pfad, const QByteArray& inhalt);

class Bildexport final {
public:
    enum class Ergebnis { Geschrieben, UngueltigeErweiterung, Schreibfehler };
    Ergebnis schreiben(const QImage& bild, const QString& pfad);
    // The German message for the last failure, ready to be shown.
    QString errorString() const { return m_fehler; }

private:
    QString m_fehler;
};
