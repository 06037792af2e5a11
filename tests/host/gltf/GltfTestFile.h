#pragma once
// Small glTF files for the tests, written in code: accessors over one
// buffer that travels inside the file as a data: URI, and the document as
// JSON for the test to fill in.

#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

class GltfTestFile {
public:
    GltfTestFile() { document_ = {{"asset", {{"version", "2.0"}}}, {"accessors", nlohmann::json::array()}}; }

    nlohmann::json& Json() { return document_; }

    // An accessor of floats; type "SCALAR", "VEC2", "VEC3" or "VEC4".
    int Floats(const std::vector<float>& values, const std::string& type) {
        const std::size_t per = type == "SCALAR" ? 1 : static_cast<std::size_t>(type.back() - '0');
        return Add(values.data(), values.size() * sizeof(float), 5126, values.size() / per, type);
    }

    int Indices(const std::vector<std::uint16_t>& values) {
        return Add(values.data(), values.size() * sizeof(std::uint16_t), 5123, values.size(), "SCALAR");
    }

    // A mesh of one triangle-list primitive; attributes by name -> accessor.
    int Mesh(const nlohmann::json& attributes, int indices = -1, int material = -1) {
        nlohmann::json primitive = {{"attributes", attributes}};
        if (indices >= 0) primitive["indices"] = indices;
        if (material >= 0) primitive["material"] = material;
        document_["meshes"].push_back({{"primitives", {primitive}}});
        return static_cast<int>(document_["meshes"].size()) - 1;
    }

    // Adds the node to the scene's roots.
    int Node(nlohmann::json node) {
        document_["nodes"].push_back(std::move(node));
        const int index = static_cast<int>(document_["nodes"].size()) - 1;
        document_["scenes"][0]["nodes"].push_back(index);
        return index;
    }

    std::string Text() const {
        nlohmann::json document = document_;
        if (!bytes_.empty()) document["buffers"] = {{{"byteLength", bytes_.size()}, {"uri", DataUri(bytes_)}}};
        return document.dump();
    }

    static std::string DataUri(const std::vector<unsigned char>& bytes) {
        static const char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        std::string text = "data:application/octet-stream;base64,";
        for (std::size_t i = 0; i < bytes.size(); i += 3) {
            const std::uint32_t group = (bytes[i] << 16) | ((i + 1 < bytes.size() ? bytes[i + 1] : 0) << 8) |
                                        (i + 2 < bytes.size() ? bytes[i + 2] : 0);
            for (std::size_t d = 0; d < 4; ++d) {
                text += i + d <= bytes.size() ? kDigits[(group >> (18 - 6 * d)) & 63] : '=';
            }
        }
        return text;
    }

private:
    int Add(const void* data, std::size_t size, int componentType, std::size_t count, const std::string& type) {
        while (bytes_.size() % 4 != 0) bytes_.push_back(0);
        const std::size_t offset = bytes_.size();
        bytes_.resize(offset + size);
        std::memcpy(bytes_.data() + offset, data, size);
        document_["bufferViews"].push_back({{"buffer", 0}, {"byteOffset", offset}, {"byteLength", size}});
        const std::size_t view = document_["bufferViews"].size() - 1;
        document_["accessors"].push_back(
            {{"bufferView", view}, {"componentType", componentType}, {"count", count}, {"type", type}});
        return static_cast<int>(document_["accessors"].size()) - 1;
    }

    nlohmann::json document_;
    std::vector<unsigned char> bytes_;
};
