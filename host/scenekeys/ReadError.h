#pragma once
// A fault in the scene file and the JSON path where it sits. The readers
// throw it on the first fault; ReadSceneFile catches it and drops the scene,
// so nothing of a partly read file survives.

#include <stdexcept>
#include <string>
#include <utility>

namespace scenefile {

class ReadError : public std::runtime_error {
public:
    ReadError(std::string path, const std::string& what) : std::runtime_error(what), path_(std::move(path)) {}
    // As JsonPath formats it; empty for the document itself.
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace scenefile
