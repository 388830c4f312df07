#include "icon_art.h"
#include "layouts/layouts.h"
#include "toolkit/ico.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace tavmoor {
namespace {

using toolkit::chooseTrayImage;
using toolkit::chooseWindowImage;
using toolkit::dibSize;
using toolkit::DibSize;
using toolkit::IcoImage;
using toolkit::parseIco;
using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kProgramIconBytes = 99678;
constexpr std::array<int, 5> kProgramIconSides{128, 64, 48, 32, 16};

std::uint32_t le16(std::span<const std::uint8_t> b, std::size_t at) { return b[at] | b[at + 1] << 8; }
std::uint32_t le32(std::span<const std::uint8_t> b, std::size_t at) { return le16(b, at) | le16(b, at + 2) << 16; }

void put16(Bytes& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(Bytes& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// --- The committed program icon -------------------------------------------

TEST(ProgramIcon, HeaderAndDirectoryLayout) {
    const auto icon = layouts::programIcon();
    ASSERT_EQ(icon.size(), kProgramIconBytes);
    EXPECT_EQ(le16(icon, 0), 0u); // reserved
    EXPECT_EQ(le16(icon, 2), 1u); // icon
    ASSERT_EQ(le16(icon, 4), 5u);
    std::uint32_t expectedOffset = 6 + 5 * 16;
    for (std::size_t i = 0; i < kProgramIconSides.size(); ++i) {
        SCOPED_TRACE(i);
        const auto entry = icon.subspan(6 + 16 * i, 16);
        const auto side = static_cast<std::uint32_t>(kProgramIconSides[i]);
        EXPECT_EQ(entry[0], side);
        EXPECT_EQ(entry[1], side);
        EXPECT_EQ(entry[2], 0u); // colour count
        EXPECT_EQ(entry[3], 0u);
        EXPECT_EQ(le16(entry, 4), 1u);  // planes
        EXPECT_EQ(le16(entry, 6), 32u); // bit count
        const std::uint32_t maskRow = (side + 31) / 32 * 4;
        EXPECT_EQ(le32(entry, 8), 40 + side * side * 4 + maskRow * side);
        EXPECT_EQ(le32(entry, 12), expectedOffset) << "images are stored back to back in directory order";
        expectedOffset = le32(entry, 12) + le32(entry, 8);
    }
    EXPECT_EQ(expectedOffset, kProgramIconBytes);
}

TEST(ProgramIcon, ImagesAreUncompressed32BitDibsWithMatchingMasks) {
    const auto images = parseIco(layouts::programIcon());
    ASSERT_EQ(images.size(), kProgramIconSides.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        SCOPED_TRACE(i);
        const auto side = static_cast<std::uint32_t>(kProgramIconSides[i]);
        const auto dib = images[i].data;
        EXPECT_EQ(le32(dib, 0), 40u); // BITMAPINFOHEADER
        EXPECT_EQ(le32(dib, 4), side);
        EXPECT_EQ(le32(dib, 8), 2 * side);
        EXPECT_EQ(le16(dib, 12), 1u);
        EXPECT_EQ(le16(dib, 14), 32u);
        EXPECT_EQ(le32(dib, 16), 0u); // BI_RGB

        const auto pixels = dib.subspan(40, side * side * 4);
        const auto mask = dib.subspan(40 + side * side * 4);
        const std::uint32_t maskRow = (side + 31) / 32 * 4;
        const auto alpha = [&](std::uint32_t row, std::uint32_t column) { return pixels[(row * side + column) * 4 + 3]; };
        const auto maskBit = [&](std::uint32_t row, std::uint32_t column) {
            return (mask[row * maskRow + column / 8] >> (7 - column % 8)) & 1;
        };
        std::size_t opaque = 0;
        for (std::uint32_t row = 0; row < side; ++row) {
            for (std::uint32_t column = 0; column < side; ++column) {
                ASSERT_EQ(maskBit(row, column), alpha(row, column) == 0 ? 1 : 0) << row << "," << column;
                opaque += alpha(row, column) == 255 ? 1 : 0;
            }
        }
        const std::array<std::array<std::uint32_t, 2>, 4> corners{{{0, 0}, {0, side - 1}, {side - 1, 0}, {side - 1, side - 1}}};
        for (const auto& [row, column] : corners) {
            EXPECT_EQ(alpha(row, column), 0) << "corner " << row << "," << column << " is transparent";
        }
        EXPECT_EQ(alpha(side / 2, side / 2), 255);
        EXPECT_GT(opaque, side * side / 2) << "the picture fills most of the image";
    }
}

TEST(ProgramIcon, IsTheDrawingOfTheIconTool) {
    // Regenerate with: tavmoor_make_icon src/layouts/tavmoor.ico
    const Bytes drawn = tools::programIconFile();
    const auto committed = layouts::programIcon();
    ASSERT_EQ(drawn.size(), committed.size());
    EXPECT_TRUE(std::equal(drawn.begin(), drawn.end(), committed.begin()));
}

TEST(ProgramIcon, ParsesToItsFiveImages) {
    const auto icon = layouts::programIcon();
    const auto images = parseIco(icon);
    ASSERT_EQ(images.size(), 5u);
    for (std::size_t i = 0; i < images.size(); ++i) {
        SCOPED_TRACE(i);
        const int side = kProgramIconSides[i];
        EXPECT_EQ(images[i].width, side);
        EXPECT_EQ(images[i].height, side);
        EXPECT_EQ(images[i].colourCount, 0);
        EXPECT_EQ(images[i].bitCount, 32);
        EXPECT_EQ(images[i].data.data(), icon.data() + le32(icon, 6 + 16 * i + 12));
        EXPECT_EQ(images[i].data.size(), le32(icon, 6 + 16 * i + 8));
        EXPECT_EQ(dibSize(images[i].data), (DibSize{side, side, 32}));
    }
}

TEST(ProgramIcon, EveryShortenedCopyIsRejected) {
    // The last image ends at the last byte, so no prefix of the file is usable.
    const auto icon = layouts::programIcon();
    for (std::size_t length = 0; length < icon.size(); ++length) {
        ASSERT_TRUE(parseIco(icon.first(length)).empty()) << length;
    }
}

// --- parseIco on files built here ------------------------------------------

struct Entry {
    std::uint8_t width = 32;
    std::uint8_t height = 32;
    std::uint8_t colourCount = 0;
    std::uint16_t bitCount = 32;
    std::optional<std::uint32_t> bytes;  // default: the data given
    std::optional<std::uint32_t> offset; // default: right after the directory
};

Entry image(std::uint8_t width, std::uint8_t height, std::uint8_t colourCount, std::uint16_t bitCount) {
    return {width, height, colourCount, bitCount, std::nullopt, std::nullopt};
}

Entry placed(std::uint32_t offset, std::uint32_t bytes) { return {32, 32, 0, 32, bytes, offset}; }

Entry sized(std::uint32_t bytes) { return {32, 32, 0, 32, bytes, std::nullopt}; }

// An .ico file with the given entries, all pointing at one block of data.
Bytes icoFile(std::vector<Entry> entries, std::uint32_t dataBytes = 8, std::uint16_t type = 1,
              std::uint16_t reserved = 0) {
    Bytes out;
    put16(out, reserved);
    put16(out, type);
    put16(out, static_cast<std::uint32_t>(entries.size()));
    const auto dataAt = static_cast<std::uint32_t>(6 + 16 * entries.size());
    for (const Entry& e : entries) {
        out.insert(out.end(), {e.width, e.height, e.colourCount, 0});
        put16(out, 1);
        put16(out, e.bitCount);
        put32(out, e.bytes.value_or(dataBytes));
        put32(out, e.offset.value_or(dataAt));
    }
    for (std::uint32_t i = 0; i < dataBytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(i));
    }
    // A copy holds exactly size() bytes, so the sanitizer sees any read past the end.
    return Bytes(out);
}

TEST(ParseIco, ReadsTheDirectoryEntries) {
    Entry second = placed(40, 3);
    second.width = 48;
    second.height = 24;
    const Bytes file = icoFile({image(0, 0, 16, 4), second}, 8);
    const auto images = parseIco(file);
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].width, 256);
    EXPECT_EQ(images[0].height, 256);
    EXPECT_EQ(images[0].colourCount, 16);
    EXPECT_EQ(images[0].bitCount, 4);
    EXPECT_EQ(images[0].data.data(), file.data() + 38);
    EXPECT_EQ(images[0].data.size(), 8u);
    EXPECT_EQ(images[1].width, 48);
    EXPECT_EQ(images[1].height, 24);
    EXPECT_EQ(images[1].data.data(), file.data() + 40);
    EXPECT_EQ(images[1].data.size(), 3u);
}

