#include "palette.h"

#include <QList>
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace jovi::pictures {

namespace {

constexpr int kBits = 6;  // per channel, of the colours the palette is fitted to
constexpr int kLevels = 1 << kBits;
constexpr int kStep = 256 / kLevels;

// A colour on the reduced scale, and how many pixels have it.
struct Entry {
  std::array<int, 3> c;
  int count;
};

struct Box {
  std::vector<Entry>::iterator begin, end;
  int channel = 0;  // the channel along which the box is widest
  int range = 0;    // and its extent along it
  long pixels = 0;

  void Measure() {
    std::array<int, 3> lo{kLevels, kLevels, kLevels}, hi{-1, -1, -1};
    pixels = 0;
    for (auto it = begin; it != end; ++it) {
      for (int k = 0; k < 3; ++k) {
        lo[k] = std::min(lo[k], it->c[k]);
        hi[k] = std::max(hi[k], it->c[k]);
      }
      pixels += it->count;
    }
    channel = 0;
    for (int k = 1; k < 3; ++k) {
      if (hi[k] - lo[k] > hi[channel] - lo[channel]) channel = k;
    }
    range = hi[channel] - lo[channel];
  }

  // Splits the box at the pixel median along its widest channel; the upper part is returned.
  Box Split() {
    const int k = channel;
    std::sort(begin, end, [k](const Entry& a, const Entry& b) { return a.c[k] < b.c[k]; });
    long seen = 0;
    auto middle = begin;
    while (middle + 1 < end && seen + middle->count <= pixels / 2) seen += (middle++)->count;
    if (middle == begin) ++middle;
    Box upper{middle, end};
    end = middle;
    Measure();
    upper.Measure();
    return upper;
  }

  QRgb Mean() const {
    long sum[3] = {0, 0, 0};
    for (auto it = begin; it != end; ++it) {
      for (int k = 0; k < 3; ++k) sum[k] += static_cast<long>(it->c[k]) * it->count;
    }
    const auto channel_mean = [&](int k) {
      return static_cast<int>(std::min<long>(255, (sum[k] * kStep) / pixels + kStep / 2));
    };
    return qRgb(channel_mean(0), channel_mean(1), channel_mean(2));
  }
};

// The 4 × 4 ordered-dither offset at a pixel, spanning one step of the reduced scale.
int Dither(int x, int y) {
  static constexpr int kBayer[4][4] = {
      {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  return kBayer[y & 3][x & 3] * kStep / 16 - kStep / 2;
}

// The key of a pixel's dithered colour on the reduced scale; -1 for black.
int Key(QRgb c, int x, int y) {
  if ((c & 0xFFFFFF) == 0) return -1;
  const int d = Dither(x, y);
  const auto level = [d](int v) { return std::clamp(v + d, 0, 255) / kStep; };
  return (level(qRed(c)) * kLevels + level(qGreen(c))) * kLevels + level(qBlue(c));
}

}  // namespace

QImage ToIndexed8(const QImage& image) {
  std::vector<int> counts(kLevels * kLevels * kLevels, 0);
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int key = Key(line[x], x, y);
      if (key >= 0) ++counts[static_cast<std::size_t>(key)];
    }
  }
  std::vector<Entry> entries;
  for (int key = 0; key < static_cast<int>(counts.size()); ++key) {
    if (counts[static_cast<std::size_t>(key)] > 0) {
      entries.push_back({{key / (kLevels * kLevels), key / kLevels % kLevels, key % kLevels},
                         counts[static_cast<std::size_t>(key)]});
    }
  }

  std::vector<Box> boxes;
  if (!entries.empty()) {
    boxes.push_back({entries.begin(), entries.end()});
    boxes.back().Measure();
  }
  // The first half of the colours go where most pixels are; the rest to the widest boxes, so
  // that small features of their own colour (the Red Spot, the festoons) keep it.
  while (!boxes.empty() && boxes.size() < 255) {
    const bool by_pixels = boxes.size() < 128;
    const auto widest =
        std::max_element(boxes.begin(), boxes.end(), [&](const Box& a, const Box& b) {
          return by_pixels ? a.range * a.pixels < b.range * b.pixels : a.range < b.range;
        });
    if (widest->range == 0) break;
    boxes.push_back(widest->Split());
  }

  QList<QRgb> table{qRgb(0, 0, 0)};
  std::vector<std::uint8_t> index(counts.size(), 0);
  for (const Box& box : boxes) {
    for (auto it = box.begin; it != box.end; ++it) {
      index[static_cast<std::size_t>((it->c[0] * kLevels + it->c[1]) * kLevels + it->c[2])] =
          static_cast<std::uint8_t>(table.size());
    }
    table.push_back(box.Mean());
  }
  while (table.size() < 256) table.push_back(qRgb(0, 0, 0));

  QImage out(image.size(), QImage::Format_Indexed8);
  out.setColorTable(table);
  for (int y = 0; y < image.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    std::uint8_t* line = out.scanLine(y);
    for (int x = 0; x < image.width(); ++x) {
      const int key = Key(in[x], x, y);
      line[x] = key < 0 ? 0 : index[static_cast<std::size_t>(key)];
    }
  }
  return out;
}

}  // namespace jovi::pictures
