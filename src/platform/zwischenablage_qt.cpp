#include "platform/zwischenablage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void ZwischenablageQt::Setzen(const ZwischenablageInhalt& inhalt) {
    auto daten = std::make_unique<QMimeData>();
    if (!inhalt.Text.isEmpty()) daten->setText(inhalt.Text);
    if (!inhalt.Html.isEmpty()) daten->setHtml(inhalt.Html);
    if (!inhalt.Rtf.isEmpty()) {
        daten->setData(QStringLiteral("text/rtf"), inhalt.Rtf);
        daten->setData(QStringLiteral("application/rtf"), inhalt.Rtf);
    }
    if (!inhalt.Bild.isNull()) daten->setImageData(inhalt.Bild);
    for (const auto& [typ, bytes] : inhalt.Formate)
        daten->setData(typ, bytes);
    QGuiApplication::clipboard()->setMimeData(daten.release());
}
