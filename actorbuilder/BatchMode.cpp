#include "actorbuilder/BatchMode.h"

#include "actorbuilder/DefinitionFile.h"
#include "objects/cxa/ActorDefReader.h"
#include "objects/cxa/EditableReader.h"

namespace actorbuilder {
namespace {

void PrintProperty(const ActorPropDef& property, std::ostream& out) {
    out << "property " << property.name.View() << ':' << cxa::PropTypeName(property.type) << ':'
        << property.t3dName.View() << ':' << property.defaultValue;
    if (!property.enumValues.View().empty()) out << ':' << property.enumValues.View();
    out << '\n';
}

}  // namespace

int WriteDefinition(const BatchRequest& request, std::ostream& out, std::ostream& err) {
    std::string error;
    if (!SaveDefinition(request.path, request.form, error)) {
        err << "actorbuilder: " << error << "; no file written\n";
        return kExitFileFailed;
    }
    out << "wrote " << request.path << '\n';
    return kExitDone;
}

int ShowDefinition(const std::string& path, std::ostream& out, std::ostream& err) {
    // The class name the helper would ask for is the one the file holds.
    cxa::EditableDefinition header;
    if (!cxa::ReadEditableFromFile(path, header)) {
        err << "actorbuilder: " << path << ": not a CXA file, or it cannot be read\n";
        return kExitFileFailed;
    }
    ActorDef def;
    if (!cxa::ReadActorDefFromFile(path, header.className.View(), def)) {
        err << "actorbuilder: " << path << ": the actor helper cannot load this file (it is cut short or damaged)\n";
        return kExitFileFailed;
    }
    out << "class " << header.className.View() << '\n';
    for (const ActorPropDef& property : def.properties) PrintProperty(property, out);
    if (def.mesh)
        out << "geometry " << def.mesh->vertices.size() << " vertices, " << def.mesh->faces.size()
            << " faces, renderable " << def.renderable << ", wireframe " << def.wireframe << '\n';
    else
        out << "geometry none\n";
    return kExitDone;
}

}  // namespace actorbuilder
