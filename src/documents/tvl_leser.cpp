#include "documents/tvl_datei.h"

#include "platform/dateianfang.h"

#include "data/cp1252.h"
#include "documents/tvl_beschriftung.h"
#include "documents/tvl_png.h"
#include "documents/tvl_puffer.h"

#include <QFileInfo>

// A document's bytes as far as they have been read, and the open file for more.
struct TvlEingabe {
    QByteArray daten;
    qint64 gesamt = 0;
    Dateianfang* datei = nullptr;

    // Reads on until at least `bis` bytes are held, doubling what is held so that a
    // long object list costs few re-parses; never beyond the file's size.
    bool nachladen(qint64 bis) {
        if (!datei || bis <= daten.size() || bis > gesamt) return false;
        const qint64 ziel = qMin(gesamt, qMax(bis, 2 * daten.size()));
        daten += datei->lesen(ziel - daten.size());
        return daten.size() >= bis;
    }
};

namespace {

// The smallest object record: four reals, the caption length and seven integers.
constexpr qint64 MinObjektBytes = 4 * 8 + 4 + 7 * 4;
// The folder scan reads this much at first; a longer title costs one more read.
// One page holds the magic, key list, version and title of any ordinary document;
// a longer title costs one more read of exactly the missing bytes.
constexpr qint64 KopfPrefix = 4 * 1024;

bool Text(TvlPuffer& p, QString& ziel) {
    const char* anfang = nullptr;
    int32_t laenge = 0;
    if (!p.text(anfang, laenge)) return false;
    ziel = AusCp1252(anfang, laenge);
    return true;
}

// Anything that is not a readable string starting with "KRF-" is another format.
bool MagicPasst(TvlPuffer& p) {
    const char* anfang = nullptr;
    int32_t laenge = 0;
    return p.text(anfang, laenge) && laenge >= 4 && std::memcmp(anfang, "KRF-", 4) == 0;
}

bool Schluesselliste(TvlPuffer& p, QByteArray& liste) {
    const char* anfang = nullptr;
    int32_t laenge = 0;
    if (!p.text(anfang, laenge)) return false;
    liste = QByteArray(anfang, laenge);
    return true;
}

// Optional fields keep the empty-document values of HeaderDataTyp when their key is absent.
bool KopfFelder(TvlPuffer& p, const QByteArray& s, HeaderDataTyp& h) {
    if (!Text(p, h.HD_vers) || !Text(p, h.HD_titel) || !Text(p, h.HD_autor) || !Text(p, h.HD_bemerkung))
        return false;
    if (s.contains("HD-lueckentext") && !Text(p, h.HD_lueckentext)) return false;
    if (s.contains("HD-fragentext") && !Text(p, h.HD_fragentext)) return false;
    if (s.contains("HD-AnzFrageNummern") && !p.ganzzahl(h.HD_AnzFrageNummern)) return false;
    if (s.contains("HD-DokTyp") && !p.ganzzahl(h.HD_DokTyp)) return false;
    if (s.contains("HD-RandErw")) {
        for (double& rand : h.HD_RandErw) {
            if (!p.reell(rand)) return false;
        }
    }
    if (s.contains("HD-NumArt") && !p.ganzzahl(h.HD_NumArt)) return false;
    return !s.contains("HD-GeordnetArt") || p.ganzzahl(h.HD_GeordnetArt);
}

bool Objekt(TvlPuffer& p, bool mitFrageNummer, ObjDataTyp& o) {
    const char* cap = nullptr;
    int32_t capLaenge = 0;
    if (!p.reell(o.OB_Sx) || !p.reell(o.OB_Sy) || !p.reell(o.OB_Kx) || !p.reell(o.OB_Ky) ||
        !p.text(cap, capLaenge))
        return false;
    for (int32_t* feld :
         {&o.OB_KAusr, &o.OB_TAusr, &o.OB_Ebene, &o.OB_Typ, &o.OB_Sline, &o.OB_Fsize, &o.OB_KAusrAkt}) {
        if (!p.ganzzahl(*feld)) return false;
    }
    if (mitFrageNummer && !p.ganzzahl(o.OB_FrageNummer)) return false;
    o.OB_Cap = BeschriftungDekodieren(cap, capLaenge);
    // The question number of a heading is drawn by the map itself.
    if (o.OB_Typ == ObArt::Frage && o.OB_Cap.contains(QStringLiteral("Frage Nr."))) o.OB_Cap.clear();
    return true;
}

bool Objekte(TvlPuffer& p, const QByteArray& s, std::vector<ObjDataTyp>& objekte) {
    const qint64 feld = p.position();
    int32_t anzahl = 0;
    if (!p.ganzzahl(anzahl)) return false;
    const bool mitFrageNummer = s.contains("OB-FrageNummer");
    const qint64 proObjekt = MinObjektBytes + (mitFrageNummer ? 4 : 0);
    // Checked before reserving, so a damaged count cannot demand a huge allocation.
    if (anzahl < 0 || anzahl > p.restInDatei() / proObjekt)
        return p.scheitern(feld,
                           QStringLiteral("Ungültige Objektanzahl %1 bei Byte %2.").arg(anzahl).arg(feld));
    objekte.resize(static_cast<std::size_t>(anzahl));
    for (ObjDataTyp& o : objekte) {
        if (!Objekt(p, mitFrageNummer, o)) return false;
    }
    return true;
}

// The first read of a document file: enough for the header and the objects of
// nearly every document, and for the magic of any. Files no longer than this are
// read whole, as before.
constexpr qint64 ErsterBlock = 64 * 1024;

std::size_t DateiWeiterLesen(void* kontext, unsigned char* ziel, std::size_t n) {
    auto* datei = static_cast<Dateianfang*>(kontext);
    return static_cast<std::size_t>(datei->lesenIn(reinterpret_cast<char*>(ziel), static_cast<qint64>(n)));
}

bool Bild(const TvlEingabe& e, qint64 anfang, QImage& bild, QString& fehler) {
    PngQuelle quelle;
    quelle.daten = reinterpret_cast<const unsigned char*>(e.daten.constData()) + anfang;
    quelle.laenge = static_cast<std::size_t>(e.daten.size() - anfang);
    quelle.weiter = e.datei ? DateiWeiterLesen : nullptr;
    quelle.kontext = e.datei;
    quelle.gesamt = static_cast<unsigned long long>(e.gesamt - anfang);
    return PngDekodieren(quelle, bild, fehler);
}

enum class KopfErgebnis { Ok, FalschesFormat, ZuKurz };

KopfErgebnis KopfAusPuffer(TvlPuffer& p, QString& titel, QString& vers) {
    QByteArray liste;
    if (!MagicPasst(p))
        return p.benoetigt() > 0 && p.position() > 0 ? KopfErgebnis::ZuKurz : KopfErgebnis::FalschesFormat;
    if (!Schluesselliste(p, liste) || !Text(p, vers) || !Text(p, titel)) return KopfErgebnis::ZuKurz;
    return KopfErgebnis::Ok;
}

} // namespace

