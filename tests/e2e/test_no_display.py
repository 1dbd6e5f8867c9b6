"""Without any display the game must end at once with exit code 0, not hang or run invisibly."""
import os
import subprocess
import sys
import tempfile


def main(binary):
    with tempfile.TemporaryDirectory() as home:
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER")}
        # Even an explicit request for the invisible driver must not be honoured by the game.
        env.update(HOME=home, XDG_DATA_HOME=os.path.join(home, "data"), SDL_VIDEODRIVER="offscreen",
                   SDL_AUDIODRIVER="dummy")
        run = subprocess.run([binary], env=env, capture_output=True, timeout=30)
        assert run.returncode == 0, f"exit code {run.returncode}"
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
