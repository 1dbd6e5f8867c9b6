#include "platform/window.h"

#include <SDL.h>

#include <algorithm>
#include <climits>

#include "platform/clock.h"

void SdlWindowDeleter::operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
void SdlCursorDeleter::operator()(SDL_Cursor* cursor) const { SDL_FreeCursor(cursor); }

ScreenSize CentredFramePosition(ScreenSize screen, ScreenSize frame)
{
    return {(screen.width - std::min(screen.width, frame.width)) / 2,
            (screen.height - std::min(screen.height, frame.height)) / 2};
}

namespace {
constexpr int kVideoAttempts = 3;
constexpr Uint32 kVideoRetryMs = 150;
}  // namespace

bool StartVideo(Window& window, const std::string& drivers)
{
    if (window.videoStarted) return true;
    // Override, so that an SDL_VIDEODRIVER in the environment cannot make the game run invisibly.
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, drivers.c_str(), SDL_HINT_OVERRIDE);
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    // A display server that is busy can turn a connection away for a moment (its queue of new
    // clients full): try again briefly before calling the display unavailable.
    for (int attempt = 0; attempt < kVideoAttempts && !window.videoStarted; ++attempt) {
        if (attempt > 0) SDL_Delay(kVideoRetryMs);
        window.videoStarted = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    }
    // Where the driver has a window surface of its own (X11), present through it: the GL probe
    // SDL would otherwise make costs start-up time for nothing, since all drawing is done in
    // software. Wayland has none, so SDL must keep its texture-backed surface there.
    if (window.videoStarted && SDL_strcmp(SDL_GetCurrentVideoDriver(), "wayland") != 0) {
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    }
    return window.videoStarted;
}

int32_t DisplayCount() { return std::max(0, SDL_GetNumVideoDisplays()); }

ScreenSize PrimaryDisplaySize()
{
    SDL_Rect bounds{};
    if (SDL_GetDisplayBounds(0, &bounds) != 0) return {};
    return {bounds.w, bounds.h};
}

void CentreWindow(Window& window)
{
    if (!window.handle) return;
    SDL_Rect bounds{};
    if (SDL_GetDisplayBounds(0, &bounds) != 0) return;
    int top = 0, left = 0, bottom = 0, right = 0;
    if (SDL_GetWindowBordersSize(window.handle.get(), &top, &left, &bottom, &right) != 0) top = left = bottom = right = 0;
    const ScreenSize frame{window.innerWidth + left + right, window.innerHeight + top + bottom};
    const ScreenSize position = CentredFramePosition({bounds.w, bounds.h}, frame);
    SDL_SetWindowPosition(window.handle.get(), bounds.x + position.width + left, bounds.y + position.height + top);
}

bool OpenWindow(Window& window, const std::string& title, int32_t innerWidth, int32_t innerHeight)
{
    if (!window.videoStarted) return false;
    window.handle.reset(SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, innerWidth,
                                         innerHeight, SDL_WINDOW_HIDDEN));
    if (!window.handle) return false;
    window.sdlId = SDL_GetWindowID(window.handle.get());
    window.innerWidth = innerWidth;
    window.innerHeight = innerHeight;
    CentreWindow(window);
    window.arrowCursor.reset(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW));
    window.handCursor.reset(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND));
    SetPointer(window, Pointer::Arrow);
    SDL_StartTextInput();
    return true;
}

void ShowWindow(Window& window)
{
    if (!window.handle) return;
    SDL_ShowWindow(window.handle.get());
    SDL_RaiseWindow(window.handle.get());
}

void SetWindowIcon(Window& window, const RgbaPicture& icon)
{
    if (!window.handle || icon.pixels.empty()) return;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t*>(icon.pixels.data()), icon.width,
                                                              icon.height, 32, icon.width * 4, SDL_PIXELFORMAT_RGBA32);
    if (!surface) return;
    SDL_SetWindowIcon(window.handle.get(), surface);
    SDL_FreeSurface(surface);
}

void ResizeWindow(Window& window, int32_t innerWidth, int32_t innerHeight, bool centre)
{
    if (!window.handle) return;
    window.innerWidth = innerWidth;
    window.innerHeight = innerHeight;
    SDL_SetWindowSize(window.handle.get(), innerWidth, innerHeight);
    if (centre) CentreWindow(window);
}

void PresentCanvas(Window& window, const Image& canvas, const Rect& area)
{
    if (!window.handle) return;
    SDL_Surface* surface = SDL_GetWindowSurface(window.handle.get());
    if (!surface) return;
    const Rect clipped = IntersectRect(IntersectRect(area, canvas.Bounds()), {0, 0, surface->w, surface->h});
    if (clipped.IsEmpty()) return;
    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return;
    auto* target = static_cast<uint8_t*>(surface->pixels) + static_cast<size_t>(clipped.y) * surface->pitch +
                   static_cast<size_t>(clipped.x) * surface->format->BytesPerPixel;
    SDL_ConvertPixels(clipped.width, clipped.height, SDL_PIXELFORMAT_RGB24,
                      canvas.Row(clipped.y) + static_cast<size_t>(clipped.x) * 3, canvas.width * 3,
                      surface->format->format, target, surface->pitch);
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    const SDL_Rect rect{clipped.x, clipped.y, clipped.width, clipped.height};
    SDL_UpdateWindowSurfaceRects(window.handle.get(), &rect, 1);
}

