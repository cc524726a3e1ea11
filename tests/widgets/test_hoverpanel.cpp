#include "widgets/hoverpanel.h"

#include "widgets/hoverpanel_text.h"

#include <QApplication>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void Betreten(THoverPanel& p) {
    QEnterEvent ereignis(QPointF(5, 5), QPointF(5, 5), p.mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(&p, &ereignis);
}

void Verlassen(THoverPanel& p) {
    QEvent ereignis(QEvent::Leave);
    QApplication::sendEvent(&p, &ereignis);
}

class HoverPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_panel.resize(80, 40);
        m_panel.setNormColor(QColor(200, 100, 50));
        m_panel.setHoverColor(QColor(10, 20, 30));
        m_panel.setCheckColor(QColor(250, 250, 250));
    }
    THoverPanel m_panel;
};

} // namespace

TEST_F(HoverPanelTest, Vorgaben) {
    THoverPanel p;
    EXPECT_EQ(p.hoverColor(), QColor(255, 255, 0));
    EXPECT_EQ(p.checkColor(), QColor(255, 255, 255));
    EXPECT_EQ(p.normFontColor(), QColor(0, 0, 0));
    EXPECT_EQ(p.checkFontColor(), QColor(0, 0, 0));
    EXPECT_TRUE(p.hoverActive());
    EXPECT_FALSE(p.checked());
    EXPECT_TRUE(p.xpCheck());
    EXPECT_EQ(p.minFontSize(), 7);
    EXPECT_EQ(p.layout(), THoverPanel::Lage::Mitte);
    EXPECT_EQ(p.padding(), QMargins());
    EXPECT_EQ(p.font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(p.currentColor(), p.normColor());
}

TEST_F(HoverPanelTest, FarbeJeZustand) {
    EXPECT_EQ(m_panel.currentColor(), QColor(200, 100, 50));
    Betreten(m_panel);
    EXPECT_TRUE(m_panel.isHovered());
    EXPECT_EQ(m_panel.currentColor(), QColor(10, 20, 30));
    Verlassen(m_panel);
    EXPECT_EQ(m_panel.currentColor(), QColor(200, 100, 50));

    m_panel.setChecked(true);
    EXPECT_EQ(m_panel.currentColor(), QColor(250, 250, 250));
    Betreten(m_panel);
    EXPECT_EQ(m_panel.currentColor(), QColor(10, 20, 30));
    Verlassen(m_panel);
    EXPECT_EQ(m_panel.currentColor(), QColor(250, 250, 250));

    // Checking while hovered keeps the hover colour.
    m_panel.setChecked(false);
    Betreten(m_panel);
    m_panel.setChecked(true);
    EXPECT_EQ(m_panel.currentColor(), QColor(10, 20, 30));
}

TEST_F(HoverPanelTest, OhneHoverActiveKeinWechsel) {
    m_panel.setHoverActive(false);
    Betreten(m_panel);
    EXPECT_FALSE(m_panel.isHovered());
    EXPECT_EQ(m_panel.currentColor(), QColor(200, 100, 50));
}

TEST_F(HoverPanelTest, CheckedSchriftFarbeUndFett) {
    m_panel.setNormFontColor(QColor(1, 2, 3));
    m_panel.setCheckFontColor(QColor(4, 5, 6));
    m_panel.setCheckFontBold(true);
    EXPECT_EQ(m_panel.currentFontColor(), QColor(1, 2, 3));
    m_panel.setChecked(true);
    EXPECT_EQ(m_panel.currentFontColor(), QColor(4, 5, 6));
    EXPECT_TRUE(m_panel.font().bold());
    m_panel.setChecked(true);
    EXPECT_TRUE(m_panel.font().bold());
    m_panel.setChecked(false);
    EXPECT_FALSE(m_panel.font().bold());
    EXPECT_EQ(m_panel.currentFontColor(), QColor(1, 2, 3));
}

TEST_F(HoverPanelTest, BetretenDrueckenLoslassenKlicktEinmal) {
    m_panel.show();
    QSignalSpy klicks(&m_panel, &THoverPanel::clicked);
    QSignalSpy betreten(&m_panel, &THoverPanel::mouseEntered);
    Betreten(m_panel);
    EXPECT_EQ(betreten.count(), 1);
    QTest::mousePress(&m_panel, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(klicks.count(), 0);
    EXPECT_EQ(m_panel.currentColor(), QColor(10, 20, 30));
    QTest::mouseRelease(&m_panel, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(klicks.count(), 1);
}

TEST_F(HoverPanelTest, LoslassenAusserhalbOderRechtsKlicktNicht) {
    m_panel.show();
    QSignalSpy klicks(&m_panel, &THoverPanel::clicked);
    QTest::mousePress(&m_panel, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseRelease(&m_panel, Qt::LeftButton, Qt::NoModifier, QPoint(200, 10));
    QTest::mouseClick(&m_panel, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(klicks.count(), 0);
}

TEST_F(HoverPanelTest, GesperrtIgnoriertKlicksUndHover) {
    m_panel.setTabStop(true);
    m_panel.show();
    m_panel.setEnabled(false);
    QSignalSpy klicks(&m_panel, &THoverPanel::clicked);
    Betreten(m_panel);
    EXPECT_FALSE(m_panel.isHovered());
    EXPECT_EQ(m_panel.currentColor(), QColor(200, 100, 50));
    QTest::mouseClick(&m_panel, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::keyClick(&m_panel, Qt::Key_Space);
    EXPECT_EQ(klicks.count(), 0);
}

TEST_F(HoverPanelTest, SperrenBeendetHover) {
    Betreten(m_panel);
    m_panel.setEnabled(false);
    EXPECT_FALSE(m_panel.isHovered());
    EXPECT_EQ(m_panel.currentColor(), QColor(200, 100, 50));
}

TEST(HoverPanel, EnterUndLeertasteKlickenFokussiertesPanel) {
    QWidget fenster;
    THoverPanel panel(&fenster);
    THoverPanel anderes(&fenster);
    anderes.setTabStop(true);
    anderes.move(0, 50);
    panel.resize(60, 30);
    panel.setTabStop(true);
    fenster.show();
    fenster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    QSignalSpy klicks(&panel, &THoverPanel::clicked);

    QTest::mouseClick(&panel, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    ASSERT_TRUE(panel.hasFocus()); // a tab-stop panel takes the focus on a click
    EXPECT_EQ(klicks.count(), 1);

    const std::pair<Qt::Key, Qt::KeyboardModifiers> faelle[] = {{Qt::Key_Return, Qt::NoModifier},
                                                                {Qt::Key_Enter, Qt::KeypadModifier},
                                                                {Qt::Key_Space, Qt::NoModifier}};
    for (const auto& [taste, zusatz] : faelle)
        QTest::keyClick(&panel, taste, zusatz);
    EXPECT_EQ(klicks.count(), 4);
    for (Qt::KeyboardModifier zusatz : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier})
        QTest::keyClick(&panel, Qt::Key_Return, zusatz);
    QTest::keyClick(&panel, Qt::Key_A);
    EXPECT_EQ(klicks.count(), 4);

    // Without the focus the keys do nothing.
    anderes.setFocus();
    ASSERT_FALSE(panel.hasFocus());
    QTest::keyClick(&panel, Qt::Key_Space);
    EXPECT_EQ(klicks.count(), 4);
}

TEST(HoverPanel, OhneTabStopKeinFokusUndKeineTasten) {
    QWidget fenster;
    THoverPanel panel(&fenster);
    panel.resize(60, 30);
    fenster.show();
    fenster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    QSignalSpy klicks(&panel, &THoverPanel::clicked);
    QTest::mouseClick(&panel, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_FALSE(panel.hasFocus());
    QTest::keyClick(&panel, Qt::Key_Space);
    EXPECT_EQ(klicks.count(), 1);
}

TEST(HoverPanel, ZeichnetRahmenBevelUndHintergrund) {
    THoverPanel p;
    p.resize(50, 30);
    const QColor norm(200, 100, 50);
    p.setNormColor(norm);
    p.setBorderColor(QColor(255, 0, 0));
    p.setBorderWidth(2);
    p.setBevelOuter(THoverPanel::Bevel::Erhaben);
    p.setBevelWidth(1);
    const QImage bild = p.grab().toImage();
    ASSERT_EQ(bild.size(), QSize(50, 30));
    auto farbe = [&](int x, int y) { return QColor(bild.pixel(x, y)); };
    for (const QPoint pt :
         {QPoint(0, 0), QPoint(1, 1), QPoint(49, 29), QPoint(48, 28), QPoint(25, 0), QPoint(0, 15)})
        EXPECT_EQ(farbe(pt.x(), pt.y()), QColor(255, 0, 0)) << pt.x() << "," << pt.y();
    EXPECT_EQ(farbe(2, 2), HellFarbe(norm));
    EXPECT_EQ(farbe(20, 2), HellFarbe(norm));
    EXPECT_EQ(farbe(2, 20), HellFarbe(norm));
    EXPECT_EQ(farbe(47, 27), DunkelFarbe(norm));
    EXPECT_EQ(farbe(47, 2), DunkelFarbe(norm)); // the top-right corner belongs to the dark side
    EXPECT_EQ(farbe(2, 27), DunkelFarbe(norm));
    EXPECT_EQ(farbe(3, 3), norm);
    EXPECT_EQ(farbe(25, 15), norm);
}

TEST(HoverPanel, ZeichnetHoverFarbeUndBeschriftung) {
    THoverPanel p;
    p.resize(120, 40);
    p.setBevelWidth(0);
    p.setNormFontColor(QColor(0, 0, 255));
    p.setCaption(QStringLiteral("MMMM"));
    Betreten(p);
    const QImage bild = p.grab().toImage();
    EXPECT_EQ(QColor(bild.pixel(2, 2)), QColor(255, 255, 0));
    int blau = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            blau += QColor(bild.pixel(x, y)) == QColor(0, 0, 255);
    EXPECT_GT(blau, 0);
}

TEST(HoverPanel, MarkerInBeidenStilen) {
    THoverPanel p;
    p.resize(40, 20);
    const QColor norm(100, 150, 200);
    p.setNormColor(norm);
    p.setBorderWidth(1);
    p.setBorderColor(Qt::black);
    p.setBevelWidth(0);
    p.setChecked(true);
    QImage bild = p.grab().toImage();
    EXPECT_EQ(QColor(bild.pixel(1, 1)), QColor(230, 139, 44));
    EXPECT_EQ(QColor(bild.pixel(38, 1)), QColor(230, 139, 44));
    EXPECT_EQ(QColor(bild.pixel(20, 2)), QColor(255, 199, 60));
    EXPECT_EQ(QColor(bild.pixel(20, 3)), QColor(255, 199, 60));
    EXPECT_EQ(QColor(bild.pixel(20, 4)), QColor(255, 255, 255)); // CheckColor below the marker
    EXPECT_EQ(QColor(bild.pixel(0, 1)), QColor(0, 0, 0));

    p.setXPCheck(false);
    bild = p.grab().toImage();
    EXPECT_EQ(QColor(bild.pixel(20, 1)), HalbWeiss(norm));
    EXPECT_EQ(QColor(bild.pixel(20, 2)), HalbWeiss(norm));
    EXPECT_EQ(QColor(bild.pixel(20, 3)), QColor(255, 255, 255));
}

TEST(HoverPanel, KleinesBildUeberHintergrund) {
    THoverPanel p;
    p.resize(40, 30);
    p.setBevelWidth(0);
    p.setNormColor(QColor(0, 128, 0));
    QImage klein(10, 8, QImage::Format_RGB32);
    klein.fill(QColor(9, 9, 9));
    p.setBitmap(klein);
    QImage bild = p.grab().toImage();
    EXPECT_EQ(QColor(bild.pixel(0, 0)), QColor(9, 9, 9));
    EXPECT_EQ(QColor(bild.pixel(9, 7)), QColor(9, 9, 9));
    EXPECT_EQ(QColor(bild.pixel(10, 7)), QColor(0, 128, 0));
    EXPECT_EQ(QColor(bild.pixel(30, 20)), QColor(0, 128, 0));

    // A picture covering the area replaces the background, read from (BorderWidth, BorderWidth).
    QImage gross(40, 30, QImage::Format_RGB32);
    gross.fill(QColor(1, 2, 3));
    gross.setPixel(1, 1, qRgb(77, 77, 77));
    p.setBorderWidth(1);
    p.setBitmap(gross);
    bild = p.grab().toImage();
    EXPECT_EQ(QColor(bild.pixel(1, 1)), QColor(77, 77, 77));
    EXPECT_EQ(QColor(bild.pixel(30, 20)), QColor(1, 2, 3));
}

// The fitted caption is kept between paints; any change of caption, font or size fits anew.
TEST(HoverPanel, GemerkteBeschriftungFolgtJederAenderung) {
    THoverPanel p;
    p.resize(150, 46);
    p.setBevelWidth(0);
    p.setWordWrap(true);
    p.setFontAutoSize(true);
    p.setCaption(QStringLiteral("Vereinigtes Königreich"));
    const QImage lang = p.grab().toImage();
    EXPECT_EQ(p.grab().toImage(), lang);
    p.setCaption(QStringLiteral("Malta"));
    const QImage kurz = p.grab().toImage();
    EXPECT_NE(kurz, lang);
    QFont klein = p.font();
    klein.setPointSize(klein.pointSize() - 3);
    p.setFont(klein);
    EXPECT_NE(p.grab().toImage(), kurz);
    p.setFont(QFont());
    p.resize(60, 46);
    p.setCaption(QStringLiteral("Vereinigtes Königreich"));
    EXPECT_NE(p.grab().toImage().copy(0, 0, 60, 46), lang.copy(0, 0, 60, 46));
}
