#include "edit/commandedit.h"

#include "model/commanddesc.h"
#include "model/commanditem.h"
#include "model/filesitem.h"
#include "model/imagesitem.h"
#include "model/scene.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

using namespace velkon;

namespace {

// A scene with a picture, a sound and a particle file and the layers body
// (at 100, 50, 200 x 100, angle 10), arm (parented to body at 120, 45,
// 150 x 80, angle 40) and leg (no parent).
struct TSceneFixture {
    TScene Scene;
    TImagesItem* Body;
    TImagesItem* Arm;
    TImagesItem* Leg;

    TFilesItem* File(const char* name, int kind) {
        auto item = std::make_unique<TFilesItem>();
        item->Name = QString::fromLatin1(name);
        item->Kind = kind;
        const QString key = item->Name;
        return Scene.Files.Add(key, std::move(item));
    }
    TImagesItem* Layer(const char* name, TFilesItem* file, double left, double top, double w, double h,
                       double angle, uint32_t colour) {
        auto layer = std::make_unique<TImagesItem>(file);
        layer->Name = QString::fromLatin1(name);
        layer->Left = left;
        layer->Top = top;
        layer->Width = w;
        layer->Height = h;
        layer->Angle = angle;
        layer->ItemColor = colour;
        const QString key = layer->Name;
        return Scene.Layers.Add(key, std::move(layer));
    }

    TSceneFixture() {
        TFilesItem* body = File("body.png", TFilesItem::kindPicture);
        TFilesItem* arm = File("arm.png", TFilesItem::kindPicture);
        File("pop.wav", TFilesItem::kindSound);
        File("smoke.par", TFilesItem::kindParticle);
        Body = Layer("body", body, 100, 50, 200, 100, 10, 0x0000FF);
        Arm = Layer("arm", arm, 120, 45, 150, 80, 40, 0x00FF00);
        Arm->Parent = QStringLiteral("Body"); // names of layers ignore case
        Leg = Layer("leg", body, 0, 0, 10, 10, 0, 0xFF0000);
    }
};

} // namespace

TEST(CommandEdit, TemplatesFollowParentOrOwnName) {
    TSceneFixture f;
    const QStringList parented = {"Left(20;body)",  "Top(-5;body)", "Width(-50;body)", "Height(-20;body)",
                                  "Angle(30;body)", "RandomI(0;0)", "Random(0;0)",     "SpeedToDuration(1)",
                                  "PercentW(100)",  "PercentH(100)"};
    EXPECT_EQ(AdaptedTemplates(f.Scene, *f.Arm), parented);
    const QStringList own = {"Left(leg;0)",   "Top(leg;0)",   "Width(leg;0)", "Height(leg;0)",
                             "Angle(leg;0)",  "RandomI(0;0)", "Random(0;0)",  "SpeedToDuration(1)",
                             "PercentW(100)", "PercentH(100)"};
    EXPECT_EQ(AdaptedTemplates(f.Scene, *f.Leg), own);
    // A parent that no longer exists counts as none.
    f.Leg->Parent = QStringLiteral("gone");
    EXPECT_EQ(AdaptedTemplates(f.Scene, *f.Leg), own);
}

TEST(CommandEdit, NewModeOffersNothingUntilChosen) {
    TSceneFixture f;
    TCommandEdit edit(f.Scene, *f.Leg, nullptr);
    EXPECT_FALSE(edit.EditMode());
    EXPECT_EQ(edit.Command(), 0);
    EXPECT_TRUE(edit.Check().has_value());
    edit.Choose(cmdMoveTo);
    EXPECT_TRUE(edit.Help().startsWith("Parameters: x, y, duration\r\n"));
    for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(edit.Box[k].Visible);
        EXPECT_EQ(edit.Box[k].Items.first(), "Left(leg;0)");
        EXPECT_TRUE(edit.Box[k].Text.isEmpty());
    }
    EXPECT_EQ(edit.Box[2].Label, "duration:");
}