TEST(ParseIco, AcceptsCursorsAndDataEndingAtTheLastByte) {
    EXPECT_EQ(parseIco(icoFile({{}}, 8, 2)).size(), 1u);
    EXPECT_EQ(parseIco(icoFile({placed(28, 2)}, 8)).size(), 1u); // 28 + 2 == 30 bytes
    EXPECT_EQ(parseIco(icoFile({placed(30, 0)}, 8)).size(), 1u);
}

struct GarbageCase {
    const char* what;
    Bytes file;
};

void PrintTo(const GarbageCase& c, std::ostream* os) { *os << c.what; }

class ParseIcoGarbage : public ::testing::TestWithParam<GarbageCase> {};

TEST_P(ParseIcoGarbage, GivesNoImages) { EXPECT_TRUE(parseIco(GetParam().file).empty()); }

Bytes cutShort(Bytes file, std::size_t length) {
    file.resize(length);
    return Bytes(file);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ParseIcoGarbage,
    ::testing::Values(
        GarbageCase{"empty", {}},
        GarbageCase{"header cut short", Bytes{0, 0, 1, 0, 1}},
        GarbageCase{"directory cut short", cutShort(icoFile({{}, {}}, 0), 6 + 16 + 15)},
        GarbageCase{"no images", icoFile({}, 8)},
        GarbageCase{"type 0", icoFile({{}}, 8, 0)},
        GarbageCase{"type 3", icoFile({{}}, 8, 3)},
        GarbageCase{"reserved not 0", icoFile({{}}, 8, 1, 1)},
        GarbageCase{"offset past the end", icoFile({placed(31, 0)}, 8)},
        GarbageCase{"data past the end", icoFile({sized(9)}, 8)},
        GarbageCase{"second entry past the end", icoFile({{}, placed(46, 1)}, 8)},
        GarbageCase{"offset near 4 GiB", icoFile({placed(0xFFFFFFF0, 0x20)}, 8)},
        GarbageCase{"size near 4 GiB", icoFile({sized(0xFFFFFFF0)}, 8)},
        GarbageCase{"offset and size wrapping to 0", icoFile({placed(0xFFFFFFF0, 0x10)}, 8)}),
    [](const ::testing::TestParamInfo<GarbageCase>& info) {
        std::string name;
        for (const char* c = info.param.what; *c != '\0'; ++c) {
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        }
        return name;
    });

