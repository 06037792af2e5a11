#include "objects/cxa/ActorLibrary.h"

#include "host/os/Files.h"
#include "objects/cxa/ActorDefReader.h"
#include "objects/cxa/CxaFormat.h"

namespace {

std::string InFolder(const std::string& folder, std::string_view name) {
    return folder + "/" + std::string(name);
}

// The names the map would carry of this definition: its class name and,
// when the whole file reads, its properties' T3D names (a file that does not
// read is never exported).
bool MapNamesValid(std::string_view bytes, std::string_view className) {
    if (!cxa::IsMapName(className)) return false;
    ActorDef def;
    if (!cxa::ReadActorDef(bytes, className, def)) return true;
    for (const ActorPropDef& property : def.properties) {
        if (!cxa::IsMapName(property.t3dName.View())) return false;
    }
    return true;
}

}  // namespace

std::string ActorFolderBeside(std::string_view modulePath) {
    const std::size_t cut = modulePath.find_last_of("/\\");
    return (cut == std::string_view::npos ? std::string(".") : std::string(modulePath.substr(0, cut))) + "/cxActors";
}

int ActorLibrary::Build(std::string_view folder) {
    if (built_) return 0;
    built_ = true;
    folder_ = std::string(folder);
    for (const std::string& name : os::FindFiles(folder_, "*.cxa")) {
        ActorLibraryEntry entry;
        if (name.size() > LibraryFileName::kCapacity) {
            warnings_.push_back(InFolder(folder_, name) + ": the file name is longer than " +
                                std::to_string(LibraryFileName::kCapacity) + " characters");
            continue;
        }
        const std::string path = InFolder(folder_, name);
        std::string bytes;
        if (!os::ReadWholeFile(path, bytes) || !cxa::ReadClassName(bytes, entry.className)) {
            warnings_.push_back(path + ": not an actor definition (unreadable, no CXA magic or no class name)");
            continue;
        }
        if (!MapNamesValid(bytes, entry.className.View())) {
            warnings_.push_back(path + ": its class name or a property's T3D name " + cxa::kMapNameRule);
            continue;
        }
        entry.fileName.Assign(name);
        entries_.push_back(entry);
    }
    return Count();
}

int ActorLibrary::FindByFileName(std::string_view fileName) const {
    for (int i = 0; i < Count(); ++i) {
        if (cxa::EqualIgnoringCase(entries_[i].fileName.View(), fileName)) return i;
    }
    return -1;
}

int ActorLibrary::FindByClassName(std::string_view className) const {
    for (int i = 0; i < Count(); ++i) {
        if (cxa::EqualIgnoringCase(entries_[i].className.View(), className)) return i;
    }
    return -1;
}

std::string_view ActorLibrary::ClassName(int index) const {
    return Valid(index) ? entries_[index].className.View() : std::string_view();
}

std::string_view ActorLibrary::FileName(int index) const {
    return Valid(index) ? entries_[index].fileName.View() : std::string_view();
}

const LibraryFileName* ActorLibrary::FileNameField(int index) const {
    return Valid(index) ? &entries_[index].fileName : nullptr;
}

bool ActorLibrary::LoadDefinition(int index, ActorDef& def) const {
    if (!Valid(index)) return false;
    return cxa::ReadActorDefFromFile(InFolder(folder_, FileName(index)), ClassName(index), def);
}
