#pragma once
// The key-figure window TKennzInfoBox: explains the fields of the quiz status panel.
#include <QDialog>

class QPlainTextEdit;

// The window's text, line by line with empty lines between the blocks.
QString KennzahlenText();

class TKennzInfoBox final : public QDialog {
    Q_OBJECT
public:
    explicit TKennzInfoBox(QWidget* eltern = nullptr);
    QPlainTextEdit* Memo() const { return m_memo; }

protected:
    void showEvent(QShowEvent* ereignis) override;
    void paintEvent(QPaintEvent* ereignis) override;

private:
    QPlainTextEdit* m_memo = nullptr;
};
