#pragma once

#include <QString>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

namespace velkon {

// An ordered list of (name, object) pairs that owns its objects. Lookups by
// name ignore case and the first match wins. Ptr is how the list owns them:
// alone (unique_ptr), or together with others that keep an object after it
// left the list (shared_ptr: the undo ring keeps removed files).
template <class T, class Ptr = std::unique_ptr<T>> class TRegistry {
public:
    using Entry = std::pair<QString, Ptr>;

    int Count() const { return static_cast<int>(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }
    const QString& Name(int i) const { return items_.at(i).first; }
    T* At(int i) const { return items_.at(i).second.get(); }
    // The owning pointer of entry i.
    const Ptr& Owner(int i) const { return items_.at(i).second; }

    int IndexOf(const QString& name) const {
        for (int i = 0; i < Count(); ++i)
            if (items_[i].first.compare(name, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }
    int IndexOf(const T* object) const {
        for (int i = 0; i < Count(); ++i)
            if (items_[i].second.get() == object)
                return i;
        return -1;
    }
    T* Find(const QString& name) const {
        const int i = IndexOf(name);
        return i < 0 ? nullptr : items_[i].second.get();
    }

    T* Add(const QString& name, Ptr object) {
        items_.emplace_back(name, std::move(object));
        return items_.back().second.get();
    }
    T* Insert(int index, const QString& name, Ptr object) {
        if (index < 0 || index > Count())
            throw std::out_of_range("TRegistry::Insert");
        return items_.emplace(items_.begin() + index, name, std::move(object))->second.get();
    }
    Ptr Take(int index) {
        auto object = std::move(items_.at(index).second);
        items_.erase(items_.begin() + index);
        return object;
    }
    void Delete(int index) { Take(index); }
    void Move(int from, int to) {
        if (from < 0 || from >= Count() || to < 0 || to >= Count())
            throw std::out_of_range("TRegistry::Move");
        auto entry = std::move(items_[from]);
        items_.erase(items_.begin() + from);
        items_.insert(items_.begin() + to, std::move(entry));
    }
    void Rename(int index, const QString& name) { items_.at(index).first = name; }
    void Clear() { items_.clear(); }
    // The whole list at once: taken out (the list is then empty) and put in.
    std::vector<Entry> TakeAll() { return std::exchange(items_, {}); }
    void Assign(std::vector<Entry> entries) { items_ = std::move(entries); }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::vector<Entry> items_;
};

} // namespace velkon
