#include "quiz/ac_nameeingabe.h"

#include "data/hintergrund.h"
#include "data/steuerzeichen.h"
#include "widgets/fensterfarben.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace {

constexpr int Breite = 380;
constexpr int Hoehe = 176;
constexpr int NameLaenge = 30;

QLabel* Beschriftung(QWidget* eltern, const QString& text, QRect platz, const QString& name) {
    auto* label = new QLabel(text, eltern);
    label->setObjectName(name);
    label->setGeometry(platz);
    return label;
}

} // namespace

TNameEingabeForm::TNameEingabeForm(QWidget* eltern) : QDialog(eltern) {
    setObjectName(QStringLiteral("NameEingabeForm"));
    setWindowTitle(QStringLiteral("Teilnehmername eingeben"));
    setModal(true);
    setFixedSize(Breite, Hoehe);
    m_hintergrund = DialogHintergrundAnlegen(this);

    auto* gruppe = new QGroupBox(QStringLiteral(" Quizteilnehmer "), this);
    gruppe->setObjectName(QStringLiteral("TeilnehmerGroup"));
    gruppe->setGeometry(12, 10, Breite - 24, 116);
    QLabel* nameLab =
        Beschriftung(gruppe, QStringLiteral("&Name:"), QRect(14, 30, 50, 22), QStringLiteral("NameLab"));
    m_edit = new QLineEdit(gruppe);
    m_edit->setObjectName(QStringLiteral("TNameEdit"));
    m_edit->setMaxLength(NameLaenge);
    m_edit->setGeometry(70, 30, Breite - 24 - 84, 22);
    nameLab->setBuddy(m_edit);
    Beschriftung(gruppe, QStringLiteral("Bitte Name für Protokoll und Bestenliste eingeben."),
                 QRect(14, 64, Breite - 24 - 28, 40), QStringLiteral("HinweisLab"))
        ->setWordWrap(true);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("OkBtn"));
    m_ok->setGeometry(Breite - 12 - 96, Hoehe - 40, 96, 28);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    // A pasted TAB or line break would forge rows in the protocol and the exports.
    connect(m_edit, &QLineEdit::textChanged, this, [this](const QString& text) {
        const QString sauber = OhneSteuerzeichen(text);
        if (sauber == text) return;
        const int stelle = m_edit->cursorPosition() - static_cast<int>(text.size() - sauber.size());
        m_edit->setText(sauber);
        m_edit->setCursorPosition(std::max(0, stelle));
    });
}

QString TNameEingabeForm::Abfragen() {
    exec();
    // However the window was left, the field holds the name to use, as typed.
    return OhneSteuerzeichen(m_edit->text());
}

void TNameEingabeForm::showEvent(QShowEvent* ereignis) {
    m_hintergrund->setPixmap(QPixmap::fromImage(Hintergrund(HintergrundArt::Dialog, size())));
    m_hintergrund->lower();
    KnoepfeFaerben(this);
    if (const QScreen* schirm = screen() != nullptr ? screen() : QGuiApplication::primaryScreen()) {
        const QRect s = schirm->geometry();
        move(s.left() + (s.width() - width()) / 2, s.top() + (s.height() - height()) / 2);
    }
    QDialog::showEvent(ereignis);
    // The last name is offered selected, so typing replaces it and Enter keeps it.
    m_edit->setFocus();
    m_edit->selectAll();
}
