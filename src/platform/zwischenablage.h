#pragma once
// Port: the system clipboard. One call puts one piece of content on it in every form
// given, so a program that pastes picks the richest form it understands.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <utility>
#include <vector>

struct ZwischenablageInhalt {
    QString Text;   // text/plain
    QString Html;   // text/html
    QByteArray Rtf; // text/rtf
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

// The clipboard of the running QGuiApplication.
class ZwischenablageQt final : public Zwischenablage {
public:
    void Setzen(const ZwischenablageInhalt& inhalt) override;
};
