#include "session/ui/telescope_panel.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <utility>

#include "util/ui/qt_text.h"

namespace jovi {

namespace {

QFont BoldSans(int points) {
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                    QStringLiteral("Arial")});
  font.setPointSize(points);
  font.setStyleHint(QFont::SansSerif);
  font.setBold(true);
  return font;
}

QLabel* Label(QFrame* panel, const char* name, int x, int y, int width) {
  auto* label = new QLabel(panel);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(BoldSans(10));
  label->setGeometry(x, y, width, 18);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QPushButton* Button(QFrame* panel, const char* name, const char* caption, QRect at) {
  auto* button = new QPushButton(QString::fromLatin1(caption), panel);
  button->setObjectName(QString::fromLatin1(name));
  button->setFont(BoldSans(10));
  button->setGeometry(at);
  button->setFocusPolicy(Qt::TabFocus);
  return button;
}

// The small tick shown on the Record button.
QIcon RecordGlyph() {
  QPixmap glyph(12, 12);
  glyph.fill(Qt::transparent);
  QPainter painter(&glyph);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0, 128, 0), 2));
  painter.drawPolyline(QPolygon({QPoint(1, 6), QPoint(4, 10), QPoint(11, 2)}));
  return QIcon(glyph);
}

}  // namespace

TelescopePanel::TelescopePanel(QFrame* panel1, QFrame* panel2) {
  Image1 = new TelescopeView(panel1);
  Image1->move(2, 2);
  DateLbl = Label(panel2, "DateLbl", 16, 4, 190);
  UTLbl = Label(panel2, "UTLbl", 16, 22, 190);
  JDLbl = Label(panel2, "JDLbl", 16, 40, 190);
  IntrvLbl = Label(panel2, "IntrvLbl", 16, 63, 196);
  AnmLbl = Label(panel2, "AnmLbl", 16, 81, 196);
  IDLbl = Label(panel2, "IDLbl", 449, 12, 180);
  CrsrLbl = Label(panel2, "CrsrLbl", 449, 30, 180);
  RdngLbl = Label(panel2, "RdngLbl", 449, 48, 185);
  MagBtn = {Button(panel2, "Mag1Btn", "100X", {214, 18, 60, 25}),
            Button(panel2, "Mag2Btn", "200X", {214, 49, 60, 25}),
            Button(panel2, "Mag3Btn", "300X", {283, 18, 60, 25}),
            Button(panel2, "Mag4Btn", "400X", {283, 52, 60, 25})};
  ContBtn = Button(panel2, "ContBtn", "Cont.", {361, 18, 70, 25});
  ContBtn->setEnabled(false);
  NextBtn = Button(panel2, "NextBtn", "Next", {361, 52, 70, 25});
  RecordBtn = Button(panel2, "RecordBtn", "&Record", {496, 71, 80, 24});
  RecordBtn->setFont(BoldSans(8));
  RecordBtn->setIcon(RecordGlyph());
  RecordBtn->setDefault(true);
  RecordBtn->setEnabled(false);
  // What a screen reader says: the labels are read by their own texts, with what they are as
  // the description; the buttons get names that say what their short captions mean.
  const std::pair<QLabel*, const char*> labels[] = {
      {DateLbl, "Observation date (UT)"}, {UTLbl, "Universal Time"},
      {JDLbl, "Julian date"},             {IntrvLbl, "Data interval"},
      {AnmLbl, "Animation step"},         {IDLbl, "Moon under the cross-hair"},
      {CrsrLbl, "Cross-hair position"},   {RdngLbl, "Reading"},
  };
  for (const auto& [label, what] : labels) label->setAccessibleDescription(QString::fromLatin1(what));
  const std::pair<QPushButton*, const char*> names[] = {
      {MagBtn[0], "Magnification 100X"},
      {MagBtn[1], "Magnification 200X"},
      {MagBtn[2], "Magnification 300X"},
      {MagBtn[3], "Magnification 400X"},
      {ContBtn, "Continue or stop the animation"},
      {NextBtn, "Next observation"},
      {RecordBtn, "Record"},
  };
  for (const auto& [widget, name] : names) widget->setAccessibleName(QString::fromLatin1(name));
}

void TelescopePanel::ShowLabels(const TimeLabels& labels) {
  DateLbl->setText(ToQt(labels.Date));
  UTLbl->setText(ToQt(labels.UT));
  JDLbl->setText(ToQt(labels.JD));
  IntrvLbl->setText(ToQt(labels.Interval));
  AnmLbl->setText(ToQt(labels.Animation));
}

void TelescopePanel::ShowReadouts(const ReadoutTexts& texts) {
  IDLbl->setText(ToQt(texts.Id));
  CrsrLbl->setText(ToQt(texts.Cursor));
  RdngLbl->setText(ToQt(texts.Reading));
}

}  // namespace jovi
