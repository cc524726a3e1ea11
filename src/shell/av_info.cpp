#include "shell/av_info.h"

#include "data/av_data.h"
#include "shell/hilfe.h"
#include "data/hintergrund.h"
#include "widgets/fensterfarben.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

TInfoBox::TInfoBox(Shell& shell, Meldungen& meldungen, QWidget* eltern)
    : QDialog(eltern), m_shell(shell), m_meldungen(meldungen) {
    setObjectName(QStringLiteral("InfoBox"));
    setWindowTitle(QStringLiteral("Info"));
    setModal(true);

    auto* symbol = new QLabel(this);
    symbol->setPixmap(QPixmap::fromImage(RessourcenBild(QStringLiteral("glyphen/programm"))));
    symbol->setAlignment(Qt::AlignTop);

    m_titelLab = new QLabel(this);
    m_titelLab->setObjectName(QStringLiteral("TitelLab"));
    QFont gross = m_titelLab->font();
    gross.setPointSize(gross.pointSize() + 5);
    gross.setBold(true);
    m_titelLab->setFont(gross);
    m_versionLab = new QLabel(this);
    m_versionLab->setObjectName(QStringLiteral("VersionLab"));

    auto* text = new QLabel(QStringLiteral("Quiz-Programm für Themendokumente:\n"
                                           "Bildbeschriftungen, Lückentexte und Einzelfragen.\n\n"
                                           "© Velmora Lernsoftware. Alle Rechte vorbehalten."),
                            this);
    auto* link = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(HerstellerHomepage), this);
    link->setObjectName(QStringLiteral("LinkLab"));
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(link, &QLabel::linkActivated, this,
            [this](const QString& ziel) { ZielOeffnen(ziel, m_shell, m_meldungen); });

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* texte = new QVBoxLayout;
    texte->addWidget(m_titelLab);
    texte->addWidget(m_versionLab);
    texte->addSpacing(8);
    texte->addWidget(text);
    texte->addWidget(link);
    auto* oben = new QHBoxLayout;
    oben->addWidget(symbol);
    oben->addSpacing(12);
    oben->addLayout(texte, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(ok);
    auto* alles = new QVBoxLayout(this);
    alles->setContentsMargins(20, 20, 20, 16);
    alles->addLayout(oben);
    alles->addSpacing(12);
    alles->addLayout(knoepfe);
}

QString TInfoBox::titelText() const {
    return m_titelLab->text();
}
QString TInfoBox::versionText() const {
    return m_versionLab->text();
}

void TInfoBox::showEvent(QShowEvent* ereignis) {
    m_titelLab->setText(ProgrammTitel);
    m_versionLab->setText(ProgrammVersion);
    KnoepfeFaerben(this);
    QDialog::showEvent(ereignis);
}

void TInfoBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, Hintergrund(HintergrundArt::Dialog, size()));
}
