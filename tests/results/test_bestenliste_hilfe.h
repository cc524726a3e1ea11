#pragma once
// Small helpers of the best-list tests: entries, files written byte by byte, a
// locking holder and pauses that can act while a flow waits.
#include "platform/dateisperre.h"
#include "platform/uhr.h"
#include "results/bestenliste_format.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>
#include <cstring>
#include <functional>
#include <vector>

inline BestListDataTyp TestEintrag(const QString& name, double leistung, int32_t dauer) {
    return {name, QStringLiteral("PC-01"), 46364.4270833333, dauer, leistung};
}

// Builds file bytes field by field, independently of the writer under test.
class HscBytes final {
public:
    HscBytes& text(const QByteArray& t) {
        ganzzahl(static_cast<int32_t>(t.size()));
        m_b += t;
        return *this;
    }
    HscBytes& ganzzahl(int32_t w) {
        char b[4];
        qToLittleEndian(w, b);
        m_b.append(b, 4);
        return *this;
    }
    HscBytes& reell(double w) {
        char b[8];
        std::memcpy(b, &w, 8); // the test machines are little-endian, as the format is
        m_b.append(b, 8);
        return *this;
    }
    HscBytes& kopf(const QByteArray& schluessel = BestListSchluesselliste) {
        return text("TVL-HSC-1.00").text(schluessel);
    }
    HscBytes& eintrag(const QByteArray& name, const QByteArray& rechner, double beginn, int32_t dauer,
                      double leistung) {
        return text(name).text(rechner).reell(beginn).ganzzahl(dauer).reell(leistung);
    }
    QByteArray bytes() const { return m_b; }

private:
    QByteArray m_b;
};

inline QByteArray Inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void Schreiben(const QString& pfad, const QByteArray& daten) {
    QFile f(pfad);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(daten);
}

// Pauses that run an action at a given pause (1-based), e.g. to release a lock.
class AktionsWarten final : public Warten {
public:
    void warten(int ms) override {
        pausen.push_back(ms);
        if (aktion && static_cast<int>(pausen.size()) == beiPause) aktion();
    }
    std::vector<int> pausen;
    int beiPause = 0;
    std::function<void()> aktion;
};
