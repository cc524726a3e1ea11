#include "documents/tvl_beschriftung.h"

#include "data/cp1252.h"

#include <QList>
#include <QStringView>

namespace {

bool IstLeerOderSteuer(unsigned char b) {
    return b >= 1 && b <= 32;
}

bool BrauchtAnfuehrung(const QByteArray& zeile) {
    for (const char c : zeile) {
        const auto b = static_cast<unsigned char>(c);
        if (IstLeerOderSteuer(b) || b == '"' || b == ',') return true;
    }
    return false;
}

// Lines end at CR, LF or CR LF; a final line end does not open another line.
QList<QStringView> Zeilen(QStringView text) {
    QList<QStringView> zeilen;
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') continue;
        zeilen.append(text.sliced(anfang, i - anfang));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        anfang = i + 1;
    }
    if (anfang < text.size()) zeilen.append(text.sliced(anfang));
    return zeilen;
}

class Zerleger final {
public:
    Zerleger(const char* daten, qsizetype laenge) : m_d(daten), m_n(laenge) {}

    bool amEnde() const { return m_pos >= m_n; }
    unsigned char byte() const { return static_cast<unsigned char>(m_d[m_pos]); }

    void leerUeberspringen() {
        while (!amEnde() && IstLeerOderSteuer(byte()))
            ++m_pos;
    }

    QByteArray token() {
        if (byte() == '"') return angefuehrt();
        const qsizetype anfang = m_pos;
        while (!amEnde() && byte() >= 33 && byte() != ',')
            ++m_pos;
        return QByteArray(m_d + anfang, m_pos - anfang);
    }

    // Blanks, then at most one comma with the blanks after it.
    void trennerUeberspringen() {
        leerUeberspringen();
        if (!amEnde() && byte() == ',') {
            ++m_pos;
            leerUeberspringen();
        }
    }

    qsizetype position() const { return m_pos; }
    void weiter() { ++m_pos; }

private:
    QByteArray angefuehrt() {
        QByteArray wert;
        ++m_pos;
        while (!amEnde()) {
            const char c = m_d[m_pos++];
            if (c != '"') {
                wert.append(c);
            } else if (!amEnde() && byte() == '"') {
                wert.append('"');
                ++m_pos;
            } else {
                break;
            }
        }
        return wert;
    }

    const char* m_d;
    qsizetype m_n;
    qsizetype m_pos = 0;
};

QByteArray OhneAussenleer(const QByteArray& text) {
    qsizetype anfang = 0;
    qsizetype ende = text.size();
    while (anfang < ende && static_cast<unsigned char>(text[anfang]) <= 32)
        ++anfang;
    while (ende > anfang && static_cast<unsigned char>(text[ende - 1]) <= 32)
        --ende;
    return text.mid(anfang, ende - anfang);
}

} // namespace

QByteArray BeschriftungKodieren(const QString& beschriftung) {
    const QList<QStringView> zeilen = Zeilen(beschriftung);
    if (zeilen.size() == 1 && zeilen.front().isEmpty()) return QByteArrayLiteral("\"\"");
    QByteArray ergebnis;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        if (i > 0) ergebnis.append(',');
        const QByteArray zeile = NachCp1252(zeilen[i]);
        if (!BrauchtAnfuehrung(zeile)) {
            ergebnis.append(zeile);
            continue;
        }
        ergebnis.append('"');
        for (const char c : zeile) {
            if (c == '"') ergebnis.append('"');
            ergebnis.append(c);
        }
        ergebnis.append('"');
    }
    return ergebnis;
}

QString BeschriftungDekodieren(const char* daten, qsizetype laenge) {
    Zerleger z(daten, laenge);
    QByteArray zeilen;
    z.leerUeberspringen();
    while (!z.amEnde()) {
        const qsizetype vorher = z.position();
        zeilen.append(z.token());
        zeilen.append("\r\n", 2);
        z.trennerUeberspringen();
        // A NUL byte ends a token without being a separator; drop it so reading always advances.
        if (z.position() == vorher) z.weiter();
    }
    return AusCp1252(OhneAussenleer(zeilen));
}
