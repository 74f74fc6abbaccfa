#include "analysis/plot_picture.h"

namespace jovi {

namespace {

constexpr PlotColour kNavy{0, 0, 128};
constexpr PlotColour kWhite{255, 255, 255};
constexpr PlotColour kBlack{0, 0, 0};
constexpr PlotColour kYellow{255, 255, 0};
constexpr PlotColour kMagenta{255, 0, 255};
constexpr PlotColour kAqua{0, 255, 255};
constexpr PlotColour kGreen{0, 128, 0};
constexpr PlotColour kGrey{128, 128, 128};
constexpr PlotColour kSilver{192, 192, 192};

}  // namespace

PlotColour InkColour(PlotInk ink, bool monochrome) {
  switch (ink) {
    case PlotInk::Background: return monochrome ? kWhite : kNavy;
    case PlotInk::Text: return monochrome ? kBlack : kWhite;
    case PlotInk::Point: return monochrome ? kBlack : kYellow;
    case PlotInk::Excluded: return monochrome ? kSilver : kMagenta;
    case PlotInk::Curve: return monochrome ? kBlack : kAqua;
    case PlotInk::CrossHair: return monochrome ? kGrey : kGreen;
  }
  return kWhite;
}

PlotColour ReadoutColour(bool monochrome) { return monochrome ? kWhite : kGreen; }

}  // namespace jovi
