#include "edit/changelog.h"

#include "support/testsupport.h"

#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

using namespace velkon;

TEST(ChangeLog, LayoutOfLegendVersionsAndStart) {
    const std::vector<TChangeLogVersion> versions = {
        {"1.97",
         "2026.12.10.",
         {{'+', "Új ablak."}, {'x', "Egy nagyon hosszú javítás szövege, amely nem fér el."}}},
        {"1.00", "2026.01.02.", {{'-', "Régi gomb."}}},
    };
    const QString expected = "Jelek:\n"
                             "------------------------\n"
                             "\n"
                             "+ Újdonság\n"
                             "x Javítás\n"
                             "- Eltávolítás\n"
                             "\n"
                             "1.97 verzó (2026.12.10.)\n"
                             "------------------------\n"
                             "+ Új ablak.\n"
                             "x Egy nagyon hosszú javítás\n"
                             "  szövege, amely nem fér el.\n"
                             "\n"
                             "1.00 verzó (2026.01.02.)\n"
                             "------------------------\n"
                             "- Régi gomb.\n"
                             "\n"
                             "------------------------\n"
                             "Kezdet (2026.01.01.)\n"
                             "------------------------\n"
                             " \n"
                             " \n"
                             " \n";
    EXPECT_EQ(FormatChangeLog(versions, "2026.01.01.", 30), expected);
}

TEST(ChangeLog, ProgramHistoryRunsFromTheCurrentVersionDownToTheFirst) {
    const QStringList lines = ChangeLogText().split('\n');
    ASSERT_GT(lines.size(), 20);
    EXPECT_EQ(lines.mid(0, 8), (QStringList{"Jelek:", "------------------------", "", "+ Újdonság",
                                            "x Javítás", "- Eltávolítás", "", "1.97 verzó (2026.12.10.)"}));
    const QRegularExpression heading(R"(^(\d\.\d\d) verzó \(2026\.\d\d\.\d\d\.\)$)");
    QStringList versions;
    bool inBlock = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        EXPECT_LE(line.size(), 76) << line.toStdString();
        if (const auto m = heading.match(line); m.hasMatch()) {
            versions << m.captured(1);
            EXPECT_EQ(lines[i + 1], QString(24, '-'));
            EXPECT_TRUE(lines[i + 2].startsWith("+ ") || lines[i + 2].startsWith("x ") ||
                        lines[i + 2].startsWith("- "))
                << lines[i + 2].toStdString();
            inBlock = true;
            ++i;
        } else if (inBlock && line.isEmpty()) {
            inBlock = false;
        } else if (inBlock) {
            EXPECT_TRUE(line.startsWith("+ ") || line.startsWith("x ") || line.startsWith("- ") ||
                        line.startsWith("  "))
                << line.toStdString();
        }
    }
    ASSERT_GE(versions.size(), 2);
    EXPECT_EQ(versions.front(), "1.97");
    EXPECT_EQ(versions.back(), "1.00");
    for (int i = 1; i < versions.size(); ++i)
        EXPECT_GT(versions[i - 1].toDouble(), versions[i].toDouble());
    const int start = lines.indexOf("Kezdet (2026.12.10.)");
    ASSERT_GT(start, 0);
    EXPECT_EQ(lines[start - 1], QString(24, '-'));
    EXPECT_EQ(lines[start + 1], QString(24, '-'));
    EXPECT_EQ(lines[start + 2], " ");
}