TEST(CommandEdit, RequiredDataNamesTheFirstEmptyVisibleBox) {
    TSceneFixture f;
    TCommandEdit edit(f.Scene, *f.Leg, nullptr);
    edit.Choose(cmdMoveTo);
    edit.SetText(0, "10");
    edit.SetText(2, "1");
    const auto problem = edit.Check();
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->Box, 1);
    EXPECT_EQ(problem->Message, "Required data!");
    edit.SetText(1, "20");
    EXPECT_FALSE(edit.Check().has_value());
    EXPECT_EQ(edit.Result(), (TCommandFields{"MoveTo", "10", "20", "1"}));
}

TEST(CommandEdit, KeyFrameShowsOnlyTheDurationBox) {
    TSceneFixture f;
    TCommandEdit fresh(f.Scene, *f.Leg, nullptr);
    fresh.Choose(cmdKeyFrame);
    EXPECT_FALSE(fresh.Box[0].Visible);
    EXPECT_TRUE(fresh.Box[1].Visible);
    EXPECT_FALSE(fresh.Box[2].Visible);
    fresh.SetText(1, "0,5");
    ASSERT_FALSE(fresh.Check().has_value());
    EXPECT_EQ(fresh.Result(), (TCommandFields{"KeyFrame", "", "0,5", ""}));

    // Editing keeps the key text that no box shows.
    TCommandItem key(cmdKeyFrame, "x=1y=2w=3h=4a=0", "1", "old");
    TCommandEdit edit(f.Scene, *f.Leg, &key);
    EXPECT_TRUE(edit.EditMode());
    EXPECT_EQ(edit.Box[1].Text, "1");
    edit.SetText(1, "2");
    ASSERT_FALSE(edit.Check().has_value());
    EXPECT_EQ(edit.Result(), (TCommandFields{"KeyFrame", "x=1y=2w=3h=4a=0", "2", "old"}));
}

TEST(CommandEdit, ReSetNeedsNoInput) {
    TSceneFixture f;
    TCommandEdit edit(f.Scene, *f.Leg, nullptr);
    edit.Choose(cmdReSet);
    for (int k = 0; k < 3; ++k)
        EXPECT_FALSE(edit.Box[k].Visible);
    EXPECT_FALSE(edit.Check().has_value());
    EXPECT_EQ(edit.Result(), (TCommandFields{"ReSet", "", "", ""}));
}

TEST(CommandEdit, KindChangeKeepsUnusedParameters) {
    TSceneFixture f;
    TCommandItem move(cmdMoveTo, "100", "200", "1,5");
    TCommandEdit edit(f.Scene, *f.Leg, &move);
    EXPECT_EQ(edit.Command(), cmdMoveTo);
    EXPECT_EQ(edit.Box[0].Text, "100");
    EXPECT_EQ(edit.Box[2].Text, "1,5");
    edit.Choose(cmdWait);
    EXPECT_TRUE(edit.Box[0].Text.isEmpty()); // choosing empties the boxes
    edit.SetText(0, "3");
    ASSERT_FALSE(edit.Check().has_value());
    EXPECT_EQ(edit.Result(), (TCommandFields{"Wait", "3", "200", "1,5"}));
}

