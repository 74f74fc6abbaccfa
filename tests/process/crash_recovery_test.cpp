// The desktop program killed with SIGKILL at many moments loses no confirmed measurement: a
// chain of runs of the real program (the crash driver: the program's own start-up, played with
// Qt Test events), each logging in as the same student, answering the recovery question,
// measuring and being killed, at random times, right after a commit, right before one, in the
// middle of a journal write, while the question is open. The next run must be offered exactly
// the measurements confirmed before the kill, and no question after a normal end.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "config/options_file.h"
#include "journal/journal_file.h"
#include "support/temp_dir.h"

namespace jovi {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr const char* kStudent = "Ada Lovelace";  // logs in as "ALovelac"

// One run of the program as a child process, its report read line by line.
class Program {
 public:
  Program(const std::string& data_folder, const std::string& home, const std::string& plan) {
    int out[2];
    if (::pipe(out) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::dup2(out[1], 1);
      const int null = ::open("/dev/null", O_WRONLY);
      ::dup2(null, 2);
      ::close(out[0]);
      if (::chdir(data_folder.c_str()) != 0) ::_exit(120);
      ::setenv("HOME", home.c_str(), 1);
      ::setenv("XDG_DATA_HOME", (home + ".local/share").c_str(), 1);
      ::setenv("XDG_CONFIG_HOME", (home + ".config").c_str(), 1);
      ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
      ::setenv("JOVI_DRIVER_PLAN", plan.c_str(), 1);
      ::execl(JOVI_CRASH_DRIVER, JOVI_CRASH_DRIVER, "NEWTON", static_cast<char*>(nullptr));
      ::_exit(121);
    }
    ::close(out[1]);
    fd_ = out[0];
  }
  ~Program() {
    Kill();
    if (fd_ >= 0) ::close(fd_);
  }

  // The next line, or nothing at the deadline or at the end of the output.
  std::optional<std::string> Line(Clock::time_point deadline) {
    for (;;) {
      const std::size_t newline = buffer_.find('\n');
      if (newline != std::string::npos) {
        std::string line = buffer_.substr(0, newline);
        buffer_.erase(0, newline + 1);
        return line;
      }
      if (eof_) return std::nullopt;
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
      if (left <= 0) return std::nullopt;
      pollfd p{fd_, POLLIN, 0};
      if (::poll(&p, 1, static_cast<int>(left)) <= 0) continue;
      char chunk[4096];
      const ssize_t n = ::read(fd_, chunk, sizeof chunk);
      if (n <= 0) {
        eof_ = true;
      } else {
        buffer_.append(chunk, static_cast<std::size_t>(n));
      }
    }
  }
  bool Ended() const { return eof_ && buffer_.find('\n') == std::string::npos; }

  void Kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    Wait();
  }
  // The exit status (-signal when killed).
  int Wait() {
    if (pid_ <= 0) return status_;
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    status_ = WIFSIGNALED(status) ? -WTERMSIG(status) : WEXITSTATUS(status);
    return status_;
  }

 private:
  pid_t pid_ = -1;
  int fd_ = -1;
  std::string buffer_;
  bool eof_ = false;
  int status_ = 0;
};

enum class End {
  AtTime,       // SIGKILL after a delay from the start
  AfterBegin,   // SIGKILL as soon as the k-th "about to commit" is read
  AfterDone,    // SIGKILL as soon as the k-th commit has returned
  AtWriting,    // SIGKILL in the middle of the k-th journal append
  AtQuestion,   // SIGKILL while the recovery question is open
  WhenIdle,     // SIGKILL once everything planned is done
  QuitDiscard,  // File > Exit, "do not save", quit
  QuitSave,     // Data > Save, then File > Exit
};

struct RunPlan {
  End end;
  int measure = 3;
  int k = 0;         // the commit or append the end waits for
  int delay_ms = 0;  // AtTime
  const char* answer = "yes";
};

// What the journal must give back: the commits that returned, and the one that may or may not
// have reached the disk when the kill came.
struct Expected {
  std::set<std::string> sure;
  std::set<std::string> maybe;
  std::set<std::string> never;  // torn in the middle of its write
};

