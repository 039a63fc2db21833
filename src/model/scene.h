#pragma once

#include "model/filesitem.h"
#include "model/imagesitem.h"
#include "model/random.h"
#include "model/registry.h"

#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

namespace velkon {

class TSounds; // the engine's sound manager; the scene only holds it

// Per-group state kept by the layers panel.
struct TGroupState {
    uint8_t Open = 0;
    uint8_t Shown = 1;
    uint8_t Locked = 0;
    int32_t MemberCount = 0;
    int32_t HeaderRow = -1;
    // The group's row is selected in the layer list (its members are then
    // selected too); it survives the list's rebuilds, not a new selection.
    uint8_t Selected = 0;
};

// The player's clock, in whole milliseconds since the clock's zero point.
struct TClock {
    int32_t Now = 0;
    int32_t LastTime = 0;
};

// The whole in-memory project. Exactly one exists while the editor runs.
class TScene {
public:
    TScene();
    ~TScene();
    TScene(const TScene&) = delete;
    TScene& operator=(const TScene&) = delete;

    // Files are shared: the undo ring keeps a file that left the list, so
    // that an undo brings it back as it was, picture and sound included.
    TRegistry<TFilesItem, std::shared_ptr<TFilesItem>> Files;
    TRegistry<TImagesItem> Layers;
    QStringList Groups;                       // a layer's Group is a 1-based position here
    std::array<TGroupState, 256> GroupStates;
    QStringList Lines;                        // helper lines "V512=512", "F300=300"
    // Made by the engine on first use (SceneSounds); empty until a sound is needed.
    std::shared_ptr<TSounds> Sounds;
    // Called for every file item just before the scene lets go of it (frees
    // it, or leaves it to the undo ring), and for every file an undo brings
    // back; the engine registers here so that its sound manager lets go of
    // the file's sound and takes it again.
    std::function<void(TFilesItem&)> FileItemGone;
    std::function<void(TFilesItem&)> FileItemBack;

    QString ProjectFileName;  // without directory
    QString ProjectDir;       // folder the project was last read from or saved to
    uint32_t BackgroundColor = 0xFFFFFF; // 0x00BBGGRR
    uint32_t SelectColor = 0xAAAAAA;
    bool Lock = true;
    int32_t Resolution = 1;   // index into the resolution presets
    bool Saved = true;
    // Set when the last read stopped before the end of its file (what stopped
    // it, for the user); such a scene is never saved over its source unasked.
    QString Incomplete;
    bool Playing = false;
    bool FullPlay = false;
    TImagesItem* CurrentLayer = nullptr;
    int32_t SelectedCount = 0;
    TClock Clock;
    int32_t TimeScale = 1;
    TRandom Random;
    QString ReferenceReport;  // filled by CountLayerReferences

    // Adds a file item under its Name; returns it.
    TFilesItem* AddFile(std::unique_ptr<TFilesItem> item);
    // Creates a layer on a file item with a unique name and appends it.
    TImagesItem* AddLayer(TFilesItem* fileItem);
    // Frees every layer and file item (sounds go with their files).
    void ClearLayersAndFiles();

    // Decoded picture memory the project's pictures take, each shared picture
    // once; pictures added later share MaxPictureMemory with them.
    int64_t PictureMemory() const;

    // Layer name made from a file name: "ball (2).png" -> "ball", "my ball.png" -> "myball",
    // numbered (Ball1, Ball2...) while the name is taken.
    QString UniqueLayerName(const QString& fileName) const;
    // The name part of that: "ball (2).png" -> "ball", without a number.
    static QString LayerBaseName(const QString& fileName);

    void SaveAll();
    void RestoreAll();

    // Sets the file's UseCount (layers showing it); returns how many command
    // parameters equal its Name.
    int CountFileReferences(TFilesItem& file);
    // Returns how many command parameters equal the layer's Name; rebuilds ReferenceReport.
    int CountLayerReferences(const TImagesItem& layer);
    // Renames a layer or file name inside every command parameter.
    void RenameReferences(const QString& oldName, const QString& newName);

    // Helper lines as name=value entries; an empty value removes the entry.
    // The name part of an entry (what the project file stores). A name read
    // from a file may itself hold "=": the value is always the name without
    // its letter, which tells where the name ends.
    static QString LineName(const QString& entry);
    QString LineValue(const QString& name) const;
    void SetLineValue(const QString& name, const QString& value);
};

} // namespace velkon
