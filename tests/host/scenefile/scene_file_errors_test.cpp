// Every class of fault in a scene file: each is reported with the JSON path
// of the offending value, and no scene comes back.

#include "tests/host/scenefile/SceneFileTest.h"

namespace {

using SceneFileErrors = SceneFileTest;

TEST_F(SceneFileErrors, UnknownKeysAreNamedWithTheObjectHoldingThem) {
    EXPECT_EQ(Fault(R"({"node": []})"), R"(: (top level): unknown key "node")");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "A"}, {"name": "B", "childs": []}]})"),
              R"(: nodes[1]: unknown key "childs")");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "A", "transform": {"pos": [0, 0, 0]}}]})"),
              R"(: nodes[0].transform: unknown key "pos")");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "A", "modifiers": [{"type": "other", "name": "Bend", "angle": 3}]}]})"),
              R"(: nodes[0].modifiers[0]: unknown key "angle")");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "A", "object": {"type": "mesh", "vertices": [[0, 0, 0]],
                      "faces": [{"v": [0, 0, 0], "smooth": 1}]}}]})"),
              R"(: nodes[0].object.faces[0]: unknown key "smooth")");
    EXPECT_EQ(Fault(R"({"materials": [{"name": "M", "type": "standard", "diffuse": {"bitmap": "a.bmp", "uv": 1}}]})"),
              R"(: materials[0].diffuse: unknown key "uv")");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "L", "object": {"type": "omni", "colour": [1, 1, 1]}}]})"),
              R"(: nodes[0].object: unknown key "colour")");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "A", "object": {"type": "box", "name": "Crate"}}]})"),
              R"(: nodes[0].object: unknown key "name" (only shared objects, in "objects", have a name))");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "A", "object": {"type": "mesh", "uv": {"1": {"vert": []}}}}]})"),
              R"(: nodes[0].object.uv["1"]: unknown key "vert")");
}

TEST_F(SceneFileErrors, MissingRequiredKeys) {
    EXPECT_EQ(Fault(R"({"nodes": [{"selected": true}]})"), R"(: nodes[0]: missing key "name")");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "A", "object": {"width": 3}}]})"),
              R"(: nodes[0].object: missing key "type")");
    EXPECT_EQ(Fault(R"({"materials": [{"type": "standard"}]})"), R"(: materials[0]: missing key "name")");
    EXPECT_EQ(Fault(R"({"materials": [{"name": "M", "type": "standard", "diffuse": {"channel": 1}}]})"),
              R"(: materials[0].diffuse: missing key "bitmap")");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "A", "modifiers": [{"type": "other"}]}]})"),
              R"(: nodes[0].modifiers[0]: missing key "name")");
}

TEST_F(SceneFileErrors, ValuesOfTheWrongType) {
    EXPECT_EQ(Fault(R"([])"), R"(: (top level): expected an object, got an array)");
    EXPECT_EQ(Fault(R"({"nodes": {}})"), R"(: nodes: expected an array, got an object)");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": 7}]})"), R"(: nodes[0].name: expected a string, got 7)");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "A", "selected": "yes"}]})"),
              R"(: nodes[0].selected: expected true or false, got "yes")");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "A", "transform": {"position": [0, "1", 0]}}]})"),
              R"(: nodes[0].transform.position[1]: expected a number, got "1")");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "A", "object": {"type": "box", "width": "10"}}]})"),
              R"(: nodes[0].object.width: expected a number, got "10")");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "A", "object": 42}]})"), R"(: nodes[0].object: expected an object, got 42)");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "A", "transform": {"scale": [1, 1]}}]})"),
              R"(: nodes[0].transform.scale: expected an array of 3 elements, got 2)");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "A", "object": {"type": "mesh", "vertices": [[0, 0, 0]],
                      "faces": [{"v": [0, 0, 0], "mtl": 1.5}]}}]})"),
              R"(: nodes[0].object.faces[0].mtl: expected an integer, got 1.5)");
}

TEST_F(SceneFileErrors, FacesEntriesOfTheWrongShape) {
    const std::string head =
        R"({"nodes": [{"name": "A", "object": {"type": "mesh", "vertices": [[0,0,0], [1,0,0], [0,1,0]], )";
    EXPECT_EQ(Fault(head + R"("faces": [[0, 1, 2], "0 1 2"]}}]})"),
              R"(: nodes[0].object.faces[1]: expected [a, b, c] or a face object {"v": [a, b, c], ...}, got "0 1 2")");
    EXPECT_EQ(Fault(head + R"("faces": [[0, 1]]}}]})"),
              R"(: nodes[0].object.faces[0]: expected an array of 3 elements, got 2)");
    EXPECT_EQ(Fault(head + R"("faces": [{"v": [0, 1, 2, 0]}]}}]})"),
              R"(: nodes[0].object.faces[0].v: expected an array of 3 elements, got 4)");
    EXPECT_EQ(Fault(head + R"("polygons": [{"v": [0, 1]}]}}]})"),
              R"(: nodes[0].object.polygons[0].v: a polygon needs at least 3 corners, got 2)");
}

