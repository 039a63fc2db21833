#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QCoreApplication;

namespace velkon {

class TSettingsPlaces;

// The languages the program speaks. Hungarian is the source language of every
// text; English comes from the catalogue ":/i18n/velkon_en.qm".
enum class TLanguage { Hungarian, English };

// "hu" / "en": the stored form of a choice.
QString LanguageCode(TLanguage language);
// A stored choice back; anything but "hu" or "en" (ignoring case and blanks) is no choice.
std::optional<TLanguage> ParseLanguageCode(const QString& code);

// The language of a locale name ("en_US.UTF-8", "en-GB", "hu"): English for
// an "en" name, Hungarian for everything else, "C" and "POSIX" included.
TLanguage LanguageOfLocaleName(const QString& name);

// The editor's decision: the stored choice when there is one, otherwise the
// first of the system's UI languages (QLocale::uiLanguages()).
TLanguage DecideEditorLanguage(const QString& stored, const QStringList& uiLanguages);

// The command line's decision from the environment the way gettext reads it:
// the first non-empty of LANGUAGE (its first colon-separated item), LC_ALL and LANG.
TLanguage DecideCommandLineLanguage(const QString& language, const QString& lcAll, const QString& lang);
// The same from this process's environment.
TLanguage CommandLineLanguage();

// The stored choice: "VelkonEditor.ini" [Options] Language=hu|en in the
// editor's settings folder. Empty when there is none.
QString ReadStoredLanguage(const TSettingsPlaces& places);
// Stores the choice, keeping the file's other sections and keys. Throws EVelkonError
// when the file cannot be written.
void StoreLanguage(const TSettingsPlaces& places, TLanguage language);
// The editor's language for this start: the stored choice, else the system's.
TLanguage EditorLanguage(const TSettingsPlaces& places);

// Installs the translators of a language into the application: the program's
// English catalogue for English; Qt's own Hungarian texts ("qtbase_hu", for
// the standard buttons and dialogs) for Hungarian. Returns whether every
// translator the language needs was found and installed. The translators
// belong to the application object; a second call replaces those of the first.
bool InstallTranslators(QCoreApplication& app, TLanguage language);

} // namespace velkon
