#include "icon_art.h"

#include <algorithm>
#include <cstddef>
#include <optional>

// The picture is described in unit coordinates (the icon spans 0..1, y grows
// downwards) and sampled on a fine grid inside every pixel. Only the four
// arithmetic operations and comparisons of doubles decide a sample, never a
// library function such as sin or sqrt, so every compiler and C library
// produces the same bytes and the committed file can be checked against this
// code.

namespace tavmoor::tools {
namespace {

constexpr int kSamplesPerAxis = 16;
constexpr int kSamplesPerPixel = kSamplesPerAxis * kSamplesPerAxis;

struct Vec {
    double x = 0;
    double y = 0;
};

Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
Vec operator*(double k, Vec a) { return {k * a.x, k * a.y}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }

struct Rgba {
    int r = 0;
    int g = 0;
    int b = 0;
    int a = 0;
};

constexpr Rgba kClear{0, 0, 0, 0};
constexpr Rgba kWhite{255, 255, 255, 255};

// Directions of the twelve hour marks, clockwise from 12, y downwards:
// (sin, -cos) of multiples of 30 degrees.
constexpr double kSin60 = 0.86602540378443865;
constexpr std::array<Vec, 12> kHourDirections{{
    {0, -1}, {0.5, -kSin60}, {kSin60, -0.5}, {1, 0}, {kSin60, 0.5}, {0.5, kSin60},
    {0, 1}, {-0.5, kSin60}, {-kSin60, 0.5}, {-1, 0}, {-kSin60, -0.5}, {-0.5, -kSin60},
}};

bool inDisc(Vec p, Vec centre, double radius) {
    const Vec d = p - centre;
    return dot(d, d) <= radius * radius;
}

// A stroke with round ends: the points within halfWidth of the segment a-b.
bool inCapsule(Vec p, Vec a, Vec b, double halfWidth) {
    const Vec ab = b - a;
    const Vec ap = p - a;
    const double t = std::clamp(dot(ap, ab) / dot(ab, ab), 0.0, 1.0);
    const Vec d = ap - t * ab;
    return dot(d, d) <= halfWidth * halfWidth;
}

bool inRing(Vec p, Vec centre, double radius, double halfWidth) {
    const Vec d = p - centre;
    const double inner = radius - halfWidth;
    const double outer = radius + halfWidth;
    return dot(d, d) >= inner * inner && dot(d, d) <= outer * outer;
}

int mix(int from, int to, double t) {
    return static_cast<int>(from + (to - from) * std::clamp(t, 0.0, 1.0) + 0.5);
}

// A vertical gradient between two colours over the span top..bottom.
Rgba vertical(Rgba top, Rgba bottom, double y, double spanTop, double spanBottom) {
    const double t = (y - spanTop) / (spanBottom - spanTop);
    return {mix(top.r, bottom.r, t), mix(top.g, bottom.g, t), mix(top.b, bottom.b, t), 255};
}

// The shapes of the picture at one image size. Small images keep every line
// at least about a pixel wide and drop the finer hour marks; the 16x16 tray
// image is drawn on the pixel grid (hands at nine o'clock, one pixel wide,
// on pixel centres) so it stays crisp and still reads as a clock with a
// power badge.
struct Art {
    Vec clockCentre{0.44, 0.44};
    double clockRadius = 0.42;
    double bezelWidth = 0.075;
    Rgba bezelTop{64, 104, 160, 255};
    Rgba bezelBottom{28, 50, 92, 255};
    int hourMarkStep = 1; // 1: all twelve marks, 3: quarters only, 0: none
    double majorMarkInner = 0.24;
    double minorMarkInner = 0.27;
    double markOuter = 0.30;
    double markHalfWidth = 0.014;
    std::size_t hourHandAt = 10;
    std::size_t minuteHandAt = 2;
    double hourHand = 0.17;
    double minuteHand = 0.25;
    double handHalfWidth = 0.026;
    double hubRadius = 0.04;

