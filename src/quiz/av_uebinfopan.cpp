#include "quiz/av_uebinfopan.h"

#include "quiz/quiz.h"
#include "data/hintergrund.h"
#include "widgets/hoverpanel.h"
#include "widgets/kuerzlabel.h"

#include <QGridLayout>
#include <QLabel>

namespace {
constexpr int PanelBreite = 196;

void Faerben(QLabel* l, const QColor& farbe) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, farbe);
    l->setPalette(p);
}
} // namespace

TUebInfoPan::TUebInfoPan(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("UebInfoPan"));
    setFixedWidth(PanelBreite);
    m_raster = new QGridLayout(this);
    m_raster->setContentsMargins(8, 12, 8, 8);
    m_raster->setVerticalSpacing(4);
    QLabel* status = Zeile(QStringLiteral("Status:"), "UebStatLab");
    QFont fett = status->font();
    fett.setBold(true);
    status->setFont(fett);
    m_name = new TKuerzLabel(this);
    Zeile(QStringLiteral("Name:"), "TNameLab", m_name);
    Zeile(QStringLiteral("Richtige Antworten:"), "RichtigLab");
    Zeile(QString(), "GesAnzLab");
    Zeile(QStringLiteral("Fehlversuche:"), "FalschLab");
    Zeile(QStringLiteral("Aktuelle Erfolgsquote:"), "QuoteLab");
    Zeile(QStringLiteral("Offene Fragen:"), "OffenLab");
    Zeile(QStringLiteral("Gesamtleistung:"), "GesamtleistungLab");
    QLabel* zeit = Zeile(QStringLiteral("Benötigte Zeit:"), "UebZeitLab");
    zeit->setText(QStringLiteral("00:00"));
    QFont gross(QStringLiteral("Arial"), 14);
    gross.setBold(true);
    zeit->setFont(gross);
    m_modus = findChild<QLabel*>(QStringLiteral("UebZeitLabTitel"));
    m_modus->setObjectName(QStringLiteral("UebZeitModeLab"));

    auto* hinweis =
        new QLabel(QStringLiteral("Hinweis: Falsch beant- wortete Fragen werden später wiederholt."), this);
    hinweis->setWordWrap(true);
    m_raster->addWidget(hinweis, m_raster->rowCount(), 0);
    m_kennzInfo = new THoverPanel(this);
    m_kennzInfo->setObjectName(QStringLiteral("KennzInfoPan"));
    m_kennzInfo->setCaption(QStringLiteral("?"));
    m_kennzInfo->setToolTip(QStringLiteral("Information zu den Kennzahlen"));
    const WerkzeugKnopfStilTyp stil = WerkzeugKnopfStil();
    m_kennzInfo->setBorderColor(stil.BorderColor);
    m_kennzInfo->setBorderWidth(stil.BorderWidth);
    m_kennzInfo->setNormColor(stil.NormColor);
    m_kennzInfo->setHoverColor(stil.HoverColor);
    m_kennzInfo->setNormFontColor(stil.NormFontColor);
    m_kennzInfo->setFixedSize(28, 24);
    m_kennzInfo->setCursor(Qt::PointingHandCursor);
    m_kennzInfo->setTabStop(true);
    m_raster->addWidget(m_kennzInfo, m_raster->rowCount(), 0, Qt::AlignLeft);
    m_raster->setRowStretch(m_raster->rowCount(), 1);
    connect(m_kennzInfo, &THoverPanel::clicked, this, &TUebInfoPan::KennzahlenErklaeren);
}

// A caption line and its value below it; the panel is narrow.
QLabel* TUebInfoPan::Zeile(const QString& titel, const char* name, QLabel* wert) {
    if (!titel.isEmpty()) {
        auto* beschriftung = new QLabel(titel, this);
        beschriftung->setObjectName(QString::fromLatin1(name) + QStringLiteral("Titel"));
        m_raster->addWidget(beschriftung, m_raster->rowCount(), 0);
    }
    if (wert == nullptr) wert = new QLabel(this);
    wert->setObjectName(QString::fromLatin1(name));
    wert->setIndent(12);
    m_raster->addWidget(wert, m_raster->rowCount(), 0);
    return wert;
}

QLabel* TUebInfoPan::Wert(const char* name) const {
    return findChild<QLabel*>(QString::fromLatin1(name));
}

void TUebInfoPan::StatusText(const QString& text, const QColor& farbe) {
    QLabel* l = Wert("UebStatLab");
    l->setText(text);
    Faerben(l, farbe);
    l->repaint();
}

void TUebInfoPan::Anzeigen(const StatusAnzeige& s) {
    StatusText(s.Status, s.StatusFarbe);
    m_name->setzeVollText(s.Name); // a long name ends in "…", whole in the tooltip
    Wert("RichtigLab")->setText(s.Richtig);
    Wert("GesAnzLab")->setText(s.GesAnz);
    Wert("FalschLab")->setText(s.Falsch);
    Wert("QuoteLab")->setText(s.Quote);
    Wert("OffenLab")->setText(s.Offen);
    Wert("GesamtleistungLab")->setText(s.Gesamtleistung);
    m_modus->setText(s.ZeitModus);
    ZeitAnzeigen(s.Zeit);
    repaint();
}

void TUebInfoPan::ZeitAnzeigen(const QString& text) {
    QLabel* l = Wert("UebZeitLab");
    if (l->text() == text) return;
    ++m_zeitanzeigen;
    l->setText(text);
    l->repaint();
}
