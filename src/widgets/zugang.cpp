#include "widgets/zugang.h"

#include "widgets/hoverpanel.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <unordered_map>

namespace {

// A hover panel: a push button with the press action.
class THoverPanelZugang final : public QAccessibleWidget {
public:
    explicit THoverPanelZugang(THoverPanel* panel) : QAccessibleWidget(panel, QAccessible::Button) {}

    QString text(QAccessible::Text art) const override {
        const QString eigen = QAccessibleWidget::text(art);
        if (art != QAccessible::Name || !eigen.isEmpty()) return eigen;
        return PanelName(panel()->caption(), panel()->toolTip());
    }
    // A panel without caption that takes no focus only holds other widgets.
    QAccessible::Role role() const override {
        return panel()->caption().isEmpty() && !panel()->tabStop() ? QAccessible::Pane : QAccessible::Button;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checked = panel()->checked();
        return s;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name != pressAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        // Later, as a click comes from the event loop: a click may open a modal window,
        // and the screen reader waits for the answer to its call meanwhile.
        QMetaObject::invokeMethod(
            panel(),
            [panel = QPointer<THoverPanel>(panel())] {
                if (panel != nullptr && panel->isEnabled()) emit panel->clicked();
            },
            Qt::QueuedConnection);
    }

private:
    THoverPanel* panel() const { return static_cast<THoverPanel*>(widget()); }
};

// One painted thing of a ZugangsQuelle. It holds only its widget and index: the entry is
// read from the widget each time, so a child never shows stale text.
class TEintragZugang final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TEintragZugang(QWidget* widget, int index) : m_widget(widget), m_index(index) {}

    bool isValid() const override { return m_widget != nullptr && index() >= 0; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return m_widget != nullptr ? m_widget->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_widget); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text art) const override {
        return art == QAccessible::Name ? eintrag().name : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (m_widget == nullptr) return {};
        const QRect r = eintrag().rechteck;
        return QRect(m_widget->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return eintrag().rolle; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = m_widget == nullptr || !m_widget->isVisible();
        s.readOnly = eintrag().rolle == QAccessible::StaticText;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType art) override {
        return art == QAccessible::ActionInterface && eintrag().drueckbar
                   ? static_cast<QAccessibleActionInterface*>(this)
                   : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    void setIndex(int index) { m_index = index; }
    int index() const { return m_index; }
    ZugangsEintrag eintrag() const;

private:
    QPointer<QWidget> m_widget;
    int m_index;
};

// The widget of a ZugangsQuelle with its entries as children, made when first asked for.
class TQuellenZugang final : public QAccessibleWidget {
public:
    TQuellenZugang(QWidget* widget, ZugangsQuelle* quelle)
        : QAccessibleWidget(widget, QAccessible::Graphic), m_quelle(quelle) {}

    // The widget's own children (answer elements, labels) first, then the painted entries.
    int childCount() const override {
        return QAccessibleWidget::childCount() + static_cast<int>(eintraege().size());
    }
    QAccessibleInterface* child(int index) const override {
        const int eigene = QAccessibleWidget::childCount();
        if (index < eigene) return QAccessibleWidget::child(index);
        if (index - eigene >= static_cast<int>(eintraege().size())) return nullptr;
        return kind(index - eigene);
    }
    int indexOfChild(const QAccessibleInterface* gesucht) const override {
        for (const auto& [index, id] : m_kinder)
            if (QAccessible::accessibleInterface(id) == gesucht)
                return QAccessibleWidget::childCount() + index;
        return QAccessibleWidget::indexOfChild(gesucht);
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        if (QAccessibleInterface* eigen = QAccessibleWidget::childAt(x, y)) return eigen;
        const QPoint p = widget()->mapFromGlobal(QPoint(x, y));
        const std::vector<ZugangsEintrag> liste = eintraege();
        for (int i = 0; i < static_cast<int>(liste.size()); ++i)
            if (liste[static_cast<size_t>(i)].rechteck.contains(p)) return kind(i);
        return nullptr;
    }

    std::vector<ZugangsEintrag> eintraege() const { return m_quelle->ZugangsEintraege(); }

    // Announces the names that changed since they were last read or announced.
    void erneuern() {
        const std::vector<ZugangsEintrag> liste = eintraege();
        const int anzahl = static_cast<int>(liste.size());
        bool umgebaut = false;
        for (auto it = m_kinder.begin(); it != m_kinder.end();) {
            if (it->first < anzahl) {
                ++it;
                continue;
            }
            QAccessible::deleteAccessibleInterface(it->second);
            it = m_kinder.erase(it);
            umgebaut = true;
        }
        if (umgebaut || anzahl != m_gemeldeteAnzahl) {
            QAccessibleEvent ereignis(widget(), QAccessible::ObjectReorder);
            QAccessible::updateAccessibility(&ereignis);
        }
        m_gemeldeteAnzahl = anzahl;
        for (auto& [index, id] : m_kinder) {
            QString& alt = m_namen[index];
            const QString& neu = liste[static_cast<size_t>(index)].name;
            if (alt == neu) continue;
            alt = neu;
            QAccessibleEvent ereignis(QAccessible::accessibleInterface(id), QAccessible::NameChanged);
            QAccessible::updateAccessibility(&ereignis);
        }
    }

private:
    QAccessibleInterface* kind(int index) const {
        auto it = m_kinder.find(index);
        if (it == m_kinder.end()) {
            auto* neu = new TEintragZugang(widget(), index);
            it = m_kinder.emplace(index, QAccessible::registerAccessibleInterface(neu)).first;
            m_namen[index] = neu->eintrag().name;
        }
        return QAccessible::accessibleInterface(it->second);
    }

    ZugangsQuelle* m_quelle;
    mutable std::unordered_map<int, QAccessible::Id> m_kinder;
    mutable std::unordered_map<int, QString> m_namen;
    int m_gemeldeteAnzahl = -1;
};

ZugangsEintrag TEintragZugang::eintrag() const {
    auto* quelle = dynamic_cast<ZugangsQuelle*>(m_widget.data());
    if (quelle == nullptr) return {};
    const std::vector<ZugangsEintrag> liste = quelle->ZugangsEintraege();
    if (m_index < 0 || m_index >= static_cast<int>(liste.size())) return {};
    return liste[static_cast<size_t>(m_index)];
}

void TEintragZugang::doAction(const QString& name) {
    auto* quelle = dynamic_cast<ZugangsQuelle*>(m_widget.data());
    if (name != pressAction() || quelle == nullptr || !eintrag().drueckbar) return;
    // Later, for the same reason as a hover panel's click.
    QMetaObject::invokeMethod(
        m_widget,
        [widget = m_widget, index = m_index] {
            if (auto* q = dynamic_cast<ZugangsQuelle*>(widget.data())) q->ZugangsDruecken(index);
        },
        Qt::QueuedConnection);
}

QAccessibleInterface* Fabrik(const QString& /*klasse*/, QObject* objekt) {
    if (auto* panel = qobject_cast<THoverPanel*>(objekt)) return new THoverPanelZugang(panel);
    auto* widget = qobject_cast<QWidget*>(objekt);
    if (auto* quelle = dynamic_cast<ZugangsQuelle*>(objekt); quelle != nullptr && widget != nullptr)
        return new TQuellenZugang(widget, quelle);
    return nullptr;
}

QString& LetzteAnsageText() {
    static QString text;
    return text;
}

} // namespace

