#include "model/velkonerror.h"
#include "project/inifile.h"
#include "project/safewrite.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkon;
using velkon::test::ReadFile;
using velkon::test::WriteFile;

namespace {

TIniFile Parse(const char* text) {
    TIniFile ini;
    ini.FromBytes(QByteArray(text));
    return ini;
}

} // namespace

TEST(IniFile, NamesIgnoreCaseAndFirstMatchWins) {
    const TIniFile ini = Parse("[Project]\r\nLock=0\r\nlock=1\r\n[project]\r\nLock=7\r\nExtra=x\r\n");
    EXPECT_EQ(ini.ReadInteger("PROJECT", "LOCK", 5), 0);
    // A key only in the repeated section is still found.
    EXPECT_EQ(ini.ReadString("project", "extra", "-"), "x");
    EXPECT_EQ(ini.Sections(), QStringList{"Project"});
    EXPECT_EQ(ini.Keys("Project"), (QStringList{"Lock", "Extra"}));
}

TEST(IniFile, ValuesAreVerbatimAfterTheFirstEquals) {
    const TIniFile ini = Parse("[S]\nA=Left(a;0)\nB= x=y ;z \nC=\nD=\"q\"\n  E  =e\r\n");
    EXPECT_EQ(ini.ReadString("S", "A", "-"), "Left(a;0)");
    EXPECT_EQ(ini.ReadString("S", "B", "-"), " x=y ;z ");
    EXPECT_EQ(ini.ReadString("S", "C", "-"), "");
    EXPECT_EQ(ini.ReadString("S", "D", "-"), "\"q\"");
    EXPECT_EQ(ini.ReadString("S", "E", "-"), "e");
    EXPECT_TRUE(ini.KeyExists("S", "C"));
    EXPECT_FALSE(ini.KeyExists("S", "Z"));
    EXPECT_EQ(ini.ReadString("S", "Z", "NINCS1234"), "NINCS1234");
    EXPECT_EQ(ini.ReadString("T", "A", "def"), "def");
}

TEST(IniFile, LinesWithoutEqualsAndBeforeSectionsCarryNothing) {
    const TIniFile ini = Parse("X=1\n[Groups]\nName1=a\n-------\n[Image1]\nName=b\n");
    EXPECT_EQ(ini.ReadString("Groups", "Name1", "-"), "a");
    EXPECT_EQ(ini.Keys("Groups"), QStringList{"Name1"});
    EXPECT_EQ(ini.ReadString("Image1", "Name", "-"), "b");
    EXPECT_EQ(ini.Sections(), (QStringList{"Groups", "Image1"}));
}

TEST(IniFile, IntegersThatDoNotParseGiveTheDefault) {
    struct Case {
        const char* Value;
        int Expected;
    };
    const Case cases[] = {
        {"12", 12},    {"-3", -3},    {" 7 ", 7},      {"+4", 4},          {"1.5", 99},
        {"1,5", 99},   {"abc", 99},   {"", 99},        {"-", 99},          {"2147483647", 2147483647},
        {"2147483648", 99}, {"-2147483648", -2147483647 - 1}, {"12a", 99},
    };
    for (const Case& c : cases) {
        TIniFile ini;
        ini.FromText(QStringLiteral("[S]\nK=") + QString::fromUtf8(c.Value));
        EXPECT_EQ(ini.ReadInteger("S", "K", 99), c.Expected) << c.Value;
    }
    const TIniFile flags = Parse("[S]\nA=0\nB=2\nC=x\n");
    EXPECT_FALSE(flags.ReadBool("S", "A", true));
    EXPECT_TRUE(flags.ReadBool("S", "B", false));
    EXPECT_TRUE(flags.ReadBool("S", "C", true));
    EXPECT_FALSE(flags.ReadBool("S", "C", false));
}

TEST(IniFile, WriteReplacesFirstMatchOrAppends) {
    TIniFile ini = Parse("[Screen]\r\nPanel1.Left=5\r\n");
    ini.WriteInteger("screen", "PANEL1.LEFT", 10);
    ini.WriteString("Screen", "Panel1.Top", "20");
    ini.WriteBool("Froms", "ImagesForm.Float", true);
    EXPECT_EQ(ini.ToText(), "[Screen]\r\nPanel1.Left=10\r\nPanel1.Top=20\r\n[Froms]\r\nImagesForm.Float=1\r\n");
    EXPECT_EQ(ini.ReadInteger("Screen", "Panel1.Left", 0), 10);
    EXPECT_TRUE(ini.ReadBool("froms", "imagesform.float", false));
}

TEST(IniFile, SavesAndLoadsWindows1250) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.ini");
    TIniFile ini;
    ini.WriteString("Froms", "Név", "árvíztűrő");
    ini.SaveToFile(path);
    EXPECT_EQ(ReadFile(path), QByteArray("[Froms]\r\nN\xE9v=\xE1rv\xEDzt\xFBr\xF5\r\n"));
    TIniFile back;
    ASSERT_TRUE(back.LoadFromFile(path));
    EXPECT_EQ(back.ReadString("froms", "NÉV", "-"), "árvíztűrő");
}

TEST(IniFile, MissingFileIsEmpty) {
    TIniFile ini = Parse("[S]\nA=1\n");
    EXPECT_FALSE(ini.LoadFromFile("/nonexistent/velkon/x.ini"));
    EXPECT_EQ(ini.ReadInteger("S", "A", 450), 450);
    EXPECT_TRUE(ini.Sections().isEmpty());
}

TEST(IniFile, UnencodableValueFailsTheSaveAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.ini");
    ASSERT_TRUE(WriteFile(path, "[S]\r\nA=1\r\n"));
    TIniFile ini;
    ini.WriteString("S", "A", QStringLiteral("日本"));
    EXPECT_THROW(ini.SaveToFile(path), EVelkonError);
    EXPECT_EQ(ReadFile(path), QByteArray("[S]\r\nA=1\r\n"));
}

TEST(SafeWrite, ReplacesWholeAndLeavesNoTemporaryFiles) {
    QTemporaryDir dir;
    const QString path = dir.filePath("p.VKP");
    SafeWriteFile(path, "old");
    SafeWriteFile(path, "new content");
    EXPECT_EQ(ReadFile(path), QByteArray("new content"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"p.VKP"});
}

TEST(SafeWrite, FailureNamesThePath) {
    QTemporaryDir dir;
    // A folder that is really a file cannot take the file, whoever runs the test.
    const QString blocker = dir.filePath("blocker");
    ASSERT_TRUE(WriteFile(blocker, "x"));
    const QString paths[] = {blocker + "/p.VKP", "/nonexistent/velkon/dir/p.VKP"};
    for (const QString& path : paths) {
        try {
            SafeWriteFile(path, "new");
            ADD_FAILURE() << "no error for " << path.toStdString();
        } catch (const EVelkonError& e) {
            EXPECT_TRUE(e.Message().contains(path)) << e.Message().toStdString();
        }
    }
    EXPECT_EQ(ReadFile(blocker), QByteArray("x"));
}
