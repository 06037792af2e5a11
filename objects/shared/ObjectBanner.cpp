#include "objects/shared/ObjectBanner.h"

#include "host/ui/Bitmap.h"

namespace {

const ui::Bitmap& BannerPicture() {
    // A figure beside a lever: the module places actors and triggers.
    static const ui::Bitmap picture(
        kObjectBannerBitmapId, {{'s', ui::RGB(96, 140, 200)}, {'f', ui::RGB(230, 200, 60)}, {'g', ui::RGB(70, 120, 60)}},
        {
            "ssssssssssssssssssssssssssssssss",
            "sssssffsssssssssssssssssssssffss",
            "sssssffssssssssssssssssssssffsss",
            "ssssffffsssssssssssssssssffsssss",
            "sssfsffsfsssssssssssssssffssssss",
            "sssssffsssssssssssssssffffffssss",
            "ssssfssfsssssssssssssfffffffssss",
            "gggggggggggggggggggggggggggggggg",
        });
    return picture;
}

}  // namespace

ui::DialogControl ObjectBannerControl() {
    return ui::BitmapControl(BannerPicture(), 0, 0, kObjectPageWidth, kObjectBannerHeight);
}
