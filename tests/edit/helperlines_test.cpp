#include "edit/helperlines.h"
#include "model/scene.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

using namespace velkon;

TEST(HelperLines, ToggleAddsThenRemovesTheSameLine) {
    TScene scene;
    EXPECT_TRUE(ToggleHelperLine(scene, true, 120));
    EXPECT_TRUE(ToggleHelperLine(scene, false, 120));
    EXPECT_EQ(scene.Lines, (QStringList{"V120=120", "F120=120"}));
    EXPECT_FALSE(ToggleHelperLine(scene, true, 120));
    EXPECT_EQ(scene.Lines, QStringList{"F120=120"});
    // Position 0 and negative positions are lines too.
    EXPECT_TRUE(ToggleHelperLine(scene, true, 0));
    EXPECT_TRUE(ToggleHelperLine(scene, false, -5));
    EXPECT_EQ(scene.LineValue("V0"), "0");
    EXPECT_EQ(scene.LineValue("F-5"), "-5");
    EXPECT_FALSE(ToggleHelperLine(scene, false, -5));
    EXPECT_TRUE(scene.LineValue("F-5").isEmpty());
}

TEST(HelperLines, EntriesReadAsTheCanvasDrawsThem) {
    TScene scene;
    scene.Lines = QStringList{"V120=120", "F-5=-5", "broken", "V7=x", "Fx=30"};
    const std::vector<THelperLine> want{{true, 120}, {false, -5}, {false, 30}};
    EXPECT_EQ(HelperLines(scene), want);
}
