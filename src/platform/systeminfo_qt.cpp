#include "platform/systeminfo_qt.h"

#include "platform/anmeldename.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSysInfo>

QString SystemInfoQt::rechnername() const {
    return QSysInfo::machineHostName();
}

QString SystemInfoQt::benutzername() const {
    // The environment may lack USER (some display managers, services); the system knows.
    if (const QString konto = AnmeldenameDesSystems(); !konto.isEmpty()) return konto;
    const QString name = qEnvironmentVariable("USER");
    return name.isEmpty() ? qEnvironmentVariable("USERNAME") : name;
}

BildschirmModus SystemInfoQt::bildschirm() const {
    const QScreen* schirm = QGuiApplication::primaryScreen();
    if (schirm == nullptr) return BildschirmModus{0, 0, 0, false};
    const QSize groesse = schirm->size();
    return BildschirmModus{groesse.width(), groesse.height(), schirm->depth(), true};
}