TEST(CommandEdit, PickListsPerCommand) {
    TSceneFixture f;
    TCommandEdit edit(f.Scene, *f.Arm, nullptr);

    edit.Choose(cmdChgImage);
    EXPECT_EQ(edit.Box[0].Items, (QStringList{"body.png", "arm.png"}));
    EXPECT_EQ(edit.Box[0].Text, "arm.png");
    EXPECT_FALSE(edit.Box[0].LayerPick);

    edit.Choose(cmdStartOther);
    EXPECT_TRUE(edit.Box[0].LayerPick);
    EXPECT_EQ(edit.Box[0].Items, (QStringList{"leg", "arm", "body"}));
    EXPECT_EQ(edit.Box[0].Colours, (std::vector<uint32_t>{0xFF0000, 0x00FF00, 0x0000FF}));
    EXPECT_EQ(edit.Box[0].Text, "arm");
    // "which": 0 restarts the other layer's animation, 1 starts its next touch animation.
    EXPECT_EQ(edit.Box[1].Items, (QStringList{"0", "1"}));
    EXPECT_TRUE(edit.Box[1].Text.isEmpty());
    edit.SetText(0, "nobody"); // a pick list takes only its own names
    EXPECT_TRUE(edit.Box[0].Text.isEmpty());

    edit.Choose(cmdStopOther); // one box only: nothing of StartOther's second stays
    EXPECT_EQ(edit.Box[1].Items.first(), "Left(20;body)");
    EXPECT_FALSE(edit.Box[1].Visible);

    edit.Choose(cmdPlaySfx);
    EXPECT_EQ(edit.Box[0].Items, (QStringList{"pop.wav"}));
    EXPECT_TRUE(edit.Box[0].Text.isEmpty());
    edit.Choose(cmdStopParticle);
    EXPECT_EQ(edit.Box[0].Items, (QStringList{"smoke.par"}));
}

TEST(CommandEdit, EditingAShowSelectsItsLayer) {
    TSceneFixture f;
    TCommandItem show(cmdShow, "body");
    TCommandEdit edit(f.Scene, *f.Arm, &show);
    EXPECT_EQ(edit.Box[0].Text, "body");
    EXPECT_EQ(edit.Result(), (TCommandFields{"Show", "body", "", ""}));
}

TEST(CommandEdit, LineBreaksAreRefused) {
    TSceneFixture f;
    for (const char* text : {"1\n2", "1\r", "\r\n"}) {
        TCommandEdit edit(f.Scene, *f.Leg, nullptr);
        edit.Choose(cmdWait);
        edit.SetText(0, QString::fromLatin1(text));
        const auto problem = edit.Check();
        ASSERT_TRUE(problem.has_value()) << text;
        EXPECT_EQ(problem->Box, 0);
        EXPECT_EQ(problem->Message, QString::fromUtf8(TCommandEdit::NoLineBreaks));
    }
}

TEST(CommandEdit, TextsThatGiveNoNumberAreRefusedWhereANumberBelongs) {
    TSceneFixture f;
    const struct {
        int command;
        const char* texts[3];
        int box; // -1: accepted
    } cases[] = {
        {cmdMoveTo, {"abc", "xyz", "fast"}, 0},
        {cmdMoveTo, {"130", "xyz", "fast"}, 1},
        {cmdMoveTo, {"130", "110", "fast"}, 2},
        {cmdMoveTo, {"Left(body;10)", "RandomI(1;6)", "SpeedToDuration(100)"}, -1},
        {cmdMoveTo, {"130", "110", "Ease(d=1e=1009f=0,0g=0,0h=0,0i=0,0j=1,0)"}, -1},
        {cmdStartOther, {"leg", "one", ""}, 1},
        {cmdStartOther, {"leg", "1", ""}, -1},
        {cmdShow, {"leg", "", ""}, -1},
        {cmdWait, {"0,5", "", ""}, -1},
        {cmdLoop, {"2", "-", ""}, -1},
    };
    for (const auto& c : cases) {
        TCommandEdit edit(f.Scene, *f.Leg, nullptr);
        edit.Choose(c.command);
        for (int k = 0; k < 3; ++k)
            edit.SetText(k, QString::fromUtf8(c.texts[k]));
        const auto problem = edit.Check();
        const QString what = CommandName(c.command) + " " + c.texts[0] + " " + c.texts[1] + " " + c.texts[2];
        if (c.box < 0) {
            EXPECT_FALSE(problem.has_value()) << what.toStdString() << ": " << problem->Message.toStdString();
            continue;
        }
        ASSERT_TRUE(problem.has_value()) << what.toStdString();
        EXPECT_EQ(problem->Box, c.box) << what.toStdString();
        EXPECT_EQ(problem->Message,
                  TCommandEdit::NotANumberMessage(CommandDesc(c.command)->ParamName[c.box], c.texts[c.box]));
    }
}
