// Scene reading as an artist meets it: the real program reads generated scene
// files and exports with --selected and nothing selected, so the time is the
// reading (and the program's start). Per scene it reports the file's size,
// MB/s, nanoseconds per face or node, and the peak memory of the whole
// program, each the minimum and median of several runs; for the mesh it sets
// the time beside python3's json.load of the same file, and the peak beside
// the mesh's own size in memory.
//
//   bench_scene_read [RUNS]      (default 5)

#include "host/scene/Mesh.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// A grid of 1000 × 500 quads: 1,000,000 triangles on 501,501 vertices, with
// one UV channel of the same layout.
constexpr int kColumns = 1000;
constexpr int kRows = 500;

struct Sample {
    double seconds;
    double cpuSeconds;
    double peakMiB;
};

struct Summary {
    double minSeconds, medianSeconds, medianCpu, minPeak, medianPeak;
};

void WriteGrid(const std::string& path, bool faceObjects) {
    std::ofstream out(path);
    out << "{\"nodes\": [{\"name\": \"Terrain\", \"object\": {\"type\": \"mesh\",\n\"vertices\": [";
    for (int y = 0; y <= kRows; ++y) {
        for (int x = 0; x <= kColumns; ++x) {
            out << (x + y ? "," : "") << "[" << x * 16 << "," << y * 16 << "," << (x * y) % 7 << "]";
        }
    }
    std::string uvFaces;
    out << "],\n\"faces\": [";
    bool first = true;
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kColumns; ++x) {
            const int a = y * (kColumns + 1) + x, b = a + 1, c = a + kColumns + 1, d = c + 1;
            for (const auto& tri : {std::to_string(a) + "," + std::to_string(b) + "," + std::to_string(d),
                                    std::to_string(a) + "," + std::to_string(d) + "," + std::to_string(c)}) {
                const std::string sep = first ? "" : ",";
                first = false;
                if (faceObjects) {
                    out << sep << "{\"v\":[" << tri << "],\"mtl\":" << (x % 4) << ",\"smoothing\":1}";
                } else {
                    out << sep << "[" << tri << "]";
                }
                uvFaces += sep + "[" + tri + "]";
            }
        }
    }
    out << "],\n\"uv\": {\"1\": {\"verts\": [";
    for (int y = 0; y <= kRows; ++y) {
        for (int x = 0; x <= kColumns; ++x) {
            out << (x + y ? "," : "") << "[" << x / 64.0 << "," << y / 64.0 << ",0]";
        }
    }
    out << "],\n\"faces\": [" << uvFaces << "]}}}}]}\n";
}

void WriteNodes(const std::string& path, int nodes) {
    std::ofstream out(path);
    out << "{\"nodes\": [";
    for (int n = 0; n < nodes; ++n) {
        out << (n ? ",\n" : "") << "{\"name\": \"Crate" << n << "\", \"transform\": {\"position\": [" << (n % 100) * 64
            << ", " << (n / 100) * 64 << ", 0], \"rotation\": [0, 0, " << n % 360
            << "]}, \"object\": {\"type\": \"box\", \"length\": 32, \"width\": 32, \"height\": 32}}";
    }
    out << "]}\n";
}

// Runs argv to its end; its wall time and peak resident memory.
Sample Run(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    timespec start{}, end{};
    // The child's stdio would otherwise write what this one has buffered.
    std::fflush(stdout);
    ::clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t child = ::fork();
    if (child == 0) {
        // The runs export nothing and warn so; only a failure is reported.
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        ::execv(argv[0], argv.data());
        std::_Exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    ::clock_gettime(CLOCK_MONOTONIC, &end);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::string command;
        for (const std::string& arg : args) command += arg + " ";
        std::fprintf(stderr, "failed: %s\n", command.c_str());
        std::exit(1);
    }
    const double seconds =
        static_cast<double>(end.tv_sec - start.tv_sec) + static_cast<double>(end.tv_nsec - start.tv_nsec) / 1e9;
    auto cpu = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return {seconds, cpu(usage.ru_utime) + cpu(usage.ru_stime), static_cast<double>(usage.ru_maxrss) / 1024.0};
}

Summary Summarize(std::vector<Sample> samples) {
    std::vector<double> seconds, cpu, peaks;
    for (const Sample& sample : samples) {
        seconds.push_back(sample.seconds);
        cpu.push_back(sample.cpuSeconds);
        peaks.push_back(sample.peakMiB);
    }
    for (auto* list : {&seconds, &cpu, &peaks}) std::sort(list->begin(), list->end());
    const std::size_t middle = seconds.size() / 2;
    return {seconds.front(), seconds[middle], cpu[middle], peaks.front(), peaks[middle]};
}

