#include "output/ac_mail.h"

#include "data/hintergrund.h"
#include "widgets/fensterfarben.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {
constexpr int Breite = 460;
constexpr int Hoehe = 256;
constexpr int Rand = 12;
constexpr int MitBasissystemIndex = 1;
} // namespace

TMailForm::TMailForm(QWidget* eltern) : QDialog(eltern) {
    setObjectName(QStringLiteral("MailForm"));
    setWindowTitle(QStringLiteral("Dokument per E-Mail versenden"));
    setModal(true);
    setFixedSize(Breite, Hoehe);
    m_hintergrund = DialogHintergrundAnlegen(this);

    m_gruppe = new QGroupBox(QStringLiteral(" Versandoptionen "), this);
    m_gruppe->setObjectName(QStringLiteral("MailGroup"));
    m_gruppe->setGeometry(Rand, 10, Breite - 2 * Rand, 88);
    m_knoepfe = new QButtonGroup(this);
    const QString texte[] = {QStringLiteral(" nur &Dokument versenden "),
                             QStringLiteral(" Dokument und TVL-&Basissystem zusammen versenden ")};
    for (int i = 0; i < 2; ++i) {
        auto* knopf = new QRadioButton(texte[i], m_gruppe);
        knopf->setObjectName(QStringLiteral("MailGroupItem") + QString::number(i));
        knopf->setGeometry(14, 24 + i * 28, Breite - 2 * Rand - 28, 24);
        m_knoepfe->addButton(knopf, i);
    }
    setzeItemIndex(0);

    auto* hinweis = new QLabel(QStringLiteral("(der Empfänger benötigt das TVL-Basissystem oder das "
                                              "TVL-Autorensystem, um die Datei öffnen zu können)"),
                               this);
    hinweis->setObjectName(QStringLiteral("MailLab"));
    hinweis->setWordWrap(true);
    hinweis->setGeometry(Rand + 4, 104, Breite - 2 * Rand - 8, 44);
    m_basisHinweis = new QLabel(this);
    m_basisHinweis->setObjectName(QStringLiteral("MailBasisLab"));
    m_basisHinweis->setWordWrap(true);
    m_basisHinweis->setGeometry(Rand + 4, 150, Breite - 2 * Rand - 8, 48);
    m_basisHinweis->hide();

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("OkBtn"));
    m_ok->setGeometry(Breite - Rand - 2 * 96 - 8, Hoehe - 40, 96, 28);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    m_abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    m_abbrechen->setObjectName(QStringLiteral("AbbrechenBtn"));
    m_abbrechen->setGeometry(Breite - Rand - 96, Hoehe - 40, 96, 28);
    connect(m_abbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<int> TMailForm::Abfragen() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return ItemIndex();
}

void TMailForm::BasissystemAnbieten(bool verfuegbar, const QString& hinweis) {
    Item(MitBasissystemIndex)->setEnabled(verfuegbar);
    if (!verfuegbar && ItemIndex() == MitBasissystemIndex) setzeItemIndex(0);
    m_basisHinweis->setText(verfuegbar ? QString() : hinweis);
    m_basisHinweis->setVisible(!verfuegbar && !hinweis.isEmpty());
}

int TMailForm::ItemIndex() const {
    return m_knoepfe->checkedId();
}

void TMailForm::setzeItemIndex(int index) {
    if (QAbstractButton* knopf = m_knoepfe->button(index)) knopf->setChecked(true);
}

QRadioButton* TMailForm::Item(int index) const {
    return qobject_cast<QRadioButton*>(m_knoepfe->button(index));
}

void TMailForm::showEvent(QShowEvent* ereignis) {
    m_hintergrund->setPixmap(QPixmap::fromImage(Hintergrund(HintergrundArt::Dialog, size())));
    m_hintergrund->lower();
    KnoepfeFaerben(this, "QPushButton"); // the option buttons keep the group's colour
    QDialog::showEvent(ereignis);
}
