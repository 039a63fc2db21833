// The Ease(...) text of a movement's duration: read, eased along, and the move
// always ends on its target.
#include "fuzzsupport.h"

#include "edit/ease.h"
#include "engine/params.h"
#include "model/commanddesc.h"
#include "model/velkonerror.h"

using namespace velkon;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QStringLiteral("Ease(") + fuzz::Text(data, size);

    fuzz::TSmallScene direct;
    TCommandItem probe(cmdMoveTo, QStringLiteral("100"), QStringLiteral("50"), text);
    probe.Owner = direct.Child;
    try {
        EvaluateParameter(text, probe, direct.Scene);
    } catch (const EVelkonError&) {
    }

    // The ease designer opens on any text; its plot and test ball stay on pixel coordinates.
    TEaseDesign design;
    design.Load(text);
    if (design.CurvePoints().size() != 101)
        fuzz::Fail(QStringLiteral("the curve of \"%1\" has not 101 points").arg(text));
    for (int k = 0; k <= 101; k += 25)
        design.BallX(k);

    fuzz::TSmallScene s;
    s.Add(cmdMoveTo, QStringLiteral("100"), QStringLiteral("50"), text);
    const bool running = s.Play();
    if (s.Errors.isEmpty() && (running || s.Child->Left != 100 || s.Child->Top != 50))
        fuzz::Fail(QStringLiteral("a move with \"%1\" ends at (%2, %3)%4")
                       .arg(text)
                       .arg(s.Child->Left)
                       .arg(s.Child->Top)
                       .arg(running ? QStringLiteral(" still running") : QString()));
    return 0;
}
