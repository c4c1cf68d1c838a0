#include "support/temp_dir.h"

#include <QFile>

namespace torvel::test {

TempDir::TempDir()
    : dir_(QDir::tempPath() + QStringLiteral("/torvel-test-XXXXXX")) {
    QFile::setPermissions(dir_.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

} // namespace torvel::test
