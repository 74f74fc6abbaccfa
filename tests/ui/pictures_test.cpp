// The pictures shipped beside the program, read from the program folder as the program reads
// them: Jupiter's rotation set, the cloudy skies, the title pictures, the cursor and the arrow.
#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QtTest>
#include <optional>

#include "platform/program_dir.h"
#include "session/ui/cursor_file.h"
#include "session/ui/icon_file.h"
#include "support/temp_dir.h"

namespace {

QString Shipped(const QString& name) { return QString::fromStdString(jovi::ProgramDir()) + name; }

QString RotationPicture(int k) {
  return Shipped(QStringLiteral("Rotation BMPs/Jup%1.BMP").arg(k, 3, 10, QLatin1Char('0')));
}

bool IsBlack(QRgb c) { return (c & 0xFFFFFF) == 0; }

// The Red Spot's salmon red, well apart from the browns of the belts in hue: red stands
// far above green, and green little above blue. (Limb darkening and its greying keep hue;
// only the dark pixels near the limb are too dark to tell.)
bool IsRedSpot(QRgb c) {
  const int red_green = qRed(c) - qGreen(c), green_blue = qGreen(c) - qBlue(c);
  return qRed(c) > 80 && red_green > 0.2 * qRed(c) && red_green > 2.6 * green_blue;
}

// The mean position of the Red Spot's pixels, or nullopt when none shows.
std::optional<QPointF> RedSpotCentroid(const QImage& picture) {
  double sx = 0, sy = 0;
  int n = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (IsRedSpot(picture.pixel(x, y))) {
        sx += x;
        sy += y;
        ++n;
      }
    }
  }
  if (n < 4) return std::nullopt;
  return QPointF(sx / n, sy / n);
}

// Night sky seen through a gap in the cloud: darker than any cloud.
bool IsClearSky(QRgb c) { return qGray(c) < 24; }

}  // namespace

class PicturesTest : public QObject {
  Q_OBJECT

 private slots:
  // Every picture of the rotation is there and has the disc's shape: 248 wide, the height
  // flattened by Jupiter's oblateness, the disc touching both side edges on the equator and
  // black in the corners; neighbouring pictures differ (the planet turns).
  void rotationSetIsCompleteAndShaped() {
    QImage previous;
    for (int k = 1; k <= 573; ++k) {
      const QImage picture(RotationPicture(k));
      QVERIFY2(!picture.isNull(), qPrintable(RotationPicture(k)));
      QCOMPARE(picture.size(), QSize(248, 231));  // 248 / 1.071374, rounded
      const int equator = picture.height() / 2;
      QVERIFY(!IsBlack(picture.pixel(0, equator)));
      QVERIFY(!IsBlack(picture.pixel(247, equator)));
      for (QPoint corner : {QPoint(0, 0), QPoint(247, 0), QPoint(0, 230), QPoint(247, 230)}) {
        QVERIFY(IsBlack(picture.pixel(corner)));
      }
      QVERIFY(picture != previous);
      previous = picture;
    }
  }

  // Picture k shows the Red Spot (k - 62) × 2π/573 west of the central meridian, so it
  // crosses the disc from left (east) to right (west) as k grows; south is up.
  void redSpotPlacement_data() {
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("side");  // -1 left of centre, 0 on the central column, 1 right; 2 hidden
    QTest::newRow("Jup062: on the central meridian") << 62 << 0;
    QTest::newRow("Jup100: 24 degrees west") << 100 << 1;
    QTest::newRow("Jup024: 24 degrees east") << 24 << -1;
    QTest::newRow("Jup140: 49 degrees west") << 140 << 1;
    QTest::newRow("Jup540: 60 degrees east") << 540 << -1;
    QTest::newRow("Jup349: on the far side") << 349 << 2;
  }
  void redSpotPlacement() {
    QFETCH(int, k);
    QFETCH(int, side);
    const QImage picture(RotationPicture(k));
    QVERIFY(!picture.isNull());
    const auto spot = RedSpotCentroid(picture);
    if (side == 2) {
      QVERIFY(!spot);
      return;
    }
    QVERIFY(spot);
    const double centre = picture.width() / 2.0 - 0.5;  // pixel 123.5 lies on the meridian
    QVERIFY2(spot->y() < picture.height() / 2.0, "the Red Spot lies south of the equator");
    if (side == 0) {
      QVERIFY2(std::abs(spot->x() - centre) <= 2.0, qPrintable(QString::number(spot->x())));
    } else {
      QVERIFY2((spot->x() - centre) * side > 10.0, qPrintable(QString::number(spot->x())));
    }
  }

