// Waits until a solid block of one colour shows on the X server's screen, then saves the screen
// as PNG for a person to look at.
//
//   x_probe --color=R,G,B --region=WxH [--tolerance=N] [--timeout=SECONDS] [--interval=MS]
//           [--png=PATH]
//
// Exit status: 0 found, 1 not found in time, 2 bad arguments or no X server.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/image.h"
#include "platform/png_writer.h"

namespace {

using orvane::Image;

struct Options {
    int red = -1, green = -1, blue = -1;
    int width = 0, height = 0;
    int tolerance = 0;
    double timeoutSeconds = 10;
    int intervalMs = 100;
    // Looks only at a region-sized block in the middle of the screen: one grab then costs
    // little, for timing how soon a picture appears.
    bool centreOnly = false;
    std::string pngPath;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const auto value = [&](std::string_view name) -> const char* {
            return arg.substr(0, name.size()) == name ? argv[i] + name.size() : nullptr;
        };
        if (const char* v = value("--color=")) {
            if (std::sscanf(v, "%d,%d,%d", &options.red, &options.green, &options.blue) != 3) {
                return false;
            }
        } else if (const char* v = value("--region=")) {
            if (std::sscanf(v, "%dx%d", &options.width, &options.height) != 2) return false;
        } else if (const char* v = value("--tolerance=")) {
            options.tolerance = std::atoi(v);
        } else if (const char* v = value("--timeout=")) {
            options.timeoutSeconds = std::atof(v);
        } else if (arg == "--centre-only") {
            options.centreOnly = true;
        } else if (const char* v = value("--interval=")) {
            options.intervalMs = std::max(1, std::atoi(v));
        } else if (const char* v = value("--png=")) {
            options.pngPath = v;
        } else {
            return false;
        }
    }
    return options.red >= 0 && options.green >= 0 && options.blue >= 0 && options.width > 0 &&
           options.height > 0;
}

// Scales one channel of a pixel to 8 bits by the visual's mask for it.
uint8_t Channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const int bits = std::popcount(mask);
    const unsigned long v = (pixel & mask) >> shift;
    if (bits >= 8) return static_cast<uint8_t>(v >> (bits - 8));
    return static_cast<uint8_t>(v * 255 / ((1ul << bits) - 1));
}

bool g_xError = false;

int OnXError(Display*, XErrorEvent*) {
    g_xError = true;
    return 0;
}

std::optional<Image> GrabScreen(Display* display, const Options& options) {
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, root, &attributes)) return std::nullopt;
    int left = 0, top = 0;
    if (options.centreOnly) {
        left = std::max(0, (attributes.width - options.width) / 2);
        top = std::max(0, (attributes.height - options.height) / 2);
        attributes.width = std::min(options.width, attributes.width);
        attributes.height = std::min(options.height, attributes.height);
    }
    g_xError = false;
    XImage* shot = XGetImage(display, root, left, top, static_cast<unsigned>(attributes.width),
                             static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (!shot || g_xError) {
        if (shot) XDestroyImage(shot);
        return std::nullopt;
    }
    Image image(attributes.width, attributes.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const unsigned long p = XGetPixel(shot, x, y);
            image.at(x, y) =
                orvane::MakePixel(Channel(p, shot->red_mask), Channel(p, shot->green_mask),
                                  Channel(p, shot->blue_mask));
        }
    }
    XDestroyImage(shot);
    return image;
}

bool Near(int a, int b, int tolerance) {
    return std::abs(a - b) <= tolerance;
}

// Finds a width x height block where every pixel matches, with a summed-area table of the
// matching pixels so that the whole screen costs one pass.
std::optional<std::pair<int, int>> FindBlock(const Image& screen, const Options& o) {
    const size_t stride = static_cast<size_t>(screen.width) + 1;
    std::vector<uint32_t> sums(stride * (static_cast<size_t>(screen.height) + 1), 0);
    for (int y = 0; y < screen.height; ++y) {
        uint32_t rowSum = 0;
        for (int x = 0; x < screen.width; ++x) {
            const uint32_t p = screen.at(x, y);
            rowSum += Near(orvane::PixelRed(p), o.red, o.tolerance) &&
                      Near(orvane::PixelGreen(p), o.green, o.tolerance) &&
                      Near(orvane::PixelBlue(p), o.blue, o.tolerance);
            sums[(y + 1) * stride + x + 1] = sums[y * stride + x + 1] + rowSum;
        }
    }
    const uint32_t full = static_cast<uint32_t>(o.width) * static_cast<uint32_t>(o.height);
    for (int y = o.height; y <= screen.height; ++y) {
        for (int x = o.width; x <= screen.width; ++x) {
            const uint32_t inside = sums[y * stride + x] - sums[(y - o.height) * stride + x] -
                                    sums[y * stride + x - o.width] +
                                    sums[(y - o.height) * stride + x - o.width];
            if (inside == full) return std::make_pair(x - o.width, y - o.height);
        }
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: x_probe --color=R,G,B --region=WxH [--tolerance=N] "
                     "[--timeout=SECONDS] [--interval=MS] [--png=PATH]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "x_probe: cannot connect to the X server (DISPLAY=%s)\n",
                     std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
        return 2;
    }
    XSetErrorHandler(OnXError);

    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::duration<double>(options.timeoutSeconds);
    std::optional<Image> screen;
    std::optional<std::pair<int, int>> found;
    while (true) {
        if (auto shot = GrabScreen(display, options)) {
            screen = std::move(shot);
            found = FindBlock(*screen, options);
        }
        if (found || std::chrono::steady_clock::now() >= deadline) break;
        usleep(static_cast<useconds_t>(options.intervalMs) * 1000);
    }
    XCloseDisplay(display);

    if (screen && !options.pngPath.empty()) {
        std::string error;
        if (!orvane::WritePng(options.pngPath, *screen, error)) {
            std::fprintf(stderr, "x_probe: %s\n", error.c_str());
        }
    }
    if (found) {
        std::printf("x_probe: found %dx%d of %d,%d,%d at %d,%d\n", options.width, options.height,
                    options.red, options.green, options.blue, found->first, found->second);
        return 0;
    }
    if (!screen) {
        std::fprintf(stderr, "x_probe: could not read the screen\n");
    } else {
        const uint32_t centre = screen->at(screen->width / 2, screen->height / 2);
        std::fprintf(stderr,
                     "x_probe: no %dx%d block of %d,%d,%d (+-%d) within %.1f s; the centre of "
                     "the screen is %d,%d,%d\n",
                     options.width, options.height, options.red, options.green, options.blue,
                     options.tolerance, options.timeoutSeconds, orvane::PixelRed(centre),
                     orvane::PixelGreen(centre), orvane::PixelBlue(centre));
    }
    return 1;
}
