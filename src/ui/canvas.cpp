#include "ui/canvas.h"

void PresentPass(Window& window, Image& canvas) { PresentCanvas(window, canvas, TakeDirty(canvas)); }

void ShowPicture(Window& window, Image& canvas, const Image& picture)
{
    CopyImage(canvas, picture, 0, 0);
    PresentPass(window, canvas);
}
