#pragma once
// The "Actor" object: places an engine actor of a class from the actor
// library. Without a class it shows the built-in icon and exports nothing;
// with one it holds its own copy of the class's definition, whose values
// the "Properties" page edits and the map receives.

#include "common/PluginClasses.h"
#include "host/params/IParamArray.h"
#include "host/scene/Mesh.h"
#include "objects/actor/ActorChunks.h"
#include "objects/actor/ActorPropertyPage.h"
#include "objects/cxa/ActorDef.h"

#include <memory>

class ActorLibrary;
class GraphicsWindow;
struct Rect;

// Parameters of the "Unreal Actor" rollup's check boxes.
constexpr int kShowAsIconParam = 1026;
constexpr int kDirectionalParam = 1027;

class CORVATRIX_CONTRACT ActorHelperObject : public ActorHelper,
                                             public IParamArray,
                                             public ActorDefinitionHolder {
public:
    static constexpr const char* kClassName = "Actor";
    static constexpr const char* kInternalName = "cxObjActor";

    explicit ActorHelperObject(const ActorLibrary& library);

    std::string GetClassName() const override { return "Unreal Actor"; }
    Animatable* Clone(RemapDir& remap) override;
    IOResult Save(ISave* isave) override;
    IOResult Load(ILoad* iload) override;
    void BeginEditParams(Interface* ip, unsigned flags, Animatable* prev) override;
    void EndEditParams(Interface* ip, unsigned flags, Animatable* next) override;
    void InitNodeName(std::string& name) override { name = kClassName; }

    int Display(TimeValue t, INode* inode, ViewExp* vpt, int flags) override;
    int HitTest(TimeValue t, INode* inode, int type, int crossing, int flags, IPoint2* p, ViewExp* vpt) override;
    void GetWorldBoundBox(TimeValue t, INode* inode, ViewExp* vpt, Box3& box) override;
    void GetLocalBoundBox(TimeValue t, INode* inode, ViewExp* vpt, Box3& box) override;
    CreateMouseCallBack* GetCreateMouseCallBack() override;
    // The definition's mesh, or the icon; never to be deleted by the caller.
    Mesh* GetRenderMesh(TimeValue t, INode* inode, View& view, bool& needDelete) override;

    std::int32_t ActorT3DExport(T3dWriter* writer) override;
    std::string GetActorObjClass() override;

    // The rollup's values are whole numbers; the other forms take nothing.
    using IParamArray::GetValue;
    using IParamArray::SetValue;
    bool SetValue(int index, TimeValue t, int value) override;
    bool GetValue(int index, TimeValue t, int& value) override;

    ActorDef* Definition() override { return definition_.get(); }

    // The library entry chosen, -1 for none.
    int ClassIndex() const { return classIndex_; }
    void SetClassIndex(int index) { classIndex_ = index; }
    const ActorLibrary& Library() const { return library_; }
    // Gives the object the definition of library entry index, as picking it
    // in the drop-down does; false (no class) when it does not load.
    bool ChooseClass(int index);

    bool ShowAsIcon() const { return showAsIcon_ != 0; }
    bool Directional() const { return directional_ != 0; }
    // What viewports show: the icon, or the definition's mesh when it has one.
    const Mesh& DisplayMesh() const { return definitionMesh_ ? *definitionMesh_ : iconMesh_; }
    const Mesh& IconMesh() const { return iconMesh_; }
    const Mesh& ArrowMesh() const { return arrowMesh_; }

    // Rebuilds the "Properties" page while the object is edited.
    void RebuildPropertyPage();

private:
    // What viewports draw, hit-test and measure: the icon while "Display
    // Actor as icon" is on, else the display mesh.
    Mesh& ShownMesh();
    void DrawMeshes(GraphicsWindow& gw, INode& node, const Rect* damage);
    void ForgetDefinition();
    // Takes def as the object's definition, with its mesh for display.
    void AdoptDefinition(std::unique_ptr<ActorDef> def);
    std::unique_ptr<ActorDef> LoadEntry(int index) const;
    IOResult LoadSettings(ILoad& iload);
    IOResult LoadValues(ILoad& iload);

    const ActorLibrary& library_;
    std::int32_t directional_ = 0;
    std::int32_t showAsIcon_ = 0;
    std::int32_t classIndex_ = -1;
    std::unique_ptr<ActorDef> definition_;
    Mesh iconMesh_;
    Mesh arrowMesh_;
    std::unique_ptr<Mesh> definitionMesh_;
    Interface* editing_ = nullptr;
    ui::HWND propertyPage_ = nullptr;
};
