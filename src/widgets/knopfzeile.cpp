#include "widgets/knopfzeile.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

Knopfzeile OkAbbrechenZeile(QDialog* dialog, const QString& okText, const QString& abbrechenText) {
    Knopfzeile k;
    k.ok = new QPushButton(okText, dialog);
    k.ok->setObjectName(QStringLiteral("OKBtn"));
    k.ok->setDefault(true);
    k.abbrechen = new QPushButton(abbrechenText, dialog);
    k.abbrechen->setObjectName(QStringLiteral("AbbrechenBtn"));
    QObject::connect(k.abbrechen, &QPushButton::clicked, dialog, &QDialog::reject);
    k.zeile = new QHBoxLayout;
    k.zeile->addStretch(1);
    k.zeile->addWidget(k.ok);
    k.zeile->addWidget(k.abbrechen);
    return k;
}
