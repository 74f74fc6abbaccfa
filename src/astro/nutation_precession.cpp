#include "astro/nutation_precession.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/time_scales.h"
#include "util/real.h"

namespace jovi {

Real NutationInLongitude(Real jd) {
  const Real U = TenMillenniaSinceJ2000(jd);
  return (-834.0_r * std::sin(2.18_r - 3375.70_r * U + 0.36_r * U * U) -
          64.0_r * std::sin(3.51_r + 125666.39_r * U + 0.10_r * U * U)) *
         1.0e-7_r;
}

Real GeneralPrecession(Real jd) {
  const Real tau = (jd - 2451545.0_r) / 365250.0_r;
  const Real arcseconds =
      tau * (50290.966_r +
             tau * (111.1971_r +
                    tau * (0.07732_r +
                           tau * (-0.235316_r + tau * (-0.0018055_r +
                                                      tau * (0.00017451_r + tau * 0.000013095_r))))));
  return arcseconds * kRadiansPerArcsecond;
}

}  // namespace jovi
