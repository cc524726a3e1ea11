#pragma once
// A communication folder in a temporary directory, a small document and the fakes the
// exercise flows talk through.
#include "data/av_data.h"
#include "documents/dokument.h"
#include "documents/tvl_datei.h"
#include "fake_meldungen.h"
#include "fake_systeminfo.h"
#include "network/netzuebung.h"
#include "quiz/quizoptionen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

inline QByteArray Inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void Anlegen(const QString& pfad, const QByteArray& bytes) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class NetzTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        ordner.Kommunikationsordner = QDir::toNativeSeparators(m_tmp.path()) + QDir::separator();
        ASSERT_TRUE(m_protokolle.isValid());
        ordner.Protokollordner = QDir::toNativeSeparators(m_protokolle.path()) + QDir::separator();
        dok.Header.Dateiname = QStringLiteral("/themen/Europa.tvl");
        dok.Header.HD_titel = QStringLiteral("Länder Europas");
        dok.Basisbild = QImage(60, 40, QImage::Format_RGB32);
        dok.Basisbild.fill(Qt::darkCyan);
        haken.optionenZeigen = [this](int32_t typ) {
            fensterTypen.push_back(typ);
            return optionenStarten;
        };
        haken.werteUebernehmen = [this](const UebungsWerte& w, const QString& m) {
            uebernommen = w;
            master = m;
        };
        haken.bestenlisteLeeren = [this] { ++geleert; };
    }
    NetzDateienTyp dateien() const { return NetzDateien(ordner.Kommunikationsordner, ordner.Kanalname); }
    NetzErgebnis initiieren(bool quizLaeuft = false) {
        return netz.Initiieren(dok, werte, ordner, quizLaeuft, haken);
    }

    QTemporaryDir m_tmp;
    QTemporaryDir m_protokolle;
    ProgrammOrdnerTyp ordner;
    ProgrammEinstellungenTyp werte;
    Dokument dok;
    FakeMeldungen meldungen;
    FakeSystemInfo system;
    Netzuebung netz{meldungen, system};
    NetzInitHaken haken;
    bool optionenStarten = true;
    std::vector<int32_t> fensterTypen;
    UebungsWerte uebernommen;
    QString master;
    int geleert = 0;
};
