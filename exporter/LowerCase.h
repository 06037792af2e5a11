#pragma once
// ASCII lower case, for the names and file extensions the exporter compares
// as the engine and the editor do: without regard to case.

#include <algorithm>
#include <cctype>
#include <string>

inline std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return text;
}
