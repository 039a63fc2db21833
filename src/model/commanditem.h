#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <memory>

namespace velkon {

class TCommands;
class TImagesItem;

// One command of a track. Only Command, the three sParams, OX and OY are
// stored, and they change only through the setters, which renew the stamp of
// the list the command is in (see TCommands::Stamp). Everything else is the
// working state of the player that prepared the command, rebuilt whenever the
// command starts and written by nobody else.
class alignas(64) TCommandItem {
public:
    // What the player reads on every tick comes first, each start value next to
    // its target: a move or a rotation in its first cache line, a fade or a
    // resize in the first two. The texts follow.
    int32_t StartTime = 0;

private:
    int32_t command_ = 0;

public:
    int32_t Duration = 0;
    uint32_t EaseFlags = 0;
    double StartLeft = 0, TargetLeft = 0, StartTop = 0, TargetTop = 0;
    double StartAngle = 0, TargetAngle = 0;
    double StartAlpha = 0, TargetAlpha = 0;
    double StartWidth = 0, TargetWidth = 0, StartHeight = 0, TargetHeight = 0;
    TImagesItem* Owner = nullptr;
    bool KeyAlpha = false;
    std::array<double, 5> EaseCoef{}; // coefficients of t^5, t^4, t^3, t^2, t

private:
    QString sParam1_, sParam2_, sParam3_;

public:
    QString Value1, Value2, Value3;

private:
    double OX_ = 512.0, OY_ = 384.0;
    TCommands* list_ = nullptr; // the list that owns the command, if any

public:
    TCommandItem() = default;
    TCommandItem(int command, QString p1, QString p2 = {}, QString p3 = {})
        : command_(command), sParam1_(std::move(p1)), sParam2_(std::move(p2)), sParam3_(std::move(p3)) {}
    // A command belongs to one list: copies go through Clone.
    TCommandItem(const TCommandItem&) = delete;
    TCommandItem& operator=(const TCommandItem&) = delete;

    // The stored part.
    int32_t Command() const { return command_; }
    const QString& sParam1() const { return sParam1_; }
    const QString& sParam2() const { return sParam2_; }
    const QString& sParam3() const { return sParam3_; }
    double OX() const { return OX_; }
    double OY() const { return OY_; }
    // Parameter 1..3 as stored.
    const QString& Param(int i) const { return i == 1 ? sParam1_ : i == 2 ? sParam2_ : sParam3_; }

    // Each setter that changes a value renews the owning list's stamp.
    void SetCommand(int32_t command);
    void SetParam(int i, const QString& value);
    void SetOX(double ox);
    void SetOY(double oy);
    // Parameter 1..3 after evaluation.
    QString& Value(int i) { return i == 1 ? Value1 : i == 2 ? Value2 : Value3; }

    // A new command with the stored part copied.
    std::unique_ptr<TCommandItem> Clone() const;

    // Display text of the parameters ("x=10, y=20, duration=1").
    QString CommandText() const;

    // Catalogue name of Command (empty for a number outside the catalogue).
    QString Name() const;

private:
    friend class TCommands;
    void Changed();
};

} // namespace velkon
