#!/usr/bin/env python3
"""Writes castle.gltf, a small castle yard in glTF 2.0, as a modeller would.

Run from anywhere:  python3 examples/make_castle_gltf.py
Only the standard library is used. The level is laid out Z-up, one unit per
editor unit, and written Y-up as glTF wants it: a point (x, y, z) is stored
as (x, z, -y), which the glTF reader turns back.

What it shows: the ground with an image beside the file (textures/grass.png);
two pillars sharing one mesh; a crate whose image travels inside the file (it
is written into textures/ beside the map on export); a lift whose rise is
sampled at every frame with ease in and out (the export keeps its two ends);
a point light, a spot light shining down and a directional light.

The level's game parts are tagged as a modeller tags them, through the
custom property "corvatrix" that reaches the node's extras: a subtractive
gatehouse brush and an additive wall brush (a property typed as a JSON
string, and a property group), the lift as a mover, a pressure plate that
triggers it, a player start and a path node, and a brighter torch. Booleans
are written as 0 and 1, as a modeller's property group stores them.
"""
import base64
import json
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
FPS = 24


def gl(x, y, z):
    """A Z-up point in glTF axes."""
    return [x, z, -y]


class Builder:
    def __init__(self):
        self.data = bytearray()
        self.doc = {"asset": {"version": "2.0", "generator": "make_castle_gltf.py"},
                    "scene": 0, "scenes": [{"nodes": []}], "nodes": [], "meshes": [],
                    "materials": [], "textures": [], "images": [], "samplers": [{}],
                    "accessors": [], "bufferViews": [], "animations": [],
                    "extensionsUsed": ["KHR_lights_punctual"],
                    "extensions": {"KHR_lights_punctual": {"lights": []}}}

    def view(self, payload):
        while len(self.data) % 4:
            self.data.append(0)
        self.doc["bufferViews"].append({"buffer": 0, "byteOffset": len(self.data), "byteLength": len(payload)})
        self.data += payload
        return len(self.doc["bufferViews"]) - 1

    def accessor(self, rows, kind, component=5126, bounds=False):
        fmt = {5126: "f", 5123: "H"}[component]
        flat = [v for row in rows for v in (row if isinstance(row, (list, tuple)) else [row])]
        entry = {"bufferView": self.view(struct.pack("<%d%s" % (len(flat), fmt), *flat)),
                 "componentType": component, "count": len(rows), "type": kind}
        if bounds:
            entry["min"] = [min(r[i] for r in rows) for i in range(3)]
            entry["max"] = [max(r[i] for r in rows) for i in range(3)]
        self.doc["accessors"].append(entry)
        return len(self.doc["accessors"]) - 1

    def add(self, key, entry):
        self.doc[key].append(entry)
        return len(self.doc[key]) - 1

    def node(self, entry):
        index = self.add("nodes", entry)
        self.doc["scenes"][0]["nodes"].append(index)
        return index

    def box_mesh(self, name, size, material, tiling=1.0, inward=False):
        """A box centred on its base, split per side for flat shading; inward: its faces point in, as a room's
        walls seen from inside (a subtractive brush) do."""
        sx, sy, sz = (s / 2.0 for s in size)
        sides = [((0, 0, 1), [(-1, -1, 1), (1, -1, 1), (1, 1, 1), (-1, 1, 1)]),
                 ((0, 0, -1), [(-1, 1, -1), (1, 1, -1), (1, -1, -1), (-1, -1, -1)]),
                 ((0, -1, 0), [(-1, -1, -1), (1, -1, -1), (1, -1, 1), (-1, -1, 1)]),
                 ((1, 0, 0), [(1, -1, -1), (1, 1, -1), (1, 1, 1), (1, -1, 1)]),
                 ((0, 1, 0), [(1, 1, -1), (-1, 1, -1), (-1, 1, 1), (1, 1, 1)]),
                 ((-1, 0, 0), [(-1, 1, -1), (-1, -1, -1), (-1, -1, 1), (-1, 1, 1)])]
        positions, normals, uvs, indices = [], [], [], []
        for normal, corners in sides:
            base = len(positions)
            for (cx, cy, cz), uv in zip(corners, [(0, 1), (1, 1), (1, 0), (0, 0)]):
                positions.append(gl(cx * sx, cy * sy, cz * sz + sz))
                normals.append(gl(*(-n if inward else n for n in normal)))
                uvs.append((uv[0] * tiling, uv[1] * tiling))
            quad = [base, base + 1, base + 2, base, base + 2, base + 3]
            indices += quad[::-1] if inward else quad
        primitive = {"attributes": {"POSITION": self.accessor(positions, "VEC3", bounds=True),
                                    "NORMAL": self.accessor(normals, "VEC3"),
                                    "TEXCOORD_0": self.accessor(uvs, "VEC2")},
                     "indices": self.accessor(indices, "SCALAR", 5123), "material": material}
        return self.add("meshes", {"name": name, "primitives": [primitive]})

    def material(self, name, image):
        texture = self.add("textures", {"sampler": 0, "source": image})
        return self.add("materials", {"name": name, "pbrMetallicRoughness": {
            "baseColorTexture": {"index": texture}, "metallicFactor": 0.0}})

    def light(self, entry):
        return self.add_light(entry)

    def add_light(self, entry):
        lights = self.doc["extensions"]["KHR_lights_punctual"]["lights"]
        lights.append(entry)
        return len(lights) - 1

    def text(self):
        self.doc["buffers"] = [{"byteLength": len(self.data), "uri": "data:application/octet-stream;base64,"
                                + base64.b64encode(bytes(self.data)).decode("ascii")}]
        return json.dumps(self.doc, indent=1) + "\n"


