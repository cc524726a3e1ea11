#include "worksheet/seitenaufzeichnung.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPixmap>
#include <QTextItem>
#include <cmath>

class SeitenaufzeichnungEngine final : public QPaintEngine {
public:
    explicit SeitenaufzeichnungEngine(Seitenaufzeichnung& geraet)
        : QPaintEngine(QPaintEngine::AllFeatures), m_geraet(geraet) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& zustand) override {
        const auto flaggen = zustand.state();
        if (flaggen & DirtyPen) m_stift = zustand.pen();
        if (flaggen & DirtyBrush) m_pinsel = zustand.brush();
        if (flaggen & DirtyTransform) m_transform = zustand.transform();
    }

    void drawLines(const QLineF* linien, int anzahl) override {
        for (int i = 0; i < anzahl; ++i)
            Strich(QPolygonF({linien[i].p1(), linien[i].p2()}));
    }
    void drawLines(const QLine* linien, int anzahl) override {
        for (int i = 0; i < anzahl; ++i)
            Strich(QPolygonF({QPointF(linien[i].p1()), QPointF(linien[i].p2())}));
    }
    void drawRects(const QRectF* rechtecke, int anzahl) override {
        for (int i = 0; i < anzahl; ++i) {
            const QRectF& r = rechtecke[i];
            const QPolygonF ecken({r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()});
            Fuellen(ecken);
            QPolygonF rand = ecken;
            rand << r.topLeft();
            Strich(rand);
        }
    }
    void drawRects(const QRect* rechtecke, int anzahl) override {
        for (int i = 0; i < anzahl; ++i) {
            const QRectF r(rechtecke[i]);
            drawRects(&r, 1);
        }
    }
    void drawPolygon(const QPointF* punkte, int anzahl, PolygonDrawMode modus) override {
        QPolygonF p;
        for (int i = 0; i < anzahl; ++i)
            p << punkte[i];
        if (modus != PolylineMode) Fuellen(p);
        if (modus != PolylineMode && !p.isEmpty()) p << p.first();
        Strich(p);
    }
    void drawPolygon(const QPoint* punkte, int anzahl, PolygonDrawMode modus) override {
        QPolygonF p;
        for (int i = 0; i < anzahl; ++i)
            p << QPointF(punkte[i]);
        drawPolygon(p.constData(), static_cast<int>(p.size()), modus);
    }
    void drawPath(const QPainterPath& pfad) override {
        for (const QPolygonF& teil : pfad.toSubpathPolygons())
            drawPolygon(teil.constData(), static_cast<int>(teil.size()), OddEvenMode);
    }
    void drawPixmap(const QRectF& ziel, const QPixmap& pixmap, const QRectF& quelle) override {
        drawImage(ziel, pixmap.toImage(), quelle, Qt::AutoColor);
    }
    void drawImage(const QRectF& ziel, const QImage& bild, const QRectF& quelle,
                   Qt::ImageConversionFlags) override {
        Zeichenbefehl b;
        b.art = Zeichenbefehl::Art::Bild;
        b.ziel = m_transform.mapRect(ziel).toRect();
        b.bild = bild.copy(quelle.toRect()).convertToFormat(QImage::Format_RGB888);
        m_geraet.Hinzufuegen(std::move(b));
    }
    void drawTextItem(const QPointF& p, const QTextItem& stueck) override;

private:
    QPolygon Abbilden(const QPolygonF& p) const { return m_transform.map(p).toPolygon(); }
    double Massstab() const { return std::sqrt(std::abs(m_transform.determinant())); }
    void Strich(const QPolygonF& p) {
        if (m_stift.style() == Qt::NoPen || p.size() < 2) return;
        Zeichenbefehl b;
        b.art = Zeichenbefehl::Art::Linienzug;
        b.punkte = Abbilden(p);
        b.farbe = m_stift.color();
        b.stiftBreite = std::max(1, static_cast<int>(std::lround(m_stift.widthF() * Massstab())));
        m_geraet.Hinzufuegen(std::move(b));
    }
    void Fuellen(const QPolygonF& p) {
        if (m_pinsel.style() == Qt::NoBrush || p.size() < 3) return;
        Zeichenbefehl b;
        b.art = Zeichenbefehl::Art::Flaeche;
        b.punkte = Abbilden(p);
        b.farbe = m_pinsel.color();
        m_geraet.Hinzufuegen(std::move(b));
    }

    Seitenaufzeichnung& m_geraet;
    QPen m_stift;
    QBrush m_pinsel;
    QTransform m_transform;
};

void SeitenaufzeichnungEngine::drawTextItem(const QPointF& p, const QTextItem& stueck) {
    const QString text = stueck.text();
    if (text.isEmpty()) return;
    const QFont schrift = stueck.font();
    const double pixel =
        schrift.pixelSize() > 0 ? schrift.pixelSize() : schrift.pointSizeF() * m_geraet.logicalDpiY() / 72.0;
    const double massstab = Massstab();
    Zeichenbefehl b;
    b.art = Zeichenbefehl::Art::Text;
    b.basis = m_transform.map(p).toPoint();
    b.text = text;
    b.farbe = m_stift.color();
    b.schriftart = schrift.family();
    b.schrifthoehe = static_cast<int>(std::lround(pixel * massstab));
    b.fett = schrift.bold();
    b.kursiv = schrift.italic();
    b.unterstrichen = schrift.underline();
    // Advances in device units, accumulated so rounding never drifts along the run.
    const QFontMetricsF fm(schrift, &m_geraet);
    double x = 0;
    int vorher = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        x += fm.horizontalAdvance(text.at(i)) * massstab;
        const int jetzt = static_cast<int>(std::lround(x));
        b.vorschub.push_back(jetzt - vorher);
        vorher = jetzt;
    }
    m_geraet.Hinzufuegen(std::move(b));
}

Seitenaufzeichnung::Seitenaufzeichnung(QSize groesse, int dpi)
    : m_groesse(groesse), m_dpi(dpi), m_engine(std::make_unique<SeitenaufzeichnungEngine>(*this)) {}

Seitenaufzeichnung::~Seitenaufzeichnung() = default;

QPaintEngine* Seitenaufzeichnung::paintEngine() const {
    return m_engine.get();
}

int Seitenaufzeichnung::metric(PaintDeviceMetric metrik) const {
    switch (metrik) {
    case PdmWidth:
        return m_groesse.width();
    case PdmHeight:
        return m_groesse.height();
    case PdmWidthMM:
        return static_cast<int>(std::lround(m_groesse.width() * 25.4 / m_dpi));
    case PdmHeightMM:
        return static_cast<int>(std::lround(m_groesse.height() * 25.4 / m_dpi));
    case PdmNumColors:
        return 1 << 24;
    case PdmDepth:
        return 24;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return m_dpi;
    case PdmDevicePixelRatio:
        return 1;
    default:
        return QPaintDevice::metric(metrik);
    }
}
