// Paints a decided telescope frame into the field's image.
#pragma once

#include <QImage>
#include <QString>

#include "session/telescope.h"
#include "session/ui/picture_cache.h"

namespace jovi {

// Paints `frame` into `image` (the 630 x 326 field); cloud pictures come from `pictures`. A picture that cannot be loaded ends the
// painting there: the description of the failure is returned (empty on success).
QString PaintTelescopeFrame(QImage& image, const TelescopeFrame& frame, PictureCache& pictures);

}  // namespace jovi
