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
    ~TCommands();
    TCommands(const TCommands&) = delete;
    TCommands& operator=(const TCommands&) = delete;

    int Count() const { return static_cast<int>(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }
    bool Running() const { return Current >= 0; }
    TCommandItem* Item(int i) const { return items_.at(i).second.get(); }
    const QString& Name(int i) const { return items_.at(i).first; }
    void SetName(int i, const QString& name);

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

    // Changes whenever the list or what it holds changes: commands added,
    // taken or moved, a name or a command's stored part changed, the running
    // command prepared anew, the whole list moved away. No two lists ever share
    // one: while it stays the same, Item(i) is still the command it was, with
    // the same stored part and the same working state.
    uint64_t Stamp() const { return stamp_; }
    // A new stamp: the player calls it when it prepares a command.
    void MarkChanged() { stamp_ = NewStamp(); }

    // Same Current, a cloned command for every entry, same names, in order.
    TCommands Clone() const;

private:
    static uint64_t NewStamp();
    // Points every command back at this list.
    void Adopt();

    std::vector<std::pair<QString, std::unique_ptr<TCommandItem>>> items_;
};

} // namespace velkon