TEST_F(SceneFileErrors, IndexesOutOfRange) {
    const std::string head =
        R"({"nodes": [{"name": "A", "object": {"type": "mesh", "vertices": [[0,0,0], [1,0,0], [0,1,0]], )";
    EXPECT_EQ(Fault(head + R"("faces": [[0, 1, 3]]}}]})"),
              R"(: nodes[0].object.faces[0][2]: index 3 is out of range 0..2 of the vertices)");
    EXPECT_EQ(Fault(head + R"("faces": [[0, -1, 2]]}}]})"),
              R"(: nodes[0].object.faces[0][1]: index -1 is out of range 0..2 of the vertices)");
    EXPECT_EQ(
        Fault(head + R"("faces": [[0, 1, 2]], "uv": {"1": {"verts": [[0,0,0], [1,0,0]], "faces": [[0, 1, 2]]}}}}]})"),
        R"(: nodes[0].object.uv["1"].faces[0][2]: index 2 is out of range 0..1 of the map vertices of channel 1)");
    EXPECT_EQ(
        Fault(head + R"("faces": [[0, 1, 2]], "uv": {"2": {"faces": [[0, 0, 0]]}}}}]})"),
        R"(: nodes[0].object.uv["2"].faces[0][0]: index 0 is out of range: there are no map vertices of channel 2)");
    EXPECT_EQ(Fault(head + R"("faces": [[0, 1, 2]], "colors": {"verts": [[1, 1, 1]], "faces": [[0, 0, 1]]}}}]})"),
              R"(: nodes[0].object.colors.faces[0][2]: index 1 is out of range 0..0 of the colour vertices)");
    EXPECT_EQ(Fault(head + R"("polygons": [{"v": [0, 1, 2, 5]}]}}]})"),
              R"(: nodes[0].object.polygons[0].v[3]: index 5 is out of range 0..2 of the vertices)");
    EXPECT_EQ(
        Fault(head +
              R"("uv": {"1": {"verts": [[0,0,0]]}}, "polygons": [{"v": [0, 1, 2], "uv": {"1": [0, 0, 1]}}]}}]})"),
        R"(: nodes[0].object.polygons[0].uv["1"][2]: index 1 is out of range 0..0 of the map vertices of channel 1)");
}

TEST_F(SceneFileErrors, MapFacesMustMatchTheMeshForm) {
    const std::string head =
        R"({"nodes": [{"name": "A", "object": {"type": "mesh", "vertices": [[0,0,0], [1,0,0], [0,1,0]], )";
    EXPECT_EQ(Fault(head + R"("faces": [[0, 1, 2]], "uv": {"1": {"verts": [[0,0,0]]}}}}]})"),
              R"(: nodes[0].object.uv["1"]: missing key "faces")");
    EXPECT_EQ(Fault(head + R"("faces": [[0, 1, 2]], "uv": {"1": {"verts": [[0,0,0]], "faces": []}}}}]})"),
              R"(: nodes[0].object.uv["1"].faces: expected one map face per triangle: 1, got 0)");
    EXPECT_EQ(
        Fault(head + R"("polygons": [{"v": [0, 1, 2]}], "uv": {"1": {"verts": [[0,0,0]], "faces": [[0, 0, 0]]}}}}]})"),
        R"(: nodes[0].object.uv["1"].faces: map faces go one per triangle of the mesh's "faces", which it has not; polygons name map vertices at their corners)");
    EXPECT_EQ(Fault(head + R"("uv": {"1": {"verts": [[0,0,0]]}}, "polygons": [{"v": [0, 1, 2]}]}}]})"),
              R"(: nodes[0].object.polygons[0]: no map face for channel 1 in "uv")");
    EXPECT_EQ(
        Fault(
            head +
            R"("uv": {"1": {"verts": [[0,0,0]]}}, "polygons": [{"v": [0, 1, 2], "uv": {"1": [0, 0, 0], "3": [0, 0, 0]}}]}}]})"),
        R"(: nodes[0].object.polygons[0].uv: map channel "3" is not in the mesh's "uv")");
    EXPECT_EQ(
        Fault(head + R"("uv": {"1": {"verts": [[0,0,0]]}}, "polygons": [{"v": [0, 1, 2], "uv": {"1": [0, 0]}}]}}]})"),
        R"(: nodes[0].object.polygons[0].uv["1"]: expected an array of 3 elements, got 2)");
    EXPECT_EQ(Fault(head + R"("polygons": [{"v": [0, 1, 2]}], "colors": {"verts": [[1, 1, 1]]}}}]})"),
              R"(: nodes[0].object.colors: vertex colours go one per triangle corner, and the mesh has no "faces")");
}

