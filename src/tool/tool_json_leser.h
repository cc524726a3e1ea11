#pragma once
// Reads typed fields from one JSON object and keeps the first failure as a German
// message that names the field and where it is ("in Objekt 3").
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

class JsonLeser final {
public:
    JsonLeser(QJsonObject objekt, QString ort);

    bool text(const QString& feld, QString& wert); // a string that Windows-1252 can hold
    bool ganz(const QString& feld, int32_t& wert); // an integral number in 32-bit range
    bool reell(const QString& feld, double& wert); // a number, or "NaN", "Infinity", "-Infinity"
    bool reellFeld(const QString& feld, std::array<double, 4>& wert);
    bool nurBekannte(const QStringList& felder); // fails on the first unknown key

    QString fehler() const { return m_fehler; }

private:
    bool wertHolen(const QString& feld, QJsonValue& wert);
    bool scheitern(const QString& feld, const QString& muss);

    QJsonObject m_objekt;
    QString m_ort;
    QString m_fehler;
};

// Whether a real number can be read from `wert` (see JsonLeser::reell).
bool ReellAusJson(const QJsonValue& wert, double& zahl);
