#include "program_icon.h"

#include <QImage>
#include <QPixmap>

// The icon's pixels, rendered at build time from the same design as the desktop icons: compiled in, rather than read
// through an image reader, which would load and ask every image plugin before the window could show.
#include "kalendix_icon_pixels.h"

namespace kalendix {

QIcon programIcon()
{
    const QImage design(reinterpret_cast<const uchar*>(icon_pixels::argb), icon_pixels::size, icon_pixels::size,
                        QImage::Format_ARGB32);
    return QIcon(QPixmap::fromImage(design));
}

} // namespace kalendix
