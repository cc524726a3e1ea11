#pragma once
// Scrolling a picture in a scroll area by dragging it with the left button: the picture
// follows the pointer, and the drag cursor shows while the button is down. Shared by the
// info window and the worksheet preview.
#include <QCursor>
#include <QObject>
#include <QPoint>

class QScrollArea;
class QWidget;

class ZiehRollen final : public QObject {
    Q_OBJECT
public:
    // Watches `bild` (inside `bereich`) for left-button drags.
    ZiehRollen(QScrollArea* bereich, QWidget* bild, QObject* eltern = nullptr);

    void setzeCursor(const QCursor& cursor) { m_cursor = cursor; }
    bool Zieht() const { return m_zieht; }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    QScrollArea* m_bereich;
    QWidget* m_bild;
    QCursor m_cursor{Qt::ClosedHandCursor};
    bool m_zieht = false;
    QPoint m_letzte;
};
