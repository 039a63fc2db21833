// Parameter evaluation: the first byte picks the command, the rest is up to
// three parameter texts (one a line) run on a layer parented to another.
#include "fuzzsupport.h"

#include "engine/params.h"
#include "model/commanddesc.h"
#include "model/velkonerror.h"

#include <cmath>

using namespace velkon;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int command = data[0] % CommandCount + 1;
    const QStringList lines = fuzz::Text(data + 1, size - 1).split(QLatin1Char('\n'));
    const QString p1 = lines.value(0), p2 = lines.value(1), p3 = lines.value(2);

    fuzz::TSmallScene s;
    TCommandItem* cmd = s.Add(command, p1, p2, p3);
    for (const QString& p : {p1, p2, p3}) {
        try {
            const QString value = EvaluateParameter(p, *cmd, s.Scene);
            ToFloat(value);
            ToMs(value);
            ToInt(value);
        } catch (const EVelkonError&) {
        }
    }
    const double seconds = TrackDuration(s.Child->Base.Track[0]);
    if (std::isnan(seconds))
        fuzz::Fail(QStringLiteral("a track of \"%1\" lasts NaN seconds")
                       .arg(p1 + QLatin1Char('|') + p2 + QLatin1Char('|') + p3));

    // A second command that reads the first layer keeps the player honest
    // about a track that jumps back into itself.
    s.Add(cmdLoop, QStringLiteral("2"), QStringLiteral("1"));
    s.Play();
    return 0;
}
