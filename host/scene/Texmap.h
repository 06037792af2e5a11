#pragma once
// Texture maps: what fills a material's map slots.

#include "host/core/Animatable.h"
#include "host/scene/HostClassIds.h"

#include <string>
#include <utility>

class Texmap : public Animatable {
public:
    SClass_ID SuperClassID() const override { return TEXMAP_CLASS_ID; }
};

// A texture from an image file.
class BitmapTex : public Texmap {
public:
    Class_ID ClassID() const override { return BITMAP_TEX_CLASS_ID; }
    std::string GetClassName() const override { return "Bitmap"; }

    // The file name exactly as given (a Windows path stays one).
    const char* GetMapName() const { return mapName_.c_str(); }
    void SetMapName(std::string name) { mapName_ = std::move(name); }

    // The texture-coordinate channel of the mesh the map uses.
    int GetMapChannel() const { return mapChannel_; }
    void SetMapChannel(int channel) { mapChannel_ = channel; }

    // The image size in pixels; 0 x 0 while no image is loaded.
    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }
    bool IsLoaded() const { return width_ > 0 && height_ > 0; }
    void SetSize(int width, int height);
    // Takes the size from the header of the file the map names; false, with
    // the size 0 x 0, when that is missing or no BMP, TGA or PNG file.
    bool LoadSizeFromFile();

private:
    std::string mapName_;
    int mapChannel_ = 1;
    int width_ = 0;
    int height_ = 0;
};

// A procedural texture: any texture map that is not a bitmap.
class CheckerTex : public Texmap {
public:
    Class_ID ClassID() const override { return CHECKER_TEX_CLASS_ID; }
    std::string GetClassName() const override { return "Checker"; }
};
