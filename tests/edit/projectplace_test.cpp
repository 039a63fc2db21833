#include "edit/projectplace.h"

#include "model/errorlog.h"
#include "model/scene.h"

#include <gtest/gtest.h>

using namespace velkon;

TEST(ProjectPlace, FolderAndFileOrOnlyTheNameOfAnUnsavedProject) {
    TScene scene;
    scene.ProjectFileName = "Untitled.VKP";
    EXPECT_EQ(ProjectPlace(scene), "Untitled.VKP");
    scene.ProjectDir = "/tmp/out";
    scene.ProjectFileName = "demo.VKP";
    EXPECT_EQ(ProjectPlace(scene), "/tmp/out/demo.VKP");
}

TEST(ProjectPlace, PackLineNamesThePackAndTheProjectsNewPlace) {
    TScene scene;
    scene.ProjectDir = "/tmp/out";
    scene.ProjectFileName = "demo.VKP";
    TErrorLog log;
    log.Add("older");
    ReportPack(log, "/tmp/out/demo.VKM", scene);
    ASSERT_EQ(log.Count(), 2);
    EXPECT_EQ(
        log.Lines()[0],
        "Csomag elkészült: /tmp/out/demo.VKM | a projekt új helye (ide ment a Ctrl+S): /tmp/out/demo.VKP");
}