bool TvlLeser::scheitern(Fehler art, const QString& text, qint64 offset) {
    m_fehler = art;
    m_fehlertext = text;
    m_fehlerOffset = offset;
    return false;
}

bool TvlLeser::scheitern(const TvlPuffer& puffer) {
    return scheitern(Fehler::Lesefehler, puffer.fehler(), puffer.fehlerOffset());
}

bool TvlLeser::lesen(const QString& pfad, Dokument& dok) {
    zuruecksetzen();
    if (!QFileInfo::exists(pfad))
        return scheitern(Fehler::FehltDatei, QStringLiteral("Die Datei existiert nicht."), -1);
    // Only regular files are read: a folder, pipe or device named like a document is refused.
    Dateianfang datei(pfad);
    if (!datei.offen())
        return scheitern(
            Fehler::Lesefehler,
            QFileInfo(pfad).isFile()
                ? QStringLiteral("Die Datei kann nicht geöffnet werden.")
                : QStringLiteral("Die Datei kann nicht geöffnet werden: keine gewöhnliche Datei."),
            -1);
    // The file is read as a stream: its first block, more only while the header and
    // objects need it, then the image up to its end marker. Bytes after it are never read.
    TvlEingabe e;
    e.gesamt = datei.groesse();
    e.datei = &datei;
    e.daten = datei.lesen(qMin(e.gesamt, ErsterBlock));
    if (e.daten.size() != qMin(e.gesamt, ErsterBlock))
        return scheitern(Fehler::Lesefehler, QStringLiteral("Die Datei kann nicht gelesen werden."),
                         e.daten.size());
    if (!ausEingabe(e, dok)) return false;
    dok.Header.Dateiname = pfad;
    return true;
}

