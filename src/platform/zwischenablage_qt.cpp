#include "platform/zwischenablage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void ZwischenablageQt::Setzen(const ZwischenablageInhalt& inhalt) {
    auto daten = std::make_unique<QMimeData>();
    // The richest forms first: a program that pastes may take the first one it knows.
    if (!inhalt.Rtf.isEmpty()) {
        daten->setData(QString::fromLatin1(RtfMimeTyp), inhalt.Rtf);
        daten->setData(QString::fromLatin1(RtfWindowsMimeTyp), inhalt.Rtf);
    }
    if (!inhalt.Html.isEmpty()) daten->setHtml(inhalt.Html);
    if (!inhalt.Text.isEmpty()) daten->setText(inhalt.Text);
    if (!inhalt.Bild.isNull()) daten->setImageData(inhalt.Bild);
    for (const auto& [typ, bytes] : inhalt.Formate)
        daten->setData(typ, bytes);
    QGuiApplication::clipboard()->setMimeData(daten.release());
}
