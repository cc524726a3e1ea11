#pragma once
// Topic document <-> JSON, the exchange format of "kartello-tool dump" and "build".
#include "documents/dokument.h"

#include <QImage>
#include <QJsonObject>
#include <QString>

// SHA-256 (lower-case hex) of the R, G, B bytes of every pixel, row by row, top row first.
QString RgbSha256(const QImage& bild);

// The whole document; "Basisbild" holds "breite", "hoehe" and "rgb_sha256".
QJsonObject DokumentAlsJson(const Dokument& dok);

// Header and objects from `json` (every field required, no unknown field), and the base
// image from the file that "Basisbild"/"datei" names relative to `ordner`. On failure
// `fehler` holds a German message naming the field and `dok` is untouched.
bool DokumentAusJson(const QJsonObject& json, const QString& ordner, Dokument& dok, QString& fehler);
