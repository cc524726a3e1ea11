#include "network/netz_dateien.h"

NetzDateienTyp NetzDateien(const QString& kommunikationsordner, const QString& kanal) {
    const QString basis = kommunikationsordner + kanal + QStringLiteral("-tvlnetzuebung");
    return {basis + QStringLiteral(".tvl"), basis + QStringLiteral(".dat"), basis + QStringLiteral(".hsc"),
            basis + QStringLiteral(".okx"), basis + QStringLiteral(".kqa")};
}

bool KanalZulaessig(const QString& kanal) {
    if (kanal.contains(u'/') || kanal.contains(u'\\') || kanal.contains(QStringLiteral(".."))) return false;
    for (const QChar z : kanal)
        if (z.unicode() < 32 || z.unicode() == 127 || z.category() == QChar::Other_Control) return false;
    return true;
}

QString KanalUnzulaessigText(const QString& kanal) {
    QString sichtbar = kanal;
    for (QChar& z : sichtbar)
        if (z.unicode() < 32 || z.unicode() == 127 || z.category() == QChar::Other_Control) z = u'?';
    return QStringLiteral("Der Kanal \"%1\" der Netzwerk-Kommunikation (Einstellung \"NetzKomKanal\") ist "
                          "ungültig: Ein Kanalname darf weder \"/\" noch \"\\\" noch \"..\" noch "
                          "Steuerzeichen enthalten.\r\nEs wurde keine Datei geschrieben oder gelöscht.")
        .arg(sichtbar);
}
