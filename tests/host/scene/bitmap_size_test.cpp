#include "host/scene/ImageSize.h"
#include "host/scene/Texmap.h"
#include "tests/common/ImageHeaders.h"
#include "tests/common/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace image_headers;

std::string Write(const ScratchFolder& folder, const std::string& name, const Bytes& bytes) {
    const std::string path = folder / name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path;
}

struct Size {
    bool read;
    int width;
    int height;
};

Size SizeOf(const std::string& path) {
    Size size{false, -1, -1};
    size.read = ReadImageSize(path, size.width, size.height);
    return size;
}

}  // namespace

TEST(ImageSize, ReadsBmpTgaAndPngHeaders) {
    ScratchFolder folder;
    const Size bottomUp = SizeOf(Write(folder, "up.bmp", Bmp(256, 128)));
    EXPECT_TRUE(bottomUp.read);
    EXPECT_EQ(bottomUp.width, 256);
    EXPECT_EQ(bottomUp.height, 128);

    const Size topDown = SizeOf(Write(folder, "down.bmp", Bmp(64, -32)));
    EXPECT_TRUE(topDown.read);
    EXPECT_EQ(topDown.width, 64);
    EXPECT_EQ(topDown.height, 32);

    const Size core = SizeOf(Write(folder, "core.bmp", CoreBmp(300, 200)));
    EXPECT_TRUE(core.read);
    EXPECT_EQ(core.width, 300);
    EXPECT_EQ(core.height, 200);

    const Size tga = SizeOf(Write(folder, "stone.tga", Tga(512, 1024)));
    EXPECT_TRUE(tga.read);
    EXPECT_EQ(tga.width, 512);
    EXPECT_EQ(tga.height, 1024);

    const Size rle = SizeOf(Write(folder, "rle.tga", Tga(16, 8, 10)));
    EXPECT_TRUE(rle.read);
    EXPECT_EQ(rle.width, 16);

    // The content decides, not the name.
    const Size png = SizeOf(Write(folder, "named.bmp", Png(70000, 3)));
    EXPECT_TRUE(png.read);
    EXPECT_EQ(png.width, 70000);
    EXPECT_EQ(png.height, 3);
}

TEST(ImageSize, MissingOrUnknownFilesGiveNothing) {
    ScratchFolder folder;
    Bytes truncatedPng = Png(8, 8);
    truncatedPng.resize(20);
    const std::string rejected[] = {
        folder / "missing.bmp",
        Write(folder, "empty.png", {}),
        Write(folder, "notes.tga", Bytes{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', ',', ' ', 't',
                                         'h', 'i', 's', ' ', 'i', 's', ' ', 't', 'e', 'x', 't', '\n'}),
        Write(folder, "short.png", truncatedPng),
        Write(folder, "zero.bmp", Bmp(0, 16)),
        Write(folder, "badtype.tga", Tga(8, 8, 7)),
        Write(folder, "huge.png", Png(0x80000000u, 1)),
    };
    for (const std::string& path : rejected) {
        const Size size = SizeOf(path);
        EXPECT_FALSE(size.read) << path;
        EXPECT_EQ(size.width, -1) << path << " must leave the size untouched";
        EXPECT_EQ(size.height, -1) << path;
    }
}

TEST(BitmapTexture, SizeComesFromTheFileUnlessGiven) {
    ScratchFolder folder;
    Write(folder, "bricks.png", Png(128, 64));

    BitmapTex bitmap;
    EXPECT_EQ(bitmap.GetMapChannel(), 1);
    EXPECT_FALSE(bitmap.IsLoaded());
    // Backslashes are folder separators to the file system, but the name keeps them.
    const std::string windowsStyle = folder.Path() + "\\bricks.png";
    bitmap.SetMapName(windowsStyle);
    EXPECT_TRUE(bitmap.LoadSizeFromFile());
    EXPECT_EQ(bitmap.GetMapName(), windowsStyle);
    EXPECT_EQ(bitmap.GetWidth(), 128);
    EXPECT_EQ(bitmap.GetHeight(), 64);
    EXPECT_TRUE(bitmap.IsLoaded());

    bitmap.SetMapName("C:\\tex\\Old Stone.Wall.bmp");
    EXPECT_FALSE(bitmap.LoadSizeFromFile());
    EXPECT_EQ(bitmap.GetWidth(), 0);
    EXPECT_EQ(bitmap.GetHeight(), 0);
    EXPECT_FALSE(bitmap.IsLoaded());
    EXPECT_STREQ(bitmap.GetMapName(), "C:\\tex\\Old Stone.Wall.bmp");

    bitmap.SetSize(256, 256);
    EXPECT_TRUE(bitmap.IsLoaded());
    EXPECT_EQ(bitmap.GetWidth(), 256);
}
