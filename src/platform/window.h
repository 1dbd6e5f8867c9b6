// The single game window through SDL2: created hidden and centred, shown later, presenting the
// canvas image through the window surface (no OpenGL). It also owns the two window timers and
// turns SDL events into the program's own Events.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/event.h"
#include "platform/image.h"
#include "platform/png.h"
#include "platform/timers.h"

union SDL_Event;
struct SDL_Window;
struct SDL_Cursor;

enum class Pointer { Arrow, Hand };

struct SdlWindowDeleter {
    void operator()(SDL_Window* window) const;
};
struct SdlCursorDeleter {
    void operator()(SDL_Cursor* cursor) const;
};

struct Window {
    std::unique_ptr<SDL_Window, SdlWindowDeleter> handle;
    std::unique_ptr<SDL_Cursor, SdlCursorDeleter> arrowCursor;
    std::unique_ptr<SDL_Cursor, SdlCursorDeleter> handCursor;
    uint32_t sdlId = 0;
    int32_t innerWidth = 0;
    int32_t innerHeight = 0;
    Pointer pointer = Pointer::Arrow;
    bool minimised = false;
    bool leftPressed = false;   // pressed on the canvas, waiting for its release
    bool rightPressed = false;
    TimerSet timers;
    std::deque<Event> pending;  // one SDL event can give several (a typed text)
    bool videoStarted = false;
};

struct ScreenSize {
    int32_t width = 0;
    int32_t height = 0;
};

// Where the outer frame goes so that it is centred: (screen - min(screen, frame)) / 2 on each axis.
ScreenSize CentredFramePosition(ScreenSize screen, ScreenSize frame);

// Starts SDL's video with only the named drivers ("x11,wayland" for the game; tests name
// "offscreen"). False when none of them can run.
bool StartVideo(Window& window, const std::string& drivers);
// The window, hidden, fixed size, centred on the primary display. False if it cannot be made.
bool OpenWindow(Window& window, const std::string& title, int32_t innerWidth, int32_t innerHeight);
void ShowWindow(Window& window);
void SetWindowIcon(Window& window, const RgbaPicture& icon);
// A new inner size; centred again when asked.
void ResizeWindow(Window& window, int32_t innerWidth, int32_t innerHeight, bool centre);
void CentreWindow(Window& window);
// Shows the given area of the canvas image in the window at once.
void PresentCanvas(Window& window, const Image& canvas, const Rect& area);
void SetPointer(Window& window, Pointer pointer);
void CloseWindow(Window& window);

int32_t DisplayCount();
ScreenSize PrimaryDisplaySize();

// A modal box with an OK button, standing alone on the desktop; returns when it is closed.
void ShowMessageBox(const std::string& title, const std::string& text);

// The program's events for one SDL event (none for events the program ignores).
std::vector<Event> TranslateEvent(Window& window, const SDL_Event& event);
// Waits, without a time limit unless a timer runs, for the next event of the program.
Event WaitForEvent(Window& window);
