#include "mapview/ac_kennzinfo.h"

#include "data/hintergrund.h"
#include "widgets/fensterfarben.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

QString KennzahlenText() {
    static const char16_t* const zeilen[] = {
        u"\"Status\":",
        u"Zeigt den aktuellen Status an. ",
        u"Mögliche Anzeigen sind: \"warte auf Antwort\", \"Richtig\", \"Falsch\"",
        u"",
        u"\"Richtige Antworten\":",
        u"Gibt die bisherige Anzahl der richtig beantworteten Fragen an.",
        u"",
        u"\"Fehlversuche\":",
        u"Gibt die bisherige Anzahl der falschen Antworten an. Fragen, die falsch beantwortet ",
        u"wurden, werden im weiteren Verlauf des Quiz wiederholt.",
        u"",
        u"\"Aktuelle Erfolgsquote\":",
        u"Die aktuelle Erfolgsquote ist:   Q = richtig / (richtig + falsch)",
        u"Der Wert sagt aus, welcher Anteil der bisher getätigten Antworten richtig war.",
        u"",
        u"\"Offene Fragen\":",
        u"Gibt die aktuelle Anzahl der Fragen an, die noch gestellt werden.",
        u"",
        u"\"Gesamtleistung\":",
        u"Die bisherige Gesamtleistung ist:   L = richtig / (richtig + falsch + offen)",
        u"Diese Kennzahl ist die Grundlage der Leistungsbwertung (Benotung) am Ende des ",
        u"Quiz.",
        u"",
        u"\"Benötigte Zeit\":",
        u"Zeigt die bisher benötigte Zeit im Format \"Minuten:Sekunden\" seit dem Start des ",
        u"Quiz.",
    };
    QStringList text;
    for (const char16_t* zeile : zeilen)
        text << QString::fromUtf16(zeile);
    return text.join(QLatin1Char('\n'));
}

TKennzInfoBox::TKennzInfoBox(QWidget* eltern) : QDialog(eltern) {
    setObjectName(QStringLiteral("KennzInfoBox"));
    setWindowTitle(QStringLiteral("Information zu den Kennzahlen"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(true);
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setReadOnly(true);
    m_memo->setPlainText(KennzahlenText());
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSize(9);
    m_memo->setFont(schrift);
    auto* schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    schliessen->setObjectName(QStringLiteral("SchliessenBtn"));
    schliessen->setDefault(true);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(schliessen);
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(16, 16, 16, 12);
    spalte->addWidget(m_memo, 1);
    spalte->addLayout(knoepfe);
    resize(560, 380);
}

void TKennzInfoBox::showEvent(QShowEvent* ereignis) {
    KnoepfeFaerben(this);
    if (const QScreen* schirm = screen() != nullptr ? screen() : QGuiApplication::primaryScreen())
        move(schirm->availableGeometry().center() - rect().center());
    QDialog::showEvent(ereignis);
}

void TKennzInfoBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, Hintergrund(HintergrundArt::Dialog, size()));
}
