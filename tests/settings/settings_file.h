#pragma once
// Helpers for tests that write settings files by hand.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace torvel::test {

inline void writeFile(const QString& path, const QByteArray& contents) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(contents);
    }
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace torvel::test
