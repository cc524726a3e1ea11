#include "documents/tvl_datei.h"

#include "data/cp1252.h"
#include "documents/tvl_beschriftung.h"
#include "documents/tvl_png.h"
#include "documents/tvl_puffer.h"

#include <QSaveFile>

const char* const TvlSchluesselliste =
    "|HD-vers|HD-titel|HD-autor|HD-bemerkung|HD-lueckentext|HD-fragentext|HD-AnzFrageNummern|HD-DokTyp"
    "|HD-RandErw|HD-NumArt|HD-GeordnetArt|OB-Sx|OB-Sy|OB-Kx|OB-Ky|OB-Cap|OB-KAusr|OB-TAusr|OB-Ebene|OB-Typ"
    "|OB-Sline|OB-Fsize|OB-KAusrAkt|OB-FrageNummer|";
const char* const TvlMagic = "KRF-1.01";

namespace {

void Kopf(TvlPacker& p, const HeaderDataTyp& h) {
    p.text(QByteArray(TvlMagic));
    p.text(QByteArray(TvlSchluesselliste));
    for (const QString* t :
         {&h.HD_vers, &h.HD_titel, &h.HD_autor, &h.HD_bemerkung, &h.HD_lueckentext, &h.HD_fragentext})
        p.text(NachCp1252(*t));
    p.ganzzahl(h.HD_AnzFrageNummern);
    p.ganzzahl(h.HD_DokTyp);
    for (const double rand : h.HD_RandErw)
        p.reell(rand);
    p.ganzzahl(h.HD_NumArt);
    p.ganzzahl(h.HD_GeordnetArt);
}

void Objekt(TvlPacker& p, const ObjDataTyp& o) {
    for (const double wert : {o.OB_Sx, o.OB_Sy, o.OB_Kx, o.OB_Ky})
        p.reell(wert);
    p.text(BeschriftungKodieren(o.OB_Cap));
    for (const int32_t wert : {o.OB_KAusr, o.OB_TAusr, o.OB_Ebene, o.OB_Typ, o.OB_Sline, o.OB_Fsize,
                               o.OB_KAusrAkt, o.OB_FrageNummer})
        p.ganzzahl(wert);
}

} // namespace

bool TvlSchreiber::schreiben(QIODevice& ziel, const Dokument& dok) {
    QByteArray vorspann;
    vorspann.reserve(1024 + static_cast<qsizetype>(dok.Objekte.size()) * 96);
    TvlPacker p(vorspann);
    Kopf(p, dok.Header);
    p.ganzzahl(static_cast<int32_t>(dok.Objekte.size()));
    for (const ObjDataTyp& o : dok.Objekte)
        Objekt(p, o);
    if (ziel.write(vorspann) != vorspann.size()) {
        m_fehlertext =
            QStringLiteral("Die Daten können nicht geschrieben werden: %1").arg(ziel.errorString());
        return false;
    }
    QString fehler;
    if (!PngKodieren(dok.Basisbild, ziel, fehler)) {
        m_fehlertext = fehler;
        return false;
    }
    return true;
}

bool TvlSchreiber::schreiben(const QString& pfad, const Dokument& dok) {
    m_fehlertext.clear();
    // QSaveFile writes beside the target and renames only on commit; it never
    // falls back to writing the target directly.
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly)) {
        m_fehlertext = QStringLiteral("Die Datei kann nicht angelegt werden: %1").arg(datei.errorString());
        return false;
    }
    if (!schreiben(static_cast<QIODevice&>(datei), dok)) {
        datei.cancelWriting();
        return false;
    }
    if (!datei.commit()) {
        m_fehlertext =
            QStringLiteral("Die Datei kann nicht fertig geschrieben werden: %1").arg(datei.errorString());
        return false;
    }
    return true;
}
