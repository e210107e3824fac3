// The desktop paints the cloth's lines in the core's shade darker, which must
// be the toolkit's own darker(135) for the desktop's pictures to stay as
// they were.

#include <gtest/gtest.h>

#include <QColor>

#include "app/shape_drawing.h"

namespace {

TEST(Painting, AShadeDarkerIsTheToolkitsDarker135) {
  // Every channel value on a grid of steps of 5, 0 and 255 included.
  for (int r = 0; r < 256; r += 5)
    for (int g = 0; g < 256; g += 5)
      for (int b = 0; b < 256; b += 5) {
        const QColor want = QColor(r, g, b).darker(135);
        const Color got = shadeDarker(rgb(static_cast<std::uint32_t>(r << 16 | g << 8 | b)));
        ASSERT_EQ(got.rgb, want.rgb() & 0xffffffu) << r << " " << g << " " << b;
      }
}

}  // namespace
