#include "results/ac_protkom.h"

#include "widgets/knopfzeile.h"

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

    const Knopfzeile knoepfe = OkAbbrechenZeile(this);
    knoepfe.ok->setDefault(false); // no default button: the comment field takes Enter itself
    connect(knoepfe.ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* alles = new QVBoxLayout(this);
    alles->addWidget(m_memo, 1);
    alles->addLayout(knoepfe.zeile);
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