// --- Choosing an image -------------------------------------------------------

struct ChoiceCase {
    const char* what;
    std::vector<std::array<int, 3>> images; // width, colour count, bit count
    int wanted;
    int expected; // index into images; -1 for none
};

std::vector<IcoImage> imagesOf(const std::vector<std::array<int, 3>>& table) {
    std::vector<IcoImage> images;
    for (const auto& [width, colours, bits] : table) {
        images.push_back({width, width, colours, bits, {}});
    }
    return images;
}

int indexOf(const std::vector<IcoImage>& images, const IcoImage* chosen) {
    return chosen == nullptr ? -1 : static_cast<int>(chosen - images.data());
}

// The program icon's directory: 128, 64, 48, 32 and 16, all 32-bit, colour count 0.
const std::vector<std::array<int, 3>> kProgramDirectory{
    {128, 0, 32}, {64, 0, 32}, {48, 0, 32}, {32, 0, 32}, {16, 0, 32}};

TEST(ChooseTrayImage, FirstMatchWithSixteenOrMoreColoursElseTheLast) {
    const std::vector<ChoiceCase> cases{
        {"program icon, wanting 16", kProgramDirectory, 16, 4},
        {"program icon, wanting 32", kProgramDirectory, 32, 4},
        {"16-colour 32-wide image", {{48, 16, 4}, {32, 16, 4}, {16, 0, 32}}, 32, 1},
        {"the first of two matches", {{32, 0, 32}, {32, 16, 4}, {32, 255, 8}}, 32, 1},
        {"fewer than 16 colours never match", {{32, 2, 1}, {16, 0, 32}}, 32, 1},
        {"no match: the last", {{16, 16, 4}, {48, 16, 4}}, 32, 1},
        {"empty", {}, 16, -1},
    };
    for (const auto& c : cases) {
        const auto images = imagesOf(c.images);
        EXPECT_EQ(indexOf(images, chooseTrayImage(images, c.wanted)), c.expected) << c.what;
    }
}