namespace {
bool& Erzwungen() {
    static bool erzwungen = false;
    return erzwungen;
}
} // namespace

bool ZugangAktiv() {
    return Erzwungen() || QAccessible::isActive();
}

void ZugangErzwingen(bool an) {
    Erzwungen() = an;
}

void ZugangEinrichten() {
    static const bool eingerichtet = [] {
        QAccessible::installFactory(Fabrik);
        return true;
    }();
    (void)eingerichtet;
}

void ZugangErneuern(QWidget* quelle) {
    if (!ZugangAktiv() || quelle == nullptr) return;
    if (auto* zugang = dynamic_cast<TQuellenZugang*>(QAccessible::queryAccessibleInterface(quelle)))
        zugang->erneuern();
}

void Ansagen(const QString& text, QWidget* ersatz) {
    if (!ZugangAktiv()) return;
    AnsagenAuf(QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : ersatz, text);
}

void AnsagenAuf(QWidget* ziel, const QString& text) {
    if (!ZugangAktiv() || ziel == nullptr) return;
    // The old description stays where it was: a reader that takes the text when the event
    // arrives must still find it, and it tells what was tried with that element.
    // Qt tells the screen reader of every change of a description; the same text twice in a
    // row must be heard twice.
    if (ziel->accessibleDescription() == text) ziel->setAccessibleDescription({});
    ziel->setAccessibleDescription(text);
    LetzteAnsageText() = text;
}

QString LetzteAnsage() {
    return LetzteAnsageText();
}

QString PanelName(const QString& caption, const QString& tipp) {
    QString name = caption;
    name.replace(u'\n', u' ').remove(u'\r');
    name = name.simplified();
    const bool nurZeichen =
        std::none_of(name.begin(), name.end(), [](QChar c) { return c.isLetterOrNumber(); });
    return nurZeichen && !tipp.isEmpty() ? tipp : name;
}
