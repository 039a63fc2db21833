#include "model/commands.h"

#include "model/commanddesc.h"

#include <atomic>
#include <stdexcept>

namespace velkon {

uint64_t TCommands::NewStamp() {
    static std::atomic<uint64_t> last{0};
    return last.fetch_add(1, std::memory_order_relaxed) + 1;
}

TCommands::TCommands(TCommands&& other) noexcept : Current(other.Current), items_(std::move(other.items_)) {
    other.stamp_ = NewStamp();
    other.items_.clear();
    Adopt();
}

TCommands& TCommands::operator=(TCommands&& other) noexcept {
    if (this != &other) {
        Current = other.Current;
        items_ = std::move(other.items_);
        other.items_.clear();
        stamp_ = NewStamp();
        other.stamp_ = NewStamp();
        Adopt();
    }
    return *this;
}

TCommands::~TCommands() = default;

void TCommands::Adopt() {
    for (auto& entry : items_)
        entry.second->list_ = this;
}

void TCommands::SetName(int i, const QString& name) {
    QString& n = items_.at(i).first;
    if (n.isNull() == name.isNull() && n == name)
        return;
    n = name;
    stamp_ = NewStamp();
}

TCommandItem* TCommands::Add(std::unique_ptr<TCommandItem> item) {
    QString name = CommandName(item->Command());
    return Add(name, std::move(item));
}

TCommandItem* TCommands::Add(const QString& name, std::unique_ptr<TCommandItem> item) {
    if (!item)
        throw std::invalid_argument("TCommands::Add");
    stamp_ = NewStamp();
    item->list_ = this;
    items_.emplace_back(name, std::move(item));
    return items_.back().second.get();
}

TCommandItem* TCommands::Insert(int index, std::unique_ptr<TCommandItem> item) {
    if (index < 0 || index > Count())
        throw std::out_of_range("TCommands::Insert");
    if (!item)
        throw std::invalid_argument("TCommands::Insert");
    QString name = CommandName(item->Command());
    stamp_ = NewStamp();
    item->list_ = this;
    auto it = items_.emplace(items_.begin() + index, name, std::move(item));
    return it->second.get();
}

std::unique_ptr<TCommandItem> TCommands::Take(int index) {
    auto item = std::move(items_.at(index).second);
    item->list_ = nullptr;
    stamp_ = NewStamp();
    items_.erase(items_.begin() + index);
    return item;
}

void TCommands::Move(int from, int to) {
    if (from < 0 || from >= Count() || to < 0 || to >= Count())
        throw std::out_of_range("TCommands::Move");
    stamp_ = NewStamp();
    auto entry = std::move(items_[from]);
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, std::move(entry));
}

int TCommands::IndexOf(const TCommandItem* item) const {
    for (int i = 0; i < Count(); ++i)
        if (items_[i].second.get() == item)
            return i;
    return -1;
}

void TCommands::Clear() {
    Current = -1;
    stamp_ = NewStamp();
    items_.clear();
}

TCommands TCommands::Clone() const {
    TCommands copy;
    copy.Current = Current;
    copy.items_.reserve(items_.size());
    for (const auto& [name, item] : items_)
        copy.items_.emplace_back(name, item->Clone());
    copy.Adopt();
    return copy;
}

} // namespace velkon
