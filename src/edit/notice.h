#pragma once

#include <functional>
#include <vector>

namespace velkon {

// A change notice of the editor state: any number of listeners (the panels)
// subscribe once and hear every emit, in the order they subscribed.
class TNotice {
public:
    using TListener = std::function<void()>;

    // Returns the key Unsubscribe takes.
    int Subscribe(TListener listener);
    void Unsubscribe(int key);
    void Emit() const;

private:
    std::vector<std::pair<int, TListener>> listeners_;
    int nextKey_ = 1;
};

} // namespace velkon
