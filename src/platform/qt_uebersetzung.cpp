#include "platform/qt_uebersetzung.h"

#include <QLibraryInfo>

std::unique_ptr<QTranslator> QtUebersetzungDeutsch() {
    auto uebersetzung = std::make_unique<QTranslator>();
    if (!uebersetzung->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    return uebersetzung;
}
