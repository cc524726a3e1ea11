#include "platform/av_meldungen_qt.h"

#include "platform/av_fensterstapel.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

QString KnopfText(Antwort antwort) {
    switch (antwort) {
    case Antwort::OK:
        return QStringLiteral("OK");
    case Antwort::Ja:
        return QStringLiteral("&Ja");
    case Antwort::Nein:
        return QStringLiteral("&Nein");
    case Antwort::Abbrechen:
        return QStringLiteral("Abbrechen");
    }
    return {};
}

namespace {

QMessageBox::Icon Symbol(MeldungsArt art) {
    switch (art) {
    case MeldungsArt::Warnung:
        return QMessageBox::Warning;
    case MeldungsArt::Fehler:
        return QMessageBox::Critical;
    case MeldungsArt::Information:
        return QMessageBox::Information;
    case MeldungsArt::Bestaetigung:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

std::vector<Antwort> Antworten(Knoepfe knoepfe) {
    switch (knoepfe) {
    case Knoepfe::OK:
        return {Antwort::OK};
    case Knoepfe::JaNein:
        return {Antwort::Ja, Antwort::Nein};
    case Knoepfe::JaNeinAbbrechen:
        return {Antwort::Ja, Antwort::Nein, Antwort::Abbrechen};
    }
    return {Antwort::OK};
}

QMessageBox::ButtonRole Rolle(Antwort antwort) {
    switch (antwort) {
    case Antwort::OK:
        return QMessageBox::AcceptRole;
    case Antwort::Ja:
        return QMessageBox::YesRole;
    case Antwort::Nein:
        return QMessageBox::NoRole;
    case Antwort::Abbrechen:
        return QMessageBox::RejectRole;
    }
    return QMessageBox::AcceptRole;
}

// Closing the box without a button counts as its last button: Cancel, No or OK.
Antwort Schliessantwort(Knoepfe knoepfe) {
    switch (knoepfe) {
    case Knoepfe::OK:
        return Antwort::OK;
    case Knoepfe::JaNein:
        return Antwort::Nein;
    case Knoepfe::JaNeinAbbrechen:
        return Antwort::Abbrechen;
    }
    return Antwort::OK;
}

// Messages carry CR LF line ends; the box wants plain line feeds.
QString Anzeigetext(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

} // namespace

Antwort MeldungenQt::zeigen(MeldungsArt art, const QString& text, Knoepfe knoepfe) {
    // A box asked for from an open dialog belongs to that dialog; under the main window
    // it could open behind a dialog that stays on top.
    QWidget* eltern = QApplication::activeModalWidget();
    if (eltern == nullptr) eltern = m_eltern.data();
    QMessageBox box(Symbol(art), MeldungsTitel(art), QString(), QMessageBox::NoButton, eltern);
    WieElternObenHalten(&box);
    // File names and quiz texts may contain "<": never let them be taken for markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(Anzeigetext(text));
    std::vector<std::pair<QPushButton*, Antwort>> knoepfeListe;
    for (const Antwort a : Antworten(knoepfe))
        knoepfeListe.emplace_back(box.addButton(KnopfText(a), Rolle(a)), a);
    box.setDefaultButton(knoepfeListe.front().first);
    box.setEscapeButton(knoepfeListe.back().first);
    box.exec();
    for (const auto& [knopf, antwort] : knoepfeListe)
        if (box.clickedButton() == knopf) return antwort;
    return Schliessantwort(knoepfe);
}
