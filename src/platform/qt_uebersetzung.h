#pragma once
// Qt's own texts (file and folder dialogs, print dialogs, standard buttons) in German,
// as every text of the program is.
#include <QTranslator>
#include <memory>

// Qt's German translation "qtbase_de" from Qt's translations folder; nullptr when it is
// not installed, and Qt then keeps its English texts.
std::unique_ptr<QTranslator> QtUebersetzungDeutsch();
