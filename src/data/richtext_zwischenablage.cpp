#include "data/richtext_zwischenablage.h"

#include "data/rtf_schreiber.h"

#include <QMimeData>
#include <QTextDocument>

std::unique_ptr<QMimeData> RichTextMimeDaten(const QTextDocument& dokument) {
    auto daten = std::make_unique<QMimeData>();
    const QByteArray rtf = RtfAusDokument(dokument);
    daten->setData(QString::fromLatin1(RtfMimeTyp), rtf);
    daten->setData(QString::fromLatin1(RtfWindowsMimeTyp), rtf);
    daten->setHtml(dokument.toHtml());
    daten->setText(dokument.toPlainText());
    return daten;
}
