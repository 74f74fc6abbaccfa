#include "session/telescope.h"

#include <cstdio>

#include "astro/central_meridians.h"
#include "astro/date_time.h"
#include "astro/satellite_scene.h"
#include "astro/time_scales.h"
#include "session/cloud_watch.h"
#include "session/exercise_session.h"
#include "session/moon_dimming.h"
#include "session/rotation_image.h"
#include "util/real.h"

namespace jovi {

namespace {

std::string Fixed(Real value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*" JOVI_REAL_LEN "f", decimals, value);
  return text;
}

}  // namespace

Telescope::Telescope(ExerciseSession& session, TelescopeWindow& window, Prompter& prompter,
                     RandomSource& random)
    : session_(session), window_(window), prompter_(prompter), random_(random) {}

void Telescope::Start() {
  magnification_ = 1;
  geometry_ = GeometryFor(1, session_.ImageCentreX(), session_.ImageCentreY());
  ComputeScene();
  started_ = true;
}

void Telescope::ComputeScene() { jovi::ComputeScene(TDTFromUT(ToJD(session_.ObservationTime()))); }

bool Telescope::Step(Real hours, StepSource source) {
  const std::optional<Real> target = StepTarget(ToJD(session_.ObservationTime()), hours);
  if (!target) {
    if (source == StepSource::Timer) StopAnimation();
    prompter_.Tell(kStepOutOfRangeText, StepOutOfRangeCaption(source), Icon::Stop);
    return false;
  }
  session_.SetObservationJD(*target);
  ComputeScene();
  return true;
}

bool Telescope::Next() {
  CommitPending(false);
  return Step(session_.Timing().ObservationStep, StepSource::Next);
}

bool Telescope::Tick() {
  if (!animating_) return false;
  return Step(session_.Timing().AnimationStep, StepSource::Timer);
}

void Telescope::SetMagnification(int magnification) {
  geometry_ = GeometryFor(magnification, geometry_.CentreX, geometry_.CentreY);
  magnification_ = geometry_.MagIndex + 1;
  magnification_changed_ = true;
}

TimeLabels Telescope::Labels() const {
  // The date above "UT:" is the UT date, whatever the options' time-zone difference.
  const DateTimeRec now = UniversalTime(session_.ObservationTime());
  const TimingSettings& timing = session_.Timing();
  TimeLabels labels;
  labels.Date = LongDateText(now);
  labels.UT = std::string("UT: ").append(TimeText(now.UTTime, 0, " Hrs, ", " Min, ", " Sec"));
  labels.JD = std::string("Jul. Day: ").append(Fixed(ToJD(session_.ObservationTime()), 6));
  labels.Interval =
      std::string("Data Interval: ").append(Fixed(timing.ObservationStep, 5)).append(" Hrs ");
  if (session_.Features().Animation) {
    labels.Animation =
        std::string("Animation Step: ").append(Fixed(timing.AnimationStep, 5)).append(" Hrs");
  }
  return labels;
}

TelescopeFrame Telescope::Redraw() {
  const OptsRec& options = session_.Options();
  const Real jd = ToJD(session_.ObservationTime());
  TelescopeFrame frame;
  // The field and Jupiter at the central meridian of the moment.
  Real system_i = 0, system_ii = 0;
  CentralMeridians(TDTFromUT(jd), system_i, system_ii);
  frame.jupiter_picture = SelectRotationImage(system_ii, options.RedSpotLong);
  frame.jupiter_path = options.ProgramDir + options.JupImgsDir;
  frame.jupiter_path.append("/").append(RotationImageName(frame.jupiter_picture));
  frame.magnification = magnification_;
  frame.centre_x = session_.ImageCentreX();
  frame.centre_y = session_.ImageCentreY();
  frame.magnification_label = MagnificationLabel(magnification_);
  // The moons, the labels and the read-outs.
  const auto& moons = ProgramScene().Satellites();
  pixels_ = PlaceMoons(moons, geometry_);
  frame.labels = Labels();
  if (session_.Mode() == ExerciseMode::Newton) session_.SetRecordBtnEnabled(false);
  // Clouds cover everything; otherwise the moons and the eclipse watch.
  CloudState& clouds = session_.MutableClouds();
  frame.clouded = UpdateClouds(
      clouds, {animating_, magnification_changed_, jd, options.ProgramDir + options.CloudImgsDir},
      random_);
  if (frame.clouded) {
    frame.cloud_path = clouds.CloudFile;
  } else {
    frame.glyph = GlyphSizeFor(geometry_.MagIndex);
    MoonPlan plan = PlanMoons(moons, pixels_, session_.Features(), animating_, eclipsed_);
    frame.moon_light = MutualMoonLight(ProgramScene(), jd);
    DimMoonMarks(plan.marks, frame.moon_light);
    frame.marks = std::move(plan.marks);
    if (plan.notice) {
      StopAnimation();
      notice_ = plan.notice;
    }
  }
  window_.UpdateTopView(session_.Features().ShowTopView);
  magnification_changed_ = false;
  return frame;
}

void Telescope::AnswerEclipseNotice() {
  if (!notice_) return;
  const EclipseNotice notice = *notice_;
  notice_.reset();
  const Answer answer =
      prompter_.Ask(notice.Text(), kEclipseNoticeCaption, Buttons::OkCancel, Icon::Information);
  if (answer == Answer::Ok) StartAnimation();
}

void Telescope::ToggleAnimation() {
  if (animating_) {
    StopAnimation();
  } else {
    StartAnimation();
  }
}

void Telescope::StartAnimation() {
  animating_ = true;
  window_.StartTimer(session_.Timing().TimerInterval);
}

void Telescope::StopAnimation() {
  animating_ = false;
  window_.StopTimer();
}

ReadoutTexts Telescope::Track(int x, int y) {
  const OptsRec& options = session_.Options();
  const CursorResult result = TrackCursor(x, y, ToJD(session_.ObservationTime()), geometry_,
                                          pixels_, {options.IdentifyMoon, options.ShowDistance});
  reading_ = result.reading;
  if (reading_.MoonID != 0 && window_.TopViewVisible()) window_.MarkMoonOnTopView(reading_.MoonID);
  return result.texts;
}

ReadoutTexts Telescope::MouseDown(int x, int y) {
  ReadoutTexts texts = Track(x, y);
  dragging_ = true;
  return texts;
}

std::optional<ReadoutTexts> Telescope::MouseMove(int x, int y) {
  if (!dragging_) return std::nullopt;
  if (x < 0 || y < 0 || x > kTelescopeImageWidth || y > kTelescopeImageHeight) return std::nullopt;
  return Track(x, y);
}

std::optional<ReadoutTexts> Telescope::MouseUp(int x, int y) {
  if (!dragging_) return std::nullopt;
  ReadoutTexts texts = Track(x, y);
  dragging_ = false;
  session_.SetRecordBtnEnabled(true);
  return texts;
}

bool Telescope::Record() {
  const OptsRec& options = session_.Options();
  const bool had_pending = !store_.NothingPending;
  const std::size_t before = static_cast<std::size_t>(store_.table.Count());
  const bool show = RecordReading(store_, reading_, {options.AutoRecord, options.IdentifyMoon},
                                  prompter_);
  SyncMeasurementFlags(had_pending && static_cast<std::size_t>(store_.table.Count()) > before);
  return show;
}

void Telescope::CommitPending(bool clear) {
  const bool committed = CommitAwaitingMeasurement(store_);
  if (clear) ClearPendingMeasurement(store_);
  SyncMeasurementFlags(committed);
}

void Telescope::SyncMeasurementFlags(bool committed) {
  session_.SetNothingPending(store_.NothingPending);
  if (!committed) return;
  session_.SetDataSaved(false);
  session_.EnableDataItems();
}

}  // namespace jovi
