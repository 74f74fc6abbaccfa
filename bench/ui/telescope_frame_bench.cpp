// One whole animation step of the telescope as the desktop program runs it on each timer tick:
// the Telescope's tick (step, scene, clouds, eclipse watch), the frame's decisions, and the
// painting of the frame into the view's image offscreen (rotation picture stretched, shadows,
// moons, clouds). The animation timer fires every 10 ms, so this must stay well below that.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "config/options_file.h"
#include "config/storage_environment.h"
#include "platform/program_dir.h"
#include "session/exercise_session.h"
#include "session/telescope.h"
#include "session/ui/picture_cache.h"
#include "session/ui/telescope_painter.h"
#include "session/ui/telescope_view.h"
#include "util/atomic_file.h"
#include "util/prompter.h"
#include "util/real.h"

namespace {

class BenchStorage final : public jovi::StorageEnvironment {
 public:
  BenchStorage(std::string program, std::string working)
      : program_(std::move(program)), working_(std::move(working)) {}
  std::string ProgramFolder() override { return program_; }
  std::string WorkingFolder() override { return working_; }
  bool SetWorkingFolder(const std::string& folder) override {
    working_ = folder;
    return true;
  }
  bool IsPerUserSystem() override { return false; }
  std::string UserName() override { return "bench"; }
  std::string PerUserFolder(const std::string&) override { return working_; }
  std::string OpticalMediaRoot() override { return {}; }
  std::optional<std::string> ChooseFolder(const std::string&) override { return std::nullopt; }

 private:
  std::string program_;
  std::string working_;
};

class QuietWindow final : public jovi::SessionWindow, public jovi::TelescopeWindow {
 public:
  void ShowLoginDialog(jovi::StudentInfo&) override {}
  jovi::ExerciseMode ShowExerciseChoice() override { return jovi::ExerciseMode::Newton; }
  void PopUpSaveMenu() override {}
  void Repaint() override {}
  void SetBusy(bool) override {}
  void StartTimer(std::uint16_t) override {}
  void StopTimer() override {}
};

class QuietPrompter final : public jovi::Prompter {
 public:
  jovi::Answer Ask(std::string_view, std::string_view, jovi::Buttons, jovi::Icon) override {
    return jovi::Answer::Ok;
  }
};

class FixedRandom final : public jovi::RandomSource {
 public:
  double Uniform() override { return 0.5; }
};

void TelescopeFrameStep(benchmark::State& state) {
  const std::filesystem::path work =
      std::filesystem::temp_directory_path() / ("jovi-frame-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(work);
  jovi::OptsRec options;
  options.LoginRequired = false;
  options.NewtonClouds = true;
  const std::vector<std::uint8_t> bytes = jovi::EncodeOptions(options);
  jovi::WriteFileAtomically((work / "JUP_OPTS.INI").string(), bytes);

  BenchStorage storage(jovi::ProgramDir(), work.string() + "/");
  QuietWindow window;
  QuietPrompter prompter;
  FixedRandom random;
  jovi::ExerciseSession session(prompter);
  if (!session.Start({"jovitrack", "NEWTON"}, storage) || !session.LogIn(window)) {
    state.SkipWithError("the session did not start");
    return;
  }
  session.Run();
  constexpr jovi::Real kStart = 2461383.5_r;  // 2026 December 10, 0h UT
  session.SetObservationJD(kStart);
  jovi::Telescope scope(session, window, prompter, random);
  scope.Start();
  scope.StartAnimation();
  jovi::PictureCache pictures;
  QImage image(jovi::TelescopeView::kWidth, jovi::TelescopeView::kHeight, QImage::Format_RGB32);

  for (auto _ : state) {
    if (!scope.Tick()) {
      session.SetObservationJD(kStart);
      scope.StartAnimation();
    }
    const jovi::TelescopeFrame frame = scope.Redraw();
    if (!jovi::PaintTelescopeFrame(image, frame, pictures).isEmpty()) {
      state.SkipWithError("the frame's pictures could not be painted");
      break;
    }
    benchmark::DoNotOptimize(image.constBits());
  }
  std::error_code ignored;
  std::filesystem::remove_all(work, ignored);
}
BENCHMARK(TelescopeFrameStep)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
