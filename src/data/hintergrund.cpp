#include "data/hintergrund.h"

#include <QFile>
#include <QObject>
#include <QPainter>
#include <QPalette>
#include <QVariant>
#include <algorithm>

using namespace Qt::StringLiterals;

QColor FarbeAusBgr(uint32_t bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

uint32_t BgrAusFarbe(const QColor& farbe) {
    return uint32_t(farbe.red()) | (uint32_t(farbe.green()) << 8) | (uint32_t(farbe.blue()) << 16);
}

int RandFuer(const QImage& teil) {
    // A tile below the minimum keeps at least one centre pixel in each direction.
    const int rand = std::min({TeilRand, (teil.width() - 1) / 2, (teil.height() - 1) / 2});
    return std::max(rand, 0);
}

namespace {

// Draws source onto target only when both rectangles have an area; QPainter would
// otherwise treat an empty source as "the whole image".
void Strecke(QPainter& maler, const QRect& ziel, const QImage& teil, const QRect& quelle) {
    if (ziel.width() > 0 && ziel.height() > 0 && quelle.width() > 0 && quelle.height() > 0)
        maler.drawImage(ziel, teil, quelle);
}

// The right column is built on its own at full border width, so that a target narrower
// than two borders still ends with the tile's right edge.
QImage RechteSpalte(const QImage& teil, int rand, int hoehe, QImage::Format format) {
    QImage spalte(rand, hoehe, format);
    spalte.fill(Qt::transparent);
    QPainter maler(&spalte);
    maler.setCompositionMode(QPainter::CompositionMode_Source);
    const int x = teil.width() - rand;
    const int mitte = teil.height() - 2 * rand;
    Strecke(maler, QRect(0, rand, rand, hoehe - 2 * rand), teil, QRect(x, rand, rand, mitte));
    Strecke(maler, QRect(0, 0, rand, rand), teil, QRect(x, 0, rand, rand));
    Strecke(maler, QRect(0, hoehe - rand, rand, rand), teil, QRect(x, teil.height() - rand, rand, rand));
    return spalte;
}

} // namespace

QImage NeunTeilig(const QImage& teil, QSize ziel) {
    if (ziel.isEmpty()) return {};
    const bool alpha = teil.isNull() || teil.hasAlphaChannel();
    const QImage::Format format = alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    QImage bild(ziel, format);
    if (teil.isNull()) {
        bild.fill(Qt::transparent);
        return bild;
    }
    const QImage quelle = teil.convertToFormat(format);
    const int r = RandFuer(quelle);
    const int w = quelle.width(), h = quelle.height();
    const int W = ziel.width(), H = ziel.height();
    bild.fill(quelle.pixel(r, r));

    QPainter maler(&bild);
    maler.setCompositionMode(QPainter::CompositionMode_Source);
    Strecke(maler, QRect(0, 0, W, H), quelle, QRect(r, r, w - 2 * r, h - 2 * r));
    Strecke(maler, QRect(r, 0, W - 2 * r, r), quelle, QRect(r, 0, w - 2 * r, r));
    Strecke(maler, QRect(r, H - r, W - 2 * r, r), quelle, QRect(r, h - r, w - 2 * r, r));
    Strecke(maler, QRect(0, r, r, H - 2 * r), quelle, QRect(0, r, r, h - 2 * r));
    Strecke(maler, QRect(0, 0, r, r), quelle, QRect(0, 0, r, r));
    Strecke(maler, QRect(0, H - r, r, r), quelle, QRect(0, h - r, r, r));
    if (r > 0) maler.drawImage(W - r, 0, RechteSpalte(quelle, r, H, format));
    return bild;
}

ThemenFarbenTyp ThemenFarbenAus(const QImage& backTeileImg3, const QImage& backTeileImg4) {
    const auto pixel = [](const QImage& bild, int x, int y) {
        return bild.valid(x, y) ? QColor::fromRgb(bild.pixel(x, y)) : QColor();
    };
    return {pixel(backTeileImg3, 0, 0), pixel(backTeileImg3, TeilRand, TeilRand),
            pixel(backTeileImg4, TeilRand, TeilRand)};
}

ThemenFarbenTyp ThemenFarben() {
    return ThemenFarbenAus(RessourcenBild(QStringLiteral("BackTeileImg3")),
                           RessourcenBild(QStringLiteral("BackTeileImg4")));
}

QColor KnopfFarbe() {
    return FarbeAusBgr(KnopfFarbeBgr);
}

WerkzeugKnopfStilTyp WerkzeugKnopfStil() {
    return {};
}

QColor StartInfoTextFarbe() {
    return FarbeAusBgr(6975343);
}

QString BildPfad(const QString& name) {
    return u":/bilder/"_s + name + u".png"_s;
}

QImage RessourcenBild(const QString& name) {
    QImage bild(BildPfad(name));
    return bild;
}

QStringList Hintergrundteile() {
    return {QStringLiteral("BackTeileImg2"), QStringLiteral("BackTeileImg3"),
            QStringLiteral("BackTeileImg3Tit"), QStringLiteral("BackTeileImg4")};
}

QStringList Glyphen() {
    QStringList namen;
    for (const char* name :
         {"programm",    "programm16",   "programm32", "startseite", "quiz",        "bestenliste",
          "pfeil_links", "pfeil_rechts", "haekchen",   "kreuz",      "ok",          "abbrechen",
          "drucken",     "speichern",    "kopieren",   "schliessen", "wiederholen", "protokoll",
          "ordner",      "mail",         "hilfe",      "info"})
        namen << u"glyphen/"_s + QString::fromLatin1(name);
    return namen;
}

QString TeilName(HintergrundArt art) {
    switch (art) {
    case HintergrundArt::Kartenbereich:
        return QStringLiteral("BackTeileImg3");
    case HintergrundArt::Titel:
        return QStringLiteral("BackTeileImg3Tit");
    case HintergrundArt::Dialog:
        return QStringLiteral("BackTeileImg4");
    case HintergrundArt::Kopfleiste:
        return QStringLiteral("BackTeileImg2");
    }
    return {};
}

QImage Hintergrund(HintergrundArt art, QSize ziel) {
    return NeunTeilig(RessourcenBild(TeilName(art)), ziel);
}

const std::vector<RessourcenCursorTyp>& RessourcenCursorListe() {
    static const std::vector<RessourcenCursorTyp> liste{
        {QStringLiteral("DRAGBLACK"), {1, 1}}, {QStringLiteral("STIFT5"), {2, 29}},
        {QStringLiteral("MARKER25"), {3, 28}}, {QStringLiteral("RADIER32"), {7, 26}},
        {QStringLiteral("PFEILMOVE"), {1, 1}}, {QStringLiteral("HAEKCHEN"), {11, 26}},
        {QStringLiteral("KREUZ"), {15, 15}},   {QStringLiteral("TEXTEINGABE"), {15, 15}},
        {QStringLiteral("HAND"), {15, 14}},
    };
    return liste;
}

CursorBildTyp CursorBild(const QString& name) {
    const auto& liste = RessourcenCursorListe();
    const auto it = std::find_if(liste.begin(), liste.end(),
                                 [&](const RessourcenCursorTyp& c) { return c.Name == name; });
    if (it == liste.end()) return {};
    return {RessourcenBild(u"cursor/"_s + name), it->Hotspot};
}
