#include "session/ui/top_view_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>

#include "astro/satellite_scene.h"
#include "astro/time_scales.h"
#include "session/exercise_session.h"
#include "session/ui/icon_file.h"
#include "session/ui/top_view_painter.h"
#include "util/real.h"
#include "util/ui/qt_text.h"

namespace jovi {

// The picture area: shows the last painted picture.
class TopViewPicture : public QWidget {
 public:
  TopViewPicture(const QImage& picture, QWidget* parent) : QWidget(parent), picture_(picture) {}

 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, picture_); }

 private:
  const QImage& picture_;
};

namespace {

constexpr int kDefaultIconSize = 32;

QAction* Item(QMenu* menu, const QString& text, const char* name, bool checkable) {
  QAction* action = menu->addAction(text);
  action->setObjectName(QString::fromLatin1(name));
  action->setCheckable(checkable);
  return action;
}

}  // namespace

TJSatOrrery::TJSatOrrery(ExerciseSession& session, int main_client_width, QWidget* parent)
    : QMainWindow(parent, Qt::Window), session_(session), main_client_width_(main_client_width) {
  setObjectName(QStringLiteral("TJSatOrrery"));
  setWindowTitle(QStringLiteral("Top View of Jupiter & Moons"));
  picture_widget_ = new TopViewPicture(picture_, this);
  setCentralWidget(picture_widget_);
  BuildMenus();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  Large1Click();
  creating_ = false;
}

TJSatOrrery::~TJSatOrrery() = default;

void TJSatOrrery::BuildMenus() {
  View1 = menuBar()->addMenu(QStringLiteral("&View"));
  View1->setObjectName(QStringLiteral("View1"));
  Normal1 = Item(View1, QStringLiteral("&Normal"), "Normal1", true);
  Large1 = Item(View1, QStringLiteral("&Large"), "Large1", true);
  View1->addSeparator();
  ShowOrbits1 = Item(View1, QStringLiteral("Show &Orbits"), "ShowOrbits1", true);
  ShowOrbits1->setChecked(true);
  View1->addSeparator();
  ShowEclipseZone1 = Item(View1, QStringLiteral("Show Eclipse &Zone"), "ShowEclipseZone1", true);
  View1->addSeparator();
  Eclipses1 = View1->addMenu(QStringLiteral("&Eclipses"));
  Eclipses1->setObjectName(QStringLiteral("Eclipses1"));
  HideMoononEclipse1 =
      Item(Eclipses1, QStringLiteral("&Hide Moon on Eclipse"), "HideMoononEclipse1", true);
  ShowEclipsedMoonas1 =
      Item(Eclipses1, QStringLiteral("&Show Eclipsed Moon as \"+\""), "ShowEclipsedMoonas1", true);
  DontShowEclipse1 =
      Item(Eclipses1, QStringLiteral("&Don't Show Eclipse"), "DontShowEclipse1", true);
  DontShowEclipse1->setChecked(true);
  auto* eclipses = new QActionGroup(this);
  for (QAction* a : {HideMoononEclipse1, ShowEclipsedMoonas1, DontShowEclipse1}) {
    eclipses->addAction(a);
  }
  View1->addSeparator();
  Close1 = Item(View1, QStringLiteral("&Close"), "Close1", false);
  Help1 = menuBar()->addAction(QStringLiteral("&Help"));
  Help1->setObjectName(QStringLiteral("Help1"));

  connect(Normal1, &QAction::triggered, this, &TJSatOrrery::Normal1Click);
  connect(Large1, &QAction::triggered, this, &TJSatOrrery::Large1Click);
  connect(ShowOrbits1, &QAction::triggered, this, &TJSatOrrery::MenuRedraw);
  connect(ShowEclipseZone1, &QAction::triggered, this, &TJSatOrrery::MenuRedraw);
  for (QAction* a : {HideMoononEclipse1, ShowEclipsedMoonas1, DontShowEclipse1}) {
    connect(a, &QAction::triggered, this, [this, a] { SelectEclipseItem(a); });
  }
  connect(Close1, &QAction::triggered, this, &QWidget::close);
  connect(Help1, &QAction::triggered, this, &TJSatOrrery::HelpRequested);
}

