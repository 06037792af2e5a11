#pragma once
// The actor classes of an actor folder: one entry per CXA file in it. The
// object plug-in builds its library once when it loads; scenes store an
// entry's file name, so the same definition is found again on load; the
// index is only meaningful while the host runs.

#include "objects/cxa/ActorDef.h"
#include "objects/cxa/ClassNameReader.h"
#include "objects/cxa/FixedText.h"

#include <string>
#include <string_view>
#include <vector>

// The scene stores the whole 260-byte file-name field.
constexpr std::size_t kLibraryFileNameField = 260;
using LibraryFileName = cxa::FixedText<kLibraryFileNameField>;

struct ActorLibraryEntry {
    LibraryFileName fileName;
    cxa::LibraryClassName className;
};

// The actor folder of a module: cxActors beside the module's file.
std::string ActorFolderBeside(std::string_view modulePath);

class ActorLibrary {
public:
    // Lists folder's "*.cxa" files (sorted by name). A missing folder or one
    // without definitions gives an empty library: the trigger helper must not
    // vanish because no actor is defined. A file that cannot be read, lacks
    // the magic or has no class name is left out with a warning, so no entry
    // is ever unfilled; so is one whose class name or a property's T3D name
    // is no valid map name (cxa::IsMapName). Returns the number of entries; a library is built
    // only once (later calls return 0 and change nothing).
    int Build(std::string_view folder);
    bool IsBuilt() const { return built_; }

    int Count() const { return static_cast<int>(entries_.size()); }
    const std::string& Folder() const { return folder_; }
    // What Build left out, one line per file: "path: reason".
    const std::vector<std::string>& Warnings() const { return warnings_; }

    // The first entry whose file name equals fileName without regard to
    // case; -1 for none.
    int FindByFileName(std::string_view fileName) const;
    // The first entry whose class name equals className without regard to
    // case; -1 for none.
    int FindByClassName(std::string_view className) const;
    // Empty for an index outside the library.
    std::string_view ClassName(int index) const;
    std::string_view FileName(int index) const;
    const LibraryFileName* FileNameField(int index) const;

    // The full read of the entry's file, expecting the entry's class name;
    // false (def unchanged) when the file no longer reads.
    bool LoadDefinition(int index, ActorDef& def) const;

private:
    bool Valid(int index) const { return index >= 0 && index < Count(); }

    bool built_ = false;
    std::string folder_;
    std::vector<ActorLibraryEntry> entries_;
    std::vector<std::string> warnings_;
};
