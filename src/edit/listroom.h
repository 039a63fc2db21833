#pragma once

#include <QString>
#include <cstdint>

namespace velkon {

class TImagesItem;
class TCommands;

// The project reader takes at most MaxListEntries entries of a list (a
// track's commands, the layers, the files, the helper lines), so no operation
// may make a list longer: what it saves would not come back. Throws
// EVelkonError naming the list when count + adding would pass the limit;
// operations call it before they change anything (the undo step included).
void CheckListRoom(int64_t count, int64_t adding, const QString& list);

// The same for one of a layer's tracks, named after the layer in the message.
void CheckTrackRoom(const TImagesItem& layer, const TCommands& track, int64_t adding);

} // namespace velkon
