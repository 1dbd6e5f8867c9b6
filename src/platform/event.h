// The program's own window events: what the window layer makes of SDL's events, and what
// Dispatch reads. No SDL type appears here, so tests can build events by hand.
#pragma once

#include <cstdint>

enum class EventKind { None, Timer, Minimised, Restored, Shortcut, Canvas, Close };

enum class CanvasEventType { None, LeftClick, RightClick, MouseMove, KeyDown, Character };

constexpr int32_t kKeyBackspace = 8;

struct Event {
    EventKind kind = EventKind::None;
    int32_t window = 0;  // the program's window is 0
    int32_t object = 0;  // timer number, menu item or canvas number
    CanvasEventType canvasType = CanvasEventType::None;
    int32_t x = 0;  // mouse position in canvas pixels
    int32_t y = 0;
    int32_t keyCode = 0;
    char32_t character = 0;
};

inline Event TimerEvent(int32_t timer) { return {EventKind::Timer, 0, timer}; }
inline Event CloseEvent() { return {EventKind::Close}; }
inline Event ShortcutEvent(int32_t item) { return {EventKind::Shortcut, 0, item}; }
inline Event CanvasEvent(CanvasEventType type, int32_t x = 0, int32_t y = 0)
{
    Event event{EventKind::Canvas};
    event.canvasType = type;
    event.x = x;
    event.y = y;
    return event;
}
