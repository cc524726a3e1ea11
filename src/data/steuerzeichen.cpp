#include "data/steuerzeichen.h"

namespace {

bool IstSteuerzeichen(QChar z) {
    const QChar::Category k = z.category();
    return k == QChar::Other_Control || k == QChar::Separator_Line || k == QChar::Separator_Paragraph;
}

} // namespace

QString OhneSteuerzeichen(const QString& text) {
    QString sauber = text;
    sauber.removeIf(IstSteuerzeichen);
    return sauber;
}

QString ExportZelle(const QString& text) {
    QString zelle = OhneSteuerzeichen(text);
    if (!zelle.isEmpty() && QStringLiteral("=+-@").contains(zelle.front())) zelle.prepend(u'\'');
    return zelle;
}
