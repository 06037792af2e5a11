#pragma once
// Test fixture for the brush record: the record fixture's scene and export,
// brush nodes, and the written polygons read back from the map text.

#include "exporter/BrushExport.h"
#include "host/scene/TriObject.h"
#include "tests/exporter/records/RecordFixture.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

// One polygon block of the map text.
struct WrittenPolygon {
    // Empty when the block names no texture.
    std::string texture;
    Point3 origin;
    Point3 normal;
    Point3 textureU;
    Point3 textureV;
    std::vector<Point3> vertices;
};

class BrushExportTest : public RecordTest {
protected:
    // The triangle form unless a test asks for the modelled polygons (the
    // stored default asks for them).
    void SetUp() override {
        RecordTest::SetUp();
        options->AltBrushes = 0;
    }

    SceneNode* AddBrushNode(const std::string& nodeName, Object* object, Mtl* material = nullptr) {
        SceneNode* node = scene.GetRootNode()->AddChild(nodeName);
        node->SetObject(scene.Adopt(object));
        node->SetMtl(material);
        return node;
    }
    SceneNode* AddBrushNode(const std::string& nodeName, Mesh mesh, Mtl* material = nullptr) {
        return AddBrushNode(nodeName, new TriObject(std::move(mesh)), material);
    }

    int WriteBrush(SceneNode* node, Modifier* modifier) {
        BrushExport record(ExportContext{writer, *options, registry, GetCoreInterface()}, *node, modifier);
        return record.Write();
    }

    // The map text so far, line by line without the line ends; closes the
    // writer.
    std::vector<std::string> ActorLines() {
        const std::string text = ActorText();
        std::vector<std::string> lines;
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = text.find("\r\n", start);
            if (end == std::string::npos) {
                ADD_FAILURE() << "unterminated line: " << text.substr(start);
                break;
            }
            lines.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }

    // The polygon blocks of the map text so far; closes the writer.
    std::vector<WrittenPolygon> Polygons() {
        std::vector<WrittenPolygon> polygons;
        for (const std::string& line : ActorLines()) {
            const std::string content = line.substr(line.find_first_not_of('\t'));
            if (content.rfind("Begin Polygon", 0) == 0) {
                polygons.emplace_back();
                const std::size_t texture = content.find(" Texture=");
                if (texture != std::string::npos) polygons.back().texture = content.substr(texture + 9);
                continue;
            }
            if (polygons.empty()) continue;
            WrittenPolygon& polygon = polygons.back();
            const std::string label = content.substr(0, content.find(' '));
            if (label == "Origin") polygon.origin = ValueOf(content);
            if (label == "Normal") polygon.normal = ValueOf(content);
            if (label == "TextureU") polygon.textureU = ValueOf(content);
            if (label == "TextureV") polygon.textureV = ValueOf(content);
            if (label == "Vertex") polygon.vertices.push_back(ValueOf(content));
        }
        return polygons;
    }

private:
    // The "x,y,z" after a polygon line's label.
    static Point3 ValueOf(const std::string& content) {
        std::istringstream in(content.substr(content.find_last_of(' ') + 1));
        Point3 value;
        char comma = 0;
        in >> value.x >> comma >> value.y >> comma >> value.z;
        EXPECT_TRUE(in) << "not a vector: " << content;
        return value;
    }
};
