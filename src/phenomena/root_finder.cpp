#include "phenomena/root_finder.h"

#include <cmath>
#include <cstdio>
#include <exception>
#include <string>

#include "util/real.h"

namespace jovi {

namespace {

constexpr std::string_view kCaption = "*** RFRootOBJ Error ***";
constexpr std::string_view kInitError = "Error Occurred in Regula-Falsi Initialization.\r\n\r\n";
constexpr std::string_view kSolveError = "Error Occurred in Regula-Falsi Root Finder.\r\n\r\n";

// "-1.2345678E-05": 8 significant digits, a signed exponent of at least two digits.
std::string Exponent8(Real v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.7" JOVI_REAL_LEN "E", v);
  return buf;
}

std::string ErrorText(const std::exception& e) {
  std::string text = e.what();
  if (text.empty() || text.back() != '.') text += '.';
  return text;
}

}  // namespace

bool RFRootOBJ::InitBracket(bool report_errors, Real tolerance, Real step,
                            Real x0) {
  ReportErrors = report_errors;
  Tolerance = tolerance == 0 ? kDefaultTolerance : std::fabs(tolerance);
  Failed = true;
  bracketed_ = false;
  try {
    if (Bracket(step, x0)) {
      Failed = false;
      bracketed_ = true;
      return true;
    }
    if (ReportErrors) {
      Messages().Tell(std::string(kInitError) + "Cannot Bracket Root!", kCaption, Icon::Stop);
    }
  } catch (const ReportedFailure&) {
    // already told
  } catch (const std::exception& e) {
    if (ReportErrors) Messages().Tell(std::string(kInitError) + ErrorText(e), kCaption, Icon::Stop);
  }
  return false;
}

bool RFRootOBJ::Bracket(Real step, Real x0) {
  const Real f0 = Func(x0);
  const Real x1 = x0 + step;
  const Real f1 = Func(x1);
  if (f0 * f1 < 0) {
    BracketX = {x1, x0};
    BracketF = {f1, f0};
    return true;
  }
  // Away from x0 when the first step brought the function no nearer to zero, else onwards.
  Real a = x0, fa = f0, d = kExpansion * step;
  if (std::fabs(f1) < std::fabs(f0)) {
    a = x1;
    fa = f1;
    d = -kExpansion * step;
  }
  Real x = a - d;
  Real f = Func(x);
  for (int expansions = 0; f * fa > 0 && expansions < kMostExpansions; ++expansions) {
    d *= kExpansion;
    a = x;
    fa = f;
    x = a - d;
    f = Func(x);
  }
  if (!(f * fa <= 0)) return false;  // NaN too
  if (a < x) {
    BracketX = {a, x};
    BracketF = {fa, f};
  } else {
    BracketX = {x, a};
    BracketF = {f, fa};
  }
  return true;
}

Real RFRootOBJ::FindRoot() {
  Failed = true;
  if (!bracketed_) return BracketX[1];
  try {
    return Iterate();
  } catch (const ReportedFailure&) {
    // already told
  } catch (const std::exception& e) {
    if (ReportErrors) Messages().Tell(std::string(kSolveError) + ErrorText(e), kCaption, Icon::Stop);
  }
  return BracketX[1];
}

Real RFRootOBJ::Iterate() {
  int limit = kFirstIterationLimit;
  int count = 0;
  Real x = BracketX[1];
  for (;;) {
    ++count;
    x = BracketX[1] - (BracketX[0] - BracketX[1]) / (BracketF[0] - BracketF[1]) * BracketF[1];
    if (!std::isfinite(x)) return BracketX[1];  // ends with equal values: no step to take
    const Real fx = Func(x);
    if (!std::isfinite(fx)) return x;
    if (fx * BracketF[1] < 0) {
      LastChange = std::fabs(BracketX[0] - x);
      BracketX[0] = x;
      BracketF[0] = fx;
    } else {
      LastChange = std::fabs(BracketX[1] - x);
      BracketX[1] = x;
      BracketF[1] = fx;
    }
    if (LastChange <= Tolerance || fx == 0) {
      Failed = false;
      return x;
    }
    if (count < limit) continue;
    if (!ReportErrors || limit >= kMostIterations) return x;
    const Answer answer = Messages().Ask(
        "Maximum Iterations Exceeded in RF_Root!\r\nCurrent Value of Function = " +
            Exponent8(fx) + "\r\nNumber of Iterations = " + std::to_string(limit) +
            "\r\n\r\nIncrease Iterations and Continue?",
        kCaption, Buttons::YesNo, Icon::Exclamation);
    if (answer != Answer::Yes) return x;
    limit *= 2;
  }
}

}  // namespace jovi
