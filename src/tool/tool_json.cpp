#include "tool_json.h"

#include "tool_json_leser.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QJsonArray>
#include <cmath>

#include "data/av_data.h"

namespace {

// JSON has no NaN or infinity; they travel as the strings that the build command accepts back.
QJsonValue Reell(double wert) {
    if (std::isnan(wert)) return QStringLiteral("NaN");
    if (std::isinf(wert)) return wert > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    return wert;
}

QJsonObject ObjektAlsJson(const ObjDataTyp& o) {
    return QJsonObject{
        {QStringLiteral("OB_Sx"), Reell(o.OB_Sx)},      {QStringLiteral("OB_Sy"), Reell(o.OB_Sy)},
        {QStringLiteral("OB_Kx"), Reell(o.OB_Kx)},      {QStringLiteral("OB_Ky"), Reell(o.OB_Ky)},
        {QStringLiteral("OB_Cap"), o.OB_Cap},           {QStringLiteral("OB_KAusr"), o.OB_KAusr},
        {QStringLiteral("OB_TAusr"), o.OB_TAusr},       {QStringLiteral("OB_Ebene"), o.OB_Ebene},
        {QStringLiteral("OB_Typ"), o.OB_Typ},           {QStringLiteral("OB_Sline"), o.OB_Sline},
        {QStringLiteral("OB_Fsize"), o.OB_Fsize},       {QStringLiteral("OB_FrageNummer"), o.OB_FrageNummer},
        {QStringLiteral("OB_KAusrAkt"), o.OB_KAusrAkt},
    };
}

QJsonObject BildAlsJson(const QImage& bild) {
    return QJsonObject{{QStringLiteral("breite"), bild.width()},
                       {QStringLiteral("hoehe"), bild.height()},
                       {QStringLiteral("rgb_sha256"), RgbSha256(bild)}};
}

const QStringList& KopfFelder() {
    static const QStringList felder{QStringLiteral("HD_vers"),
                                    QStringLiteral("HD_titel"),
                                    QStringLiteral("HD_autor"),
                                    QStringLiteral("HD_bemerkung"),
                                    QStringLiteral("HD_lueckentext"),
                                    QStringLiteral("HD_fragentext"),
                                    QStringLiteral("HD_AnzFrageNummern"),
                                    QStringLiteral("HD_DokTyp"),
                                    QStringLiteral("HD_RandErw"),
                                    QStringLiteral("HD_NumArt"),
                                    QStringLiteral("HD_GeordnetArt"),
                                    QStringLiteral("Basisbild"),
                                    QStringLiteral("objekte")};
    return felder;
}

const QStringList& ObjektFelder() {
    static const QStringList felder{
        QStringLiteral("OB_Sx"),      QStringLiteral("OB_Sy"),    QStringLiteral("OB_Kx"),
        QStringLiteral("OB_Ky"),      QStringLiteral("OB_Cap"),   QStringLiteral("OB_KAusr"),
        QStringLiteral("OB_TAusr"),   QStringLiteral("OB_Ebene"), QStringLiteral("OB_Typ"),
        QStringLiteral("OB_Sline"),   QStringLiteral("OB_Fsize"), QStringLiteral("OB_FrageNummer"),
        QStringLiteral("OB_KAusrAkt")};
    return felder;
}

bool KopfLesen(JsonLeser& leser, HeaderDataTyp& kopf) {
    return leser.text(QStringLiteral("HD_vers"), kopf.HD_vers) &&
           leser.text(QStringLiteral("HD_titel"), kopf.HD_titel) &&
           leser.text(QStringLiteral("HD_autor"), kopf.HD_autor) &&
           leser.text(QStringLiteral("HD_bemerkung"), kopf.HD_bemerkung) &&
           leser.text(QStringLiteral("HD_lueckentext"), kopf.HD_lueckentext) &&
           leser.text(QStringLiteral("HD_fragentext"), kopf.HD_fragentext) &&
           leser.ganz(QStringLiteral("HD_AnzFrageNummern"), kopf.HD_AnzFrageNummern) &&
           leser.ganz(QStringLiteral("HD_DokTyp"), kopf.HD_DokTyp) &&
           leser.reellFeld(QStringLiteral("HD_RandErw"), kopf.HD_RandErw) &&
           leser.ganz(QStringLiteral("HD_NumArt"), kopf.HD_NumArt) &&
           leser.ganz(QStringLiteral("HD_GeordnetArt"), kopf.HD_GeordnetArt);
}

bool ObjektLesen(JsonLeser& leser, ObjDataTyp& o) {
    return leser.reell(QStringLiteral("OB_Sx"), o.OB_Sx) && leser.reell(QStringLiteral("OB_Sy"), o.OB_Sy) &&
           leser.reell(QStringLiteral("OB_Kx"), o.OB_Kx) && leser.reell(QStringLiteral("OB_Ky"), o.OB_Ky) &&
           leser.text(QStringLiteral("OB_Cap"), o.OB_Cap) &&
           leser.ganz(QStringLiteral("OB_KAusr"), o.OB_KAusr) &&
           leser.ganz(QStringLiteral("OB_TAusr"), o.OB_TAusr) &&
           leser.ganz(QStringLiteral("OB_Ebene"), o.OB_Ebene) &&
           leser.ganz(QStringLiteral("OB_Typ"), o.OB_Typ) &&
           leser.ganz(QStringLiteral("OB_Sline"), o.OB_Sline) &&
           leser.ganz(QStringLiteral("OB_Fsize"), o.OB_Fsize) &&
           leser.ganz(QStringLiteral("OB_FrageNummer"), o.OB_FrageNummer) &&
           leser.ganz(QStringLiteral("OB_KAusrAkt"), o.OB_KAusrAkt);
}

bool ObjekteLesen(const QJsonObject& json, std::vector<ObjDataTyp>& objekte, QString& fehler) {
    const QJsonValue liste = json.value(QStringLiteral("objekte"));
    if (!liste.isArray()) {
        fehler = liste.isUndefined() ? QStringLiteral("Feld \"objekte\" fehlt.")
                                     : QStringLiteral("Feld \"objekte\" muss eine Liste sein.");
        return false;
    }
    const QJsonArray feld = liste.toArray();
    for (qsizetype i = 0; i < feld.size(); ++i) {
        const QString ort = QStringLiteral(" in Objekt %1").arg(i + 1);
        if (!feld.at(i).isObject()) {
            fehler = QStringLiteral("Objekt %1 muss ein JSON-Objekt sein.").arg(i + 1);
            return false;
        }
        JsonLeser leser(feld.at(i).toObject(), ort);
        ObjDataTyp o;
        if (!leser.nurBekannte(ObjektFelder()) || !ObjektLesen(leser, o)) {
            fehler = leser.fehler();
            return false;
        }
        objekte.push_back(o);
    }
    return true;
}

bool BildLesen(const QJsonObject& json, const QString& ordner, QImage& bild, QString& fehler) {
    const QJsonValue wert = json.value(QStringLiteral("Basisbild"));
    if (wert.isUndefined()) {
        fehler = QStringLiteral("Feld \"Basisbild\" fehlt.");
        return false;
    }
    const QJsonValue datei = wert.toObject().value(QStringLiteral("datei"));
    if (!wert.isObject() || !datei.isString() || wert.toObject().size() != 1) {
        fehler =
            QStringLiteral("Feld \"Basisbild\" muss ein Objekt der Form {\"datei\": \"bild.png\"} sein.");
        return false;
    }
    const QString pfad = QDir(ordner).filePath(datei.toString());
    if (!QFileInfo(pfad).isFile()) {
        fehler = FehltText(QDir::toNativeSeparators(pfad));
        return false;
    }
    QImageReader leser(pfad);
    QImage geladen = leser.read();
    if (geladen.isNull()) {
        fehler = LesefehlerText(QDir::toNativeSeparators(pfad), leser.errorString());
        return false;
    }
    bild = geladen.convertToFormat(QImage::Format_ARGB32);
    return true;
}

} // namespace

