"""The game on a Wayland desktop: a Weston compositor (drawing into a private Xvfb, where its
output can be read back) shows the main screen, and SIGTERM ends the game with exit code 0."""
import os
import shutil
import signal
import subprocess
import sys
import tempfile

from xsession import XSession, count_colour, grab, wait_for

BAR = (96, 92, 82)


def main(binary):
    session = XSession()
    runtime = tempfile.mkdtemp(prefix="dravelock-wayland-")
    os.chmod(runtime, 0o700)
    compositor_env = dict(session.env, XDG_RUNTIME_DIR=runtime)
    weston = subprocess.Popen(["weston", "--backend=x11-backend.so", "--socket=dravelock-test", "--width=1280",
                               "--height=720", "--idle-time=0"], env=compositor_env,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    game = None
    try:
        wait_for("the compositor", lambda: os.path.exists(os.path.join(runtime, "dravelock-test")))
        output = wait_for("the compositor's window", lambda: session.xdotool(
            "search", "--class", "Weston Compositor", check=False).split())[0]
        game_env = {k: v for k, v in compositor_env.items() if k != "DISPLAY"}
        game_env["WAYLAND_DISPLAY"] = "dravelock-test"
        game = subprocess.Popen([binary], env=game_env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

        # The status bar and the faces of the covered tiles show the bar colour on most of the
        # canvas: a window that presents nothing could not.
        wait_for("the main screen", lambda: count_colour(grab(session.env, output)[2], BAR) >= 150_000,
                 timeout=30, step=0.1)

        game.send_signal(signal.SIGTERM)
        code = game.wait(timeout=10)
        assert code == 0, f"exit code {code}"
    finally:
        if game and game.poll() is None:
            game.kill()
            game.wait()
        weston.terminate()
        weston.wait()
        session.close()
        shutil.rmtree(runtime, ignore_errors=True)
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
