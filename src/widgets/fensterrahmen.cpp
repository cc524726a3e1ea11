#include "widgets/fensterrahmen.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>

QMargins Fensterrahmen(const QWidget* fenster) {
    if (fenster == nullptr || !fenster->isWindow()) return {};
    const QRect aussen = fenster->frameGeometry();
    const QRect innen = fenster->geometry();
    const QMargins rahmen(innen.left() - aussen.left(), innen.top() - aussen.top(),
                          aussen.right() - innen.right(), aussen.bottom() - innen.bottom());
    // A frame is never negative; odd values mean the window system does not know it yet.
    if (rahmen.left() < 0 || rahmen.top() < 0 || rahmen.right() < 0 || rahmen.bottom() < 0) return {};
    return rahmen;
}

QSize InnenGroesse(QSize aussen, const QMargins& rahmen) {
    return QSize(std::max(0, aussen.width() - rahmen.left() - rahmen.right()),
                 std::max(0, aussen.height() - rahmen.top() - rahmen.bottom()));
}

void AussenGroesseSetzen(QWidget* fenster, QSize aussen) {
    fenster->resize(InnenGroesse(aussen, Fensterrahmen(fenster)));
}

namespace {

class RahmenBeobachter final : public QObject {
public:
    RahmenBeobachter(QWidget* fenster, std::function<void(const QMargins&, const QMargins&)> anwenden)
        : QObject(fenster), m_fenster(fenster), m_anwenden(std::move(anwenden)) {
        fenster->installEventFilter(this);
    }

    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (objekt == m_fenster) {
            switch (ereignis->type()) {
            case QEvent::Show:
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::WindowStateChange:
            case QEvent::WindowActivate:
                Pruefen();
                break;
            default:
                break;
            }
        }
        return false;
    }

private:
    void Pruefen() {
        const QMargins jetzt = Fensterrahmen(m_fenster);
        if (jetzt == m_rahmen) return;
        const QMargins vorher = m_rahmen;
        m_rahmen = jetzt; // first, so that what anwenden changes does not call it again
        m_anwenden(vorher, jetzt);
    }

    QWidget* m_fenster;
    std::function<void(const QMargins&, const QMargins&)> m_anwenden;
    QMargins m_rahmen;
};

} // namespace

void BeiRahmenAenderung(QWidget* fenster,
                        std::function<void(const QMargins& vorher, const QMargins& jetzt)> anwenden) {
    new RahmenBeobachter(fenster, std::move(anwenden));
}
