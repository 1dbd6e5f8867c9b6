"""The real game in a private X server: the window, a Ctrl+S screenshot, and SIGTERM."""
import glob
import os
import sys

from xsession import XSession, TITLE, read_png, wait_for


def main(binary):
    session = XSession()
    try:
        window = session.start(binary)
        assert session.xdotool("getwindowname", window).strip() == TITLE
        # Centred on the 1920 x 1080 screen (no window manager, so no frame).
        assert session.geometry(window) == (480, 270, 960, 540), session.geometry(window)

        session.xdotool("windowfocus", "--sync", window)
        session.xdotool("key", "--clearmodifiers", "ctrl+s")
        pattern = os.path.join(session.user_folder(), "Dravelock *.png")
        shot = wait_for("the screenshot", lambda: glob.glob(pattern))[0]
        # The file is renamed into place whole, so once it is there it is complete.
        width, height, colour, interlace, rows = read_png(shot)
        assert (width, height, colour, interlace) == (960, 540, 2, 0)
        # The corner of a splash picture: the logo's blue field, or the title's backdrop.
        assert rows[2][6:9] in (bytes([23, 120, 181]), bytes([119, 116, 95])), rows[2][6:9]

        code = session.terminate()
        assert code == 0, f"exit code {code}"
    finally:
        session.close()
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
