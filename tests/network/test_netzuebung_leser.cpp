// The settings-file reader on damaged files: every one is refused with a reason, the
// record stays untouched, nothing crashes.
#include "netztest.h"

#include <QtEndian>

namespace {

NetzUebungDataTyp Beispiel() {
    NetzUebungDataTyp d;
    d.NetzUebungMaster = QStringLiteral("LEHRER-PC-Büro");
    d.ZuordnungFalschItemIndex = 1;
    d.AbfrageModusItemIndex = 2;
    d.ZeitLimitIndex = 1;
    d.ZeitLimitWert = 150;
    return d;
}

void ZahlSetzen(QByteArray& bytes, qsizetype stelle, int32_t wert) {
    qToLittleEndian<int32_t>(wert, bytes.data() + stelle);
}

TEST(NetzUebungLeser, RundreiseUndUmlaute) {
    const QByteArray bytes = NetzUebungBytes(Beispiel());
    NetzUebungDataTyp gelesen;
    NetzUebungLeser leser;
    ASSERT_TRUE(leser.lesenAusDaten(bytes, gelesen)) << leser.errorString().toStdString();
    EXPECT_EQ(gelesen, Beispiel());
    EXPECT_TRUE(bytes.contains("LEHRER-PC-B\xfc"
                               "ro"))
        << "Windows-1252 text";
}

TEST(NetzUebungLeser, BeschaedigteDatenWerdenAbgelehnt) {
    const QByteArray gut = NetzUebungBytes(Beispiel());
    const qsizetype liste = 4 + 17;
    const qsizetype name = liste + 4 + static_cast<qsizetype>(qstrlen(NetzUebungSchluesselliste));
    const qsizetype werte = name + 4 + 14;
    std::vector<std::pair<const char*, QByteArray>> faelle;
    for (qsizetype n = 0; n < gut.size(); ++n)
        faelle.emplace_back("abgeschnitten", gut.left(n));
    faelle.emplace_back("angehaengt", gut + '\0');
    QByteArray kennung = gut;
    kennung[4] = 'T';
    faelle.emplace_back("Kennung", kennung);
    QByteArray schluessel = gut;
    schluessel[liste + 5] = 'X';
    faelle.emplace_back("Schluesselliste", schluessel);
    for (int32_t zahl : {-1, INT32_MIN, INT32_MAX, 100000}) {
        for (qsizetype stelle : {qsizetype(0), liste, name}) {
            QByteArray b = gut;
            ZahlSetzen(b, stelle, zahl);
            faelle.emplace_back("Laenge", b);
        }
    }
    for (int feld = 0; feld < 8; ++feld) {
        for (int32_t zahl : {-1, 3, INT32_MAX}) {
            QByteArray b = gut;
            ZahlSetzen(b, werte + 4 * feld, zahl);
            if (feld == 7 && zahl == 3) continue; // 3 seconds is a time limit
            faelle.emplace_back("Wert", b);
        }
    }
    for (const auto& [art, bytes] : faelle) {
        SCOPED_TRACE(std::string(art) + " " + bytes.toHex().toStdString());
        NetzUebungDataTyp ziel;
        ziel.NetzUebungMaster = QStringLiteral("unberührt");
        NetzUebungLeser leser;
        EXPECT_FALSE(leser.lesenAusDaten(bytes, ziel));
        EXPECT_FALSE(leser.errorString().isEmpty());
        EXPECT_NE(leser.fehler(), NetzUebungLeser::Fehler::Keiner);
        EXPECT_EQ(ziel.NetzUebungMaster, QStringLiteral("unberührt"));
    }
}

TEST(NetzUebungLeser, DateiFehltOderIstZuGross) {
    QTemporaryDir tmp;
    NetzUebungDataTyp ziel;
    NetzUebungLeser leser;
    EXPECT_FALSE(leser.lesen(tmp.filePath(QStringLiteral("fehlt.dat")), ziel));
    EXPECT_EQ(leser.fehler(), NetzUebungLeser::Fehler::FehltDatei);
    const QString gross = tmp.filePath(QStringLiteral("gross.dat"));
    Anlegen(gross, NetzUebungBytes(Beispiel()) + QByteArray(NetzUebungHoechstgroesse, 'x'));
    EXPECT_FALSE(leser.lesen(gross, ziel));
    EXPECT_EQ(leser.fehler(), NetzUebungLeser::Fehler::FalschesFormat);
    EXPECT_FALSE(leser.lesen(tmp.path(), ziel)) << "a folder is no settings file";
}

TEST(NetzDateien, NamenUndKanalpruefung) {
    const NetzDateienTyp d = NetzDateien(QStringLiteral("/kom/"), QStringLiteral("TVL-1"));
    EXPECT_EQ(d.Dokument, QStringLiteral("/kom/TVL-1-tvlnetzuebung.tvl"));
    EXPECT_EQ(d.Einstellungen, QStringLiteral("/kom/TVL-1-tvlnetzuebung.dat"));
    EXPECT_EQ(d.Bestenliste, QStringLiteral("/kom/TVL-1-tvlnetzuebung.hsc"));
    EXPECT_EQ(d.Marke, QStringLiteral("/kom/TVL-1-tvlnetzuebung.okx"));
    for (const char* gut : {"TVL-1", "Klasse 7b", "Raum.204", "Übung"})
        EXPECT_TRUE(KanalZulaessig(QString::fromUtf8(gut))) << gut;
    for (const char* schlecht : {"..", "a..b", "a/b", "a\\b", "a\x01", "\x7f"})
        EXPECT_FALSE(KanalZulaessig(QString::fromUtf8(schlecht))) << schlecht;
    EXPECT_TRUE(KanalUnzulaessigText(QStringLiteral("a\x01/b")).contains(QStringLiteral("\"a?/b\"")));
}

} // namespace
