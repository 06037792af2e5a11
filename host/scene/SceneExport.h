#pragma once
// The base of an export plug-in class: the host lists it under its file
// extensions and calls DoExport with the path the user chose.

#include "host/core/Animatable.h"
#include "host/scene/Interface.h"
#include "host/ui/Messages.h"

class Scene;

// DoExport's options bit: export the selected nodes only.
constexpr unsigned long SCENE_EXPORT_SELECTED = 1;

// What the host hands an exporter about the scene being exported.
struct ExpInterface {
    Scene* theScene = nullptr;
};

class SceneExport : public Animatable {
public:
    SClass_ID SuperClassID() const override { return SCENE_EXPORT_CLASS_ID; }

    virtual int ExtCount() = 0;
    virtual const char* Ext(int n) = 0;
    virtual const char* LongDesc() = 0;
    virtual const char* ShortDesc() = 0;
    virtual const char* AuthorName() = 0;
    virtual const char* CopyrightMessage() = 0;
    virtual const char* OtherMessage1() = 0;
    virtual const char* OtherMessage2() = 0;
    virtual unsigned int Version() = 0;
    virtual void ShowAbout(ui::HWND parent) = 0;
    // 1 when the export ran (also when the user cancelled it), 0 when it failed.
    virtual int DoExport(const char* name, ExpInterface* ei, Interface* ip, bool suppressPrompts = false,
                         unsigned long options = 0) = 0;
    virtual bool SupportsOptions(int ext, unsigned long options) = 0;
};
