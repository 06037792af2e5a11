// Exports one mesh of a million triangles with one map channel through the
// static-mesh record into a temporary folder, a few times, and reports the
// rate of ASE text and of triangles: the geometry of a static mesh is the
// bulk of what an export writes.

#include "common/T3dWriter.h"
#include "exporter/ExportContext.h"
#include "common/ExportOptions.h"
#include "exporter/StaticMeshExport.h"
#include "exporter/TextureList.h"
#include "host/os/Settings.h"
#include "host/scene/Interface.h"
#include "host/scene/Mesh.h"
#include "host/scene/Mtl.h"
#include "host/scene/Scene.h"
#include "host/scene/Texmap.h"
#include "host/scene/TriObject.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

namespace {

// A grid of 500 × 1000 quads, two triangles each.
constexpr int kColumns = 500;
constexpr int kRows = 1000;
constexpr int kTriangles = 2 * kColumns * kRows;
constexpr int kMapChannel = 1;
constexpr int kRuns = 3;

// A rolling terrain of level-sized coordinates (thousands of units with
// fractions) and its texture coordinates.
Mesh MakeTerrain() {
    std::mt19937 random(1u);
    std::uniform_real_distribution<float> jitter(-0.5f, 0.5f);
    const int columnVerts = kColumns + 1;
    const int vertexCount = columnVerts * (kRows + 1);
    Mesh mesh;
    mesh.setNumVerts(vertexCount);
    mesh.setNumFaces(kTriangles);
    mesh.setMapSupport(kMapChannel);
    mesh.setNumMapVerts(kMapChannel, vertexCount);
    for (int row = 0; row <= kRows; ++row) {
        for (int column = 0; column < columnVerts; ++column) {
            const int v = row * columnVerts + column;
            const float x = -8000.0f + 32.0f * static_cast<float>(column) + jitter(random);
            const float y = -16000.0f + 32.0f * static_cast<float>(row) + jitter(random);
            mesh.setVert(v, Point3(x, y, 40.0f * jitter(random)));
            mesh.setMapVert(kMapChannel, v,
                            UVVert(static_cast<float>(column) / kColumns, static_cast<float>(row) / kRows, 0.0f));
        }
    }
    int face = 0;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const auto corner = static_cast<std::uint32_t>(row * columnVerts + column);
            const auto above = corner + static_cast<std::uint32_t>(columnVerts);
            for (const auto& triangle : {std::array<std::uint32_t, 3>{corner, corner + 1, above + 1},
                                         std::array<std::uint32_t, 3>{corner, above + 1, above}}) {
                Face& f = mesh.getFace(face);
                f.setVerts(triangle[0], triangle[1], triangle[2]);
                f.setSmGroup(1u << (face % 3));
                f.setMatID(static_cast<MtlID>(face % 4));
                mesh.mapFace(kMapChannel, face).setTVerts(triangle[0], triangle[1], triangle[2]);
                ++face;
            }
        }
    }
    return mesh;
}

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main() {
    std::string pattern = (std::filesystem::temp_directory_path() / "corvatrix-bench-ase-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::filesystem::path folder = pattern;
    os::SetSettingsFilePath((folder / "settings.ini").string());
    ExportOptions options;
    options.Package = "Bench";

    Scene scene;
    BitmapTex* bitmap = scene.Adopt(new BitmapTex);
    bitmap->SetMapName("C:\\textures\\Terrain.bmp");
    bitmap->SetMapChannel(kMapChannel);
    StdMtl* material = scene.Adopt(new StdMtl);
    material->SetSubTexmap(MAP_SLOT_DIFFUSE, bitmap);
    SceneNode* node = scene.GetRootNode()->AddChild("Terrain");
    node->SetObject(scene.Adopt(new TriObject(MakeTerrain())));
    node->SetMtl(material);

    const std::filesystem::path asePath = folder / "ase_Bench_S" / "Terrain.ase";
    std::printf("%d triangles, %d vertices\n", kTriangles, (kColumns + 1) * (kRows + 1));
    int status = 0;
    for (int run = 0; run < kRuns; ++run) {
        T3dWriter writer;
        ExportRegistry registry;
        if (!writer.Open((folder / "Bench.t3d").string())) {
            std::fprintf(stderr, "cannot create the map files in %s\n", folder.c_str());
            status = 1;
            break;
        }
        const auto start = std::chrono::steady_clock::now();
        const int result =
            StaticMeshExport(ExportContext{writer, options, registry, GetCoreInterface()}, *node, nullptr).Write();
        const double seconds = Seconds(start);
        writer.Close();
        std::error_code error;
        const auto bytes = std::filesystem::file_size(asePath, error);
        if (result != 0 || error || writer.WriteFailed()) {
            std::fprintf(stderr, "the export failed\n");
            status = 1;
            break;
        }
        std::printf("run %d: %8.3f s  %12ju bytes  %7.1f MB/s  %6.2f M triangles/s\n", run + 1, seconds,
                    static_cast<std::uintmax_t>(bytes), static_cast<double>(bytes) / seconds / 1e6,
                    kTriangles / seconds / 1e6);
    }
    std::filesystem::remove_all(folder);
    return status;
}
