#pragma once
// The protocol of the last completed quiz: protocol text (CR LF lines, "<tit>" headings,
// label TAB value) rendered into a rich-text document that the protocol window shows,
// prints, copies and saves as RTF.
#include <QString>
#include <QStringList>
#include <QTextDocument>

// The protocol's look: Arial, 9-point lines, a 4-point gap under each heading, one tab stop.
inline constexpr qreal ProtokollSchriftPunkte = 9.0;
inline constexpr qreal ProtokollAbstandPunkte = 4.0;
inline constexpr qreal ProtokollTabPunkte = 160.0;
inline const QString ProtokollSchrift = QStringLiteral("Arial");

// Splits protocol text into lines at CR LF (a lone LF or CR, as a text field delivers them,
// also ends a line). A line break at the very end ends the last line and adds no empty one.
QStringList ProtokollZeilen(const QString& text);

// True for a heading line: its first five characters, in any letter case, are "<tit>".
bool IstTitelZeile(const QString& zeile);

// Appends the lines of `text` as paragraphs to `dokument`, after emptying it when `leeren` is set.
void ProtokollRendern(QTextDocument& dokument, const QString& text, bool leeren);

// The protocol container. It holds exactly one protocol: each completed quiz replaces it,
// comments are appended to it.
class Protokoll final {
public:
    Protokoll();
    Protokoll(const Protokoll&) = delete;
    Protokoll& operator=(const Protokoll&) = delete;

    QTextDocument& dokument() { return m_dokument; }
    const QTextDocument& dokument() const { return m_dokument; }

    // A new protocol replaces the previous one and its comments.
    void ersetzen(const QString& text) { ProtokollRendern(m_dokument, text, true); }
    void anhaengen(const QString& text) { ProtokollRendern(m_dokument, text, false); }
    // Appends an empty line, the heading "Kommentar" and the comment. A comment of only
    // blanks, line breaks and control characters adds nothing; the result says whether it was added.
    bool kommentarHinzufuegen(const QString& kommentar);

    bool leer() const { return m_dokument.isEmpty(); }
    QString klartext() const { return m_dokument.toPlainText(); }
    QByteArray rtf() const;

private:
    QTextDocument m_dokument;
};
