#pragma once
// The button-like panel of the user interface: it changes colour under the
// pointer, can show a checked state with a marker line, draws an optional
// background picture and fits its caption into its area.
#include <QColor>
#include <QImage>
#include <QMargins>
#include <QWidget>
#include <memory>

struct EingepassteBeschriftung;

class THoverPanel : public QWidget {
    Q_OBJECT
public:
    enum class Bevel { Keine, Erhaben, Vertieft };
    enum class Lage { Oben, Mitte, Unten };

    explicit THoverPanel(QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);

    QColor normColor() const { return m_normColor; }
    void setNormColor(const QColor& c);
    QColor hoverColor() const { return m_hoverColor; }
    void setHoverColor(const QColor& c);
    QColor checkColor() const { return m_checkColor; }
    void setCheckColor(const QColor& c);
    QColor normFontColor() const { return m_normFontColor; }
    void setNormFontColor(const QColor& c);
    QColor checkFontColor() const { return m_checkFontColor; }
    void setCheckFontColor(const QColor& c);
    bool checkFontBold() const { return m_checkFontBold; }
    void setCheckFontBold(bool an);
    bool hoverActive() const { return m_hoverActive; }
    void setHoverActive(bool an);
    bool checked() const { return m_checked; }
    void setChecked(bool an);
    bool xpCheck() const { return m_xpCheck; }
    void setXPCheck(bool an);
    QColor borderColor() const { return m_borderColor; }
    void setBorderColor(const QColor& c);
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int pixel);
    Bevel bevelOuter() const { return m_bevelOuter; }
    void setBevelOuter(Bevel b);
    int bevelWidth() const { return m_bevelWidth; }
    void setBevelWidth(int pixel);
    QMargins padding() const { return m_padding; }
    void setPadding(const QMargins& m);
    Qt::Alignment alignment() const { return m_alignment; } // Qt::AlignLeft, AlignHCenter or AlignRight
    void setAlignment(Qt::Alignment a);
    Lage layout() const { return m_layout; }
    void setLayout(Lage l);
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool an);
    bool fontAutoSize() const { return m_fontAutoSize; }
    void setFontAutoSize(bool an);
    int minFontSize() const { return m_minFontSize; }
    void setMinFontSize(int punkte);
    QImage bitmap() const { return m_bitmap; }
    void setBitmap(const QImage& bild);
    // A tab-stop panel takes the focus on a click and is clicked by Enter or Space.
    bool tabStop() const { return m_tabStop; }
    void setTabStop(bool an);

    bool isHovered() const { return m_hovered; }
    // The background colour of the current state.
    QColor currentColor() const { return m_farbe; }
    // The caption colour of the current state.
    QColor currentFontColor() const { return m_checked ? m_checkFontColor : m_normFontColor; }

signals:
    void clicked();
    void mouseEntered();
    void mouseLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FarbeAktualisieren();
    QRect RahmenZeichnen(QPainter& p, QRect bereich) const;
    QRect BevelZeichnen(QPainter& p, QRect bereich) const;
    void HintergrundZeichnen(QPainter& p, const QRect& bereich) const;
    void BeschriftungZeichnen(QPainter& p, const QRect& bereich) const;
    void MarkerZeichnen(QPainter& p) const;
    void Malen(QPainter& p) const;

    QString m_caption;
    QColor m_normColor;
    QColor m_hoverColor{255, 255, 0};
    QColor m_checkColor{255, 255, 255};
    QColor m_normFontColor{0, 0, 0};
    QColor m_checkFontColor{0, 0, 0};
    bool m_checkFontBold = false;
    bool m_hoverActive = true;
    bool m_checked = false;
    bool m_xpCheck = true;
    QColor m_borderColor{0, 0, 0};
    int m_borderWidth = 0;
    Bevel m_bevelOuter = Bevel::Erhaben;
    int m_bevelWidth = 1;
    QMargins m_padding;
    Qt::Alignment m_alignment = Qt::AlignHCenter;
    Lage m_layout = Lage::Mitte;
    bool m_wordWrap = false;
    bool m_fontAutoSize = false;
    int m_minFontSize = 7;
    QImage m_bitmap;
    // The fitted caption of the last paint; fitting measures the text many times, and an
    // answer element being dragged repaints at every pointer move.
    struct Passung;
    mutable std::shared_ptr<Passung> m_passung;
    // The picture of the last paint and everything it depends on: while nothing of it
    // changes (a dragged element only moves), a paint copies its pixels.
    struct Malbild;
    std::shared_ptr<Malbild> m_malbild;
    bool m_tabStop = false;

    bool m_hovered = false;
    bool m_gedrueckt = false;
    QColor m_farbe;
};
