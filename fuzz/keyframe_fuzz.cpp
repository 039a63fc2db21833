// The KeyFrame pose text "x=..y=..w=..h=..a=..[f=..]": split, and played to
// its end the layer stands on the pose.
#include "fuzzsupport.h"

#include "engine/params.h"
#include "model/commanddesc.h"
#include "model/velkonerror.h"

using namespace velkon;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString key = fuzz::Text(data, size);
    TKeyText k;
    bool split = true;
    try {
        k = SplitKeyText(key);
    } catch (const EVelkonError&) {
        split = false;
    }
    if (split && k.HasAlpha != key.contains(QLatin1String("f=")))
        fuzz::Fail(QStringLiteral("alpha marker misread in \"%1\"").arg(key));

    fuzz::TSmallScene s;
    s.Add(cmdKeyFrame, key, QStringLiteral("1"));
    const bool running = s.Play();
    if (!s.Errors.isEmpty()) return 0;
    if (!split)
        fuzz::Fail(QStringLiteral("the player took the key text \"%1\" that does not split").arg(key));
    const TImagesItem& c = *s.Child;
    if (running || c.Left != ToInt(k.X) || c.Top != ToInt(k.Y) || c.Width != ToInt(k.W) ||
        c.Height != ToInt(k.H) || c.Angle != ToInt(k.A) || (k.HasAlpha && c.Alpha != ToInt(k.F)))
        fuzz::Fail(QStringLiteral("the key \"%1\" ends at x=%2 y=%3 w=%4 h=%5 a=%6 f=%7")
                       .arg(key)
                       .arg(c.Left)
                       .arg(c.Top)
                       .arg(c.Width)
                       .arg(c.Height)
                       .arg(c.Angle)
                       .arg(c.Alpha));
    return 0;
}
