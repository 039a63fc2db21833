#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <memory>

namespace velkon {

class TImagesItem;

// One command of a track. Only Command, the three sParams, OX and OY are
// stored; everything else is the player's working state, rebuilt whenever the
// command starts.
class TCommandItem {
public:
    // What the player reads on every tick comes first, so that a running
    // command costs as few cache lines as possible; the texts follow.
    TImagesItem* Owner = nullptr;
    int32_t StartTime = 0;
    int32_t Command = 0;
    int32_t Duration = 0;
    uint32_t EaseFlags = 0;
    double StartTop = 0, StartLeft = 0, StartWidth = 0, StartHeight = 0, StartAlpha = 0, StartAngle = 0;
    double TargetTop = 0, TargetLeft = 0, TargetWidth = 0, TargetHeight = 0, TargetAlpha = 0, TargetAngle = 0;
    bool KeyAlpha = false;
    std::array<double, 5> EaseCoef{}; // coefficients of t^5, t^4, t^3, t^2, t
    QString sParam1, sParam2, sParam3;
    QString Value1, Value2, Value3;
    double OX = 512.0, OY = 384.0;

    TCommandItem() = default;
    TCommandItem(int command, QString p1, QString p2 = {}, QString p3 = {})
        : Command(command), sParam1(std::move(p1)), sParam2(std::move(p2)), sParam3(std::move(p3)) {}

    // Parameter 1..3 as stored.
    QString& Param(int i) { return i == 1 ? sParam1 : i == 2 ? sParam2 : sParam3; }
    const QString& Param(int i) const { return i == 1 ? sParam1 : i == 2 ? sParam2 : sParam3; }
    // Parameter 1..3 after evaluation.
    QString& Value(int i) { return i == 1 ? Value1 : i == 2 ? Value2 : Value3; }

    // A new command with the stored part copied.
    std::unique_ptr<TCommandItem> Clone() const;

    // Display text of the parameters ("x=10, y=20, duration=1").
    QString CommandText() const;

    // Catalogue name of Command (empty for a number outside the catalogue).
    QString Name() const;
};

} // namespace velkon