def crate_png(size=16):
    """A small wooden-crate pattern as PNG bytes."""
    rows = b""
    for y in range(size):
        rows += b"\0"
        for x in range(size):
            edge = x in (0, size - 1) or y in (0, size - 1) or x == y
            rows += bytes((90, 60, 30) if edge else (170, 120, 60))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


def about_x(degrees):
    half = math.radians(degrees) / 2
    return [math.sin(half), 0.0, 0.0, math.cos(half)]


def main():
    b = Builder()
    grass = b.material("Grass", b.add("images", {"uri": "textures/grass.png"}))
    crate_image = b.add("images", {"name": "crate", "mimeType": "image/png", "bufferView": b.view(crate_png())})
    crate = b.material("Crate", crate_image)

    b.node({"name": "Ground", "mesh": b.box_mesh("Ground", (1024, 1024, 32), grass, 8), "translation": gl(0, 0, -32)})
    pillar = b.box_mesh("Pillar", (32, 32, 192), grass)
    b.node({"name": "Pillar01", "mesh": pillar, "translation": gl(-64, -176, 0)})
    b.node({"name": "Pillar02", "mesh": pillar, "translation": gl(64, -176, 0)})
    b.node({"name": "Crate", "mesh": b.box_mesh("Crate", (48, 48, 48), crate), "translation": gl(160, 96, 0),
            "rotation": [0.0, math.sin(math.radians(15)), 0.0, math.cos(math.radians(15))]})

    # Brushes: a custom property typed as a JSON string, and one built as a property group.
    b.node({"name": "Gatehouse", "mesh": b.box_mesh("Gatehouse", (256, 128, 192), grass, inward=True),
            "translation": gl(0, -352, 0), "extras": {"corvatrix": json.dumps(
                {"modifiers": [{"type": "Unreal Brush", "csgOperation": "Subtract"}]})}})
    b.node({"name": "Wall", "mesh": b.box_mesh("Wall", (512, 32, 96), grass), "translation": gl(0, 256, 0),
            "extras": {"corvatrix": {"modifiers": [{"type": "Unreal Brush", "csgOperation": "Add"}]}}})

    # The lift rises 120 units in two seconds, eased, one key per frame; a plate beside it sets it off.
    lift = b.node({"name": "Lift", "mesh": b.box_mesh("Lift", (64, 64, 16), crate), "translation": gl(-168, 96, 0),
                   "extras": {"corvatrix": {"modifiers": [{"type": "Unreal Mover", "properties": {
                       "StayOpenTime": 3.0, "InitialState": "TriggerOpenTimed"}}]}}})
    b.node({"name": "Lift Plate", "translation": gl(-96, 96, 0), "extras": {"corvatrix": {"object": {
        "type": "Trigger", "event": "Lift", "showCylinder": 1, "collisionRadius": 48.0}}}})
    b.node({"name": "Start", "translation": gl(0, -96, 40), "rotation": [0.0, math.sin(math.radians(45)), 0.0,
                                                                       math.cos(math.radians(45))],
            "extras": {"corvatrix": {"object": {"type": "Actor", "class": "PlayerStart", "directional": 1}}}})
    b.node({"name": "Path Yard", "translation": gl(96, 0, 40),
            "extras": {"corvatrix": {"object": {"type": "Actor", "class": "PathNode"}}}})
    frames = list(range(1, 2 * FPS + 2))
    times = [f / FPS for f in frames]
    eased = [(t - times[0]) / (times[-1] - times[0]) for t in times]
    heights = [120 * s * s * (3 - 2 * s) for s in eased]
    sampler = {"input": b.accessor(times, "SCALAR"), "interpolation": "LINEAR",
               "output": b.accessor([gl(-168, 96, h) for h in heights], "VEC3")}
    sampler_input = b.doc["accessors"][sampler["input"]]
    sampler_input["min"], sampler_input["max"] = [times[0]], [times[-1]]
    b.add("animations", {"name": "LiftRise", "samplers": [sampler],
                         "channels": [{"sampler": 0, "target": {"node": lift, "path": "translation"}}]})

    # Lights shine down their local -Z; a light turned -90 degrees about X shines straight down.
    down = about_x(-90)
    b.node({"name": "Torch", "translation": gl(0, 0, 160), "rotation": down, "extensions": {
        "KHR_lights_punctual": {"light": b.light({"type": "point", "color": [1.0, 0.8, 0.5], "range": 600})}},
        "extras": {"corvatrix": {"light": {"multiplier": 1.5, "castShadows": 1}}}})
    b.node({"name": "Gate Lamp", "translation": gl(0, -200, 192), "rotation": down, "extensions": {
        "KHR_lights_punctual": {"light": b.light({"type": "spot", "color": [0.9, 0.9, 1.0], "spot": {
            "innerConeAngle": math.radians(20), "outerConeAngle": math.radians(30)}})}}})
    b.node({"name": "Sun", "translation": gl(0, 0, 512), "rotation": about_x(-60), "extensions": {
        "KHR_lights_punctual": {"light": b.light({"type": "directional"})}}})

    with open(os.path.join(HERE, "castle.gltf"), "w", encoding="utf-8") as out:
        out.write(b.text())


if __name__ == "__main__":
    main()
