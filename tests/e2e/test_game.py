"""A game started with real clicks: a right click marks a cell, and Ctrl+S screenshots show the
mark and the mines counter changing, nothing else on the board."""
import sys

from xsession import play, wait_for

BAR = bytes([96, 92, 82])


def pixel(rows, x, y):
    return rows[y][3 * x:3 * x + 3]


def scenario(session, window):
    session.xdotool("windowfocus", "--sync", window)
    # The main screen follows the two splash pictures: its status bar starts at the top left.
    def idle():
        rows = session.screenshot()[4]
        return pixel(rows, 0, 0) == BAR and pixel(rows, 2, 43) != pixel(rows, 0, 0)
    wait_for("the main screen", idle, timeout=30, step=0.2)

    session.xdotool("mousemove", "--window", window, "25", "20", "click", "1")
    cell_x, cell_y = 2 + 4 * 33, 43 + 4 * 33  # cell (5, 5)
    session.xdotool("mousemove", "--window", window, str(cell_x + 16), str(cell_y + 16))
    before = session.screenshot()[4]
    session.xdotool("click", "3")
    after = session.screenshot()[4]

    assert pixel(before, cell_x + 16, cell_y + 16) == BAR
    centre = pixel(after, cell_x + 16, cell_y + 16)
    assert min(centre) > 200, f"no mine mark in the cell: {tuple(centre)}"
    assert pixel(after, cell_x, cell_y) == pixel(before, cell_x, cell_y), "the tile's rim stays"
    changed = {(x, y) for y in range(540) for x in range(960)
               if pixel(before, x, y) != pixel(after, x, y)}
    in_cell = {(x, y) for (x, y) in changed if cell_x <= x < cell_x + 32 and cell_y <= y < cell_y + 32}
    in_bar = {(x, y) for (x, y) in changed if y < 40}
    assert in_cell and changed == in_cell | in_bar, "only the cell and the bar's fields change"
    assert any(x >= 480 for (x, _) in in_bar), "the mines counter changed"
    assert not any(x < 300 for (x, _) in in_bar), "the buttons did not change"


if __name__ == "__main__":
    play(sys.argv[1], scenario)
