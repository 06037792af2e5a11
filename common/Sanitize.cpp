#include "common/Sanitize.h"

#include <cstring>

namespace {

constexpr const char* kReplacedByUnderscore = " .,[]\"'\\/:*?<>|";

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

}  // namespace

void Sanitize(std::string& name) {
    for (char& c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '+') {
            c = 'P';
        } else if (IsControl(byte) || std::strchr(kReplacedByUnderscore, c)) {
            c = '_';
        }
    }
}
