#include "widgets/fensterfarben.h"

#include <QLabel>
#include <QObject>
#include <QPalette>
#include <QPixmap>
#include <QVariant>
#include <QWidget>

int KnoepfeFaerben(QObject* fenster, const char* knopfklasse) {
    if (fenster == nullptr || knopfklasse == nullptr) return 0;
    int anzahl = 0;
    const QColor farbe = KnopfFarbe();
    for (QObject* kind : fenster->findChildren<QObject*>()) {
        if (!kind->inherits(knopfklasse)) continue;
        QVariant wert = kind->property("palette");
        if (!wert.canConvert<QPalette>()) continue;
        auto palette = wert.value<QPalette>();
        palette.setColor(QPalette::Button, farbe);
        palette.setColor(QPalette::Window, farbe);
        kind->setProperty("palette", QVariant::fromValue(palette));
        // An invalid value resets the property: the button shows the normal cursor again.
        kind->setProperty("cursor", QVariant());
        ++anzahl;
    }
    return anzahl;
}

void DialogFarben(QWidget* fenster) {
    const QColor farbe = ThemenFarben().C;
    if (!farbe.isValid()) return;
    QPalette palette = fenster->palette();
    palette.setColor(QPalette::Window, farbe);
    fenster->setPalette(palette);
}

void HintergrundZeichnen(QWidget* fenster) {
    if (auto* bild = fenster->findChild<QLabel*>(QStringLiteral("MainBackImg"), Qt::FindDirectChildrenOnly)) {
        bild->setGeometry(fenster->rect());
        bild->setPixmap(QPixmap::fromImage(Hintergrund(HintergrundArt::Dialog, fenster->size())));
        bild->lower();
    }
}

QLabel* DialogHintergrundAnlegen(QWidget* fenster) {
    DialogFarben(fenster);
    auto* bild = new QLabel(fenster);
    bild->setObjectName(QStringLiteral("MainBackImg"));
    bild->setGeometry(fenster->rect());
    return bild;
}
