// The telescope of the observing session: the clock's steps and the animation, the
// magnification, every decision of a full redraw of the view, the cross-hair readings and
// Record. The window paints the TelescopeFrame it is given and forwards the user's actions.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "session/cursor_reading.h"
#include "session/eclipse_watch.h"
#include "session/observation_step.h"
#include "session/pending_record.h"
#include "session/random_source.h"
#include "session/telescope_geometry.h"
#include "util/prompter.h"
#include "util/real.h"

namespace jovi {

class ExerciseSession;

// What the telescope asks of the window around it.
class TelescopeWindow {
 public:
  virtual ~TelescopeWindow() = default;
  virtual void StartTimer(std::uint16_t interval_ms) = 0;
  virtual void StopTimer() = 0;
  // The top view's calls; they do nothing until the top view exists.
  virtual void UpdateTopView(bool /*show_top_view*/) {}
  virtual bool TopViewVisible() const { return false; }
  virtual void MarkMoonOnTopView(int /*moon*/) {}
};

struct TimeLabels {
  std::string Date;       // DateLbl
  std::string UT;         // UTLbl
  std::string JD;         // JDLbl
  std::string Interval;   // IntrvLbl
  std::string Animation;  // AnmLbl
};

// Everything one redraw of the view paints, decided.
struct TelescopeFrame {
  std::string jupiter_path;  // the rotation picture to stretch
  int jupiter_picture = 1;   // its number in the rotation set
  int magnification = 1;     // 1..4
  int centre_x = 0, centre_y = 0;
  std::string magnification_label;
  GlyphSize glyph;
  std::vector<MoonMark> marks;  // shadows and moons, in painting order
  // The fraction of each moon's light its glyph is drawn with in a mutual event (1 outside
  // one, and when clouds hide the moons).
  std::array<Real, 4> moon_light{1, 1, 1, 1};
  bool clouded = false;
  std::string cloud_path;       // covers the whole field when clouded
  TimeLabels labels;
};

class Telescope {
 public:
  Telescope(ExerciseSession& session, TelescopeWindow& window, Prompter& prompter,
            RandomSource& random);

  // Run: 100X around the image centre, the scene at the observation time.
  void Start();
  bool Started() const { return started_; }
  // The scene at the dynamical time of the observation time.
  void ComputeScene();

  // Moves the clock by `hours` and recomputes the scene; false (after the message, and after
  // stopping the animation for a timer step) when the step leaves the ephemeris range.
  bool Step(Real hours, StepSource source);
  // Next: a pending measurement awaiting its commit is committed first.
  bool Next();
  // One tick of the animation timer.
  bool Tick();

  void SetMagnification(int magnification);  // 1..4
  int Magnification() const { return magnification_; }
  const ViewGeometry& Geometry() const { return geometry_; }

  // Every decision of a redraw: the field, the moons' pixels, the labels, the read-outs
  // cleared (Record disabled in the orbit exercise), clouds, moons and the eclipse watch, the
  // top view. An eclipse stop has already stopped the animation; the window shows the
  // notice afterwards through AnswerEclipseNotice.
  TelescopeFrame Redraw();
  const std::optional<EclipseNotice>& PendingNotice() const { return notice_; }
  // Shows the pending eclipse notice (if any); OK restarts the animation.
  void AnswerEclipseNotice();

  // Cont.: starts or stops the animation.
  void ToggleAnimation();
  void StartAnimation();
  void StopAnimation();
  bool Animating() const { return animating_; }

  TimeLabels Labels() const;

  // Cross-hair on the image. Move gives nothing while not dragging or outside the image.
  ReadoutTexts MouseDown(int x, int y);
  std::optional<ReadoutTexts> MouseMove(int x, int y);
  std::optional<ReadoutTexts> MouseUp(int x, int y);
  bool Dragging() const { return dragging_; }
  const CurrentReading& Reading() const { return reading_; }

  // Record in the orbit exercise; true when the results dialog is to be shown.
  bool Record();
  // Commits a pending measurement awaiting its commit (Next, quitting); `clear` afterwards for
  // Save, Review and Analyze.
  void CommitPending(bool clear);
  const MeasurementStore& Measurements() const { return store_; }
  MeasurementStore& Measurements() { return store_; }

  const MoonPixelSet& Pixels() const { return pixels_; }
  const std::array<bool, 4>& EclipseState() const { return eclipsed_; }

 private:
  ReadoutTexts Track(int x, int y);
  void SyncMeasurementFlags(bool committed);

  ExerciseSession& session_;
  TelescopeWindow& window_;
  Prompter& prompter_;
  RandomSource& random_;
  bool started_ = false;
  int magnification_ = 1;
  ViewGeometry geometry_;
  MoonPixelSet pixels_{};
  std::array<bool, 4> eclipsed_{};
  bool magnification_changed_ = false;
  bool animating_ = false;
  bool dragging_ = false;
  CurrentReading reading_;
  MeasurementStore store_;
  std::optional<EclipseNotice> notice_;
};

}  // namespace jovi
