#include "toolkit/ico.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <tuple>

namespace tavmoor::toolkit {
namespace {

constexpr std::size_t kHeaderBytes = 6;
constexpr std::size_t kEntryBytes = 16;
constexpr std::size_t kInfoHeaderBytes = 40;
constexpr std::array<std::uint8_t, 8> kPngSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// Little-endian fields; callers have checked that they lie inside `bytes`.
std::uint32_t read16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t read32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return read16(bytes, at) | read16(bytes, at + 2) << 16;
}

int directorySide(std::uint8_t side) { return side == 0 ? 256 : side; }

// The image of one directory entry, or none when its data leaves the file.
std::optional<IcoImage> readEntry(std::span<const std::uint8_t> file, std::size_t index) {
    const auto entry = file.subspan(kHeaderBytes + index * kEntryBytes, kEntryBytes);
    const std::size_t bytes = read32(entry, 8);
    const std::size_t offset = read32(entry, 12);
    // Compared by subtraction, so a huge offset or size cannot wrap around.
    if (offset > file.size() || bytes > file.size() - offset) {
        return std::nullopt;
    }
    return IcoImage{directorySide(entry[0]), directorySide(entry[1]), entry[2],
                    static_cast<int>(read16(entry, 6)), file.subspan(offset, bytes)};
}

bool isPng(std::span<const std::uint8_t> image) {
    return image.size() >= kPngSignature.size() &&
           std::equal(kPngSignature.begin(), kPngSignature.end(), image.begin());
}

} // namespace

std::vector<IcoImage> parseIco(std::span<const std::uint8_t> file) {
    if (file.size() < kHeaderBytes) {
        return {};
    }
    const std::uint32_t reserved = read16(file, 0);
    const std::uint32_t type = read16(file, 2);
    const std::size_t count = read16(file, 4);
    if (reserved != 0 || (type != 1 && type != 2) || count == 0 ||
        file.size() < kHeaderBytes + count * kEntryBytes) {
        return {};
    }
    std::vector<IcoImage> images;
    images.reserve(count);
    for (std::size_t index = 0; index < count; ++index) {
        const auto image = readEntry(file, index);
        if (!image) {
            return {};
        }
        images.push_back(*image);
    }
    return images;
}

const IcoImage* chooseTrayImage(const std::vector<IcoImage>& images, int wantedWidth) {
    if (images.empty()) {
        return nullptr;
    }
    const auto match = std::find_if(images.begin(), images.end(), [wantedWidth](const IcoImage& image) {
        return image.colourCount >= 16 && image.width == wantedWidth;
    });
    return match != images.end() ? &*match : &images.back();
}

const IcoImage* chooseWindowImage(const std::vector<IcoImage>& images, int size) {
    // Lower ranks first: exact width, then wider (the nearest first), then
    // narrower (the nearest first); at equal width the deeper colours.
    const auto rank = [size](const IcoImage& image) {
        const int kind = image.width == size ? 0 : image.width > size ? 1 : 2;
        const int distance = image.width > size ? image.width - size : size - image.width;
        return std::tuple{kind, distance, -image.bitCount};
    };
    const auto best = std::min_element(images.begin(), images.end(),
                                       [&rank](const IcoImage& a, const IcoImage& b) { return rank(a) < rank(b); });
    return best != images.end() ? &*best : nullptr;
}

std::optional<DibSize> dibSize(std::span<const std::uint8_t> image) {
    if (image.size() < kInfoHeaderBytes || isPng(image) || read32(image, 0) < kInfoHeaderBytes) {
        return std::nullopt;
    }
    // The width and height fields are signed LONGs.
    const auto width = static_cast<std::int32_t>(read32(image, 4));
    const auto height = static_cast<std::int32_t>(read32(image, 8));
    return DibSize{width, height / 2, static_cast<int>(read16(image, 14))};
}

} // namespace tavmoor::toolkit