    Vec badgeCentre{0.745, 0.745};
    double badgeRadius = 0.215;
    double badgeBorder = 0.03;
    double glyphRadius = 0.1;
    double glyphHalfWidth = 0.021;
    double glyphBarTop = 0.14;
    double glyphBarBottom = 0.025;
    // The power ring is open at the top, this far either side of straight up.
    double openingSin = 0.6428; // 40 degrees
    double openingCos = 0.7660;
};

// The 16x16 image, laid out in pixels.
Art tinyArt(double pixel) {
    const auto at = [pixel](double x, double y) { return Vec{x * pixel, y * pixel}; };
    Art art;
    art.clockCentre = at(6.5, 6.5);
    art.clockRadius = 6.6 * pixel;
    art.bezelWidth = 1.3 * pixel;
    art.bezelTop = {40, 72, 124, 255};
    art.bezelBottom = {22, 40, 76, 255};
    art.hourMarkStep = 0;
    art.hourHandAt = 9;
    art.minuteHandAt = 0;
    art.hourHand = 3.0 * pixel;
    art.minuteHand = 4.0 * pixel;
    art.handHalfWidth = 0.5 * pixel;
    art.hubRadius = 0.9 * pixel;
    art.badgeCentre = at(11.5, 11.5);
    art.badgeRadius = 4.4 * pixel;
    art.badgeBorder = 0.5 * pixel; // keeps the corner pixel transparent
    art.glyphRadius = 3.0 * pixel;
    art.glyphHalfWidth = 0.5 * pixel;
    art.glyphBarTop = 3.1 * pixel;
    art.glyphBarBottom = 0.6 * pixel;
    art.openingSin = 0.7071; // 45 degrees: room for the bar
    art.openingCos = 0.7071;
    return art;
}

// The 32x32 image: the large picture with quarter marks only and lines of
// about a pixel and a half.
Art smallArt(double pixel) {
    Art art;
    art.hourMarkStep = 3;
    art.bezelWidth = std::max(art.bezelWidth, 2.2 * pixel);
    art.markHalfWidth = 0.55 * pixel;
    art.handHalfWidth = 0.8 * pixel;
    art.hubRadius = 1.4 * pixel;
    art.badgeBorder = 1.1 * pixel;
    art.glyphHalfWidth = 0.75 * pixel;
    return art;
}

Art artFor(int size) {
    const double pixel = 1.0 / size;
    return size <= 16 ? tinyArt(pixel) : size <= 32 ? smallArt(pixel) : Art{};
}

// The power symbol: a ring open at the top, with round ends, and a bar
// through the opening.
bool inPowerGlyph(const Art& art, Vec p) {
    const Vec d = p - art.badgeCentre;
    const double r = art.glyphRadius;
    const double halfWidth = art.glyphHalfWidth;
    const bool inOpening = d.y < 0 && (d.x < 0 ? -d.x : d.x) * art.openingCos < -d.y * art.openingSin;
    if (!inOpening && inRing(p, art.badgeCentre, r, halfWidth)) {
        return true;
    }
    const Vec leftEnd = art.badgeCentre + Vec{-art.openingSin * r, -art.openingCos * r};
    const Vec rightEnd = art.badgeCentre + Vec{art.openingSin * r, -art.openingCos * r};
    if (inDisc(p, leftEnd, halfWidth) || inDisc(p, rightEnd, halfWidth)) {
        return true;
    }
    return inCapsule(p, art.badgeCentre + Vec{0, -art.glyphBarTop},
                     art.badgeCentre + Vec{0, -art.glyphBarBottom}, halfWidth);
}

std::optional<Rgba> badgeColour(const Art& art, Vec p) {
    const double top = art.badgeCentre.y - art.badgeRadius;
    const double bottom = art.badgeCentre.y + art.badgeRadius;
    if (inDisc(p, art.badgeCentre, art.badgeRadius)) {
        if (inPowerGlyph(art, p)) {
            return kWhite;
        }
        return vertical({240, 84, 70, 255}, {190, 30, 36, 255}, p.y, top, bottom);
    }
    // A white border keeps the badge apart from the clock behind it.
    if (inDisc(p, art.badgeCentre, art.badgeRadius + art.badgeBorder)) {
        return kWhite;
    }
    return std::nullopt;
}

bool inHands(const Art& art, Vec p) {
    // Both hands point away from the badge in the lower right.
    const Vec c = art.clockCentre;
    return inDisc(p, c, art.hubRadius) ||
           inCapsule(p, c, c + art.hourHand * kHourDirections[art.hourHandAt], art.handHalfWidth) ||
           inCapsule(p, c, c + art.minuteHand * kHourDirections[art.minuteHandAt], art.handHalfWidth);
}

bool inHourMarks(const Art& art, Vec p) {
    if (art.hourMarkStep == 0) {
        return false;
    }
    for (std::size_t hour = 0; hour < kHourDirections.size(); hour += art.hourMarkStep) {
        const double inner = hour % 3 == 0 ? art.majorMarkInner : art.minorMarkInner;
        const Vec a = art.clockCentre + inner * kHourDirections[hour];
        const Vec b = art.clockCentre + art.markOuter * kHourDirections[hour];
        if (inCapsule(p, a, b, art.markHalfWidth)) {
            return true;
        }
    }
    return false;
}

std::optional<Rgba> clockColour(const Art& art, Vec p) {
    const double top = art.clockCentre.y - art.clockRadius;
    const double bottom = art.clockCentre.y + art.clockRadius;
    if (!inDisc(p, art.clockCentre, art.clockRadius)) {
        return std::nullopt;
    }
    if (!inDisc(p, art.clockCentre, art.clockRadius - art.bezelWidth)) {
        return vertical(art.bezelTop, art.bezelBottom, p.y, top, bottom);
    }
    if (inHands(art, p)) {
        return Rgba{30, 40, 58, 255};
    }
    if (inHourMarks(art, p)) {
        return Rgba{84, 98, 120, 255};
    }
    return vertical({255, 255, 255, 255}, {218, 228, 240, 255}, p.y, top, bottom);
}

// The colour of the topmost layer at a point: badge over clock over nothing.
Rgba colourAt(const Art& art, Vec p) {
    if (const auto badge = badgeColour(art, p)) {
        return *badge;
    }
    if (const auto clock = clockColour(art, p)) {
        return *clock;
    }
    return kClear;
}

// One pixel: the average of its samples, weighted by their alpha, stored
// with straight (not premultiplied) alpha as icons expect.
Rgba pixelColour(const Art& art, int size, int column, int row) {
    long sumA = 0;
    long sumR = 0;
    long sumG = 0;
    long sumB = 0;
    for (int sy = 0; sy < kSamplesPerAxis; ++sy) {
        for (int sx = 0; sx < kSamplesPerAxis; ++sx) {
            const Vec p{(column + (sx + 0.5) / kSamplesPerAxis) / size,
                        (row + (sy + 0.5) / kSamplesPerAxis) / size};
            const Rgba c = colourAt(art, p);
            sumA += c.a;
            sumR += long{c.r} * c.a;
            sumG += long{c.g} * c.a;
            sumB += long{c.b} * c.a;
        }
    }
    const int alpha = static_cast<int>((sumA + kSamplesPerPixel / 2) / kSamplesPerPixel);
    if (alpha == 0) {
        return kClear;
    }
    const auto channel = [sumA](long sum) { return static_cast<int>((sum + sumA / 2) / sumA); };
    return {channel(sumR), channel(sumG), channel(sumB), alpha};
}

// Rows top to bottom.
std::vector<Rgba> render(int size) {
    const Art art = artFor(size);
    std::vector<Rgba> pixels;
    pixels.reserve(static_cast<std::size_t>(size) * size);
    for (int row = 0; row < size; ++row) {
        for (int column = 0; column < size; ++column) {
            pixels.push_back(pixelColour(art, size, column, row));
        }
    }
    return pixels;
}

void put16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

constexpr std::uint32_t kInfoHeaderSize = 40;

std::uint32_t maskRowBytes(int size) { return (static_cast<std::uint32_t>(size) + 31) / 32 * 4; }

std::uint32_t dibBytes(int size) {
    const auto side = static_cast<std::uint32_t>(size);
    return kInfoHeaderSize + side * side * 4 + maskRowBytes(size) * side;
}

void putInfoHeader(std::vector<std::uint8_t>& out, int size) {
    const auto side = static_cast<std::uint32_t>(size);
    put32(out, kInfoHeaderSize);
    put32(out, side);
    put32(out, 2 * side); // the colour bitmap and the mask, one above the other
    put16(out, 1);        // planes
    put16(out, 32);       // bits per pixel
    put32(out, 0);        // BI_RGB: uncompressed
    put32(out, dibBytes(size) - kInfoHeaderSize);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
}

// Bottom-up BGRA rows, then the bottom-up AND mask: a set bit lets the screen
// show through where the picture is fully transparent.
void putDib(std::vector<std::uint8_t>& out, int size) {
    const std::vector<Rgba> pixels = render(size);
    const auto at = [&](int row, int column) { return pixels[static_cast<std::size_t>(row) * size + column]; };
    putInfoHeader(out, size);
    for (int row = size - 1; row >= 0; --row) {
        for (int column = 0; column < size; ++column) {
            const Rgba c = at(row, column);
            for (const int channel : {c.b, c.g, c.r, c.a}) {
                out.push_back(static_cast<std::uint8_t>(channel));
            }
        }
    }
    for (int row = size - 1; row >= 0; --row) {
        std::vector<std::uint8_t> bits(maskRowBytes(size), 0);
        for (int column = 0; column < size; ++column) {
            if (at(row, column).a == 0) {
                bits[column / 8] |= static_cast<std::uint8_t>(0x80 >> (column % 8));
            }
        }
        out.insert(out.end(), bits.begin(), bits.end());
    }
}

void putDirectory(std::vector<std::uint8_t>& out) {
    constexpr std::uint32_t kHeaderBytes = 6;
    constexpr std::uint32_t kEntryBytes = 16;
    put16(out, 0); // reserved
    put16(out, 1); // icon
    put16(out, kIconSizes.size());
    std::uint32_t offset = kHeaderBytes + kEntryBytes * kIconSizes.size();
    for (const int size : kIconSizes) {
        out.push_back(static_cast<std::uint8_t>(size)); // width (0 would mean 256)
        out.push_back(static_cast<std::uint8_t>(size)); // height
        out.push_back(0);                               // colour count: more than 256 colours
        out.push_back(0);                               // reserved
        put16(out, 1);                                  // planes
        put16(out, 32);                                 // bits per pixel
        put32(out, dibBytes(size));
        put32(out, offset);
        offset += dibBytes(size);
    }
}

} // namespace

std::vector<std::uint8_t> programIconFile() {
    std::vector<std::uint8_t> file;
    putDirectory(file);
    for (const int size : kIconSizes) {
        putDib(file, size);
    }
    return file;
}

} // namespace tavmoor::tools
