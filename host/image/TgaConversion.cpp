#include "host/image/TgaConversion.h"

#include "host/os/Files.h"

#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

#include <climits>
#include <memory>

namespace image {
namespace {

struct PixelsFree {
    void operator()(stbi_uc* pixels) const { stbi_image_free(pixels); }
};

void AppendBytes(void* context, void* data, int size) {
    static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<std::size_t>(size));
}

}  // namespace

bool ConvertToTga(std::string_view source, std::string_view target, ConvertedImage& image, std::string& error) {
    std::string bytes;
    if (!os::ReadWholeFile(source, bytes)) {
        error = "cannot be read: " + os::LastError();
        return false;
    }
    if (bytes.size() > static_cast<std::size_t>(INT_MAX)) {
        error = "is too large to decode";
        return false;
    }
    const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
    const int size = static_cast<int>(bytes.size());
    int width = 0;
    int height = 0;
    int channels = 0;
    if (!stbi_info_from_memory(data, size, &width, &height, &channels)) {
        error = std::string("is no image this program can decode (") + stbi_failure_reason() + ")";
        return false;
    }
    // Grey with alpha and RGBA carry alpha; the TGA keeps it as 32 bits.
    const bool hasAlpha = channels == 2 || channels == 4;
    const int wanted = hasAlpha ? 4 : 3;
    const std::unique_ptr<stbi_uc, PixelsFree> pixels(
        stbi_load_from_memory(data, size, &width, &height, &channels, wanted));
    if (!pixels) {
        error = std::string("cannot be decoded (") + stbi_failure_reason() + ")";
        return false;
    }
    std::string tga;
    // Run-length TGA is not read by every importer.
    stbi_write_tga_with_rle = 0;
    if (!stbi_write_tga_to_func(AppendBytes, &tga, width, height, wanted, pixels.get()) ||
        !os::ReplaceFile(target, tga)) {
        error = "cannot be written as " + std::string(target) + ": " + os::LastError();
        return false;
    }
    image = ConvertedImage{width, height, hasAlpha};
    return true;
}

}  // namespace image
