// Qt's own dialogs speak German once the program's start has loaded Qt's translation.
#include "platform/qt_uebersetzung.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

TEST(QtUebersetzung, DateidialogUndKnoepfeAufDeutsch) {
    const std::unique_ptr<QTranslator> uebersetzung = QtUebersetzungDeutsch();
    ASSERT_NE(uebersetzung, nullptr) << "Qt's translations (qt6-translations-l10n) are missing";
    ASSERT_TRUE(QCoreApplication::installTranslator(uebersetzung.get()));
    {
        QFileDialog dialog(nullptr, QStringLiteral("Öffnen"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        const auto* suchen = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
        ASSERT_NE(suchen, nullptr);
        EXPECT_EQ(suchen->text(), QStringLiteral("Suchen in:"));
        QDialogButtonBox knoepfe(QDialogButtonBox::Cancel);
        EXPECT_EQ(knoepfe.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    }
    QCoreApplication::removeTranslator(uebersetzung.get());
}

} // namespace
