#include "results/ac_protkom.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TProtKomForm::TProtKomForm(QWidget* eltern) : QDialog(eltern) {
    setObjectName(QStringLiteral("ProtKomForm"));
    setModal(true);
    resize(460, 260);
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setTabChangesFocus(true);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    abbrechen->setObjectName(QStringLiteral("AbbrechenBtn"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);
    auto* alles = new QVBoxLayout(this);
    alles->addWidget(m_memo, 1);
    alles->addLayout(knoepfe);
    vorbereiten();
}

void TProtKomForm::vorbereiten() {
    setWindowTitle(QStringLiteral("Kommentar zum Ablaufprotokoll hinzufügen"));
    m_memo->clear();
    m_memo->setFocus();
}

QString TProtKomForm::text() const {
    return m_memo->toPlainText();
}
