#pragma once

#include "model/commanditem.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace velkon {

// One command track: an ordered list of (catalogue name, command) pairs that
// owns its commands, and the index of the running command.
class TCommands {
public:
    int Current = -1; // running command, -1 while the track is stopped

private:
    uint64_t stamp_ = NewStamp(); // next to Current: the player reads both on every tick

public:
    TCommands() = default;
    TCommands(TCommands&& other) noexcept;
    TCommands& operator=(TCommands&& other) noexcept;
    TCommands(const TCommands&) = delete;
    TCommands& operator=(const TCommands&) = delete;

    int Count() const { return static_cast<int>(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }
    bool Running() const { return Current >= 0; }
    TCommandItem* Item(int i) const { return items_.at(i).second.get(); }
    const QString& Name(int i) const { return items_.at(i).first; }
    void SetName(int i, const QString& name) { items_.at(i).first = name; }

    // Appends a command under its catalogue name; returns it.
    TCommandItem* Add(std::unique_ptr<TCommandItem> item);
    TCommandItem* Add(const QString& name, std::unique_ptr<TCommandItem> item);
    TCommandItem* Insert(int index, std::unique_ptr<TCommandItem> item);
    std::unique_ptr<TCommandItem> Take(int index);
    void Delete(int index) { Take(index); }
    void Move(int from, int to);
    int IndexOf(const TCommandItem* item) const;

    // Current := -1, every command freed, the list emptied.
    void Clear();

    // Changes whenever the list itself changes (commands added, taken, moved,
    // the whole list moved away), and no two lists ever share one: while it
    // stays the same, Item(i) is still the command it was.
    uint64_t Stamp() const { return stamp_; }

    // Same Current, a cloned command for every entry, same names, in order.
    TCommands Clone() const;

private:
    static uint64_t NewStamp();

    std::vector<std::pair<QString, std::unique_ptr<TCommandItem>>> items_;
};

} // namespace velkon
