// System-wide presets under a user's own settings, seen and changed through
// "kartello-tool einstellungen", in temporary XDG folders.
#include "paket_hilfe.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {

struct Zeile {
    QString wert;
    QString herkunft;
};

QMap<QString, Zeile> Liste(const QByteArray& ausgabe) {
    QMap<QString, Zeile> liste;
    for (const QString& zeile : QString::fromUtf8(ausgabe).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList teile = zeile.split(u'\t');
        if (teile.size() == 3) liste.insert(teile[0], {teile[1], teile[2]});
    }
    return liste;
}

QString Werkzeug() {
    return QStringLiteral(KARTELLO_BIN_ORDNER "/kartello-tool");
}

TEST(Voreinstellungen, BenutzerVorSystemVorStandard) {
    XdgUmgebung xdg;
    xdg.einstellungenSchreiben(
        xdg.systemKonfig(), "[General]\nOpt-ProtOrdner=/srv/klasse7/protokolle/\n"
                            "Opt-BestListOrdner=/srv/klasse7/bestenlisten/\nNetzKomOrdner=/srv/klasse7/kom/\n"
                            "NetzKomKanal=TVL-3\nOpt-Sound=false\nOpt-UebNameEingabe=0\n"
                            "Opt-AutoProtSpeichern=true\nUebOpt-Zeitlimit=1\n");
    xdg.einstellungenSchreiben(xdg.benutzerKonfig(),
                               "[General]\nnetzkomkanal=TVL-9\nOpt-Sound=1\nUebOpt-ZLimitMin=5\n");
    const auto zeigen = [&] {
        const Lauf l = Ausfuehren(Werkzeug(), {QStringLiteral("einstellungen"), QStringLiteral("zeigen")},
                                  xdg.umgebung());
        EXPECT_EQ(l.exitCode, 0) << l.fehler.toStdString();
        return Liste(l.ausgabe);
    };
    QMap<QString, Zeile> l = zeigen();
    EXPECT_EQ(l.size(), 22);
    const auto pruefe = [&](const char* name, const char* wert, const char* herkunft) {
        const Zeile z = l.value(QString::fromUtf8(name));
        EXPECT_EQ(z.wert, QString::fromUtf8(wert)) << name;
        EXPECT_EQ(z.herkunft, QString::fromUtf8(herkunft)) << name;
    };
    pruefe("NetzKomKanal", "TVL-9", "Benutzer");
    pruefe("Opt-Sound", "true", "Benutzer");
    pruefe("UebOpt-ZLimitMin", "5", "Benutzer");
    pruefe("Opt-ProtOrdner", "/srv/klasse7/protokolle/", "System");
    pruefe("Opt-BestListOrdner", "/srv/klasse7/bestenlisten/", "System");
    pruefe("NetzKomOrdner", "/srv/klasse7/kom/", "System");
    pruefe("Opt-UebNameEingabe", "false", "System");
    pruefe("Opt-AutoProtSpeichern", "true", "System");
    pruefe("UebOpt-ZeitLimit", "1", "System");
    pruefe("Opt-ErgebBestListEintragen", "true", "Standard");
    pruefe("UebOpt-Zuordnungstexte", "1", "Standard");
    pruefe("UebOptFragen-ZLimitSek", "0", "Standard");

    // Scripted changes land in the user's file with the program's types.
    const auto setzen = [&](const char* name, const char* wert) {
        return Ausfuehren(Werkzeug(),
                          {QStringLiteral("einstellungen"), QStringLiteral("setzen"), QString::fromUtf8(name),
                           QString::fromUtf8(wert)},
                          xdg.umgebung());
    };
    EXPECT_EQ(setzen("opt-protordner", "/home/lehrer/protokolle/").exitCode, 0);
    EXPECT_EQ(setzen("UebOpt-AbfrageModus", "2").exitCode, 0);
    EXPECT_EQ(setzen("Opt-ErgebBestListEintragen", "false").exitCode, 0);
    const Lauf unbekannt = setzen("Opt-Gibtsnicht", "1");
    EXPECT_EQ(unbekannt.exitCode, 2);
    EXPECT_TRUE(unbekannt.fehler.contains(QStringLiteral("Unbekannte Einstellung")))
        << unbekannt.fehler.toStdString();
    EXPECT_EQ(setzen("Opt-Sound", "ja").exitCode, 2);
    EXPECT_EQ(setzen("UebOpt-AbfrageModus", "zwei").exitCode, 2);

    l = zeigen();
    pruefe("Opt-ProtOrdner", "/home/lehrer/protokolle/", "Benutzer");
    pruefe("UebOpt-AbfrageModus", "2", "Benutzer");
    pruefe("Opt-ErgebBestListEintragen", "false", "Benutzer");
    pruefe("Opt-Sound", "true", "Benutzer");
    pruefe("NetzKomOrdner", "/srv/klasse7/kom/", "System");

    const QByteArray datei =
        DateiLesen(xdg.benutzerKonfig() + QStringLiteral("/Velmora/Velmora Kartello-Quiz 1.0.conf"));
    EXPECT_TRUE(datei.contains("Opt-ErgebBestListEintragen=0\n")) << datei.constData();
    EXPECT_TRUE(datei.contains("UebOpt-AbfrageModus=2\n")) << datei.constData();
    EXPECT_TRUE(datei.contains("netzkomkanal=TVL-9\n")) << "the stored spelling stays";
    EXPECT_FALSE(datei.contains("Opt-Gibtsnicht"));
}

TEST(Voreinstellungen, OhneDateienDieStandardwerte) {
    XdgUmgebung xdg;
    const Lauf l =
        Ausfuehren(Werkzeug(), {QStringLiteral("einstellungen"), QStringLiteral("zeigen")}, xdg.umgebung());
    ASSERT_EQ(l.exitCode, 0) << l.fehler.toStdString();
    const QMap<QString, Zeile> liste = Liste(l.ausgabe);
    ASSERT_EQ(liste.size(), 22);
    for (auto it = liste.cbegin(); it != liste.cend(); ++it)
        EXPECT_EQ(it->herkunft, QStringLiteral("Standard")) << it.key().toStdString();
    EXPECT_EQ(liste.value(QStringLiteral("NetzKomKanal")).wert, QStringLiteral("TVL-1"));
    EXPECT_TRUE(liste.value(QStringLiteral("Opt-ProtOrdner")).wert.endsWith(QStringLiteral("protokolle/")));
    EXPECT_EQ(
        Ausfuehren(Werkzeug(), {QStringLiteral("einstellungen"), QStringLiteral("loeschen")}, xdg.umgebung())
            .exitCode,
        2);
}

} // namespace