bool TvlLeser::lesenAusDaten(const QByteArray& daten, Dokument& dok) {
    zuruecksetzen();
    TvlEingabe e;
    e.daten = daten;
    e.gesamt = daten.size();
    return ausEingabe(e, dok);
}

void TvlLeser::zuruecksetzen() {
    m_fehler = Fehler::Keiner;
    m_fehlertext.clear();
    m_fehlerOffset = -1;
}

bool TvlLeser::ausEingabe(TvlEingabe& e, Dokument& dok) {
    // Everything is built aside and moved in at the end: a failure leaves `dok` as it was.
    HeaderDataTyp kopf;
    QByteArray liste;
    std::vector<ObjDataTyp> objekte;
    qint64 bildAnfang = 0;
    for (;;) {
        TvlPuffer p(e.daten.constData(), e.daten.size(), e.gesamt);
        if (!MagicPasst(p))
            return scheitern(Fehler::FalschesFormat, QStringLiteral("Ungültiges Dateiformat."), 0);
        kopf = HeaderDataTyp();
        objekte.clear();
        if (Schluesselliste(p, liste) && KopfFelder(p, liste, kopf) && Objekte(p, liste, objekte)) {
            bildAnfang = p.position();
            break;
        }
        if (p.benoetigt() == 0 || !e.nachladen(p.benoetigt())) return scheitern(p);
    }
    QImage bild;
    QString fehler;
    if (!Bild(e, bildAnfang, bild, fehler))
        return scheitern(Fehler::Lesefehler,
                         QStringLiteral("Bild ab Byte %1: %2").arg(bildAnfang).arg(fehler), bildAnfang);
    dok.Header = std::move(kopf);
    dok.Objekte = std::move(objekte);
    dok.Basisbild = std::move(bild);
    return true;
}

bool TvlLeser::KopfAusDaten(const QByteArray& daten, QString& titel, QString& vers) {
    TvlPuffer p(daten.constData(), daten.size());
    return KopfAusPuffer(p, titel, vers) == KopfErgebnis::Ok;
}

bool TvlLeser::KopfLesen(const QString& pfad, QString& titel, QString& vers) {
    // The folder scan reads many files: only the header's bytes, no buffering.
    Dateianfang datei(pfad);
    if (!datei.offen()) return false;
    const qint64 groesse = datei.groesse();
    QByteArray prefix = datei.lesen(qMin(groesse, KopfPrefix));
    for (;;) {
        TvlPuffer p(prefix.constData(), prefix.size());
        const KopfErgebnis e = KopfAusPuffer(p, titel, vers);
        if (e != KopfErgebnis::ZuKurz) return e == KopfErgebnis::Ok;
        // Only a length that fits in the file earns another read, of exactly the missing bytes.
        if (p.benoetigt() <= prefix.size() || p.benoetigt() > groesse) return false;
        const QByteArray mehr = datei.lesen(p.benoetigt() - prefix.size());
        if (mehr.isEmpty()) return false;
        prefix.append(mehr);
    }
}
