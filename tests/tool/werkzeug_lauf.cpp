#include "werkzeug_lauf.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>

WerkzeugErgebnis WerkzeugStarten(const QStringList& argumente) {
    QProcess prozess;
    prozess.start(QStringLiteral(KARTELLO_BIN_ORDNER "/kartello-tool"), argumente);
    WerkzeugErgebnis ergebnis;
    if (!prozess.waitForFinished(60000) || prozess.exitStatus() != QProcess::NormalExit) return ergebnis;
    ergebnis.exitCode = prozess.exitCode();
    ergebnis.ausgabe = prozess.readAllStandardOutput();
    ergebnis.fehler = QString::fromUtf8(prozess.readAllStandardError());
    return ergebnis;
}

namespace {

ObjDataTyp Objekt(double sx, double sy, double kx, double ky, const QString& cap, int32_t typ) {
    ObjDataTyp o;
    o.OB_Sx = sx;
    o.OB_Sy = sy;
    o.OB_Kx = kx;
    o.OB_Ky = ky;
    o.OB_Cap = cap;
    o.OB_Typ = typ;
    return o;
}

} // namespace

Dokument TestDokument() {
    Dokument dok;
    HeaderDataTyp& k = dok.Header;
    k.HD_vers = QStringLiteral("1.00");
    k.HD_titel = QStringLiteral("Flüsse & Seen, \"Test\"");
    k.HD_autor = QStringLiteral("Jörg Müller");
    k.HD_bemerkung = QStringLiteral("Zeile 1\r\nZeile 2");
    k.HD_lueckentext = QStringLiteral("Der <<Rhein>> fließt in die <b>Nordsee</b>.");
    k.HD_fragentext = QStringLiteral("Frage A // Antwort A\r\nFrage B");
    k.HD_AnzFrageNummern = 2;
    k.HD_DokTyp = 1;
    k.HD_RandErw = {0.1, 0.0, 1.0 / 3.0, 0.25};
    k.HD_NumArt = 1;
    k.HD_GeordnetArt = 7;
    dok.Objekte.push_back(Objekt(0.1, 0.2, 1.0 / 3.0, 2.0 / 3.0, QStringLiteral("Bodensee"), 0));
    dok.Objekte.push_back(Objekt(1e-300, 0.123456789012345678, 0.9999999999999999, 5e-324,
                                 QStringLiteral("Schwäbische\r\nAlb"), 0));
    dok.Objekte.push_back(Objekt(0.5, 0.5, 0.5, 0.5, QStringLiteral("Komma, \"Zitat\" und Blank"), 3));
    dok.Objekte.push_back(Objekt(0, 0, 0, 0, QString(), 2));
    ObjDataTyp& letztes = dok.Objekte.back();
    letztes.OB_KAusr = 4;
    letztes.OB_TAusr = 2;
    letztes.OB_Ebene = 2;
    letztes.OB_Sline = 1;
    letztes.OB_Fsize = -3;
    letztes.OB_FrageNummer = 12;
    letztes.OB_KAusrAkt = 3;
    QImage bild(7, 5, QImage::Format_ARGB32);
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            bild.setPixel(x, y, qRgb(x * 36, y * 60, (x * 7 + y * 13) % 256));
    dok.Basisbild = bild;
    return dok;
}

QString RgbHashUnabhaengig(const QImage& bild) {
    QByteArray bytes;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb p = bild.pixel(x, y);
            bytes.append(char(qRed(p))).append(char(qGreen(p))).append(char(qBlue(p)));
        }
    }
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QByteArray DateiInhalt(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

QJsonObject JsonAusDatei(const QString& pfad) {
    return QJsonDocument::fromJson(DateiInhalt(pfad)).object();
}

void JsonSchreiben(const QString& pfad, const QJsonObject& json) {
    QFile datei(pfad);
    if (datei.open(QIODevice::WriteOnly)) datei.write(QJsonDocument(json).toJson());
}
