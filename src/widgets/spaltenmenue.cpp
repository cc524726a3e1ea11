#include "widgets/spaltenmenue.h"

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionMenuItem>
#include <QWidgetAction>
#include <algorithm>

TSpaltenMenue::TSpaltenMenue(QList<QAction*> eintraege, int umbruch, QWidget* eltern)
    : QWidget(eltern), m_eintraege(std::move(eintraege)),
      m_umbruch(std::clamp(umbruch, 0, static_cast<int>(m_eintraege.size()))) {
    setObjectName(QStringLiteral("SpaltenMenue"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    for (QAction* a : m_eintraege)
        connect(a, &QAction::changed, this, qOverload<>(&QWidget::update));
    Vermessen();
}

void TSpaltenMenue::Option(int index, QStyleOptionMenuItem& o) const {
    const QAction* a = m_eintraege[index];
    o.initFrom(this);
    o.menuItemType = QStyleOptionMenuItem::Normal;
    const bool exklusiv = a->actionGroup() != nullptr && a->actionGroup()->isExclusive();
    o.checkType = !a->isCheckable() ? QStyleOptionMenuItem::NotCheckable
                  : exklusiv        ? QStyleOptionMenuItem::Exclusive
                                    : QStyleOptionMenuItem::NonExclusive;
    o.checked = a->isChecked();
    o.menuHasCheckableItems = true;
    o.text = a->text();
    o.font = font();
    o.maxIconWidth = 0;
    o.reservedShortcutWidth = 0;
    o.state = QStyle::State_None;
    // The entries are hidden in the menu, which also reports them disabled: the widget
    // stands for them, so its own state counts.
    if (isEnabled()) o.state |= QStyle::State_Enabled;
    if (index == m_aktuell) o.state |= QStyle::State_Selected;
}

void TSpaltenMenue::Vermessen() {
    m_zeilenhoehe = 0;
    m_spaltenbreite = {0, 0};
    for (int i = 0; i < Anzahl(); ++i) {
        QStyleOptionMenuItem o;
        Option(i, o);
        QString ohneKuerzel = o.text;
        ohneKuerzel.remove(u'&');
        const QSize inhalt(fontMetrics().horizontalAdvance(ohneKuerzel), fontMetrics().height());
        const QSize g = style()->sizeFromContents(QStyle::CT_MenuItem, &o, inhalt, this);
        m_zeilenhoehe = std::max(m_zeilenhoehe, g.height());
        int& breite = m_spaltenbreite[static_cast<size_t>(Spalte(i))];
        breite = std::max(breite, g.width());
    }
}

QSize TSpaltenMenue::sizeHint() const {
    const int zeilen = std::max(m_umbruch, Anzahl() - m_umbruch);
    return QSize(m_spaltenbreite[0] + m_spaltenbreite[1], zeilen * m_zeilenhoehe);
}

QRect TSpaltenMenue::Eintragsrechteck(int index) const {
    if (index < 0 || index >= Anzahl()) return {};
    const int x = Spalte(index) == 0 ? 0 : m_spaltenbreite[0];
    return QRect(x, Zeile(index) * m_zeilenhoehe, m_spaltenbreite[static_cast<size_t>(Spalte(index))],
                 m_zeilenhoehe);
}

int TSpaltenMenue::EintragAn(QPoint punkt) const {
    for (int i = 0; i < Anzahl(); ++i)
        if (Eintragsrechteck(i).contains(punkt)) return i;
    return -1;
}

int TSpaltenMenue::IndexIn(int spalte, int zeile) const {
    const int erster = spalte == 0 ? 0 : m_umbruch;
    const int anzahl = spalte == 0 ? m_umbruch : Anzahl() - m_umbruch;
    if (anzahl <= 0) return -1;
    return erster + std::clamp(zeile, 0, anzahl - 1);
}

void TSpaltenMenue::SetzeAktuell(int index) {
    const int neu = index >= 0 && index < Anzahl() ? index : -1;
    if (neu == m_aktuell) return;
    m_aktuell = neu;
    update();
}

void TSpaltenMenue::paintEvent(QPaintEvent* /*ereignis*/) {
    QPainter maler(this);
    for (int i = 0; i < Anzahl(); ++i) {
        QStyleOptionMenuItem o;
        Option(i, o);
        o.rect = Eintragsrechteck(i);
        style()->drawControl(QStyle::CE_MenuItem, &o, &maler, this);
    }
}

void TSpaltenMenue::mouseMoveEvent(QMouseEvent* ereignis) {
    SetzeAktuell(EintragAn(ereignis->position().toPoint()));
}

void TSpaltenMenue::leaveEvent(QEvent* /*ereignis*/) {
    if (!hasFocus()) SetzeAktuell(-1);
}

void TSpaltenMenue::mouseReleaseEvent(QMouseEvent* ereignis) {
    if (ereignis->button() != Qt::LeftButton) return;
    const int i = EintragAn(ereignis->position().toPoint());
    if (i >= 0) Ausloesen(i);
}

// The menu lends its font and style only when it takes the widget in: measure again.
void TSpaltenMenue::changeEvent(QEvent* ereignis) {
    QWidget::changeEvent(ereignis);
    const QEvent::Type art = ereignis->type();
    if (art == QEvent::FontChange || art == QEvent::StyleChange || art == QEvent::ParentChange) {
        Vermessen();
        updateGeometry();
    }
}

void TSpaltenMenue::focusInEvent(QFocusEvent* ereignis) {
    QWidget::focusInEvent(ereignis);
    // Arriving from the entry above starts at the top, from below at the last entry.
    if (m_aktuell < 0) SetzeAktuell(ereignis->reason() == Qt::BacktabFocusReason ? Anzahl() - 1 : 0);
}

// Up and down stay in the column; at its ends the menu goes on to its other entries.
// Left and right change the column in the same row.
bool TSpaltenMenue::Pfeil(int taste) {
    if (m_aktuell < 0) {
        if (taste != Qt::Key_Down && taste != Qt::Key_Up) return false;
        SetzeAktuell(taste == Qt::Key_Down ? 0 : Anzahl() - 1);
        return true;
    }
    const int spalte = Spalte(m_aktuell);
    const int zeile = Zeile(m_aktuell);
    int ziel = -1;
    if (taste == Qt::Key_Down || taste == Qt::Key_Up) {
        const int neueZeile = zeile + (taste == Qt::Key_Down ? 1 : -1);
        ziel = IndexIn(spalte, neueZeile);
        if (ziel < 0 || Zeile(ziel) != neueZeile) ziel = -1;
    } else if (taste == Qt::Key_Right || taste == Qt::Key_Left) {
        const int andere = taste == Qt::Key_Right ? spalte + 1 : spalte - 1;
        if (andere < 0 || andere > 1) return true; // nothing beyond the outer columns
        ziel = IndexIn(andere, zeile);
        if (ziel < 0) return true;
    }
    if (ziel < 0) {
        SetzeAktuell(-1);
        return false;
    }
    SetzeAktuell(ziel);
    return true;
}

// A typed character picks the entry whose caption marks it with "&".
bool TSpaltenMenue::Kuerzel(const QString& text) {
    if (text.size() != 1 || !text.at(0).isPrint()) return false;
    for (int i = 0; i < Anzahl(); ++i) {
        const QString t = m_eintraege[i]->text();
        const qsizetype amp = t.indexOf(u'&');
        if (amp >= 0 && amp + 1 < t.size() && t.at(amp + 1).toLower() == text.at(0).toLower()) {
            Ausloesen(i);
            return true;
        }
    }
    return false;
}

void TSpaltenMenue::keyPressEvent(QKeyEvent* ereignis) {
    const int taste = ereignis->key();
    bool verbraucht = false;
    switch (taste) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        verbraucht = Pfeil(taste);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_aktuell >= 0) {
            Ausloesen(m_aktuell);
            verbraucht = true;
        }
        break;
    default:
        verbraucht = Kuerzel(ereignis->text());
        break;
    }
    // Unused keys (Escape, the arrows past the column ends) go on to the menu.
    if (verbraucht)
        ereignis->accept();
    else
        ereignis->ignore();
}

void TSpaltenMenue::Ausloesen(int index) {
    QAction* a = m_eintraege[index];
    // The menus close first: what the entry opens may show its own windows.
    for (QWidget* w = parentWidget(); w != nullptr; w = w->parentWidget())
        if (auto* menue = qobject_cast<QMenu*>(w)) menue->hide();
    SetzeAktuell(-1);
    a->trigger();
}

QWidgetAction* SpaltenMenueAktion(QMenu* menue, const QList<QAction*>& eintraege, int umbruch) {
    auto* aktion = new QWidgetAction(menue);
    aktion->setDefaultWidget(new TSpaltenMenue(eintraege, umbruch));
    return aktion;
}
