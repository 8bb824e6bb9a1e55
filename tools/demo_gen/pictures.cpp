#include "pictures.h"

#include "canvas.h"

namespace orvane::demo {
namespace {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

Image BlackScreen() {
    return SolidImage(kScreenWidth, kScreenHeight, MakePixel(0, 0, 0));
}
Image WhiteScreen() {
    return SolidImage(kScreenWidth, kScreenHeight, MakePixel(255, 255, 255));
}
Image RedBox() {
    return SolidImage(20, 20, MakePixel(255, 0, 0));
}

}  // namespace

const std::vector<DemoPicture>& DemoPictures() {
    static const std::vector<DemoPicture> pictures = {
        {"blackscreen.jpg", PictureFormat::Jpeg, BlackScreen},
        {"whitescreen.jpg", PictureFormat::Jpeg, WhiteScreen},
        {"redbox.bmp", PictureFormat::Bmp24, RedBox},
        {"bg_title.jpg", PictureFormat::Jpeg, DrawTitleBackground},
    };
    return pictures;
}

}  // namespace orvane::demo
