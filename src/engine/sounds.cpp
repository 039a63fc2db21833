#include "engine/sounds.h"

#include <algorithm>

// Placeholder until the OpenAL implementation lands: no device, nothing plays.
namespace velkon {

struct TSnd::TImpl {};
struct TSounds::TDevice {};

TSnd::TSnd(QString name, QString path) : Name(std::move(name)), Path(std::move(path)) {}
TSnd::~TSnd() = default;

TSounds::TSounds() = default;
TSounds::~TSounds() = default;

bool TSounds::Initialise() { return false; }
bool TSounds::IsOpen() const { return false; }

bool TSounds::Load(const QString& path, std::unique_ptr<TSnd>& snd) {
    const int slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    snd = std::make_unique<TSnd>(path.mid(slash + 1), path);
    sounds_.push_back(snd.get());
    return false;
}

bool TSounds::Play(TSnd&) { return false; }
bool TSounds::Stop(TSnd&) { return false; }

void TSounds::Forget(TSnd* snd) { sounds_.erase(std::remove(sounds_.begin(), sounds_.end(), snd), sounds_.end()); }

} // namespace velkon
