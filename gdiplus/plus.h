// The whole GDI+ object layer.
#pragma once

#include "gdiplus/bitmap.h"
#include "gdiplus/brush.h"
#include "gdiplus/codec.h"
#include "gdiplus/font.h"
#include "gdiplus/graphics.h"
#include "gdiplus/image.h"
#include "gdiplus/path.h"
#include "gdiplus/pen.h"
#include "gdiplus/region.h"
#include "gdiplus/stream.h"
#include "gdiplus/string_format.h"
#include "gdiplus/text.h"
