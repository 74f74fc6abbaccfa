// TJSatOrrery, "Top View of Jupiter & Moons": Jupiter and the moons seen from far above their
// orbits, the Earth towards the bottom. Shown and hidden by the feature ShowTopView and
// redrawn with every redraw of the telescope view; what it paints the core plans.
#pragma once

#include <QImage>
#include <QMainWindow>

#include <functional>
#include <optional>

#include "session/top_view_plan.h"

class QAction;
class QMenu;

namespace jovi {

class ExerciseSession;
class TopViewPicture;

class TJSatOrrery : public QMainWindow {
  Q_OBJECT

 public:
  // Created in the large size (as wide as the main window's client area), hidden.
  TJSatOrrery(ExerciseSession& session, int main_client_width, QWidget* parent = nullptr);
  ~TJSatOrrery() override;

  // Whether the telescope is animating: the menu items then leave the redraw to the next step.
  void SetAnimationQuery(std::function<bool()> animating) { animating_ = std::move(animating); }

  // The telescope's redraw: shows or hides the window by ShowTopView and redraws it.
  void UpdateTopView(bool show_top_view);
  void DrawTopView();
  // Rings moon `id` (1..4) after a redraw; 0 does nothing.
  void MarkMoon(int id);
  // After login: the eclipse zone is shown in the light-time exercise only.
  void SetShowEclipseZone(bool show);

  const QImage& Picture() const { return picture_; }
  const TopViewPlan& Plan() const { return plan_; }
  TopViewSettings Settings() const;

  void Normal1Click();
  void Large1Click();

  QMenu* View1;
  QAction* Normal1;
  QAction* Large1;
  QAction* ShowOrbits1;
  QAction* ShowEclipseZone1;
  QMenu* Eclipses1;
  QAction* HideMoononEclipse1;
  QAction* ShowEclipsedMoonas1;
  QAction* DontShowEclipse1;
  QAction* Close1;
  QAction* Help1;

 signals:
  // Help1: the help list dialog with the top view's topics (TopViewHelpList).
  void HelpRequested();

 protected:
  bool event(QEvent* event) override;  // the activation
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void ApplySize(const TopViewLayout& layout);
  void SelectEclipseItem(QAction* item);
  void MenuRedraw();
  void FormActivate();
  void Paint(std::optional<ViewBox> mark);

  ExerciseSession& session_;
  int main_client_width_;
  std::function<bool()> animating_;
  TopViewLayout layout_;
  TopViewPlan plan_;
  QImage picture_;
  QImage arrow_;
  bool arrow_loaded_ = false;
  bool creating_ = true;
  TopViewPicture* picture_widget_ = nullptr;
};

}  // namespace jovi
