#include "objects/actor/ActorHelperObject.h"

#include "common/ChunkIo.h"
#include "host/scene/Interface.h"
#include "objects/cxa/ActorLibrary.h"
#include "objects/actor/ActorMeshes.h"
#include "objects/actor/ActorPropertyLines.h"
#include "objects/actor/ActorRollup.h"
#include "objects/shared/ObjectChanged.h"

#include <cstring>

ActorHelperObject::ActorHelperObject(const ActorLibrary& library) : library_(library) {
    BuildActorIconMesh(iconMesh_);
    BuildActorArrowMesh(arrowMesh_);
}

void ActorHelperObject::ForgetDefinition() {
    definition_.reset();
    definitionMesh_.reset();
}

void ActorHelperObject::AdoptDefinition(std::unique_ptr<ActorDef> def) {
    definition_ = std::move(def);
    definitionMesh_.reset();
    if (definition_ && definition_->mesh) {
        definitionMesh_ = std::make_unique<Mesh>();
        BuildDefinitionMesh(*definition_->mesh, *definitionMesh_);
    }
}

std::unique_ptr<ActorDef> ActorHelperObject::LoadEntry(int index) const {
    auto def = std::make_unique<ActorDef>();
    if (!library_.LoadDefinition(index, *def)) return nullptr;
    return def;
}

bool ActorHelperObject::ChooseClass(int index) {
    classIndex_ = index;
    ForgetDefinition();
    std::unique_ptr<ActorDef> def = LoadEntry(index);
    if (!def) {
        classIndex_ = -1;
        return false;
    }
    AdoptDefinition(std::move(def));
    RebuildPropertyPage();
    NotifyObjectChanged(*this);
    return true;
}

void ActorHelperObject::RebuildPropertyPage() {
    if (!editing_ || !definition_) return;
    if (propertyPage_) editing_->DeleteRollupPage(propertyPage_);
    const auto holder = static_cast<ActorDefinitionHolder*>(this);
    propertyPage_ = editing_->AddRollupPage(PropertyPageTemplate(), PropertyPageProc, "Properties",
                                            reinterpret_cast<ui::LPARAM>(holder), 0, ROLLUP_CAT_STANDARD);
    if (!propertyPage_) return;
    const int height = BuildPropertyControls(propertyPage_, *definition_);
    if (height > 0) editing_->SetRollupPageHeight(1, height);
}

void ActorHelperObject::BeginEditParams(Interface* ip, unsigned flags, Animatable*) {
    // The create panel shows no rollups for the object.
    if (flags != 0 || !ip) return;
    editing_ = ip;
    ShowActorRollup(ip, *this);
    RebuildPropertyPage();
}

void ActorHelperObject::EndEditParams(Interface*, unsigned, Animatable*) {
    DestroyActorRollup();
    if (editing_ && propertyPage_) editing_->DeleteRollupPage(propertyPage_);
    propertyPage_ = nullptr;
    editing_ = nullptr;
}

bool ActorHelperObject::SetValue(int index, TimeValue, int value) {
    if (index == kShowAsIconParam) showAsIcon_ = value;
    if (index == kDirectionalParam) directional_ = value;
    return index == kShowAsIconParam || index == kDirectionalParam;
}

bool ActorHelperObject::GetValue(int index, TimeValue, int& value) {
    if (index == kShowAsIconParam) value = showAsIcon_;
    if (index == kDirectionalParam) value = directional_;
    return index == kShowAsIconParam || index == kDirectionalParam;
}

std::int32_t ActorHelperObject::ActorT3DExport(T3dWriter* writer) {
    if (definition_ && writer) WriteActorPropertyLines(*definition_, *writer);
    return 1;
}

std::string ActorHelperObject::GetActorObjClass() {
    if (!definition_ || classIndex_ == -1) return {};
    return std::string(library_.ClassName(classIndex_));
}

// The copy holds its own definition with the source's current values, so it
// exports what the source does.
Animatable* ActorHelperObject::Clone(RemapDir& remap) {
    auto* copy = new ActorHelperObject(library_);
    copy->directional_ = directional_;
    copy->showAsIcon_ = showAsIcon_;
    copy->classIndex_ = classIndex_;
    if (definition_) copy->AdoptDefinition(std::make_unique<ActorDef>(*definition_));
    BaseClone(this, copy, remap);
    return copy;
}

IOResult ActorHelperObject::Save(ISave* isave) {
    const ActorSettings settings{directional_, showAsIcon_, classIndex_};
    isave->BeginChunk(kActorSettingsChunk);
    isave->Write(&settings, sizeof settings, nullptr);
    if (classIndex_ != -1) {
        static const LibraryFileName kNoFile;
        const LibraryFileName* name = library_.FileNameField(classIndex_);
        isave->Write(name ? name : &kNoFile, sizeof(LibraryFileName), nullptr);
    }
    isave->EndChunk();
    if (definition_ && classIndex_ != -1 && definition_->Count() > 0) {
        SaveWordChunk(*isave, kActorValuesChunk, definition_->values.data(),
                      definition_->values.size() * sizeof(ValueCell));
    }
    return IO_OK;
}

IOResult ActorHelperObject::LoadSettings(ILoad& iload) {
    ActorSettings settings{directional_, showAsIcon_, classIndex_};
    const IOResult result = LoadWordChunk(iload, &settings, sizeof settings);
    if (result != IO_OK) return result;
    directional_ = settings.directional;
    showAsIcon_ = settings.showAsIcon;
    classIndex_ = settings.classIndex;
    ForgetDefinition();
    if (classIndex_ == -1) return IO_OK;
    char stored[sizeof(LibraryFileName)] = {};
    std::size_t read = 0;
    if (iload.Read(stored, sizeof stored, &read) != IO_OK) {
        classIndex_ = -1;
        return IO_ERROR;
    }
    LibraryFileName fileName;
    fileName.Assign(std::string_view(stored, sizeof stored));
    classIndex_ = library_.FindByFileName(fileName.View());
    if (classIndex_ != -1) AdoptDefinition(LoadEntry(classIndex_));
    return IO_OK;
}

IOResult ActorHelperObject::LoadValues(ILoad& iload) {
    if (!definition_ || classIndex_ == -1) return IO_OK;
    return LoadWordChunk(iload, definition_->values.data(), definition_->values.size() * sizeof(ValueCell));
}

IOResult ActorHelperObject::Load(ILoad* iload) {
    IOResult result = IO_OK;
    while (result == IO_OK && iload->OpenChunk() == IO_OK) {
        if (iload->CurChunkID() == kActorSettingsChunk) result = LoadSettings(*iload);
        if (iload->CurChunkID() == kActorValuesChunk) result = LoadValues(*iload);
        iload->CloseChunk();
    }
    return result;
}
