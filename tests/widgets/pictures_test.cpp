#include "widgets/pictures.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

namespace {

// Every picture the windows show, with the pixel size they draw it at.
const std::pair<const char*, int> kPictures[] = {
    {"app_icon", 21},
    {"run_now", 21},
    {"task", 21},
    {"autotimer", 21},
    {"ol_shutdown_gui", 21},
    {"ms_shutdown_gui", 21},
    {"ok", 32},
    {"cancel", 32},
    {"action_shutdown", 32},
    {"action_restart", 32},
    {"action_hibernate", 32},
    {"action_logoff", 32},
};

bool hasVisiblePixels(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(image.pixel(x, y)) > 0) return true;
    }
  }
  return false;
}

// At 100 %, 150 % and 200 % each picture comes from a rendition of exactly the size the
// screen needs (a scaled one would be blurred), and it is not blank.
TEST(Pictures, EachIsDrawnAtEveryDisplayScaleFromARenditionOfItsOwnSize) {
  for (const auto& [name, side] : kPictures) {
    const QIcon icon = pictureIcon(QLatin1String(name));
    for (const double scale : {1.0, 1.5, 2.0}) {
      SCOPED_TRACE(testing::Message() << name << " at " << scale * 100 << " %");
      const int pixels = qRound(side * scale);
      EXPECT_TRUE(icon.availableSizes().contains(QSize(pixels, pixels)));
      const QPixmap pixmap = icon.pixmap(QSize(side, side), scale);
      EXPECT_EQ(pixmap.size(), QSize(pixels, pixels));
      EXPECT_TRUE(hasVisiblePixels(pixmap.toImage()));
    }
  }
}

TEST(Pictures, AnUnknownNameGivesAnEmptyIcon) {
  EXPECT_TRUE(pictureIcon(QStringLiteral("no_such_picture")).isNull());
}

}  // namespace
