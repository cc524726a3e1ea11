#include "results/protokoll_zwischenablage.h"

#include "results/rtf_schreiber.h"

#include <QMimeData>
#include <QTextDocument>

std::unique_ptr<QMimeData> ProtokollMimeDaten(const QTextDocument& dokument) {
    auto daten = std::make_unique<QMimeData>();
    const QByteArray rtf = RtfAusDokument(dokument);
    daten->setData(QString::fromLatin1(RtfMimeTyp), rtf);
    daten->setData(QString::fromLatin1(RtfWindowsMimeTyp), rtf);
    daten->setHtml(dokument.toHtml());
    daten->setText(dokument.toPlainText());
    return daten;
}
