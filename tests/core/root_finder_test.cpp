#include "phenomena/root_finder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <regex>
#include <stdexcept>
#include <vector>

#include "support/recording_prompter.h"
#include "util/real.h"

namespace jovi {
namespace {

// A root finder over any function, remembering where it was evaluated.
class Finder : public RFRootOBJ {
 public:
  Finder(std::function<Real(Real)> f, Prompter* p) : RFRootOBJ(p), f_(std::move(f)) {}
  Real Func(Real x) override {
    calls.push_back(x);
    return f_(x);
  }
  std::vector<Real> calls;

 private:
  std::function<Real(Real)> f_;
};

TEST(RootFinder, BracketsAndSolves) {
  struct Case {
    const char* name;
    std::function<Real(Real)> f;
    Real x0, step, root;
  };
  const Case cases[] = {
      {"sign change within the first step", [](Real x) { return x - 0.3_r; }, 0, 1, 0.3_r},
      {"onwards: the first step brought it nearer", [](Real x) { return x - 7; }, 0, 1, 7},
      {"backwards: the first step went the wrong way", [](Real x) { return x + 5; }, 0, 1,
       -5},
      {"a curved function", [](Real x) { return std::cos(x / 3); }, 1, 0.5_r,
       3 * std::acos(-0.0_r)},
  };
  for (const Case& c : cases) {
    test::RecordingPrompter messages;
    Finder finder(c.f, &messages);
    ASSERT_TRUE(finder.InitBracket(true, 1e-9_r, c.step, c.x0)) << c.name;
    EXPECT_FALSE(finder.Failed) << c.name;
    EXPECT_LE(finder.BracketF[0] * finder.BracketF[1], 0) << c.name;
    const Real root = finder.FindRoot();
    EXPECT_FALSE(finder.Failed) << c.name;
    EXPECT_NEAR(static_cast<double>(root), static_cast<double>(c.root), 1e-7) << c.name;
    EXPECT_TRUE(messages.messages.empty()) << c.name;
  }
}

TEST(RootFinder, ExpansionStepsGrowBy1Point6AwayFromAWrongFirstStep) {
  test::RecordingPrompter messages;
  Finder finder([](Real x) { return x + 20; }, &messages);
  ASSERT_TRUE(finder.InitBracket(false, 0, 1, 0));
  // f(0), f(1), then x0 - 1.6, then each anchor minus 1.6 times the last step.
  const std::vector<Real> expected_x = {0, 1, -1.6_r, -1.6_r - 2.56_r, -1.6_r - 2.56_r - 4.096_r};
  ASSERT_GE(finder.calls.size(), expected_x.size());
  for (std::size_t i = 0; i < expected_x.size(); ++i) {
    EXPECT_NEAR(static_cast<double>(finder.calls[i]), static_cast<double>(expected_x[i]), 1e-12) << i;
  }
  EXPECT_LT(finder.BracketX[0], finder.BracketX[1]);  // ordered smaller first
  EXPECT_LE(finder.BracketX[0], -20);
  EXPECT_GE(finder.BracketX[1], -20);
}

TEST(RootFinder, ToleranceRules) {
  Finder finder([](Real x) { return x - 1; }, nullptr);
  finder.InitBracket(false, 0, 0.5_r, 0);
  EXPECT_EQ(finder.Tolerance, RFRootOBJ::kDefaultTolerance);
  finder.InitBracket(false, -1e-3_r, 0.5_r, 0);
  EXPECT_EQ(finder.Tolerance, 1e-3_r);
}

TEST(RootFinder, AnExactZeroEndsTheIteration) {
  Finder finder([](Real x) { return x - 0.5_r; }, nullptr);
  ASSERT_TRUE(finder.InitBracket(false, 1e-30_r, 1, 0));  // bracket 1 and 0: the secant hits 0.5
  finder.calls.clear();
  EXPECT_EQ(finder.FindRoot(), 0.5_r);
  EXPECT_EQ(finder.calls.size(), 1u);
  EXPECT_FALSE(finder.Failed);
}

TEST(RootFinder, FailuresAreReportedWithTheirTexts) {
  const std::string caption = "*** RFRootOBJ Error ***";
  {  // no root to bracket
    test::RecordingPrompter messages;
    Finder finder([](Real x) { return x * x + 1; }, &messages);
    EXPECT_FALSE(finder.InitBracket(true, 0, 1, 0));
    EXPECT_TRUE(finder.Failed);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              "Error Occurred in Regula-Falsi Initialization.\r\n\r\nCannot Bracket Root!");
    EXPECT_EQ(messages.messages[0].caption, caption);
    EXPECT_EQ(messages.messages[0].icon, Icon::Stop);
    finder.FindRoot();  // nothing to solve: no further message
    EXPECT_TRUE(finder.Failed);
    EXPECT_EQ(messages.messages.size(), 1u);
  }
  {  // a slow convergence: asked twice, continued once, then declined
    test::RecordingPrompter messages;
    messages.answers = {Answer::Yes, Answer::No};
    Finder finder([](Real x) { return std::pow(x, 9.0_r) - 1e-9_r; }, &messages);
    ASSERT_TRUE(finder.InitBracket(true, 1e-30_r, 3, -1));
    finder.FindRoot();
    EXPECT_TRUE(finder.Failed);
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(messages.messages[0].icon, Icon::Exclamation);
    EXPECT_NE(messages.messages[0].text.find("Number of Iterations = 30\r\n"), std::string::npos);
    EXPECT_NE(messages.messages[1].text.find("Number of Iterations = 60\r\n"), std::string::npos);
    const std::string prefix =
        "Maximum Iterations Exceeded in RF_Root!\r\nCurrent Value of Function = ";
    const std::string& text = messages.messages[0].text;
    ASSERT_EQ(text.compare(0, prefix.size(), prefix), 0) << text;
    const std::string value = text.substr(prefix.size(), text.find('\r', prefix.size()) - prefix.size());
    // 8 significant digits and a signed exponent of at least two digits: "-3.7348687E-02".
    EXPECT_TRUE(std::regex_match(value, std::regex(R"(-?[0-9]\.[0-9]{7}E[-+][0-9]{2,})"))) << value;
  }
  {  // the function fails
    test::RecordingPrompter messages;
    Finder finder([](Real x) -> Real {
      if (x > 2) throw std::runtime_error("Floating point overflow");
      return x - 3;
    }, &messages);
    EXPECT_FALSE(finder.InitBracket(true, 0, 1, 0));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              "Error Occurred in Regula-Falsi Initialization.\r\n\r\nFloating point overflow.");
  }
}

}  // namespace
}  // namespace jovi
