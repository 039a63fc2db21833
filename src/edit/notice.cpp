#include "edit/notice.h"

#include <algorithm>

namespace velkon {

int TNotice::Subscribe(TListener listener) {
    const int key = nextKey_++;
    listeners_.emplace_back(key, std::move(listener));
    return key;
}

void TNotice::Unsubscribe(int key) {
    std::erase_if(listeners_, [key](const auto& entry) { return entry.first == key; });
}

void TNotice::Emit() const {
    // A copy: a listener may subscribe or unsubscribe while it hears the notice.
    const auto listeners = listeners_;
    for (const auto& entry : listeners)
        if (entry.second) entry.second();
}

} // namespace velkon
