// The system clipboard: pictures go on it as bitmaps.
#pragma once

#include <QSize>

class QImage;

// Replaces the clipboard's content with `picture` scaled to `pixels`: a high-DPI canvas holds more
// device pixels than the bitmap the user expects.
void PutPictureOnClipboard(const QImage& picture, QSize pixels);
