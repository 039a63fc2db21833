// Which language the editor and the command line speak, where the choice is
// kept, and that the catalogue every executable carries really translates.

#include "model/velkonerror.h"
#include "project/language.h"
#include "project/settingsplaces.h"
#include "support/testsupport.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace velkon;

namespace {

constexpr TLanguage hu = TLanguage::Hungarian;
constexpr TLanguage en = TLanguage::English;

TEST(Language, LocaleNames) {
    const struct {
        const char* name;
        TLanguage expected;
    } cases[] = {
        {"en", en},          {"en_US.UTF-8", en}, {"en-GB", en},       {"EN_us", en},   {"en@euro", en},
        {" en_GB ", en},     {"hu", hu},          {"hu_HU.UTF-8", hu}, {"hu-HU", hu},   {"C", hu},
        {"C.UTF-8", hu},     {"POSIX", hu},       {"", hu},            {"de_DE", hu},   {"eng", hu},
        {"enx_US", hu},      {"e", hu},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LanguageOfLocaleName(QString::fromLatin1(c.name)), c.expected) << c.name;
}

TEST(Language, EditorDecision) {
    const struct {
        const char* stored;
        QStringList ui;
        TLanguage expected;
    } cases[] = {
        // No stored choice: the system's first UI language decides.
        {"", {}, hu},
        {"", {"en-US", "en"}, en},
        {"", {"en-GB"}, en},
        {"", {"hu-HU", "en-US"}, hu},
        {"", {"de-DE", "en-US"}, hu}, // only the first counts
        {"", {"C"}, hu},
        // A stored choice wins over the system.
        {"hu", {"en-US"}, hu},
        {"en", {"hu-HU"}, en},
        {"EN ", {"hu-HU"}, en},
        {" Hu", {"en-US"}, hu},
        // Anything else is no choice.
        {"english", {"hu-HU"}, hu},
        {"fr", {"en-US"}, en},
        {"1", {"en"}, en},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecideEditorLanguage(QString::fromLatin1(c.stored), c.ui), c.expected)
            << c.stored << " / " << c.ui.join(u',').toStdString();
}

TEST(Language, CommandLineDecision) {
    const struct {
        const char* language;
        const char* lcAll;
        const char* lang;
        TLanguage expected;
    } cases[] = {
        {"", "", "", hu},
        {"", "", "en_US.UTF-8", en},
        {"", "", "hu_HU.UTF-8", hu},
        {"", "", "C.UTF-8", hu},
        {"", "", "POSIX", hu},
        {"", "C.UTF-8", "en_US.UTF-8", hu},   // LC_ALL before LANG
        {"", "en_GB.UTF-8", "hu_HU.UTF-8", en},
        {"en_US:hu", "hu_HU.UTF-8", "hu_HU.UTF-8", en}, // LANGUAGE before both
        {"hu:en", "en_US.UTF-8", "en_US.UTF-8", hu},    // its first item only
        {":en", "hu_HU.UTF-8", "", hu},                 // an empty first item is no LANGUAGE
        {"  ", "", "en_US.UTF-8", en},                  // blanks are empty
        {"de_DE", "", "en_US.UTF-8", hu},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecideCommandLineLanguage(QString::fromLatin1(c.language), QString::fromLatin1(c.lcAll),
                                            QString::fromLatin1(c.lang)),
                  c.expected)
            << c.language << " | " << c.lcAll << " | " << c.lang;
}

TEST(Language, CodesRoundTrip) {
    for (TLanguage l : {hu, en}) EXPECT_EQ(ParseLanguageCode(LanguageCode(l)), l);
    EXPECT_EQ(LanguageCode(hu), QStringLiteral("hu"));
    EXPECT_EQ(LanguageCode(en), QStringLiteral("en"));
    EXPECT_FALSE(ParseLanguageCode(QString()).has_value());
    EXPECT_FALSE(ParseLanguageCode(QStringLiteral("magyar")).has_value());
}

TEST(Language, StoredChoiceKeepsTheOtherSettings) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const TSettingsPlaces places = TSettingsPlaces::In(dir.path());
    EXPECT_EQ(ReadStoredLanguage(places), QString());

    const QString ini = places.SettingsFile(QStringLiteral("VelkonEditor.ini"));
    ASSERT_TRUE(test::WriteFile(ini, "[Screen]\r\nCanvasLeft=12\r\n[Options]\r\nOther=1\r\n"));
    EXPECT_EQ(ReadStoredLanguage(places), QString());
    StoreLanguage(places, en);
    EXPECT_EQ(ReadStoredLanguage(places), QStringLiteral("en"));
    EXPECT_EQ(test::ReadFile(ini),
              QByteArray("[Screen]\r\nCanvasLeft=12\r\n[Options]\r\nOther=1\r\nLanguage=en\r\n"));
    StoreLanguage(places, hu);
    EXPECT_EQ(ReadStoredLanguage(places), QStringLiteral("hu"));
    EXPECT_EQ(test::ReadFile(ini),
              QByteArray("[Screen]\r\nCanvasLeft=12\r\n[Options]\r\nOther=1\r\nLanguage=hu\r\n"));
}

TEST(Language, StoringIntoAFolderThatIsNotThereThrows) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const TSettingsPlaces places = TSettingsPlaces::In(dir.filePath(QStringLiteral("missing/deeper")));
    EXPECT_THROW(StoreLanguage(places, en), EVelkonError);
}

// The catalogue is built into the core: this test executable carries it too.
TEST(Language, InstalledCatalogueTranslatesAndASecondCallSwitchesBack) {
    int argc = 1;
    char name[] = "language_test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QTranslator probe;
    ASSERT_TRUE(probe.load(QStringLiteral(":/i18n/velkon_en.qm")));

    const char* context = "ProjectFile";
    const char* source = "Nincs meg a fájl: %1";
    ASSERT_TRUE(InstallTranslators(app, en));
    EXPECT_EQ(QCoreApplication::translate(context, source), QStringLiteral("File not found: %1"));
    InstallTranslators(app, hu); // Qt's Hungarian texts may be missing; the catalogue must go either way
    EXPECT_EQ(QCoreApplication::translate(context, source), QString::fromUtf8(source));
    ASSERT_TRUE(InstallTranslators(app, en));
    EXPECT_EQ(QCoreApplication::translate(context, source), QStringLiteral("File not found: %1"));
}

} // namespace