  // The seven skies, from broken cloud to overcast, each different and each thick over the
  // middle of the field, where Jupiter is drawn (at 400X: 80 × 74 pixels round 315, 163).
  void cloudsHideThePlanet() {
    double last_clear = 1.0;
    QList<QImage> skies;
    for (int n = 1; n <= 7; ++n) {
      const QString path = Shipped(QStringLiteral("Cloud BMPs/Clouds %1.bmp").arg(n));
      const QImage sky =
          QImage(path).scaled(630, 326, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      QVERIFY2(!sky.isNull(), qPrintable(path));
      for (int y = 163 - 40; y <= 163 + 40; ++y) {
        for (int x = 315 - 44; x <= 315 + 44; ++x) {
          QVERIFY2(!IsClearSky(sky.pixel(x, y)),
                   qPrintable(QStringLiteral("%1 at %2, %3").arg(path).arg(x).arg(y)));
        }
      }
      int clear = 0;
      for (int y = 0; y < sky.height(); ++y) {
        for (int x = 0; x < sky.width(); ++x) clear += IsClearSky(sky.pixel(x, y));
      }
      const double share = static_cast<double>(clear) / (sky.width() * sky.height());
      QVERIFY2(share <= last_clear, qPrintable(path));
      last_clear = share;
      if (n == 1) QVERIFY2(share > 0.1, "the first sky has gaps");
      for (const QImage& other : skies) QVERIFY(other != sky);
      skies.push_back(sky);
    }
    QCOMPARE(last_clear, 0.0);  // the last is overcast
  }

  // The logo is drawn at (0, 0) of the 632 × 434 client area and the orbits title in its own
  // size there too, so both fill it; the light-time title is stretched over it anyway.
  void titlePicturesFillTheWindow() {
    for (const char* name : {"ZEVALOGO.bmp", "SatLabx.bmp", "RoemerSplash.bmp"}) {
      const QImage picture(Shipped(QString::fromLatin1(name)));
      QVERIFY2(!picture.isNull(), name);
      QCOMPARE(picture.size(), QSize(632, 434));
    }
  }

  // The cross-hair's hot spot is its centre pixel, left open so that the moon under it shows.
  void crossHairCursorHasItsHotSpotAtItsCentre() {
    const auto cursor = jovi::LoadCursorFile(Shipped("XPXHAIR.CUR"));
    QVERIFY(cursor);
    const QImage image = cursor->pixmap().toImage();
    QCOMPARE(image.size(), QSize(32, 32));
    QCOMPARE(cursor->hotSpot(), QPoint(16, 16));
    QCOMPARE(qAlpha(image.pixel(16, 16)), 0);
    for (QPoint arm : {QPoint(16, 15), QPoint(16, 17), QPoint(15, 16), QPoint(17, 16),
                       QPoint(16, 2), QPoint(30, 16)}) {
      QCOMPARE(qAlpha(image.pixel(arm)), 255);
    }
    QCOMPARE(qAlpha(image.pixel(4, 4)), 0);
  }

  // The top view's arrow points down, toward the Earth, and is centred on column 15, where
  // the top view puts Jupiter's centre.
  void arrowIconPointsDown() {
    const auto arrow = jovi::ReadIconFile(Shipped("REDARROW.ICO"));
    QVERIFY(arrow);
    QCOMPARE(arrow->kind, jovi::IconFileKind::Icon);
    const QImage& image = arrow->image;
    QCOMPARE(image.size(), QSize(32, 32));
    int widest_row = -1, widest = 0, lowest_row = -1;
    double sum_x = 0;
    int red = 0;
    for (int y = 0; y < 32; ++y) {
      int width = 0;
      for (int x = 0; x < 32; ++x) {
        const QRgb c = image.pixel(x, y);
        if (qAlpha(c) == 255 && qRed(c) > 150 && qGreen(c) < 90) {
          ++width;
          sum_x += x;
          ++red;
          lowest_row = y;
        }
      }
      if (width > widest) {
        widest = width;
        widest_row = y;
      }
    }
    QVERIFY(red > 100);
    QVERIFY2(widest_row > 16, "the head is at the bottom");
    QVERIFY2(lowest_row >= 26, "the point reaches down");
    QVERIFY(std::abs(sum_x / red - 15.5) < 0.75);
  }

  // A missing file, an icon where a cursor is wanted, and a file that is not an icon give
  // no cursor, so the caller can keep the standard one.
  void unreadableFilesGiveNoCursor() {
    const jovi::test::TempDir dir;
    const std::string not_icon = dir.Write("XPXHAIR.CUR", std::string(766, 'x'));
    QVERIFY(!jovi::LoadCursorFile(Shipped("NoSuchCursor.CUR")));
    QVERIFY(!jovi::LoadCursorFile(Shipped("REDARROW.ICO")));
    QVERIFY(!jovi::LoadCursorFile(QString::fromStdString(not_icon)));
    QVERIFY(!jovi::ReadIconFile(QString::fromStdString(not_icon)));
  }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
