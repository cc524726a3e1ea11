#include "tool_json.h"

#include "tool_json_leser.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QJsonArray>
#include <cmath>
#include <type_traits>
#include <variant>
#include <vector>

#include "data/av_data.h"

namespace {

// JSON has no NaN or infinity; they travel as the strings that the build command accepts back.
QJsonValue Reell(double wert) {
    if (std::isnan(wert)) return QStringLiteral("NaN");
    if (std::isinf(wert)) return wert > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    return wert;
}

// One table per record: the JSON name and the member it stands for. Writing, reading and the list
// of known keys all follow the table, so a field is named once.
template <class Satz>
using Glied = std::variant<QString Satz::*, int32_t Satz::*, double Satz::*, std::array<double, 4> Satz::*>;

template <class Satz> struct Feld {
    QString name;
    Glied<Satz> glied;
};

const std::vector<Feld<HeaderDataTyp>>& KopfTabelle() {
    using K = HeaderDataTyp;
    static const std::vector<Feld<K>> tabelle{
        {QStringLiteral("HD_vers"), &K::HD_vers},
        {QStringLiteral("HD_titel"), &K::HD_titel},
        {QStringLiteral("HD_autor"), &K::HD_autor},
        {QStringLiteral("HD_bemerkung"), &K::HD_bemerkung},
        {QStringLiteral("HD_lueckentext"), &K::HD_lueckentext},
        {QStringLiteral("HD_fragentext"), &K::HD_fragentext},
        {QStringLiteral("HD_AnzFrageNummern"), &K::HD_AnzFrageNummern},
        {QStringLiteral("HD_DokTyp"), &K::HD_DokTyp},
        {QStringLiteral("HD_RandErw"), &K::HD_RandErw},
        {QStringLiteral("HD_NumArt"), &K::HD_NumArt},
        {QStringLiteral("HD_GeordnetArt"), &K::HD_GeordnetArt},
    };
    return tabelle;
}

const std::vector<Feld<ObjDataTyp>>& ObjektTabelle() {
    using O = ObjDataTyp;
    static const std::vector<Feld<O>> tabelle{
        {QStringLiteral("OB_Sx"), &O::OB_Sx},
        {QStringLiteral("OB_Sy"), &O::OB_Sy},
        {QStringLiteral("OB_Kx"), &O::OB_Kx},
        {QStringLiteral("OB_Ky"), &O::OB_Ky},
        {QStringLiteral("OB_Cap"), &O::OB_Cap},
        {QStringLiteral("OB_KAusr"), &O::OB_KAusr},
        {QStringLiteral("OB_TAusr"), &O::OB_TAusr},
        {QStringLiteral("OB_Ebene"), &O::OB_Ebene},
        {QStringLiteral("OB_Typ"), &O::OB_Typ},
        {QStringLiteral("OB_Sline"), &O::OB_Sline},
        {QStringLiteral("OB_Fsize"), &O::OB_Fsize},
        {QStringLiteral("OB_FrageNummer"), &O::OB_FrageNummer},
        {QStringLiteral("OB_KAusrAkt"), &O::OB_KAusrAkt},
    };
    return tabelle;
}

template <class Satz> QJsonObject SatzAlsJson(const Satz& satz, const std::vector<Feld<Satz>>& tabelle) {
    QJsonObject json;
    for (const Feld<Satz>& feld : tabelle) {
        std::visit(
            [&](auto glied) {
                const auto& wert = satz.*glied;
                using Typ = std::decay_t<decltype(wert)>;
                if constexpr (std::is_same_v<Typ, std::array<double, 4>>)
                    json.insert(feld.name,
                                QJsonArray{Reell(wert[0]), Reell(wert[1]), Reell(wert[2]), Reell(wert[3])});
                else if constexpr (std::is_same_v<Typ, double>)
                    json.insert(feld.name, Reell(wert));
                else
                    json.insert(feld.name, wert);
            },
            feld.glied);
    }
    return json;
}

template <class Satz> bool SatzLesen(JsonLeser& leser, Satz& satz, const std::vector<Feld<Satz>>& tabelle) {
    for (const Feld<Satz>& feld : tabelle) {
        const bool gelesen = std::visit(
            [&](auto glied) {
                auto& wert = satz.*glied;
                using Typ = std::decay_t<decltype(wert)>;
                if constexpr (std::is_same_v<Typ, std::array<double, 4>>)
                    return leser.reellFeld(feld.name, wert);
                else if constexpr (std::is_same_v<Typ, double>)
                    return leser.reell(feld.name, wert);
                else if constexpr (std::is_same_v<Typ, int32_t>)
                    return leser.ganz(feld.name, wert);
                else
                    return leser.text(feld.name, wert);
            },
            feld.glied);
        if (!gelesen) return false;
    }
    return true;
}

template <class Satz> QStringList Namen(const std::vector<Feld<Satz>>& tabelle) {
    QStringList namen;
    for (const Feld<Satz>& feld : tabelle)
        namen.append(feld.name);
    return namen;
}

QJsonObject BildAlsJson(const QImage& bild) {
    return QJsonObject{{QStringLiteral("breite"), bild.width()},
                       {QStringLiteral("hoehe"), bild.height()},
                       {QStringLiteral("rgb_sha256"), RgbSha256(bild)}};
}

const QStringList& KopfFelder() {
    static const QStringList felder =
        Namen(KopfTabelle()) + QStringList{QStringLiteral("Basisbild"), QStringLiteral("objekte")};
    return felder;
}

const QStringList& ObjektFelder() {
    static const QStringList felder = Namen(ObjektTabelle());
    return felder;
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
        if (!leser.nurBekannte(ObjektFelder()) || !SatzLesen(leser, o, ObjektTabelle())) {
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
    QJsonArray objekte;
    for (const ObjDataTyp& o : dok.Objekte)
        objekte.append(SatzAlsJson(o, ObjektTabelle()));
    QJsonObject json = SatzAlsJson(dok.Header, KopfTabelle());
    json.insert(QStringLiteral("Basisbild"), BildAlsJson(dok.Basisbild));
    json.insert(QStringLiteral("objekte"), objekte);
    return json;
}

bool DokumentAusJson(const QJsonObject& json, const QString& ordner, Dokument& dok, QString& fehler) {
    JsonLeser leser(json, QString());
    HeaderDataTyp kopf;
    if (!leser.nurBekannte(KopfFelder()) || !SatzLesen(leser, kopf, KopfTabelle())) {
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
