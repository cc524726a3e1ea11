#include "data/rtf_schreiber.h"

#include "data/cp1252.h"

#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <cmath>

// The default resolution of Qt Gui, which lays out text without a paint device.
Q_GUI_EXPORT int qt_defaultDpiY();

namespace {

// The font table: the faces in order of first use, the document's default face first.
class Schrifttabelle final {
public:
    explicit Schrifttabelle(const QString& standard) { nummer(standard); }
    int nummer(const QString& name) {
        const qsizetype i = m_namen.indexOf(name);
        if (i >= 0) return static_cast<int>(i);
        m_namen.append(name);
        return static_cast<int>(m_namen.size() - 1);
    }
    const QStringList& namen() const { return m_namen; }

private:
    QStringList m_namen;
};

bool AlsAnsiByte(char16_t z, char& byte) {
    // 0x80-0x9F as characters are C1 controls, not the 1252 letters of those bytes.
    if (z >= 0x80 && z < 0xA0) return false;
    const QByteArray b = NachCp1252(QStringView(&z, 1));
    if (b.size() != 1 || AusCp1252(b) != QString(QChar(z))) return false;
    byte = b.at(0);
    return true;
}

// RTF wants each UTF-16 unit as a signed 16-bit number, followed by the one-character
// fallback "?". The group keeps readers that take the fallback to run up to the next
// control word from swallowing the letters that follow.
void UnicodeSchreiben(QByteArray& aus, QStringView einheiten) {
    aus += '{';
    for (const QChar e : einheiten)
        aus += "\\u" + QByteArray::number(static_cast<int16_t>(e.unicode())) + '?';
    aus += '}';
}

void ZeichenSchreiben(QByteArray& aus, char16_t z) {
    static const char* const Hex = "0123456789abcdef";
    if (z == u'\\' || z == u'{' || z == u'}') {
        aus += '\\';
        aus += static_cast<char>(z);
    } else if (z == u'\t') {
        aus += "\\tab ";
    } else if (z == QChar::LineSeparator) {
        aus += "\\line ";
    } else if (z < 0x20) {
        // other control characters have no meaning in a paragraph
    } else if (z < 0x80) {
        aus += static_cast<char>(z);
    } else if (char b = 0; AlsAnsiByte(z, b)) {
        const auto u = static_cast<unsigned char>(b);
        aus += "\\'";
        aus += Hex[u >> 4];
        aus += Hex[u & 0x0F];
    } else {
        UnicodeSchreiben(aus, QStringView(&z, 1));
    }
}

void TextSchreiben(QByteArray& aus, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            UnicodeSchreiben(aus, QStringView(text).sliced(i, 2));
            ++i;
        } else {
            ZeichenSchreiben(aus, text.at(i).unicode());
        }
    }
}

int Halbpunkte(const QTextCharFormat& f, const QFont& standard) {
    const qreal punkte =
        f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : standard.pointSizeF();
    return std::max(1, static_cast<int>(std::lround(punkte * 2)));
}

QString Schriftname(const QTextCharFormat& f, const QFont& standard) {
    const QStringList familien = f.fontFamilies().toStringList();
    return familien.isEmpty() || familien.first().isEmpty() ? standard.family() : familien.first();
}

QByteArray Zeichenbefehle(const QTextCharFormat& f, const QFont& standard, Schrifttabelle& schriften) {
    QByteArray b = "\\plain\\f" + QByteArray::number(schriften.nummer(Schriftname(f, standard))) + "\\fs" +
                   QByteArray::number(Halbpunkte(f, standard)) + "\\cf1";
    if (f.fontWeight() > QFont::Medium) b += "\\b";
    if (f.fontItalic()) b += "\\i";
    return b + ' ';
}

QByteArray Absatzbefehle(const QTextBlockFormat& f) {
    QByteArray b = "\\pard";
    for (const QTextOption::Tab& tab : f.tabPositions()) {
        const auto twips = std::lround(tab.position * 72.0 / LayoutDpi() * 20.0);
        b += "\\tx" + QByteArray::number(static_cast<qlonglong>(twips));
    }
    return b;
}

QByteArray Absatz(const QTextBlock& block, const QFont& standard, Schrifttabelle& schriften) {
    QByteArray b = Absatzbefehle(block.blockFormat());
    bool leer = true;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment teil = it.fragment();
        if (!teil.isValid() || teil.length() == 0) continue;
        b += Zeichenbefehle(teil.charFormat(), standard, schriften);
        TextSchreiben(b, teil.text());
        leer = false;
    }
    // An empty paragraph keeps its height through the format of its paragraph mark.
    if (leer) b += Zeichenbefehle(block.charFormat(), standard, schriften);
    return b + "\\par\r\n";
}

QByteArray Kopf(const Schrifttabelle& schriften) {
    QByteArray b = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl";
    for (qsizetype i = 0; i < schriften.namen().size(); ++i) {
        QByteArray name;
        TextSchreiben(name, schriften.namen().at(i));
        b += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 " + name + ";}";
    }
    return b + "}\r\n{\\colortbl ;\\red0\\green0\\blue0;}\r\n\\viewkind4\r\n";
}

} // namespace

QByteArray RtfAusDokument(const QTextDocument& dokument) {
    const QFont standard = dokument.defaultFont();
    Schrifttabelle schriften(standard.family());
    QByteArray rumpf;
    for (QTextBlock block = dokument.begin(); block.isValid(); block = block.next())
        rumpf += Absatz(block, standard, schriften);
    return Kopf(schriften) + rumpf + "}\r\n";
}

qreal LayoutDpi() {
    return qt_defaultDpiY();
}
