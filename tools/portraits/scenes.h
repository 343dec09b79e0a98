// The pictures other than portraits: Name Me stage pictures, the main
// window's background and the application icon.
#pragma once

#include <QImage>

namespace media {

// Stage 1 is the finished eagle; each higher stage (up to 6) shows less of it.
QImage paintEagleStage(int stage, int width, int height);
QImage paintBackground(int width, int height);
QImage paintIcon(int size);

}  // namespace media
