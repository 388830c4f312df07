#include "layouts/gbk_texts.h"
#include "layouts/layouts.h"

#include <gtest/gtest.h>

namespace tavmoor {
namespace {

TEST(Layouts, MainWindowSettings) {
    const auto& w = layouts::mainWindow();
    EXPECT_EQ(w.title, "Tavmoor");
    EXPECT_EQ(w.width, 197);
    EXPECT_EQ(w.height, 181);
    EXPECT_FALSE(w.visible);
    EXPECT_TRUE(w.escCloses);
    EXPECT_FALSE(w.enterMovesFocus);
    EXPECT_EQ(w.icon.size(), 99678u);
}

} // namespace
} // namespace tavmoor
