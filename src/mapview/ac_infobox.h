#pragma once
// The information window TInfoboxForm: shows the info text of an info point as a picture
// laid out by the markup renderer, at its full height, scrolled by wheel, keys and drag.
// A plain rich-text copy of the text is printed, saved as RTF and copied to the clipboard.
#include <QCursor>
#include <QDialog>
#include <QTextDocument>

class Dialoge;
class Meldungen;
class QLabel;
class QScrollArea;
class QWidget;
class ZiehRollen;
class Zwischenablage;

inline const QString InfotextDruckTitel = QStringLiteral("Infotext");

// The text of the rich-text copy: the style tags <b>, <i>, <u> and their ends removed in
// any case, every other tag left as it is.
QString InfotextOhneStil(const QString& text);

class TInfoboxForm final : public QDialog {
    Q_OBJECT
public:
    TInfoboxForm(Meldungen& meldungen, Dialoge& dialoge, Zwischenablage& ablage, QWidget* eltern = nullptr);

    void setzeZiehCursor(const QCursor& cursor);

    // Lays the text out, sizes the window, places it at the main window's top-right
    // corner and shows it without blocking.
    void InfotextZeigen(const QString& text);

    void Drucken();
    void Speichern();
    void InZwischenablage();
    void Schliessen();

    QScrollArea* ScrollBox1() const { return m_scrollBox; }
    QLabel* TextImg() const { return m_textImg; }
    const QTextDocument& RichEdit1() const { return m_richEdit; }
    static constexpr int HoechstHoehe = 566;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void hideEvent(QHideEvent* ereignis) override;

private:
    QWidget* KnopfLeiste();
    bool Blaettern(QEvent* ereignis);
    void Platzieren(int bildHoehe);

    Meldungen& m_meldungen;
    Dialoge& m_dialoge;
    Zwischenablage& m_ablage;
    QScrollArea* m_scrollBox = nullptr;
    QLabel* m_textImg = nullptr;
    QWidget* m_knopfPan = nullptr;
    QTextDocument m_richEdit;
    ZiehRollen* m_ziehen = nullptr;
};
