#pragma once

#include <QTemporaryDir>

namespace torvel::test {

// A private temporary folder (mode 0700) that is removed with the object.
class TempDir {
public:
    TempDir();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

} // namespace torvel::test
