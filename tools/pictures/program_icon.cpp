#include "program_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <vector>

#include "shipped_file.h"

namespace jovi::pictures {

namespace {

// One drawing step of the icon, in the units of the 64 × 64 canvas.
struct Shape {
  enum Kind { Ellipse, Band, Line } kind;
  double a, b, c, d;  // ellipse: centre x, y, radii x, y; band: top and bottom (clipped
                      // to the planet); line: from x, y to x, y
  QColor fill;        // ellipses and bands
  QColor fill_edge;   // when valid, the ellipse's fill fades radially from `fill` to it
  QColor stroke;      // lines and ellipse outlines; invalid for none
  double stroke_width = 0;
};

// The planet, which clips the bands.
constexpr double kPlanetX = 32, kPlanetY = 32, kPlanetRx = 16.5, kPlanetRy = 15.4;

const std::vector<Shape>& Shapes() {
  static const std::vector<Shape> shapes = [] {
    const QColor none;
    std::vector<Shape> s;
    // The eyepiece's field.
    s.push_back(
        {Shape::Ellipse, 32, 32, 30.5, 30.5, {28, 38, 66}, {6, 9, 20}, {92, 108, 140}, 1.5});
    // Jupiter: cream zones, brown belts, darker poles, the Red Spot; south is up as in the
    // telescope.
    s.push_back(
        {Shape::Ellipse, kPlanetX, kPlanetY, kPlanetRx, kPlanetRy, {232, 218, 190}, none, none});
    s.push_back({Shape::Band, 0, 19.5, 0, 0, {150, 138, 124}, none, none});
    s.push_back({Shape::Band, 21.0, 22.6, 0, 0, {184, 156, 128}, none, none});
    s.push_back({Shape::Band, 25.2, 29.6, 0, 0, {166, 120, 86}, none, none});
    s.push_back({Shape::Band, 34.2, 38.8, 0, 0, {150, 104, 74}, none, none});
    s.push_back({Shape::Band, 41.2, 42.8, 0, 0, {184, 156, 128}, none, none});
    s.push_back({Shape::Band, 44.6, 64, 0, 0, {150, 138, 124}, none, none});
    s.push_back({Shape::Ellipse, 37.5, 23.6, 3.4, 2.0, {200, 104, 72}, none, none});
    // Darkening toward the limb.
    s.push_back({Shape::Ellipse,
                 kPlanetX,
                 kPlanetY,
                 kPlanetRx,
                 kPlanetRy,
                 {0, 0, 0, 0},
                 {20, 10, 0, 150},
                 none});
    // The moons along the equator, and the cross-hair on the outer one to the right.
    for (const auto& [x, r] : {std::pair{7.5, 1.7}, std::pair{11.5, 1.5}, std::pair{53.5, 1.9}}) {
      s.push_back({Shape::Ellipse, x, 32, r, r, {240, 232, 212}, none, none});
    }
    const QColor reticle(120, 220, 255);
    s.push_back({Shape::Line, 53.5, 22.5, 53.5, 28.5, none, none, reticle, 1.3});
    s.push_back({Shape::Line, 53.5, 35.5, 53.5, 41.5, none, none, reticle, 1.3});
    s.push_back({Shape::Line, 44.0, 32, 50.0, 32, none, none, reticle, 1.3});
    s.push_back({Shape::Line, 57.0, 32, 62.0, 32, none, none, reticle, 1.3});
    return s;
  }();
  return shapes;
}

QString SvgColour(QColor c) { return c.name(QColor::HexRgb); }
QString SvgOpacity(QColor c) { return QString::number(c.alphaF(), 'g', 3); }
QString N(double v) { return QString::number(v, 'g', 6); }

}  // namespace

QString ProgramIconSvg() {
  QString defs, body;
  int gradients = 0;
  for (const Shape& s : Shapes()) {
    switch (s.kind) {
      case Shape::Ellipse: {
        QString fill = SvgColour(s.fill);
        QString opacity = QStringLiteral(" fill-opacity=\"%1\"").arg(SvgOpacity(s.fill));
        if (s.fill_edge.isValid()) {
          const QString id = QStringLiteral("g%1").arg(++gradients);
          defs += QStringLiteral(
                      "    <radialGradient id=\"%1\" cx=\"0.5\" cy=\"0.5\" r=\"0.5\">\n"
                      "      <stop offset=\"0\" stop-color=\"%2\" stop-opacity=\"%3\"/>\n"
                      "      <stop offset=\"1\" stop-color=\"%4\" stop-opacity=\"%5\"/>\n"
                      "    </radialGradient>\n")
                      .arg(id, SvgColour(s.fill), SvgOpacity(s.fill), SvgColour(s.fill_edge),
                           SvgOpacity(s.fill_edge));
          fill = QStringLiteral("url(#%1)").arg(id);
          opacity.clear();
        }
        QString stroke;
        if (s.stroke.isValid()) {
          stroke = QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\"")
                       .arg(SvgColour(s.stroke), N(s.stroke_width));
        }
        body +=
            QStringLiteral("  <ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\" fill=\"%5\"%6%7/>\n")
                .arg(N(s.a), N(s.b), N(s.c), N(s.d), fill, opacity, stroke);
        break;
      }
      case Shape::Band:
        body += QStringLiteral(
                    "  <rect x=\"0\" y=\"%1\" width=\"64\" height=\"%2\" fill=\"%3\" "
                    "clip-path=\"url(#planet)\"/>\n")
                    .arg(N(s.a), N(s.b - s.a), SvgColour(s.fill));
        break;
      case Shape::Line:
        body += QStringLiteral(
                    "  <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"%5\" "
                    "stroke-width=\"%6\" stroke-linecap=\"round\"/>\n")
                    .arg(N(s.a), N(s.b), N(s.c), N(s.d), SvgColour(s.stroke), N(s.stroke_width));
        break;
    }
  }
  return QStringLiteral(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" "
             "viewBox=\"0 0 64 64\">\n"
             "  <defs>\n"
             "    <clipPath id=\"planet\"><ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" "
             "ry=\"%4\"/></clipPath>\n"
             "%5  </defs>\n%6</svg>\n")
      .arg(N(kPlanetX), N(kPlanetY), N(kPlanetRx), N(kPlanetRy), defs, body);
}