void SetPointer(Window& window, Pointer pointer)
{
    window.pointer = pointer;
    SDL_Cursor* cursor = pointer == Pointer::Hand ? window.handCursor.get() : window.arrowCursor.get();
    if (cursor) SDL_SetCursor(cursor);
}

void CloseWindow(Window& window)
{
    window.handCursor.reset();
    window.arrowCursor.reset();
    window.handle.reset();
    if (window.videoStarted) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        window.videoStarted = false;
    }
}

void ShowMessageBox(const std::string& title, const std::string& text)
{
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), nullptr);
}

namespace {

// Decodes UTF-8 into code points; malformed bytes are skipped.
std::vector<char32_t> DecodeUtf8(const char* text)
{
    std::vector<char32_t> out;
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p) {
        int extra = 0;
        char32_t code = *p;
        if (code >= 0xF0 && code < 0xF8) extra = 3, code &= 0x07;
        else if (code >= 0xE0) extra = 2, code &= 0x0F;
        else if (code >= 0xC0) extra = 1, code &= 0x1F;
        else if (code >= 0x80) { ++p; continue; }
        ++p;
        bool valid = true;
        for (int i = 0; i < extra; ++i, ++p) {
            if ((*p & 0xC0) != 0x80) { valid = false; break; }
            code = (code << 6) | (*p & 0x3F);
        }
        if (valid && code <= 0x10FFFF) out.push_back(code);
    }
    return out;
}

bool InsideCanvas(const Window& window, int32_t x, int32_t y)
{
    return x >= 0 && y >= 0 && x < window.innerWidth && y < window.innerHeight;
}

std::vector<Event> TranslateButton(Window& window, const SDL_MouseButtonEvent& button, bool down)
{
    bool* pressed = button.button == SDL_BUTTON_LEFT    ? &window.leftPressed
                    : button.button == SDL_BUTTON_RIGHT ? &window.rightPressed
                                                        : nullptr;
    if (!pressed) return {};
    const bool inside = InsideCanvas(window, button.x, button.y);
    if (down) {
        *pressed = inside;
        return {};
    }
    const bool click = *pressed && inside;
    *pressed = false;
    if (!click) return {};
    return {CanvasEvent(button.button == SDL_BUTTON_LEFT ? CanvasEventType::LeftClick : CanvasEventType::RightClick,
                        button.x, button.y)};
}

std::vector<Event> TranslateWindowEvent(Window& window, const SDL_WindowEvent& event)
{
    switch (event.event) {
    case SDL_WINDOWEVENT_MINIMIZED:
        if (window.minimised) return {};
        window.minimised = true;
        return {Event{EventKind::Minimised}};
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_SHOWN:
        if (!window.minimised) return {};
        window.minimised = false;
        return {Event{EventKind::Restored}};
    case SDL_WINDOWEVENT_CLOSE:
        return {CloseEvent()};
    case SDL_WINDOWEVENT_EXPOSED:
        // The window surface keeps the last picture; show it again.
        if (window.handle) SDL_UpdateWindowSurface(window.handle.get());
        return {};
    default:
        return {};
    }
}

}  // namespace

std::vector<Event> TranslateEvent(Window& window, const SDL_Event& event)
{
    switch (event.type) {
    case SDL_QUIT:
        return {CloseEvent()};
    case SDL_WINDOWEVENT:
        if (event.window.windowID != window.sdlId) return {};
        return TranslateWindowEvent(window, event.window);
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (event.button.windowID != window.sdlId) return {};
        return TranslateButton(window, event.button, event.type == SDL_MOUSEBUTTONDOWN);
    case SDL_MOUSEMOTION:
        if (event.motion.windowID != window.sdlId) return {};
        return {CanvasEvent(CanvasEventType::MouseMove, event.motion.x, event.motion.y)};
    case SDL_KEYDOWN: {
        if (event.key.windowID != window.sdlId) return {};
        if ((event.key.keysym.mod & KMOD_CTRL) && event.key.keysym.sym == SDLK_s) {
            return event.key.repeat ? std::vector<Event>{} : std::vector<Event>{ShortcutEvent(0)};
        }
        Event key = CanvasEvent(CanvasEventType::KeyDown);
        key.keyCode = event.key.keysym.sym;
        return {key};
    }
    case SDL_TEXTINPUT: {
        if (event.text.windowID != window.sdlId) return {};
        // Ctrl+S is the screenshot, never a typed "s".
        if (SDL_GetModState() & KMOD_CTRL) return {};
        std::vector<Event> typed;
        for (char32_t code : DecodeUtf8(event.text.text)) {
            if (code < 32) continue;
            Event character = CanvasEvent(CanvasEventType::Character);
            character.character = code;
            typed.push_back(character);
        }
        return typed;
    }
    default:
        return {};
    }
}

Event WaitForEvent(Window& window)
{
    for (;;) {
        if (!window.pending.empty()) {
            const Event event = window.pending.front();
            window.pending.pop_front();
            return event;
        }
        const int64_t now = MonotonicMs();
        if (const std::optional<int32_t> timer = TakeDueTimer(window.timers, now)) return TimerEvent(*timer);
        const std::optional<int64_t> wait = TimeUntilNextTimer(window.timers, now);
        SDL_Event event;
        const int got = wait ? SDL_WaitEventTimeout(&event, static_cast<int>(std::clamp<int64_t>(*wait, 1, INT_MAX)))
                             : SDL_WaitEvent(&event);
        if (!got) continue;
        for (const Event& translated : TranslateEvent(window, event)) window.pending.push_back(translated);
    }
}
