#pragma once

// Qt side of the pictures: each Picture is an SVG compiled into the binary as
// a resource under ":/pictures/", rendered on demand at any size and cached. The
// functions keep their caches unlocked, so call them from the GUI thread only.

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

#include "app/pictures.h"

// Natural size of the picture in logical pixels (96 dpi); empty for None.
QSize pictureSize(Picture p);

// Resource path of the picture's SVG, e.g. ":/pictures/ball.svg"; empty for None.
QString picturePath(Picture p);

// The picture stretched to `logical` pixels, rendered at logical * devicePixelRatio
// device pixels so it stays crisp on high-dpi screens. The returned pixmap carries the
// ratio. Results are cached per (picture, size, ratio), so painting the same picture
// every frame costs a hash lookup. Returns a null pixmap for None or an empty size.
QPixmap renderPicture(Picture p, QSize logical, qreal devicePixelRatio = 1.0);

// The soccer-ball window icon, with pixmaps at 16, 32, 64 and 256 px.
QIcon windowIcon();
