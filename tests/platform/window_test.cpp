#include <gtest/gtest.h>

#include <SDL.h>

#include <cstring>

#include "platform/window.h"

namespace {

constexpr uint32_t kId = 7;

Window CanvasWindow()
{
    Window window;
    window.sdlId = kId;
    window.innerWidth = 960;
    window.innerHeight = 540;
    return window;
}

SDL_Event Button(uint32_t type, uint8_t button, int32_t x, int32_t y, uint32_t windowId = kId)
{
    SDL_Event event{};
    event.type = type;
    event.button.windowID = windowId;
    event.button.button = button;
    event.button.x = x;
    event.button.y = y;
    return event;
}

SDL_Event Key(SDL_Keycode sym, uint16_t mod)
{
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.windowID = kId;
    event.key.keysym.sym = sym;
    event.key.keysym.mod = mod;
    return event;
}

SDL_Event Typed(const char* utf8)
{
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    event.text.windowID = kId;
    std::strncpy(event.text.text, utf8, sizeof event.text.text - 1);
    return event;
}

SDL_Event WindowEvent(uint8_t what)
{
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = kId;
    event.window.event = what;
    return event;
}

TEST(WindowEvents, AClickIsReportedOnceOnReleaseOverTheCanvas)
{
    Window window = CanvasWindow();
    EXPECT_TRUE(TranslateEvent(window, Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 20)).empty());
    const std::vector<Event> click = TranslateEvent(window, Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 11, 21));
    ASSERT_EQ(click.size(), 1u);
    EXPECT_EQ(click[0].kind, EventKind::Canvas);
    EXPECT_EQ(click[0].canvasType, CanvasEventType::LeftClick);
    EXPECT_EQ(click[0].x, 11);
    EXPECT_EQ(click[0].y, 21);
    // A second release without a press is no click.
    EXPECT_TRUE(TranslateEvent(window, Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 11, 21)).empty());

    TranslateEvent(window, Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 5, 5));
    const std::vector<Event> right = TranslateEvent(window, Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 959, 539));
    ASSERT_EQ(right.size(), 1u);
    EXPECT_EQ(right[0].canvasType, CanvasEventType::RightClick);
}

TEST(WindowEvents, ReleasesOutsideTheCanvasAndOtherButtonsAndWindowsAreNoClicks)
{
    Window window = CanvasWindow();
    TranslateEvent(window, Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 10));
    EXPECT_TRUE(TranslateEvent(window, Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 960, 10)).empty());
    TranslateEvent(window, Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 10, 10));
    EXPECT_TRUE(TranslateEvent(window, Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, 10, 10)).empty());
    TranslateEvent(window, Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 10, kId + 1));
    EXPECT_TRUE(TranslateEvent(window, Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 10, 10, kId + 1)).empty());
}

TEST(WindowEvents, CtrlSIsTheShortcutAndOtherKeysKeepTheirCode)
{
    Window window = CanvasWindow();
    const std::vector<Event> shortcut = TranslateEvent(window, Key(SDLK_s, KMOD_LCTRL));
    ASSERT_EQ(shortcut.size(), 1u);
    EXPECT_EQ(shortcut[0].kind, EventKind::Shortcut);
    EXPECT_EQ(shortcut[0].object, 0);

    const std::vector<Event> backspace = TranslateEvent(window, Key(SDLK_BACKSPACE, KMOD_NONE));
    ASSERT_EQ(backspace.size(), 1u);
    EXPECT_EQ(backspace[0].canvasType, CanvasEventType::KeyDown);
    EXPECT_EQ(backspace[0].keyCode, kKeyBackspace);

    const std::vector<Event> plainS = TranslateEvent(window, Key(SDLK_s, KMOD_NONE));
    ASSERT_EQ(plainS.size(), 1u);
    EXPECT_EQ(plainS[0].kind, EventKind::Canvas);
}

TEST(WindowEvents, TypedTextBecomesOneCharacterEventPerCodePoint)
{
    Window window = CanvasWindow();
    const std::vector<Event> typed = TranslateEvent(window, Typed("a\xC3\xA9\xE2\x82\xAC\x01"));  // a, é, €, control
    ASSERT_EQ(typed.size(), 3u);
    EXPECT_EQ(typed[0].character, U'a');
    EXPECT_EQ(typed[1].character, U'\u00E9');
    EXPECT_EQ(typed[2].character, U'\u20AC');
    for (const Event& event : typed) EXPECT_EQ(event.canvasType, CanvasEventType::Character);
    EXPECT_TRUE(TranslateEvent(window, Typed("\xFF\xC3")).empty());  // malformed bytes give nothing
}

TEST(WindowEvents, MinimiseRestoreAndClose)
{
    Window window = CanvasWindow();
    EXPECT_TRUE(TranslateEvent(window, WindowEvent(SDL_WINDOWEVENT_RESTORED)).empty());  // never minimised
    const std::vector<Event> minimised = TranslateEvent(window, WindowEvent(SDL_WINDOWEVENT_MINIMIZED));
    ASSERT_EQ(minimised.size(), 1u);
    EXPECT_EQ(minimised[0].kind, EventKind::Minimised);
    const std::vector<Event> restored = TranslateEvent(window, WindowEvent(SDL_WINDOWEVENT_RESTORED));
    ASSERT_EQ(restored.size(), 1u);
    EXPECT_EQ(restored[0].kind, EventKind::Restored);

    SDL_Event quit{};
    quit.type = SDL_QUIT;
    ASSERT_EQ(TranslateEvent(window, quit).size(), 1u);
    EXPECT_EQ(TranslateEvent(window, quit)[0].kind, EventKind::Close);
    EXPECT_EQ(TranslateEvent(window, WindowEvent(SDL_WINDOWEVENT_CLOSE))[0].kind, EventKind::Close);
}

TEST(WindowPlacement, TheFrameIsCentredAndNeverPushedOffTheTopLeft)
{
    struct Case {
        ScreenSize screen, frame, expected;
    };
    const Case cases[] = {
        {{1920, 1080}, {966, 569}, {477, 255}},
        {{1920, 1080}, {961, 541}, {479, 269}},  // odd remainders drop
        {{1920, 1080}, {4237, 2285}, {0, 0}},    // larger than the screen
    };
    for (const Case& c : cases) {
        const ScreenSize position = CentredFramePosition(c.screen, c.frame);
        EXPECT_EQ(position.width, c.expected.width);
        EXPECT_EQ(position.height, c.expected.height);
    }
}

}  // namespace
