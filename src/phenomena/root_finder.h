// Root finding by bracketing and regula falsi (false position).
//
// Calling order: construct a derived object with its Func; InitBracket; FindRoot; read the
// result and Failed. The same object may be bracketed and solved any number of times.
#pragma once

#include <array>
#include <stdexcept>

#include "util/prompter.h"

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
  virtual long double Func(long double x) = 0;
  virtual long double FindRoot() = 0;

  bool Failed = true;          // no valid result yet
  long double LastChange = 0;  // the last move of a bracket end
};

class RFRootOBJ : public RootOBJ {
 public:
  explicit RFRootOBJ(Prompter* prompter = nullptr) : prompter_(prompter) {}

  // Searches a bracket from x0, the first step `step`, expanding by 1.6 up to 30 times.
  // A tolerance of 0 means 1e-05. Returns true (and clears Failed) when a bracket was found.
  bool InitBracket(bool report_errors, long double tolerance, long double step, long double x0);
  // Regula falsi on the bracket; the estimate is returned, Failed tells whether it converged.
  // Without a bracket (none found yet, or the last search failed) it stops at once, Failed set.
  // After kFirstIterationLimit steps it asks whether to go on (doubling the limit), but never
  // goes past kMostIterations steps; a function value or step that is not finite ends it at
  // once. Either way Failed is set.
  long double FindRoot() override;

  bool ReportErrors = false;
  std::array<long double, 2> BracketX{};  // [0] and [1] for ends 1 and 2
  std::array<long double, 2> BracketF{};
  long double Tolerance = kDefaultTolerance;

  static constexpr long double kDefaultTolerance = 1e-05L;
  static constexpr long double kExpansion = 1.6L;
  static constexpr int kMostExpansions = 30;
  static constexpr int kFirstIterationLimit = 30;
  static constexpr int kMostIterations = kFirstIterationLimit << 5;  // 960: five more doublings

 private:
  bool Bracket(long double step, long double x0);
  long double Iterate();
  Prompter& Messages() const { return prompter_ ? *prompter_ : ProgramPrompter(); }

  Prompter* prompter_;
  bool bracketed_ = false;
};

}  // namespace jovi
