#pragma once
// The user's language for every word we show: the first of their languages
// (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG) that we ship, with Qt's own
// translations of the same language. English, ours or theirs, ends the
// search: it is the source text. Only that one language's catalogues load.

#include <QLocale>
#include <QString>
#include <QStringList>

namespace torvel {

// The catalogue names to try for `languages`, in order, ours ("de_DE",
// "de") up to the first English one; what `installTranslations` walks.
QStringList catalogueNames(const QStringList& languages);

// Where our catalogues are: translations/ beside the program in its build
// folder, else the installed share/torvelbar/translations.
QString translationsFolder();

// Loads and installs the translators into the running application. The
// language chosen, or empty for English.
QString installTranslations(const QStringList& languages = QLocale::system().uiLanguages());

} // namespace torvel
