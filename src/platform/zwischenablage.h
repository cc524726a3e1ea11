#pragma once
// Port: the system clipboard. One call puts one piece of content on it in every form
// given, so a program that pastes picks the richest form it understands.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <utility>
#include <vector>

class QTextDocument;

// The names rich text goes to the clipboard under: the RTF MIME type and the Windows
// clipboard format name, so that word processors on either system paste it formatted.
inline constexpr const char* RtfMimeTyp = "text/rtf";
inline constexpr const char* RtfWindowsMimeTyp = "application/x-qt-windows-mime;value=\"Rich Text Format\"";

struct ZwischenablageInhalt {
    QString Text;   // text/plain
    QString Html;   // text/html
    QByteArray Rtf; // text/rtf and the Windows clipboard format "Rich Text Format"
    QImage Bild;    // image/png and the platform's bitmap forms
    std::vector<std::pair<QString, QByteArray>> Formate; // further MIME types (image/svg+xml, ...)
};

class Zwischenablage {
public:
    virtual ~Zwischenablage() = default;
    virtual void Setzen(const ZwischenablageInhalt& inhalt) = 0;

    void TextSetzen(const QString& text) {
        ZwischenablageInhalt i;
        i.Text = text;
        Setzen(i);
    }
    void BildSetzen(const QImage& bild) {
        ZwischenablageInhalt i;
        i.Bild = bild;
        Setzen(i);
    }
};

// A formatted document as RTF, HTML and plain text, so that word processors paste it
// formatted and plain editors get the text with its tabs.
ZwischenablageInhalt RichTextInhalt(const QTextDocument& dokument);

// The clipboard of the running QGuiApplication.
class ZwischenablageQt final : public Zwischenablage {
public:
    void Setzen(const ZwischenablageInhalt& inhalt) override;
};
