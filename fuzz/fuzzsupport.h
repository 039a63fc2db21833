#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

// Shared by the harnesses: each reader gets its input the way the editor does,
// mostly as a file in a folder of its own.
namespace velkon::fuzz {

// A private folder of this process, created on first use and removed at exit.
QString WorkDir();

// Writes the input to WorkDir()/name, replacing what was there; returns the path.
QString WriteInput(const QString& name, const uint8_t* data, size_t size);

// Stops the run with a message: libFuzzer keeps the input as a crash.
[[noreturn]] void Fail(const QString& what);

} // namespace velkon::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

#include "engine/clock.h"
#include "engine/player.h"
#include "model/scene.h"

#include <QStringList>
#include <memory>

namespace velkon::fuzz {

// A small scene for the parameter texts: a layer "Base" at (10, 20), 100 x 50,
// turned by 30 degrees, and a layer "Child" parented to it at (200, 150),
// 40 x 30, that runs the commands under test.
struct TSmallScene {
    TScene Scene;
    TManualClock Clock;
    TPlayer Player{Scene, Clock};
    TImagesItem* Base = nullptr;
    TImagesItem* Child = nullptr;
    QStringList Errors;

    TSmallScene();
    // Appends a command to the child's first Base track.
    TCommandItem* Add(int command, const QString& p1, const QString& p2 = {}, const QString& p3 = {});
    // Starts the child's track and ticks at a few moments up to the end of
    // time; returns whether the track still runs afterwards.
    bool Play();
};

// The input as text: UTF-8, as pasted into the command editor.
QString Text(const uint8_t* data, size_t size);

} // namespace velkon::fuzz
