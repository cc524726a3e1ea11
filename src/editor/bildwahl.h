#pragma once
// A picture of the teacher's choice as the base image: whatever Qt's image readers decode,
// scaled down when it is larger than a document may hold.
#include <QImage>
#include <QString>

struct Bildwahl {
    QImage bild;     // 32-bit, transparent parts on white; null when the file could not be read
    QString hinweis; // set when the picture was scaled down
    QString fehler;
};

Bildwahl BildLaden(const QString& pfad);
