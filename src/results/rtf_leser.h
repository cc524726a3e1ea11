#pragma once
// A small Rich Text Format reader: paragraphs with their tab stops and runs of text with
// font, size, bold and italic. It reads what RtfAusDokument writes and the common subset
// of other writers (ignorable destinations, \uN with fallback, \'xx in code page 1252);
// damaged data (no RTF header, unbalanced braces, cut-off escapes) fails with a message.
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <vector>

struct RtfLaufTyp {
    QString text;
    QString schrift;     // face from the font table
    int halbpunkte = 24; // \fs, the RTF default of 12 points
    bool fett = false;
    bool kursiv = false;
};

struct RtfAbsatzTyp {
    QList<int> tabsTwips;
    std::vector<RtfLaufTyp> laeufe;
    int halbpunkte = 24; // size at the paragraph mark, the height of an empty paragraph
    bool fett = false;   // bold at the paragraph mark
    QString text() const;
};

struct RtfInhaltTyp {
    QMap<int, QString> schriften;
    std::vector<RtfAbsatzTyp> absaetze;
    QString text() const; // paragraphs joined with "\n"
};

class RtfLeser final {
public:
    // Returns false on damaged data and leaves `inhalt` untouched.
    bool lesen(const QByteArray& daten, RtfInhaltTyp& inhalt);
    QString errorString() const { return m_fehlertext; }
    qsizetype fehlerOffset() const { return m_fehlerOffset; }

private:
    QString m_fehlertext;
    qsizetype m_fehlerOffset = -1;
};
