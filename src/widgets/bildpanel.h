#pragma once
// A panel that paints one of the nine-slice backgrounds, scaled to its size.
// The picture is made again only when the size changes, so repaints just copy it.
#include "data/hintergrund.h"

#include <QFrame>
#include <QImage>

class TBildPanel final : public QFrame {
    Q_OBJECT
public:
    TBildPanel(HintergrundArt art, QWidget* eltern = nullptr);
    const QImage& bild() const { return m_bild; }

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    HintergrundArt m_art;
    QImage m_bild;
};
