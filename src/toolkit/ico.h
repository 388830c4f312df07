// Reading .ico files: the directory, the choice of an image for the tray or a
// window, and the size an image's own bitmap header gives. Plain byte
// handling, so any input, however broken, is read safely and checked here
// before Windows sees it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tavmoor::toolkit {

// One directory entry with its image data, which lies inside the file.
struct IcoImage {
    int width = 0;       // a directory width of 0 means 256
    int height = 0;      // likewise
    int colourCount = 0; // 0 for images of more than 256 colours
    int bitCount = 0;    // as the directory gives it (a cursor's hotspot y)
    std::span<const std::uint8_t> data;
};

// The images of an icon (type 1) or cursor (type 2) file, in directory order.
// Empty when the header is not reserved 0, type 1 or 2 with at least one
// image, when the directory is cut short, or when any entry's data lies
// outside the file.
std::vector<IcoImage> parseIco(std::span<const std::uint8_t> file);

// The image the tray shows: the first one with 16 or more colours that is
// wantedWidth wide, otherwise the last one. Images of more than 256 colours
// carry a colour count of 0, so only 16- and 256-colour images can match.
// Null for an empty list.
const IcoImage* chooseTrayImage(const std::vector<IcoImage>& images, int wantedWidth);

// The image for a window's big or small icon of the given size: one exactly
// that wide (the deepest colour first), else the smallest wider one, else the
// widest. Null for an empty list.
const IcoImage* chooseWindowImage(const std::vector<IcoImage>& images, int size);

// What an image's own BITMAPINFOHEADER says: its width, its height (half the
// header's height field, which counts the colour bitmap and the mask) and its
// bit count. None for a PNG image, for data too short to hold the header and
// for a header whose size field is below that of a BITMAPINFOHEADER.
struct DibSize {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    friend constexpr bool operator==(const DibSize&, const DibSize&) = default;
};
std::optional<DibSize> dibSize(std::span<const std::uint8_t> image);

} // namespace tavmoor::toolkit
