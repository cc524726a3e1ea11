#pragma once
// Shared steps of the dialog window tests: the picture resource and driving a modal exec().
#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

// The resource lives in the UI library; a static library needs its explicit registration.
inline void RessourcenLaden() {
    Q_INIT_RESOURCE(kartello);
}

// Runs `schritt` on the modal window as soon as the event loop of its exec() turns; fails
// the test when no modal window appeared. The caller then calls exec() (or Abfragen/Zeigen).
inline void WennModal(std::function<void(QWidget*)> schritt, bool* gesehen) {
    *gesehen = false;
    QTimer::singleShot(0, [schritt = std::move(schritt), gesehen] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        *gesehen = true;
        schritt(modal);
        // A failed expectation inside must not leave the dialog open forever.
        if (modal->isVisible()) QTimer::singleShot(0, modal, [modal] { modal->close(); });
    });
}

// QTest::keyClicks handles ASCII only; umlauts go in as key events carrying their text.
inline void Tippen(QWidget* ziel, const QString& text) {
    for (const QChar zeichen : text) {
        if (zeichen.unicode() < 128)
            QTest::keyClick(ziel, zeichen.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, ziel, Qt::Key_unknown, QString(zeichen), Qt::NoModifier);
    }
}

// Names of the pairs of shown children (at any depth, compared among siblings) whose
// rectangles overlap or that leave their parent; the background picture is meant to lie under all.
inline QStringList Ueberlappungen(const QWidget* eltern) {
    QStringList fehler;
    QList<const QWidget*> kinder;
    for (const QObject* o : eltern->children()) {
        const auto* w = qobject_cast<const QWidget*>(o);
        if (w != nullptr && !w->isHidden() && w->objectName() != QStringLiteral("MainBackImg")) kinder << w;
    }
    const auto name = [](const QWidget* w) {
        return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                         : w->objectName();
    };
    for (int i = 0; i < kinder.size(); ++i) {
        if (!eltern->rect().contains(kinder[i]->geometry()))
            fehler << name(kinder[i]) + QStringLiteral(" ragt aus ") + name(eltern);
        for (int j = i + 1; j < kinder.size(); ++j)
            if (kinder[i]->geometry().intersects(kinder[j]->geometry()))
                fehler << name(kinder[i]) + QStringLiteral(" / ") + name(kinder[j]);
        fehler << Ueberlappungen(kinder[i]);
    }
    return fehler;
}

inline QStringList Beschriftungen(const QButtonGroup* gruppe) {
    QStringList texte;
    for (int i = 0; i < static_cast<int>(gruppe->buttons().size()); ++i)
        texte << gruppe->button(i)->text();
    return texte;
}