TEST_F(SceneFileErrors, NamesThatReferToNothing) {
    EXPECT_EQ(
        Fault(R"({"materials": [{"name": "Stone", "type": "other"}], "nodes": [{"name": "A", "material": "Ston"}]})"),
        R"(: nodes[0].material: no material named "Ston")");
    EXPECT_EQ(Fault(R"({"objects": [{"name": "Crate", "type": "box"}], "nodes": [{"name": "A", "object": "crate"}]})"),
              R"(: nodes[0].object: no shared object named "crate")");
    EXPECT_EQ(Fault(R"({"materials": [{"name": "M", "type": "multi", "subMaterials": ["A", null, "B"]},
                                      {"name": "A", "type": "standard"}]})"),
              R"(: materials[0].subMaterials[2]: no material named "B")");
    EXPECT_EQ(Fault(R"({"materials": [{"name": "M", "type": "shell", "subMaterials": [3]}]})"),
              R"(: materials[0].subMaterials[0]: expected a material name or null, got 3)");
}

TEST_F(SceneFileErrors, DuplicatesWhereNamesMustBeUnique) {
    EXPECT_EQ(Fault(R"({"materials": [{"name": "M", "type": "other"}, {"name": "M", "type": "standard"}]})"),
              R"(: materials[1].name: duplicate material name "M")");
    EXPECT_EQ(Fault(R"({"objects": [{"name": "Crate", "type": "box"}, {"name": "Crate", "type": "dummy"}]})"),
              R"(: objects[1].name: duplicate shared object name "Crate")");
    // JSON itself would let the second value win silently.
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "A"}, {"name": "B", "children": [{"name": "C", "name": "D"}]}]})"),
              R"(: nodes[1].children[0]: duplicate key "name")");
    EXPECT_EQ(Fault(R"({"nodes": [], "nodes": []})"), R"(: (top level): duplicate key "nodes")");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "A", "object": {"type": "mesh", "vertices": [[0, 0, 0]],
                      "faces": [[0, 0, 0], {"v": [0, 0, 0], "mtl": 1, "mtl": 2}]}}]})"),
              R"(: nodes[0].object.faces[1]: duplicate key "mtl")");
}

TEST_F(SceneFileErrors, MaterialReferenceCycles) {
    EXPECT_EQ(Fault(R"({"materials": [{"name": "A", "type": "multi", "subMaterials": [null, "B"]},
                                      {"name": "B", "type": "shell", "subMaterials": ["C"]},
                                      {"name": "C", "type": "multi", "subMaterials": ["A"]}]})"),
              R"(: materials[2].subMaterials[0]: reference cycle: "A" > "B" > "C" > "A")");
    EXPECT_EQ(Fault(R"({"materials": [{"name": "Self", "type": "multi", "subMaterials": ["Self"]}]})"),
              R"(: materials[0].subMaterials[0]: reference cycle: "Self" > "Self")");
}

