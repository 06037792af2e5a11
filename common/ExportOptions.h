#pragma once
// The exporter's settings: the package and group that static meshes and
// textures are imported under, what the EXEC script makes the level editor
// do after the import, and switches of the geometry conversion. One instance
// lives while the plug-in is loaded; every part of the export reads it
// directly. They are kept in the settings key "SOFTWARE\corvatrix\3.0".

#include <cstddef>
#include <cstdint>
#include <string>

class ExportOptions {
public:
    // Package and Group hold at most this many characters.
    static constexpr std::size_t kMaxTextLength = 127;

    // Reads the stored options. A key that does not exist yet (also a
    // settings file that cannot be read) gives every default; in an existing
    // key a missing Package or Group keeps its default (so does one holding
    // a double quote or a control character), a missing number reads as 0.
    ExportOptions();
    virtual ~ExportOptions() = default;

    // Writes all fourteen values; false when the settings file could not be
    // written.
    bool Save() const;

    // One "Name=value" line per option, in the order they are stored.
    std::string Listing() const;

    std::string Package;
    std::string Group;
    std::int32_t UseMyLevel{};
    std::int32_t MergedImport{};
    std::int32_t UpdateOnly{};
    std::int32_t AdjustLight{};
    std::int32_t BoundBrush{};
    std::int32_t BuildOnImport{};
    std::int32_t AltBrushes{};
    std::int32_t StaticMeshCollision{};
    std::int32_t SavePackages{};
    std::int32_t SnapBrushes{};
    std::int32_t SnapZones{};
    // The brush snap grid is 2 to this power units (0..10).
    std::int32_t SnapToSize{};
};