TopViewSettings TJSatOrrery::Settings() const {
  TopViewSettings s;
  s.ShowOrbits = ShowOrbits1->isChecked();
  s.ShowEclipseZone = ShowEclipseZone1->isChecked();
  s.Eclipses = DontShowEclipse1->isChecked()      ? EclipseDisplay::DontShow
               : ShowEclipsedMoonas1->isChecked() ? EclipseDisplay::Plus
                                                  : EclipseDisplay::Hide;
  // Without eclipse visibility an eclipsed moon is an ordinary moon, whatever the menu says.
  if (!session_.Options().EclipseVisibility) s.Eclipses = EclipseDisplay::DontShow;
  s.UseIDColors = session_.Features().UseIDColors;
  return s;
}

void TJSatOrrery::Normal1Click() { ApplySize(NormalTopView()); }

void TJSatOrrery::Large1Click() { ApplySize(LargeTopView(main_client_width_)); }

void TJSatOrrery::ApplySize(const TopViewLayout& layout) {
  layout_ = layout;
  Normal1->setChecked(!layout.Large);
  Large1->setChecked(layout.Large);
  picture_widget_->setFixedSize(layout.Width, layout.Height);
  adjustSize();
  // The bottom right corner of the screen's work area.
  if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
    const QRect work = screen->availableGeometry();
    const QSize frame = frameGeometry().size();
    move(work.width() - frame.width(), work.height() - frame.height());
  }
  if (!creating_) DrawTopView();
}

void TJSatOrrery::SelectEclipseItem(QAction* item) {
  for (QAction* a : {HideMoononEclipse1, ShowEclipsedMoonas1, DontShowEclipse1}) {
    a->setChecked(a == item);
  }
  MenuRedraw();
}

void TJSatOrrery::MenuRedraw() {
  if (!animating_ || !animating_()) DrawTopView();
}

void TJSatOrrery::SetShowEclipseZone(bool show) { ShowEclipseZone1->setChecked(show); }

void TJSatOrrery::UpdateTopView(bool show_top_view) {
  if (!show_top_view) {
    if (isVisible()) hide();
    return;
  }
  if (!isVisible()) show();
  DrawTopView();
}

void TJSatOrrery::DrawTopView() { Paint(std::nullopt); }

void TJSatOrrery::MarkMoon(int id) {
  if (id == 0) return;
  DrawTopView();
  if (const auto box = MoonMarkBox(plan_, id)) Paint(box);
}

void TJSatOrrery::Paint(std::optional<ViewBox> mark) {
  if (!arrow_loaded_) {
    arrow_loaded_ = true;
    if (const auto icon =
            ReadIconFile(ToQt(session_.Options().ProgramDir) + QStringLiteral("REDARROW.ICO"))) {
      arrow_ = icon->image;
    }
  }
  const int icon_w = arrow_.isNull() ? kDefaultIconSize : arrow_.width();
  const int icon_h = arrow_.isNull() ? kDefaultIconSize : arrow_.height();
  const Real angle = TopViewAngleAt(TDTFromUT(ToJD(session_.ObservationTime())));
  plan_ = PlanTopView(layout_, ProgramScene().Satellites(), angle, Settings(), icon_w, icon_h);
  PaintTopView(picture_, plan_, arrow_, mark);
  picture_widget_->update();
}

bool TJSatOrrery::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) FormActivate();
  return QMainWindow::event(event);
}

void TJSatOrrery::FormActivate() {
  const bool eclipses = session_.Options().EclipseVisibility;
  Eclipses1->menuAction()->setEnabled(eclipses);
  if (!eclipses && !DontShowEclipse1->isChecked()) SelectEclipseItem(DontShowEclipse1);
}

void TJSatOrrery::showEvent(QShowEvent* event) {
  Help1->setEnabled(!session_.Options().TopViewHelpList.empty());
  FormActivate();
  QMainWindow::showEvent(event);
}

void TJSatOrrery::closeEvent(QCloseEvent* event) {
  // The next redraw of the telescope must not bring the window back.
  session_.Features().ShowTopView = false;
  QMainWindow::closeEvent(event);
}

}  // namespace jovi
