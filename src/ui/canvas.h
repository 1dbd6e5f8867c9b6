// Drawing passes on the canvas: what a pass drew is presented when the pass closes.
#pragma once

#include "platform/image.h"
#include "platform/window.h"

// Closes a pass on the canvas: presents the rectangle the pass touched.
void PresentPass(Window& window, Image& canvas);
// Makes a picture the canvas's content and shows it.
void ShowPicture(Window& window, Image& canvas, const Image& picture);
