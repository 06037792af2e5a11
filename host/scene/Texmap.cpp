#include "host/scene/Texmap.h"

#include "host/scene/ImageSize.h"

void BitmapTex::SetSize(int width, int height) {
    width_ = width;
    height_ = height;
}

bool BitmapTex::LoadSizeFromFile() {
    int width = 0;
    int height = 0;
    const bool read = ReadImageSize(mapName_, width, height);
    SetSize(width, height);
    return read;
}
