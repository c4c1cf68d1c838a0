#include "app/program_folder.h"

#include <QDir>
#include <QFileInfo>

namespace torvel {

QString programFolder(const QString& built, const QString& installed) {
    const QDir program =
        QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(u'/', 0, -2);
    const QString beside = program.filePath(built);
    return QFileInfo(beside).isDir() ? beside : QDir::cleanPath(program.filePath(installed));
}

} // namespace torvel
