// The user's messages are the editor's own Hungarian texts: no English gloss
// in brackets follows them (the error hook adds no class name either, see the
// error report tests).

#include "edit/commandclipboard.h"
#include "edit/commandlist.h"
#include "edit/ease.h"
#include "edit/editorstate.h"
#include "edit/favourites.h"
#include "edit/keyframes.h"
#include "engine/params.h"
#include "model/commanddesc.h"
#include "model/errorlog.h"
#include "model/velkonerror.h"
#include "support/testsupport.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace velkon;

namespace {

QString Thrown(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const EVelkonError& e) {
        return e.Message();
    }
    return QStringLiteral("(nothing thrown)");
}

} // namespace

TEST(Messages, CarryNoEnglishGlossInBrackets) {
    QTemporaryDir dir;
    TErrorLog log;
    // A favourites "file" that is a folder cannot be read.
    const TFavourites unreadable(dir.path(), log);
    unreadable.Names();
    TFavourites file(dir.filePath(QStringLiteral("Favourites.txt")), log);
    TEaseDesign ease;
    ease.Duration = QStringLiteral("soon");

    const struct {
        const char* what;
        QString message;
        QString expected;
    } cases[] = {
        {"whole number", Thrown([] { ToInt(QStringLiteral("abc")); }),
         QStringLiteral("\"abc\" nem egész szám")},
        {"number range", Thrown([] { ToInt(QStringLiteral("99999999999")); }),
         QStringLiteral("\"99999999999\" túl nagy szám")},
        {"keyframe duration",
         Thrown([] { TKeyframeEditor::SteppedDuration("x", true, false, false, false); }),
         QStringLiteral("\"x\" nem szám")},
        {"ease duration", ease.DurationProblem(),
         QStringLiteral("Hibás időtartam, számnak kell lennie: \"soon\"")},
        {"clipboard cut short", Thrown([] {
             ReadCommandClipboard(QStringLiteral("VKP Clipboard\r\n2\r\nx=0y=0w=0h=0a=0\r\n6\r\n1\r\n"));
         }),
         QStringLiteral("Hibás vágólap: 2 parancs helyett kevesebb sor van")},
        {"favourite name", Thrown([&] { file.Save(QStringLiteral("a\nb"), {}); }),
         QStringLiteral("A kedvenc neve nem tartalmazhat sortörést")},
        {"favourites file", log.Lines().value(0),
         QStringLiteral("A kedvencek fájl nem olvasható: ") + dir.path()},
        {"line break refused", LineBreakRefused,
         QStringLiteral("A paraméter nem tartalmazhat sortörést! A parancs nem változott.")},
        {"line breaks stripped", LineBreakStripped,
         QStringLiteral("A paraméterekben lévő sortörések kimaradtak a vágólapról.")},
    };
    const QRegularExpression gloss(QStringLiteral("\\([a-z][a-z ,]*\\)"));
    for (const auto& c : cases) {
        EXPECT_EQ(c.message, c.expected) << c.what;
        EXPECT_FALSE(gloss.match(c.message).hasMatch()) << c.what << ": " << c.message.toStdString();
    }
}
