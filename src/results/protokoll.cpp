#include "results/protokoll.h"

#include "data/av_data.h"
#include "data/rtf_schreiber.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextOption>

namespace {

const QString TitelTag = QStringLiteral("<TIT>");

QTextCharFormat Zeichenformat(qreal punkte, bool fett) {
    QTextCharFormat f;
    f.setFontFamilies({ProtokollSchrift});
    f.setFontPointSize(punkte);
    f.setFontWeight(fett ? QFont::Bold : QFont::Normal);
    f.setForeground(QColor(Qt::black));
    return f;
}

QTextBlockFormat Absatzformat() {
    QTextBlockFormat f;
    f.setTabPositions({QTextOption::Tab(ProtokollTabPunkte * LayoutDpi() / 72.0, QTextOption::LeftTab)});
    // A rich-text control has no paragraph spacing: the lines follow each other directly.
    f.setTopMargin(0);
    f.setBottomMargin(0);
    return f;
}

// A new document has one empty block that no line has taken yet: the first line goes into it.
// A block that a line took carries the tab stop, so an empty protocol line is told apart.
bool ErsterAbsatzFrei(const QTextDocument& dok) {
    return dok.blockCount() == 1 && dok.isEmpty() && dok.begin().blockFormat().tabPositions().isEmpty();
}

void AbsatzAnhaengen(QTextCursor& c, const QString& text, const QTextCharFormat& zeichen) {
    c.movePosition(QTextCursor::End);
    if (ErsterAbsatzFrei(*c.document())) {
        c.setBlockFormat(Absatzformat());
        c.setBlockCharFormat(zeichen);
    } else {
        c.insertBlock(Absatzformat(), zeichen);
    }
    if (!text.isEmpty()) c.insertText(text, zeichen);
}

} // namespace

QStringList ProtokollZeilen(const QString& text) {
    QStringList zeilen;
    qsizetype anfang = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar z = text.at(i);
        if (z != u'\r' && z != u'\n') continue;
        zeilen.append(text.mid(anfang, i - anfang));
        if (z == u'\r' && i + 1 < n && text.at(i + 1) == u'\n') ++i;
        anfang = i + 1;
    }
    if (anfang < n) zeilen.append(text.mid(anfang));
    return zeilen;
}

bool IstTitelZeile(const QString& zeile) {
    return zeile.size() >= TitelTag.size() && zeile.first(TitelTag.size()).toUpper() == TitelTag;
}

void ProtokollRendern(QTextDocument& dokument, const QString& text, bool leeren) {
    const QStringList zeilen = ProtokollZeilen(text);
    if (leeren) dokument.clear();
    dokument.setDefaultFont(QFont(ProtokollSchrift, static_cast<int>(ProtokollSchriftPunkte)));
    QTextCursor c(&dokument);
    c.beginEditBlock();
    for (const QString& zeile : zeilen) {
        if (IstTitelZeile(zeile)) {
            AbsatzAnhaengen(c, zeile.mid(TitelTag.size()), Zeichenformat(ProtokollSchriftPunkte, true));
            AbsatzAnhaengen(c, {}, Zeichenformat(ProtokollAbstandPunkte, false));
        } else {
            AbsatzAnhaengen(c, zeile, Zeichenformat(ProtokollSchriftPunkte, false));
        }
    }
    c.endEditBlock();
}

Protokoll::Protokoll() {
    m_dokument.setDefaultFont(QFont(ProtokollSchrift, static_cast<int>(ProtokollSchriftPunkte)));
    m_dokument.setDocumentMargin(4);
}

bool Protokoll::kommentarHinzufuegen(const QString& kommentar) {
    const QString text = TrimmeSteuerzeichen(kommentar);
    if (text.isEmpty()) return false;
    anhaengen(QStringLiteral("\r\n<tit>Kommentar\r\n") + text);
    return true;
}

QByteArray Protokoll::rtf() const {
    return RtfAusDokument(m_dokument);
}
