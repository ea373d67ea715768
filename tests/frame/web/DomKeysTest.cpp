#include <gtest/gtest.h>

#include "frame/Input.h"
#include "frame/web/DomKeys.h"

namespace {

TEST(DomKeysTest, KeysMapToTheCodesTheDesktopBuildGivesThem) {
    EXPECT_EQ(virtualKeyOf("a"), 'A');
    EXPECT_EQ(virtualKeyOf("Z"), 'Z');
    EXPECT_EQ(virtualKeyOf("7"), '7');
    EXPECT_EQ(virtualKeyOf("F1"), 112);
    EXPECT_EQ(virtualKeyOf("F11"), 122);
    EXPECT_EQ(virtualKeyOf("F12"), 123);
    EXPECT_EQ(virtualKeyOf("ArrowLeft"), vk::Left);
    EXPECT_EQ(virtualKeyOf("ArrowUp"), vk::Up);
    EXPECT_EQ(virtualKeyOf("ArrowRight"), vk::Right);
    EXPECT_EQ(virtualKeyOf("ArrowDown"), vk::Down);
    EXPECT_EQ(virtualKeyOf("Enter"), vk::Return);
    EXPECT_EQ(virtualKeyOf("Escape"), vk::Escape);
    EXPECT_EQ(virtualKeyOf(" "), vk::Space);
    EXPECT_EQ(virtualKeyOf("Backspace"), vk::Back);
    EXPECT_EQ(virtualKeyOf("PageDown"), vk::Next);
    EXPECT_EQ(virtualKeyOf("AltGraph"), vk::Menu);
    // Keys the frame does not know.
    for (const char* unknown : {"F13", "F0", "Fx", "ä", ",", "Dead", "Unidentified", ""})
        EXPECT_EQ(virtualKeyOf(unknown), 0) << unknown;
}

TEST(DomKeysTest, OneTypedCharacterIsTextUnlessAShortcut) {
    EXPECT_EQ(typedText("a", false, false), "a");
    EXPECT_EQ(typedText("č", false, false), "č");
    EXPECT_EQ(typedText(" ", false, false), " ");
    EXPECT_FALSE(typedText("Enter", false, false));
    EXPECT_FALSE(typedText("čč", false, false));
    EXPECT_FALSE(typedText("a", true, false));
    EXPECT_FALSE(typedText("a", false, true));
    EXPECT_FALSE(typedText("", false, false));
}

TEST(DomKeysTest, F11AndAltEnterSwitchFullscreenAndEscapeOnlyLeavesIt) {
    EXPECT_TRUE(togglesFullscreen(122, false, false));
    EXPECT_TRUE(togglesFullscreen(122, false, true));
    EXPECT_TRUE(togglesFullscreen(vk::Return, true, false));
    EXPECT_FALSE(togglesFullscreen(vk::Return, false, false));
    EXPECT_TRUE(togglesFullscreen(vk::Escape, false, true));
    EXPECT_FALSE(togglesFullscreen(vk::Escape, false, false));
    EXPECT_FALSE(togglesFullscreen(121, false, true));
}

TEST(DomKeysTest, TheBrowserKeepsItsShortcutsAndFunctionKeysButF11) {
    EXPECT_TRUE(keepsFromBrowser(vk::Down, false, false));
    EXPECT_TRUE(keepsFromBrowser(vk::Space, false, false));
    EXPECT_TRUE(keepsFromBrowser(vk::Back, false, false));
    EXPECT_TRUE(keepsFromBrowser(122, false, false));
    EXPECT_FALSE(keepsFromBrowser(116, false, false));  // F5 reloads
    EXPECT_FALSE(keepsFromBrowser(123, false, false));  // F12 opens the tools
    EXPECT_FALSE(keepsFromBrowser('R', true, false));
    EXPECT_FALSE(keepsFromBrowser('R', false, true));
    EXPECT_FALSE(keepsFromBrowser(0, false, false));
}

}  // namespace
