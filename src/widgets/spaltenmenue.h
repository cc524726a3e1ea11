#pragma once
// Menu entries in two columns inside one QMenu. QMenu has no column break of its own,
// so a long list is shown by one widget action that lays its entries out itself. The
// entries stay ordinary QActions (checkable, grouped, triggered as usual); the widget
// paints them in the style of menu items and forwards mouse and keys to them.
#include <QList>
#include <QWidget>
#include <array>

class QAction;
class QMenu;
class QStyleOptionMenuItem;
class QWidgetAction;

class TSpaltenMenue final : public QWidget {
public:
    // `eintraege` in order; the entry with index `umbruch` starts the second column.
    TSpaltenMenue(QList<QAction*> eintraege, int umbruch, QWidget* eltern = nullptr);

    int Anzahl() const { return static_cast<int>(m_eintraege.size()); }
    // The highlighted entry, -1 for none.
    int Aktuell() const { return m_aktuell; }
    void SetzeAktuell(int index);
    int Spalte(int index) const { return index < m_umbruch ? 0 : 1; }
    // Where entry `index` is drawn, in this widget's pixels.
    QRect Eintragsrechteck(int index) const;
    int EintragAn(QPoint punkt) const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void leaveEvent(QEvent* ereignis) override;
    void focusInEvent(QFocusEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;

private:
    void Vermessen();
    void Option(int index, QStyleOptionMenuItem& option) const;
    int Zeile(int index) const { return index < m_umbruch ? index : index - m_umbruch; }
    int IndexIn(int spalte, int zeile) const;
    bool Pfeil(int taste);
    bool Kuerzel(const QString& text);
    void Ausloesen(int index);

    QList<QAction*> m_eintraege;
    int m_umbruch = 0;
    int m_aktuell = -1;
    int m_zeilenhoehe = 0;
    std::array<int, 2> m_spaltenbreite{};
};

// The widget action that shows `eintraege` in two columns in `menue`, split at `umbruch`.
QWidgetAction* SpaltenMenueAktion(QMenu* menue, const QList<QAction*>& eintraege, int umbruch);
