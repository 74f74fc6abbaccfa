// Root finding by bracketing and regula falsi (false position).
//
// Calling order: construct a derived object with its Func; InitBracket; FindRoot; read the
// result and Failed. The same object may be bracketed and solved any number of times.
#pragma once

#include <array>
#include <stdexcept>

#include "util/prompter.h"
#include "util/real.h"

namespace jovi {

// What a Func throws for a failure it has already told the user about (a missing or damaged
// ephemeris file, say): the finder gives up as for any other exception, without a message.
class ReportedFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The base of the root finders.
class RootOBJ {
 public:
  virtual ~RootOBJ() = default;
  // The function whose root is sought. It may throw; the finder then gives up (see below).
  virtual Real Func(Real x) = 0;
  virtual Real FindRoot() = 0;

  bool Failed = true;          // no valid result yet
  Real LastChange = 0;  // the last move of a bracket end
};

class RFRootOBJ : public RootOBJ {
 public:
  explicit RFRootOBJ(Prompter* prompter = nullptr) : prompter_(prompter) {}

  // Searches a bracket from x0, the first step `step`, expanding by 1.6 up to 30 times.
  // A tolerance of 0 means 1e-05. Returns true (and clears Failed) when a bracket was found.
  bool InitBracket(bool report_errors, Real tolerance, Real step, Real x0);
  // Regula falsi on the bracket; the estimate is returned, Failed tells whether it converged.
  // Without a bracket (none found yet, or the last search failed) it stops at once, Failed set.
  // After kFirstIterationLimit steps it asks whether to go on (doubling the limit), but never
  // goes past kMostIterations steps; a function value or step that is not finite ends it at
  // once. Either way Failed is set.
  Real FindRoot() override;

  bool ReportErrors = false;
  std::array<Real, 2> BracketX{};  // [0] and [1] for ends 1 and 2
  std::array<Real, 2> BracketF{};
  Real Tolerance = kDefaultTolerance;

  static constexpr Real kDefaultTolerance = 1e-05_r;
  static constexpr Real kExpansion = 1.6_r;
  static constexpr int kMostExpansions = 30;
  static constexpr int kFirstIterationLimit = 30;
  static constexpr int kMostIterations = kFirstIterationLimit << 5;  // 960: five more doublings

 private:
  bool Bracket(Real step, Real x0);
  Real Iterate();
  Prompter& Messages() const { return prompter_ ? *prompter_ : ProgramPrompter(); }

  Prompter* prompter_;
  bool bracketed_ = false;
};

}  // namespace jovi
