#include "title_pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "jupiter_disc.h"
#include "shipped_file.h"
#include "starfield.h"

namespace jovi::pictures {

namespace {

constexpr QColor kGold{226, 204, 150};
constexpr QColor kIvory{246, 240, 226};
constexpr QColor kPaleBlue{168, 188, 222};

const QString kFamilyName = QStringLiteral("Zeva Laboratory Exercises in Astronomy");

QFont Font(const char* family, int pixels, bool bold, bool italic = false, double spacing = 0) {
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(pixels);
  font.setBold(bold);
  font.setItalic(italic);
  font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

// Text in `box` with a soft dark shadow so it stays legible over stars.
void Caption(QPainter& p, const QRectF& box, int flags, const QString& text, const QFont& font,
             QColor colour) {
  p.setFont(font);
  p.setPen(QColor(0, 0, 0, 170));
  p.drawText(box.translated(1.5, 2), flags, text);
  p.setPen(colour);
  p.drawText(box, flags, text);
}

// Jupiter with north up (a view of the sky as the eye sees it), centred on `centre`.
void DrawJupiter(QPainter& p, const JupiterMap& map, QPointF centre, int width, double cm_deg) {
  const QImage disc = JupiterDisc(width).Render(map, cm_deg).mirrored(false, true);
  p.drawImage(QPointF(centre.x() - disc.width() / 2.0, centre.y() - disc.height() / 2.0), disc);
}

void DrawMoon(QPainter& p, QPointF centre, double radius, QColor colour) {
  QRadialGradient shade(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.3);
  shade.setColorAt(0, colour.lighter(115));
  shade.setColorAt(1, colour.darker(170));
  p.setPen(Qt::NoPen);
  p.setBrush(shade);
  p.drawEllipse(centre, radius, radius);
}

// Io, Europa, Ganymede and Callisto in the order given, along a line through `at` points.
void DrawMoons(QPainter& p, const QPointF (&at)[4]) {
  constexpr double kRadius[4] = {3.6, 3.2, 5.0, 4.6};
  const QColor kColour[4] = {{232, 212, 150}, {238, 234, 226}, {206, 196, 180}, {150, 140, 126}};
  for (int i = 0; i < 4; ++i) DrawMoon(p, at[i], kRadius[i], kColour[i]);
}

// A thin rule that fades out at both ends.
void Rule(QPainter& p, double x0, double x1, double y, QColor colour) {
  QLinearGradient fade(x0, y, x1, y);
  QColor clear = colour;
  clear.setAlpha(0);
  fade.setColorAt(0, clear);
  fade.setColorAt(0.15, colour);
  fade.setColorAt(0.85, colour);
  fade.setColorAt(1, clear);
  p.setPen(QPen(QBrush(fade), 1.2));
  p.drawLine(QPointF(x0, y), QPointF(x1, y));
}

QImage Canvas(std::uint32_t seed) { return Starfield(kTitleWidth, kTitleHeight, seed); }

// An exercise's title picture heading, centred from `top` down: the family's name, the
// exercise's name large, what the exercise does, and a rule under them.
void ExerciseHeading(QPainter& p, double top, const QString& title, const QString& purpose) {
  Caption(p, QRectF(0, top, kTitleWidth, 26), Qt::AlignCenter, kFamilyName,
          Font("DejaVu Serif", 15, false, false, 1.5), kGold);
  Caption(p, QRectF(0, top + 34, kTitleWidth, 90), Qt::AlignCenter, title,
          Font("DejaVu Serif", 72, true, false, 1.0), kIvory);
  Caption(p, QRectF(0, top + 122, kTitleWidth, 28), Qt::AlignCenter, purpose,
          Font("DejaVu Serif", 19, false, true), kPaleBlue);
  Rule(p, 156, 476, top + 160, QColor(226, 204, 150, 170));
}

}  // namespace

QImage LogoPicture(const JupiterMap& map) {
  QImage image = Canvas(31);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  DrawJupiter(p, map, {474, 318}, 240, 15.0);
  DrawMoons(p, {{324, 318}, {236, 318}, {604, 318}, {84, 318}});

  Caption(p, QRectF(36, 30, 560, 30), Qt::AlignLeft | Qt::AlignVCenter, kFamilyName,
          Font("DejaVu Serif", 19, false, false, 1.5), kGold);
  Rule(p, 20, 612, 70, QColor(226, 204, 150, 200));
  Caption(p, QRectF(32, 98, 560, 90), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Jovitrack"),
          Font("DejaVu Serif", 74, true, false, 1.0), kIvory);
  Caption(p, QRectF(38, 186, 560, 28), Qt::AlignLeft | Qt::AlignVCenter,
          QStringLiteral("Jupiter and its moons through the telescope"),
          Font("DejaVu Serif", 17, false, true), kPaleBlue);
  return image;
}

QImage OrbitsTitlePicture(const JupiterMap& map) {
  QImage image = Canvas(32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QPointF centre(316, 300);
  constexpr double kOrbit[4] = {82, 124, 178, 262};   // drawn, not to scale
  constexpr double kPhase[4] = {0.4, 2.6, 5.4, 3.7};  // each moon's place on its orbit, radians
  constexpr double kTilt = 0.24;                      // the orbits seen a little from above

  // The far halves of the orbits, the planet, then the near halves in front of it.
  const auto half = [&](bool near) {
    p.setPen(QPen(QColor(140, 160, 200, 150), 1.1));
    p.setBrush(Qt::NoBrush);
    for (double r : kOrbit) {
      const QRectF box(centre.x() - r, centre.y() - r * kTilt, 2 * r, 2 * r * kTilt);
      p.drawArc(box, near ? 180 * 16 : 0, 180 * 16);
    }
  };
  half(false);
  DrawJupiter(p, map, centre, 116, 300.0);
  half(true);
  QPointF moons[4];
  for (int i = 0; i < 4; ++i) {
    moons[i] =
        centre + QPointF(kOrbit[i] * std::cos(kPhase[i]), kOrbit[i] * kTilt * std::sin(kPhase[i]));
  }
  DrawMoons(p, moons);

  ExerciseHeading(p, 16, QStringLiteral("Jovitrack"),
                  QStringLiteral("Weighing Jupiter by the orbits of its moons"));
  return image;
}

QImage LightTimeTitlePicture(const JupiterMap& map) {
  QImage image = Canvas(33);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QPointF sun(78, 300), jupiter(470, 300);
  const double jupiter_width = 80;
  const double orbit_rx = 150, orbit_ry = 64;  // the Earth's orbit, seen obliquely

  // Jupiter's shadow reaching away from the Sun, and Io just entering it.
  const double half_height = jupiter_width / 2 / kJupiterOblateness;
  QLinearGradient shadow(jupiter.x(), 0, kTitleWidth, 0);
  shadow.setColorAt(0, QColor(0, 0, 0, 200));
  shadow.setColorAt(1, QColor(0, 0, 0, 120));
  const QRectF shade_box(jupiter.x(), jupiter.y() - half_height * 0.96, kTitleWidth - jupiter.x(),
                         2 * half_height * 0.96);
  p.setPen(Qt::NoPen);
  p.setBrush(shadow);
  p.drawRect(shade_box);
  p.setPen(QPen(QColor(150, 160, 190, 70), 1.0));
  p.drawLine(shade_box.topLeft(), shade_box.topRight());
  p.drawLine(shade_box.bottomLeft(), shade_box.bottomRight());

  // The Sun's glow and the Earth's orbit round it, with the Earth on the near side.
  QRadialGradient glow(sun, 120);
  glow.setColorAt(0, QColor(255, 250, 230, 255));
  glow.setColorAt(0.12, QColor(255, 226, 150, 230));
  glow.setColorAt(0.4, QColor(255, 170, 60, 60));
  glow.setColorAt(1, QColor(255, 140, 40, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(sun, 120, 120);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(120, 160, 230, 170), 1.1));
  p.drawEllipse(sun, orbit_rx, orbit_ry);
  const QPointF earth = sun + QPointF(orbit_rx * std::cos(1.35), orbit_ry * std::sin(1.35));
  DrawMoon(p, earth, 4.2, QColor(90, 150, 230));

  // The light from the eclipse on its way to the Earth, passing below the planet.
  const QPointF io(590, 334);
  p.setPen(QPen(QColor(255, 236, 190, 110), 1.0, Qt::DashLine));
  p.drawLine(io, earth);
  DrawJupiter(p, map, jupiter, static_cast<int>(jupiter_width), 120.0);
  DrawMoon(p, io, 3.4, QColor(150, 138, 100));  // darkened by the shadow

  ExerciseHeading(p, 22, QStringLiteral("Lumitrack"),
                  QStringLiteral("Timing Io's eclipses to measure the speed of light"));
  return image;
}

bool WriteTitlePictures(const JupiterMap& map, const QString& folder) {
  const auto save = [&](const QImage& picture, const char* name) {
    return SaveImage(picture.convertToFormat(QImage::Format_RGB888), folder + "/" + name, "BMP");
  };
  const bool logo = save(LogoPicture(map), "ZEVALOGO.bmp");
  const bool orbits = save(OrbitsTitlePicture(map), "SatLabx.bmp");
  const bool light = save(LightTimeTitlePicture(map), "RoemerSplash.bmp");
  return logo && orbits && light;
}

}  // namespace jovi::pictures