TEST_F(SceneFileErrors, ValuesOutOfTheirRange) {
    const std::string head = R"({"nodes": [{"name": "A", "object": {"type": "mesh", "vertices": [[0,0,0]], )";
    EXPECT_EQ(Fault(head + R"("faces": [{"v": [0, 0, 0], "mtl": 65536}]}}]})"),
              R"(: nodes[0].object.faces[0].mtl: 65536 is out of range 0..65535)");
    EXPECT_EQ(Fault(head + R"("faces": [{"v": [0, 0, 0], "mtl": -1}]}}]})"),
              R"(: nodes[0].object.faces[0].mtl: -1 is out of range 0..65535)");
    EXPECT_EQ(Fault(head + R"("faces": [{"v": [0, 0, 0], "smoothing": 4294967296}]}}]})"),
              R"(: nodes[0].object.faces[0].smoothing: 4294967296 is out of range 0..4294967295)");
    EXPECT_EQ(Fault(head + R"("faces": [{"v": [0, 0, 0], "edges": [1, 2, 1]}]}}]})"),
              R"(: nodes[0].object.faces[0].edges[1]: 2 is out of range 0..1)");
    // Keys written with escapes and spaces name the value as the key reads.
    EXPECT_EQ(Fault(head + R"("faces": [[0, 0, 0], { "\u006dtl" : 70000 , "v" : [ 0 , 0 , 0 ] }]}}]})"),
              R"(: nodes[0].object.faces[1].mtl: 70000 is out of range 0..65535)");
    EXPECT_EQ(Fault(head + R"("faces": [{"mtl": 1, "\u0076": [0, 0, 5]}]}}]})"),
              R"(: nodes[0].object.faces[0].v[2]: index 5 is out of range 0..0 of the vertices)");
    EXPECT_EQ(Fault(head + R"("faces": [[0, 0, 0]], "colors": {"verts": [[1, 1.5, 0]], "faces": [[0, 0, 0]]}}}]})"),
              R"(: nodes[0].object.colors.verts[0][1]: 1.5 is out of range 0..1)");
    for (const char* channel : {"0", "100", "01", "x"}) {
        EXPECT_EQ(Fault(head + R"("uv": {")" + channel + R"(": {}}}}]})"),
                  std::string(R"(: nodes[0].object.uv: map channel ")") + channel + R"(" is not one of "1" to "99")");
    }
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "L", "object": {"type": "omni", "color": [0, -0.1, 0]}}]})"),
              R"(: nodes[0].object.color[1]: -0.1 is out of range 0..1)");
    EXPECT_EQ(
        Fault(R"({"materials": [{"name": "M", "type": "standard", "diffuse": {"bitmap": "a.bmp", "channel": 100}}]})"),
        R"(: materials[0].diffuse.channel: 100 is out of range 1..99)");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": ""}]})"), R"(: nodes[0].name: a node name must not be empty)");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "A", "object": {"type": "box", "height": 1e39}}]})"),
              R"(: nodes[0].object.height: 1e+39 is too large for a single-precision number)");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "A", "transform": {"rotation": {"quat": [0, 0, 0, 0]}}}]})"),
              R"(: nodes[0].transform.rotation.quat: a zero quaternion is no rotation)");
    EXPECT_EQ(
        Fault(R"({"materials": [{"name": "M", "type": "standard", "opacity": {"bitmap": "a.bmp", "width": 64}}]})"),
        R"(: materials[0].opacity: give both "width" and "height", or neither to read them from the file)");
}

TEST_F(SceneFileErrors, AnimationTicksAreAscendingIntegers) {
    const std::string head = R"({"nodes": [{"name": "A", "animation": )";
    EXPECT_EQ(Fault(head + R"({"position": {"x": {"keys": [[0, 1], [4800, 2], [4800, 3]]}}}}]})"),
              R"(: nodes[0].animation.position.x.keys[2][0]: tick 4800 does not come after the previous key's 4800)");
    EXPECT_EQ(Fault(head + R"({"rotation": {"keys": [[100, [0, 0, 0]], [50, [0, 0, 90]]]}}}]})"),
              R"(: nodes[0].animation.rotation.keys[1][0]: tick 50 does not come after the previous key's 100)");
    EXPECT_EQ(Fault(head + R"({"position": {"y": {"keys": [[0.5, 1]]}}}}]})"),
              R"(: nodes[0].animation.position.y.keys[0][0]: expected an integer, got 0.5)");
    EXPECT_EQ(Fault(head + R"({"position": {"z": {"keys": [[0, 1, 2]]}}}}]})"),
              R"(: nodes[0].animation.position.z.keys[0]: expected an array of 2 elements, got 3)");
    EXPECT_EQ(Fault(head + R"({"position": {"controller": "single", "x": {"keys": []}}}}]})"),
              R"(: nodes[0].animation.position: a "controller" replaces the x, y and z tracks; give one or the other)");
}

TEST_F(SceneFileErrors, UnknownTypes) {
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "A", "object": {"type": "sphere"}}]})"),
              R"(: nodes[0].object.type: unknown object type "sphere")");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "A", "modifiers": [{"type": "Bend"}]}]})"),
              R"(: nodes[0].modifiers[0].type: unknown modifier type "Bend")");
    EXPECT_EQ(Fault(R"({"materials": [{"name": "M", "type": "raytrace"}]})"),
              R"(: materials[0].type: unknown material type "raytrace" (standard, multi, shell or other))");
    EXPECT_EQ(Fault(R"({"materials": [{"name": "M", "type": "standard", "diffuse": {"type": "noise"}}]})"),
              R"(: materials[0].diffuse.type: unknown texture map type "noise" (only "checker"))");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "A", "animation": {"position": {"x": {"type": "step"}}}}]})"),
              R"(: nodes[0].animation.position.x.type: unknown track type "step" (linear, bezier or tcb))");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "A", "animation": {"position": {"controller": "xyz"}}}]})"),
              R"(: nodes[0].animation.position.controller: unknown position controller (only "single"))");
}

}  // namespace
