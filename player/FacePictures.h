#pragma once

#include <QImage>

// The two small pictures the main window holds itself rather than reading
// from the skin: the volume dot (4 x 4) and the frequency pointer (23 x 13,
// its tip in column 11). Their key-colour pixels are not drawn.
QImage VolumeDotPicture();
QImage PointerPicture();
