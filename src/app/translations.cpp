#include "app/translations.h"

#include "app/program_folder.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace torvel {

QStringList catalogueNames(const QStringList& languages) {
    QStringList names;
    for (const QString& language : languages) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English) {
            break;
        }
        if (locale.language() == QLocale::C) {
            continue;
        }
        // "pt-BR" is pt_BR and "zh-Hans-CN" zh_CN; then the bare language.
        for (const QString& name : {locale.name(), locale.name().section(u'_', 0, 0)}) {
            if (!names.contains(name)) {
                names << name;
            }
        }
    }
    return names;
}

QString translationsFolder() {
    return programFolder(QStringLiteral("translations"),
                         QStringLiteral(TORVEL_TRANSLATIONS_RELDIR));
}

QString installTranslations(const QStringList& languages) {
    const QString folder = translationsFolder();
    for (const QString& name : catalogueNames(languages)) {
        // Owned by the application for the rest of the process.
        auto* ours = new QTranslator(QCoreApplication::instance());
        if (!ours->load(QStringLiteral("torvelbar_") + name, folder)) {
            delete ours;
            continue;
        }
        QCoreApplication::installTranslator(ours);
        auto* qt = new QTranslator(QCoreApplication::instance());
        const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (qt->load(QStringLiteral("qtbase_") + name, qtFolder) ||
            qt->load(QStringLiteral("qtbase_") + name.section(u'_', 0, 0), qtFolder)) {
            QCoreApplication::installTranslator(qt);
        } else {
            delete qt;
        }
        return name;
    }
    return {};
}

} // namespace torvel