TEST(ChooseWindowImage, ExactWidthElseSmallestWiderElseWidest) {
    const std::vector<ChoiceCase> cases{
        {"program icon, big", kProgramDirectory, 32, 3},
        {"program icon, small", kProgramDirectory, 16, 4},
        {"program icon, 20: smallest wider", kProgramDirectory, 20, 3},
        {"program icon, 40: smallest wider", kProgramDirectory, 40, 2},
        {"program icon, 256: the widest", kProgramDirectory, 256, 0},
        {"exact, deepest colours", {{32, 16, 4}, {32, 0, 32}, {32, 0, 8}, {16, 0, 32}}, 32, 1},
        {"wider, deepest colours", {{64, 0, 8}, {48, 16, 4}, {48, 0, 32}}, 40, 2},
        {"narrower only, widest", {{16, 0, 32}, {24, 0, 8}, {24, 0, 32}}, 32, 2},
        {"empty", {}, 32, -1},
    };
    for (const auto& c : cases) {
        const auto images = imagesOf(c.images);
        EXPECT_EQ(indexOf(images, chooseWindowImage(images, c.wanted)), c.expected) << c.what;
    }
}

// --- The image's own header --------------------------------------------------

Bytes infoHeader(std::uint32_t size, std::int32_t width, std::int32_t height, std::uint16_t bits) {
    Bytes out;
    put32(out, size);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1);
    put16(out, bits);
    out.resize(40, 0);
    return Bytes(out);
}

TEST(DibSize, ReadsWidthHalfHeightAndBitCount) {
    EXPECT_EQ(dibSize(infoHeader(40, 24, 48, 8)), (DibSize{24, 24, 8}));
    EXPECT_EQ(dibSize(infoHeader(124, 256, 512, 32)), (DibSize{256, 256, 32})); // a V5 header
    EXPECT_EQ(dibSize(infoHeader(40, 16, 33, 4)), (DibSize{16, 16, 4}));
}

TEST(DibSize, NoneForShortDataPngOrAnotherHeader) {
    EXPECT_EQ(dibSize({}), std::nullopt);
    EXPECT_EQ(dibSize(cutShort(infoHeader(40, 32, 64, 32), 39)), std::nullopt);
    EXPECT_EQ(dibSize(infoHeader(12, 32, 64, 32)), std::nullopt);
    Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    png.resize(64, 0);
    EXPECT_EQ(dibSize(png), std::nullopt);
}

} // namespace
} // namespace tavmoor
