#include "editor/ac_lueckentext.h"

#include "editor/lueckentext.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

TLueckentext::TLueckentext(EditorDokument& dok, QWidget* eltern) : QWidget(eltern), m_dok(dok) {
    auto* spalte = new QVBoxLayout(this);
    m_text = new QPlainTextEdit;
    m_text->setObjectName(QStringLiteral("Lueckentext"));
    m_text->setAccessibleName(QStringLiteral("Lückentext"));
    spalte->addWidget(m_text);
    auto* zeile = new QHBoxLayout;
    m_knopf = new QPushButton(QStringLiteral("Wort als Lücke"));
    m_knopf->setObjectName(QStringLiteral("WortAlsLuecke"));
    m_knopf->setToolTip(QStringLiteral("Strg+L"));
    // An action rather than the button's own shortcut, which clicks only after an animation.
    auto* taste = new QAction(this);
    taste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    addAction(taste);
    connect(taste, &QAction::triggered, this, &TLueckentext::wortZurLuecke);
    zeile->addWidget(m_knopf);
    auto* hilfe =
        new QLabel(QStringLiteral("<<Wort>> Lücke, <B>fett</B>, <I>kursiv</I>, <U>unterstrichen</U>"));
    hilfe->setTextFormat(Qt::PlainText);
    zeile->addWidget(hilfe, 1);
    spalte->addLayout(zeile);
    m_pause.setSingleShot(true);
    m_pause.setInterval(400);
    connect(&m_pause, &QTimer::timeout, this, &TLueckentext::uebernehmen);
    connect(m_text, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_fuellt) m_pause.start();
    });
    connect(m_knopf, &QPushButton::clicked, this, &TLueckentext::wortZurLuecke);
    connect(&m_dok, &EditorDokument::geaendert, this, &TLueckentext::fuellen);
    connect(&m_dok, &EditorDokument::neuGeladen, this, &TLueckentext::fuellen);
    fuellen();
}

void TLueckentext::fuellen() {
    if (m_pause.isActive()) return; // typing not yet taken over wins
    QString text = m_dok.dokument().Header.HD_lueckentext;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (m_text->toPlainText() == text) return;
    m_fuellt = true;
    const int pos = m_text->textCursor().position();
    m_text->setPlainText(text);
    QTextCursor c = m_text->textCursor();
    c.setPosition(std::min(pos, static_cast<int>(text.size())));
    m_text->setTextCursor(c);
    m_fuellt = false;
}

void TLueckentext::uebernehmen() {
    m_pause.stop();
    QString text = m_text->toPlainText();
    text.replace(u'\n', QStringLiteral("\r\n"));
    if (text == m_dok.dokument().Header.HD_lueckentext) return;
    m_dok.aendern(
        QStringLiteral("Lückentext"),
        [&text](Dokumentstand& s) {
            s.Kopf.HD_lueckentext = text;
            LueckenAbgleichen(s);
        },
        -1, 2);
}

void TLueckentext::wortZurLuecke() {
    const QTextCursor c = m_text->textCursor();
    const QString alt = m_text->toPlainText();
    const QString neu = WortZurLuecke(alt, c.selectionStart(), c.selectionEnd());
    if (neu == alt) return;
    m_text->setPlainText(neu);
    uebernehmen();
}