// Each command once a round, so that a machine slowing down or speeding up
// on the way shifts every command's figures alike and their ratios hold.
std::vector<Summary> RepeatInTurn(const std::vector<std::vector<std::string>>& commands, int runs) {
    std::vector<std::vector<Sample>> samples(commands.size());
    for (int round = 0; round < runs; ++round) {
        for (std::size_t i = 0; i < commands.size(); ++i) samples[i].push_back(Run(commands[i]));
    }
    std::vector<Summary> summaries;
    for (const auto& list : samples) summaries.push_back(Summarize(list));
    return summaries;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const std::string program = (std::filesystem::path(argv[0]).parent_path() / "corvatrix").string();
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "corvatrix-bench-read";
    std::filesystem::create_directories(folder);
    const std::string settings = (folder / "settings.ini").string();
    const std::string output = (folder / "out/Level.t3d").string();

    const double faces = 2.0 * kColumns * kRows;
    const double vertices = (kColumns + 1.0) * (kRows + 1.0);
    // Vertices, faces, and the UV channel's vertices and faces.
    const double meshMiB =
        (vertices * sizeof(Point3) + faces * sizeof(Face) + vertices * sizeof(UVVert) + faces * sizeof(TVFace)) /
        (1024.0 * 1024.0);

    struct Scene {
        std::string name;
        std::string file;
        double units;  // faces or nodes
        const char* unit;
    };
    const std::vector<Scene> scenes = {
        {"1M triangles, faces as arrays", (folder / "grid_arrays.json").string(), faces, "face"},
        {"1M triangles, faces as objects", (folder / "grid_objects.json").string(), faces, "face"},
        {"10,000 nodes", (folder / "nodes_10k.json").string(), 10000, "node"},
        {"100,000 nodes", (folder / "nodes_100k.json").string(), 100000, "node"},
    };
    std::fprintf(stderr, "writing the scenes into %s ...\n", folder.c_str());
    WriteGrid(scenes[0].file, false);
    WriteGrid(scenes[1].file, true);
    WriteNodes(scenes[2].file, 10000);
    WriteNodes(scenes[3].file, 100000);

    std::vector<std::vector<std::string>> commands;
    for (const Scene& scene : scenes) {
        commands.push_back({program, "export", scene.file, output, "--selected", "--quiet", "--settings", settings});
    }
    commands.push_back(
        {"/usr/bin/env", "python3", "-c", "import json,sys; json.load(open(sys.argv[1]))", scenes[0].file});
    const std::vector<Summary> results = RepeatInTurn(commands, runs);
    const Summary& python = results.back();

    std::printf("%d runs each, in turn; min / median\n\n", runs);
    std::printf("%-32s %8s %15s %9s %15s %17s\n", "scene", "MB", "seconds", "MB/s", "ns per unit", "peak MiB");
    for (std::size_t i = 0; i < scenes.size(); ++i) {
        const Scene& scene = scenes[i];
        const Summary& s = results[i];
        const double mb = static_cast<double>(std::filesystem::file_size(scene.file)) / 1e6;
        std::printf("%-32s %8.1f %7.3f/%7.3f %9.0f %7.0f/%7.0f %s %8.1f/%8.1f\n", scene.name.c_str(), mb, s.minSeconds,
                    s.medianSeconds, mb / s.medianSeconds, s.minSeconds / scene.units * 1e9,
                    s.medianSeconds / scene.units * 1e9, scene.unit, s.minPeak, s.medianPeak);
    }

    std::printf("\npython3 json.load of the 1M-triangle file: %.3f / %.3f s\n", python.minSeconds,
                python.medianSeconds);
    std::printf("reading / python (median): %.3f   (target at most 0.15)\n",
                results[0].medianSeconds / python.medianSeconds);
    std::printf("faces as objects / as arrays (median): %.2f   (target at most 1.5); of the minima %.2f\n",
                results[1].medianSeconds / results[0].medianSeconds, results[1].minSeconds / results[0].minSeconds);
    std::printf(
        "mesh in memory %.1f MiB; peak of the 1M-triangle export %.1f MiB = %.2f x mesh + 64 MiB "
        "budget %.1f MiB (target: within)\n",
        meshMiB, results[0].medianPeak, results[0].medianPeak / meshMiB, 3 * meshMiB + 64);
    std::printf("100,000 / 10,000 nodes (median CPU time): %.2f   (target at most 11)\n",
                results[3].medianCpu / results[2].medianCpu);
    return 0;
}
