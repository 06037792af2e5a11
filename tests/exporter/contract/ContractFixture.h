#pragma once
// The record fixture with what the records of helper and light nodes need:
// nodes that hold a given object, and any record written over the fixture's
// export context.

#include "exporter/ExportContext.h"
#include "host/scene/Interface.h"
#include "tests/exporter/records/RecordFixture.h"

#include <string>

class ContractRecordTest : public RecordTest {
protected:
    // A top-level node holding object; the scene takes it over.
    SceneNode* AddObjectNode(const std::string& nodeName, Object* object) {
        SceneNode* node = scene.GetRootNode()->AddChild(nodeName);
        node->SetObject(scene.Adopt(object));
        return node;
    }

    // Creates the record of type Record for node and modifier and writes it.
    template <class Record>
    int WriteRecord(SceneNode* node, Modifier* modifier = nullptr) {
        Record record(ExportContext{writer, *options, registry, GetCoreInterface()}, *node, modifier);
        return record.Write();
    }
};
