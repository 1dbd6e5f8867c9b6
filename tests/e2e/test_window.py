"""The real game in a private X server: the window, a Ctrl+S screenshot, and SIGTERM."""
import sys

from xsession import play, TITLE


def scenario(session, window):
    assert session.xdotool("getwindowname", window).strip() == TITLE
    # Centred on the 1920 x 1080 screen (no window manager, so no frame).
    assert session.geometry(window) == (480, 270, 960, 540), session.geometry(window)

    session.xdotool("windowfocus", "--sync", window)
    width, height, colour, interlace, rows = session.screenshot()
    assert (width, height, colour, interlace) == (960, 540, 2, 0)
    # The corner of what shows: the logo's blue field, the title's backdrop, or on a slow machine
    # already the status bar.
    assert rows[2][6:9] in (bytes([23, 120, 181]), bytes([119, 116, 95]), bytes([96, 92, 82])), rows[2][6:9]


if __name__ == "__main__":
    play(sys.argv[1], scenario)
