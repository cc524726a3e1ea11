#pragma once
// The bundled sample documents: every folder under samples/ becomes <name>.tvl in the build.
#include <QDir>
#include <QString>
#include <string>
#include <vector>

inline std::vector<std::string> Beispielnamen() {
    std::vector<std::string> namen;
    const QDir ordner(QStringLiteral(KARTELLO_QUELL_ORDNER "/samples"));
    for (const QString& n : ordner.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        if (QFileInfo::exists(ordner.filePath(n + QStringLiteral("/dokument.json"))))
            namen.push_back(n.toStdString());
    return namen;
}

inline QString BeispielPfad(const std::string& name) {
    return QStringLiteral(KARTELLO_BIN_ORDNER "/") + QString::fromStdString(name) + QStringLiteral(".tvl");
}

// A test name may hold only letters, digits and underscores.
inline std::string BeispielTestname(const std::string& name) {
    std::string s = name;
    for (char& c : s)
        if (c == '-') c = '_';
    return s;
}