QImage ProgramIconImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 64.0, size / 64.0);
  QPainterPath planet;
  planet.addEllipse(QPointF(kPlanetX, kPlanetY), kPlanetRx, kPlanetRy);
  for (const Shape& s : Shapes()) {
    switch (s.kind) {
      case Shape::Ellipse: {
        if (s.fill_edge.isValid()) {
          QRadialGradient shade(0.5, 0.5, 0.5);
          shade.setCoordinateMode(QGradient::ObjectBoundingMode);
          shade.setColorAt(0, s.fill);
          shade.setColorAt(1, s.fill_edge);
          p.setBrush(shade);
        } else {
          p.setBrush(s.fill);
        }
        p.setPen(s.stroke.isValid() ? QPen(s.stroke, s.stroke_width) : QPen(Qt::NoPen));
        p.drawEllipse(QPointF(s.a, s.b), s.c, s.d);
        break;
      }
      case Shape::Band:
        p.save();
        p.setClipPath(planet);
        p.fillRect(QRectF(0, s.a, 64, s.b - s.a), s.fill);
        p.restore();
        break;
      case Shape::Line:
        p.setPen(QPen(s.stroke, s.stroke_width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s.a, s.b), QPointF(s.c, s.d));
        break;
    }
  }
  p.end();
  return image;
}

bool WriteProgramIcon(const QString& folder) {
  bool ok = SaveText(ProgramIconSvg(), folder + "/hicolor/scalable/apps/jovitrack.svg");
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    ok = SaveImage(ProgramIconImage(size),
                   folder + QStringLiteral("/hicolor/%1x%1/apps/jovitrack.png").arg(size), "PNG") &&
         ok;
  }
  return ok;
}

}  // namespace jovi::pictures