class CrashRecoveryTest : public ::testing::Test {
 protected:
  CrashRecoveryTest() {
    home_ = dir_.File("home") + "/";
    data_ = dir_.File("data") + "/";
    fs::create_directories(home_);
    fs::create_directories(data_);
    OptsRec options;
    options.NewtonClouds = false;  // every night clear: a moon to measure
    const std::vector<std::uint8_t> bytes = EncodeOptions(options);
    std::ofstream(data_ + "JUP_OPTS.INI", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
  }

  std::string UserFolder() const { return data_ + "Users/ALovelac/"; }
  // The journals in the student's folder, but for those of a session the test keeps running.
  std::vector<std::string> Journals() const {
    std::vector<std::string> journals;
    if (!fs::exists(UserFolder())) return journals;
    for (const std::string& path : JournalFilesIn(UserFolder())) {
      if (!running_.count(path)) journals.push_back(path);
    }
    return journals;
  }

  // One run; checks what it was offered against `expected` and updates it.
  void Run(const RunPlan& plan, int index, Expected& expected) {
    const std::string name = "run " + std::to_string(index);
    const std::string finish = plan.end == End::QuitDiscard ? "quit-discard"
                               : plan.end == End::QuitSave  ? "quit-save"
                                                            : "wait";
    char jd[32];
    std::snprintf(jd, sizeof jd, "%.1f", 2455197.5 + 40.0 * index);  // new nights each run
    const std::string script = std::string("student=") + kStudent + ";answer=" + plan.answer +
                             ";measure=" + std::to_string(plan.measure) +
                             ";pause=" + std::to_string(plan.end == End::AtWriting ? plan.k : 0) +
                             ";jd=" + jd + ";finish=" + finish;
    Program program(data_, home_, script);
    const Clock::time_point start = Clock::now();
    const Clock::time_point give_up = start + std::chrono::seconds(20);
    const Clock::time_point kill_at =
        plan.end == End::AtTime ? start + std::chrono::milliseconds(plan.delay_ms) : give_up;

    std::optional<std::string> question;
    std::string last_line;  // the last report before the end
    std::vector<std::string> rows;
    bool logged_in = false, table_read = false, killed = false, writing = false, ended = false;
    std::map<int, std::string> begun;
    std::set<int> done;
    auto take = [&](const std::string& line) {
      last_line = line.substr(0, 40);
      if (line.rfind("QUESTION Recover Unsaved Work|", 0) == 0) question = line;
      if (line == "LOGGEDIN") logged_in = true;
      if (line.rfind("ROW ", 0) == 0) rows.push_back(line.substr(4));
      if (line.rfind("DATASAVED", 0) == 0 && logged_in) table_read = true;
      if (line.rfind("BEGIN ", 0) == 0) {
        const std::size_t space = line.find(' ', 6);
        begun[std::stoi(line.substr(6, space - 6))] = line.substr(space + 1);
      }
      if (line.rfind("DONE ", 0) == 0) done.insert(std::stoi(line.substr(5)));
      if (line == "WRITING") writing = true;
      if (line == "END") ended = true;
      if (line.rfind("FAIL", 0) == 0) ADD_FAILURE() << name << ": " << line;
    };
    auto time_to_kill = [&](const std::string& line) {
      switch (plan.end) {
        case End::AfterBegin:
          return line.rfind("BEGIN " + std::to_string(plan.k) + " ", 0) == 0;
        case End::AfterDone:
          return line == "DONE " + std::to_string(plan.k);
        case End::AtWriting:
          return line == "WRITING";
        case End::AtQuestion:
          return line.rfind("QUESTION Recover Unsaved Work|", 0) == 0;
        case End::WhenIdle:
          return line == "IDLE";
        default:
          return false;
      }
    };
    while (std::optional<std::string> line = program.Line(kill_at)) {
      take(*line);
      if (time_to_kill(*line)) break;
    }
    if (plan.end == End::QuitDiscard || plan.end == End::QuitSave) {
      EXPECT_EQ(program.Wait(), 0) << name;
      EXPECT_TRUE(ended) << name;
    } else {
      program.Kill();
      killed = true;
      EXPECT_EQ(program.Wait(), -SIGKILL) << name;
      // What it had written before it died counts too.
      while (std::optional<std::string> line =
                 program.Line(Clock::now() + std::chrono::seconds(2))) {
        take(*line);
      }
    }
    if (plan.end == End::AtWriting) {
      EXPECT_TRUE(writing) << name << ": no journal write to kill";
    }

    // The question: exactly when there is work to give back, with its count.
    const std::size_t least = expected.sure.size();
    const std::size_t most = least + expected.maybe.size();
    if (logged_in || question) {
      if (least > 0) {
        EXPECT_TRUE(question.has_value()) << name << ": not asked";
      }
      if (most == 0) {
        EXPECT_FALSE(question.has_value()) << name << ": asked after a normal end";
      }
      if (question) {
        bool count_ok = false;
        for (std::size_t n = least; n <= most; ++n) {
          const std::string count =
              "restore its " + std::to_string(n) + (n == 1 ? " measurement " : " measurements ");
          count_ok = count_ok || question->find(count) != std::string::npos;
        }
        EXPECT_TRUE(count_ok) << name << ": " << *question << " (" << least << ".." << most << ")";
      }
    }
    // What came back: every sure record, nothing torn, nothing unknown.
    if (table_read) {
      const std::set<std::string> got(rows.begin(), rows.end());
      EXPECT_EQ(got.size(), rows.size()) << name << ": a record came back twice";
      if (std::string(plan.answer) == "yes") {
        for (const std::string& r : expected.sure)
          EXPECT_TRUE(got.count(r)) << name << " lost " << r;
        for (const std::string& r : got) {
          EXPECT_TRUE(expected.sure.count(r) || expected.maybe.count(r)) << name << " gave " << r;
          EXPECT_FALSE(expected.never.count(r)) << name << " gave back a torn " << r;
        }
        expected.sure = got;  // from here on this run's own work
      } else {
        EXPECT_TRUE(rows.empty()) << name;
        expected.sure.clear();
      }
      expected.maybe.clear();
    }
    // This run's commits.
    for (const auto& [k, record] : begun) {
      if (done.count(k)) {
        expected.sure.insert(record);
      } else if (killed && plan.end == End::AtWriting && writing) {
        expected.never.insert(record);
      } else if (killed) {
        expected.maybe.insert(record);
      }
    }
    if (!killed) {
      expected.sure.clear();
      expected.maybe.clear();
      EXPECT_TRUE(Journals().empty()) << name << ": a normal end leaves no journal";
    }
    if (killed) ++kills_;
    std::printf("%s: %s, after \"%s\"; asked %s, %zu back; now %zu sure, %zu maybe, %zu torn\n",
                name.c_str(), killed ? "killed" : "ended", last_line.c_str(),
                question ? "yes" : "no", rows.size(), expected.sure.size(), expected.maybe.size(),
                expected.never.size());
  }

  test::TempDir dir_;
  std::string home_, data_;
  int kills_ = 0;
  std::set<std::string> running_;  // journals of a session the test keeps running
};

TEST_F(CrashRecoveryTest, KilledAtManyMomentsTheNextLoginGetsBackEveryConfirmedMeasurement) {
  std::mt19937 random(20240510);
  auto delay = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
  std::vector<RunPlan> plans = {
      {End::AfterDone, 3, 2},
      {End::AtWriting, 3, 1},
      {End::AfterBegin, 3, 2},
      {End::AtTime, 4, 0, delay(0, 500)},
      {End::AtWriting, 4, 3},
      {End::AtQuestion, 2, 0, 0, "none"},
      {End::AfterDone, 2, 1, 0, "no"},
      {End::AtWriting, 3, 2},
      {End::AtTime, 3, 0, delay(0, 500)},
      {End::QuitDiscard, 2},
      {End::WhenIdle, 2},
      {End::AtTime, 5, 0, delay(0, 500)},
      {End::AtWriting, 2, 1},
      {End::AfterBegin, 2, 1},
      {End::AtTime, 3, 0, delay(0, 500)},
      {End::AtWriting, 4, 4},
      {End::AfterDone, 4, 3},
      {End::AtTime, 2, 0, delay(0, 500)},
      {End::QuitSave, 2},
      {End::AtWriting, 3, 2},
      {End::AtTime, 4, 0, delay(0, 500)},
      {End::AfterBegin, 3, 3},
      {End::AtWriting, 2, 2},
      {End::AtTime, 3, 0, delay(0, 500)},
      {End::AtWriting, 3, 1},
      {End::AtTime, 4, 0, delay(0, 500)},
      {End::AtTime, 4, 0, delay(0, 500)},
      {End::AtTime, 4, 0, delay(0, 500)},
      {End::AtTime, 4, 0, delay(0, 500)},
      {End::QuitDiscard, 1},
  };
  Expected expected;
  for (std::size_t i = 0; i < plans.size(); ++i) {
    Run(plans[i], static_cast<int>(i), expected);
    if (HasFatalFailure()) return;
  }
  EXPECT_GE(kills_, 20);
  // The last run ended normally: nothing left, and the next login is not asked.
  Run({End::WhenIdle, 0}, static_cast<int>(plans.size()), expected);
  EXPECT_TRUE(Journals().empty());
}

TEST_F(CrashRecoveryTest, AJournalOfARunningSessionIsNotOfferedToASecondLogin) {
  Expected expected;
  // The first session measures and stays open.
  Program first(data_, home_,
                std::string("student=") + kStudent + ";measure=2;jd=2455197.5;finish=wait");
  std::set<std::string> confirmed;
  std::map<int, std::string> begun;
  const Clock::time_point deadline = Clock::now() + std::chrono::seconds(20);
  while (std::optional<std::string> line = first.Line(deadline)) {
    if (line->rfind("BEGIN ", 0) == 0) confirmed.insert(line->substr(line->find(' ', 6) + 1));
    if (*line == "IDLE") break;
  }
  ASSERT_EQ(confirmed.size(), 2u);
  ASSERT_EQ(Journals().size(), 1u);
  running_ = {Journals()[0]};
  // A second login of the same student meanwhile: no question, and its normal end leaves the
  // first session's journal alone.
  Run({End::QuitDiscard, 1}, 100, expected);
  EXPECT_EQ(JournalFilesIn(UserFolder()),
            std::vector<std::string>(running_.begin(), running_.end()));
  first.Kill();
  running_.clear();
  expected.sure = confirmed;
  Run({End::QuitDiscard, 1, 0, 0, "yes"}, 101, expected);
  Run({End::WhenIdle, 0}, 102, expected);
}

// Changes made in the review window after the measurements were confirmed: the program is
// killed after an edit, then after an include change, then after a deletion, and each next
// login gets back the table exactly as the change left it.
TEST_F(CrashRecoveryTest, ReviewChangesSurviveAKillAfterEach) {
  struct Step {
    const char* review;
    int measure;
  };
  const Step steps[] = {{"edit", 3}, {"include", 0}, {"delete", 0}, {"", 0}};
  std::vector<std::string> left;  // the table the previous run left
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    const Step& step = steps[i];
    const std::string name = std::string("after ") + (i == 0 ? "nothing" : steps[i - 1].review);
    const bool last = std::string(step.review).empty();
    const std::string script = std::string("student=") + kStudent + ";answer=yes;measure=" +
                               std::to_string(step.measure) + ";jd=2455197.5;review=" +
                               step.review + ";finish=" + (last ? "quit-discard" : "wait");
    Program program(data_, home_, script);
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(30);
    std::vector<std::string> recovered, before, now;
    bool reviewed = false, complete = false;
    while (std::optional<std::string> line = program.Line(deadline)) {
      if (line->rfind("FAIL", 0) == 0) ADD_FAILURE() << name << ": " << *line;
      if (line->rfind("ROW ", 0) == 0) recovered.push_back(line->substr(4));
      if (line->rfind("BEGIN ", 0) == 0) before.push_back(line->substr(line->find(' ', 6) + 1));
      if (line->rfind("REVIEWED ", 0) == 0) reviewed = true;
      if (line->rfind("NOW ", 0) == 0) now.push_back(line->substr(4));
      if (*line == "NOWEND" || *line == "END") {
        complete = true;
        break;
      }
    }
    ASSERT_TRUE(complete) << name << ": the run did not get through its step";
    if (last) {
      EXPECT_EQ(program.Wait(), 0);
    } else {
      program.Kill();
      EXPECT_EQ(program.Wait(), -SIGKILL);
      ASSERT_TRUE(reviewed) << step.review;
    }
    if (i > 0) {
      EXPECT_EQ(std::set<std::string>(recovered.begin(), recovered.end()),
                std::set<std::string>(left.begin(), left.end()))
          << name;
      before = recovered;
    }
    if (last) break;
    // The table is kept in date order, as the measurements were made.
    ASSERT_EQ(before.size(), step.measure > 0 ? 3u : left.size());
    if (std::string(step.review) == "delete") {
      EXPECT_EQ(now, std::vector<std::string>(before.begin() + 1, before.end())) << step.review;
    } else {
      ASSERT_EQ(now.size(), before.size());
      EXPECT_NE(now[0], before[0]) << step.review;
      EXPECT_EQ(std::vector<std::string>(now.begin() + 1, now.end()),
                std::vector<std::string>(before.begin() + 1, before.end()));
    }
    left = now;
  }
  EXPECT_TRUE(Journals().empty());
}

}  // namespace
}  // namespace jovi
