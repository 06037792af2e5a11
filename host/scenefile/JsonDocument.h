#pragma once
// The scene file's text parsed as JSON by nlohmann's parser, with one rule
// more than JSON has: a key may appear only once in an object, because a
// repeated key would silently override the first.

#include "host/scenekeys/JsonCursor.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace scenefile {

class SyntaxError : public std::runtime_error {
public:
    SyntaxError(std::size_t offset, const std::string& what) : std::runtime_error(what), offset_(offset) {}
    // 0-based offset of the byte where the parser stopped.
    std::size_t Offset() const { return offset_; }

private:
    std::size_t offset_;
};

// Throws SyntaxError for text that is no JSON, ReadError for a repeated key.
Json ParseDocument(std::string_view text);

}  // namespace scenefile
