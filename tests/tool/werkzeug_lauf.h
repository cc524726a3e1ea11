#pragma once
// Runs the built kartello-tool and makes small documents for its tests.
#include "documents/dokument.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

struct WerkzeugErgebnis {
    int exitCode = -1;
    QByteArray ausgabe; // stdout
    QString fehler;     // stderr, UTF-8
};

WerkzeugErgebnis WerkzeugStarten(const QStringList& argumente);

// A document that exercises every field: umlauts, multi-line captions, commas, quotes,
// reals that need all their digits, and a small image with distinct pixels.
Dokument TestDokument();

// SHA-256 of the R, G, B bytes of every pixel, computed pixel by pixel through QImage::pixel.
QString RgbHashUnabhaengig(const QImage& bild);

QJsonObject JsonAusDatei(const QString& pfad);
void JsonSchreiben(const QString& pfad, const QJsonObject& json);
QByteArray DateiInhalt(const QString& pfad);
