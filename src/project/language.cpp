#include "project/language.h"

#include "project/inifile.h"
#include "project/settingsplaces.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace velkon {

namespace {

// The editor's own settings file, beside the screen layout's section.
constexpr const char* kSettingsFile = "VelkonEditor.ini";
constexpr const char* kOptionsSection = "Options";
constexpr const char* kLanguageKey = "Language";

} // namespace

QString LanguageCode(TLanguage language) {
    return language == TLanguage::English ? QStringLiteral("en") : QStringLiteral("hu");
}

std::optional<TLanguage> ParseLanguageCode(const QString& code) {
    const QString c = code.trimmed().toLower();
    if (c == QLatin1String("en")) return TLanguage::English;
    if (c == QLatin1String("hu")) return TLanguage::Hungarian;
    return std::nullopt;
}

TLanguage LanguageOfLocaleName(const QString& name) {
    // "en", "en_US.UTF-8", "en-GB", "en@euro"; never "eng..." or "enx".
    const QString n = name.trimmed().toLower();
    if (!n.startsWith(QLatin1String("en"))) return TLanguage::Hungarian;
    if (n.size() == 2) return TLanguage::English;
    const QChar next = n.at(2);
    return next == u'_' || next == u'-' || next == u'.' || next == u'@' ? TLanguage::English
                                                                          : TLanguage::Hungarian;
}

TLanguage DecideEditorLanguage(const QString& stored, const QStringList& uiLanguages) {
    if (const auto chosen = ParseLanguageCode(stored)) return *chosen;
    return uiLanguages.isEmpty() ? TLanguage::Hungarian : LanguageOfLocaleName(uiLanguages.first());
}

TLanguage DecideCommandLineLanguage(const QString& language, const QString& lcAll, const QString& lang) {
    const QString first = language.section(u':', 0, 0).trimmed();
    for (const QString& name : {first, lcAll.trimmed(), lang.trimmed()})
        if (!name.isEmpty()) return LanguageOfLocaleName(name);
    return TLanguage::Hungarian;
}

TLanguage CommandLineLanguage() {
    return DecideCommandLineLanguage(qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
                                     qEnvironmentVariable("LANG"));
}

QString ReadStoredLanguage(const TSettingsPlaces& places) {
    TIniFile ini;
    if (!ini.LoadFromFile(places.SettingsFile(QString::fromLatin1(kSettingsFile))))
        return {};
    return ini.ReadString(QString::fromLatin1(kOptionsSection), QString::fromLatin1(kLanguageKey), QString())
        .trimmed();
}

void StoreLanguage(const TSettingsPlaces& places, TLanguage language) {
    const QString path = places.SettingsFile(QString::fromLatin1(kSettingsFile));
    TIniFile ini;
    ini.LoadFromFile(path); // a missing file is created
    ini.WriteString(QString::fromLatin1(kOptionsSection), QString::fromLatin1(kLanguageKey), LanguageCode(language));
    ini.SaveToFile(path);
}

TLanguage EditorLanguage(const TSettingsPlaces& places) {
    return DecideEditorLanguage(ReadStoredLanguage(places), QLocale::system().uiLanguages());
}

bool InstallTranslators(QCoreApplication& app, TLanguage language) {
    // The translators of an earlier call go first: a second call switches the language.
    const QString mark = QStringLiteral("velkon-language");
    for (QTranslator* old : app.findChildren<QTranslator*>(mark, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    auto* translator = new QTranslator(&app);
    translator->setObjectName(mark);
    const bool loaded = language == TLanguage::English
                            ? translator->load(QStringLiteral(":/i18n/velkon_en.qm"))
                            : translator->load(QStringLiteral("qtbase_hu"),
                                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded && QCoreApplication::installTranslator(translator)) return true;
    delete translator;
    return false;
}

} // namespace velkon
