#include "astro/nutation_precession.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/time_scales.h"

namespace jovi {

long double NutationInLongitude(long double jd) {
  const long double U = TenMillenniaSinceJ2000(jd);
  return (-834.0L * std::sin(2.18L - 3375.70L * U + 0.36L * U * U) -
          64.0L * std::sin(3.51L + 125666.39L * U + 0.10L * U * U)) *
         1.0e-7L;
}

long double GeneralPrecession(long double jd) {
  const long double tau = (jd - 2451545.0L) / 365250.0L;
  const long double arcseconds =
      tau * (50290.966L +
             tau * (111.1971L +
                    tau * (0.07732L +
                           tau * (-0.235316L + tau * (-0.0018055L +
                                                      tau * (0.00017451L + tau * 0.000013095L))))));
  return arcseconds * kRadiansPerArcsecond;
}

}  // namespace jovi