QString RgbSha256(const QImage& bild) {
    // The reader's formats are hashed in place; any other is converted one row at a
    // time, so a large image never costs a second full raster.
    const bool direkt = bild.format() == QImage::Format_RGB32 || bild.format() == QImage::Format_ARGB32;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray zeile(qsizetype(bild.width()) * 3, Qt::Uninitialized);
    for (int y = 0; y < bild.height(); ++y) {
        const QImage einzeln =
            direkt ? QImage() : bild.copy(0, y, bild.width(), 1).convertToFormat(QImage::Format_ARGB32);
        const auto* pixel =
            reinterpret_cast<const QRgb*>(direkt ? bild.constScanLine(y) : einzeln.constScanLine(0));
        for (int x = 0; x < bild.width(); ++x) {
            zeile[3 * x] = char(qRed(pixel[x]));
            zeile[3 * x + 1] = char(qGreen(pixel[x]));
            zeile[3 * x + 2] = char(qBlue(pixel[x]));
        }
        hash.addData(zeile);
    }
    return QString::fromLatin1(hash.result().toHex());
}

QJsonObject DokumentAlsJson(const Dokument& dok) {
    const HeaderDataTyp& k = dok.Header;
    QJsonArray objekte;
    for (const ObjDataTyp& o : dok.Objekte)
        objekte.append(ObjektAlsJson(o));
    return QJsonObject{
        {QStringLiteral("HD_vers"), k.HD_vers},
        {QStringLiteral("HD_titel"), k.HD_titel},
        {QStringLiteral("HD_autor"), k.HD_autor},
        {QStringLiteral("HD_bemerkung"), k.HD_bemerkung},
        {QStringLiteral("HD_lueckentext"), k.HD_lueckentext},
        {QStringLiteral("HD_fragentext"), k.HD_fragentext},
        {QStringLiteral("HD_AnzFrageNummern"), k.HD_AnzFrageNummern},
        {QStringLiteral("HD_DokTyp"), k.HD_DokTyp},
        {QStringLiteral("HD_RandErw"), QJsonArray{Reell(k.HD_RandErw[0]), Reell(k.HD_RandErw[1]),
                                                  Reell(k.HD_RandErw[2]), Reell(k.HD_RandErw[3])}},
        {QStringLiteral("HD_NumArt"), k.HD_NumArt},
        {QStringLiteral("HD_GeordnetArt"), k.HD_GeordnetArt},
        {QStringLiteral("Basisbild"), BildAlsJson(dok.Basisbild)},
        {QStringLiteral("objekte"), objekte},
    };
}

bool DokumentAusJson(const QJsonObject& json, const QString& ordner, Dokument& dok, QString& fehler) {
    JsonLeser leser(json, QString());
    HeaderDataTyp kopf;
    if (!leser.nurBekannte(KopfFelder()) || !KopfLesen(leser, kopf)) {
        fehler = leser.fehler();
        return false;
    }
    std::vector<ObjDataTyp> objekte;
    QImage bild;
    if (!ObjekteLesen(json, objekte, fehler) || !BildLesen(json, ordner, bild, fehler)) return false;
    dok.Header = kopf;
    dok.Objekte = std::move(objekte);
    dok.Basisbild = bild;
    return true;
}
