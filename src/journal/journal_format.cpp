#include "journal/journal_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>
#include <type_traits>

#include "util/float_chars.h"
#include "util/real.h"

namespace jovi {

namespace {

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}
constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

constexpr char kHex[] = "0123456789abcdef";

template <typename T>
void AppendNumber(std::string& out, T value) {
  char buf[64];
  std::to_chars_result r{};
  if constexpr (std::is_floating_point_v<T>) {
    r = FloatToChars(buf, buf + sizeof buf, value);
  } else {
    r = std::to_chars(buf, buf + sizeof buf, value);
  }
  out.append(buf, static_cast<std::size_t>(r.ptr - buf));
}

template <typename T>
std::optional<T> ReadNumber(std::string_view text) {
  T value{};
  if (text.empty()) return std::nullopt;
  const char* end = text.data() + text.size();
  std::from_chars_result r{};
  if constexpr (std::is_floating_point_v<T>) {
    r = FloatFromChars(text.data(), end, value);
  } else {
    r = std::from_chars(text.data(), end, value);
  }
  if (r.ec != std::errc() || r.ptr != end) return std::nullopt;
  return value;
}

// Bytes that would end a field or a line, the escape itself and control bytes become %XX.
std::string Escape(std::string_view text) {
  std::string out;
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c <= 0x20 || c == '%' || c == 0x7F) {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += ch;
    }
  }
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::string> Unescape(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const int hi = HexDigit(text[i + 1]);
    const int lo = HexDigit(text[i + 2]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out += static_cast<char>(hi * 16 + lo);
    i += 2;
  }
  return out;
}

std::string Finish(std::string payload) {
  const std::uint32_t crc = Crc32(payload);
  payload += ' ';
  for (int shift = 28; shift >= 0; shift -= 4) payload += kHex[(crc >> shift) & 15u];
  payload += '\n';
  return payload;
}

std::vector<std::string_view> Fields(std::string_view payload) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t space = payload.find(' ', start);
    fields.push_back(payload.substr(start, space - start));
    if (space == std::string_view::npos) break;
    start = space + 1;
  }
  return fields;
}

std::string_view ModeName(ExerciseMode mode) {
  switch (mode) {
    case ExerciseMode::Newton:
      return "NEWTON";
    case ExerciseMode::Roemer:
      return "ROEMER";
    case ExerciseMode::None:
      break;
  }
  return "NONE";
}

std::optional<ExerciseMode> ModeNamed(std::string_view name) {
  if (name == "NEWTON") return ExerciseMode::Newton;
  if (name == "ROEMER") return ExerciseMode::Roemer;
  if (name == "NONE") return ExerciseMode::None;
  return std::nullopt;
}

bool ValidId(std::string_view id) {
  if (id.empty() || id.size() > 64) return false;
  for (const char c : id) {
    const bool ok =
        (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-';
    if (!ok) return false;
  }
  return true;
}

// The payload of a line whose checksum holds, or nothing.
std::optional<std::string_view> CheckedPayload(std::string_view line) {
  if (line.size() < 10 || line[line.size() - 9] != ' ') return std::nullopt;
  const std::string_view payload = line.substr(0, line.size() - 9);
  std::uint32_t crc = 0;
  for (const char c : line.substr(line.size() - 8)) {
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return std::nullopt;
    crc = crc * 16u + static_cast<std::uint32_t>(HexDigit(c));
  }
  if (crc != Crc32(payload)) return std::nullopt;
  return payload;
}

// Takes one line's record into `content`; false when it makes no sense.
bool TakeLine(std::string_view payload, JournalContent& content) {
  const std::vector<std::string_view> f = Fields(payload);
  if (f[0] == "S") {
    if (f.size() != 5 || f[1] != "1" || !ValidId(f[2])) return false;
    const std::optional<ExerciseMode> mode = ModeNamed(f[3]);
    const std::optional<double> start = ReadNumber<double>(f[4]);
    if (!mode || !start) return false;
    content.Session = JournalSession{std::string(f[2]), *mode, *start};
    return true;
  }
  if (f[0] == "R") {
    if (f.size() != 2 || !ValidId(f[1])) return false;
    content.Work.Absorbed.emplace_back(f[1]);
    return true;
  }
  if (f[0] == "M") {
    if (f.size() != 7 || f[6].size() != 4) return false;
    MeasurementRecord r;
    const std::optional<Real> jd = ReadNumber<Real>(f[1]);
    if (!jd) return false;
    r.JulianDay = *jd;
    for (std::size_t m = 0; m < 4; ++m) {
      const std::optional<float> offset = ReadNumber<float>(f[2 + m]);
      const char included = f[6][m];
      if (!offset || (included != '0' && included != '1')) return false;
      r.Offset[m] = *offset;
      r.Included[m] = included == '1';
    }
    content.Work.Measurements.push_back(r);
    return true;
  }
  if (f[0] == "E") {
    if (f.size() != 4 || f[3].empty() || f[3][0] != '=') return false;
    EventRecord r;
    const std::optional<double> serial = ReadNumber<double>(f[1]);
    const std::optional<Real> distance = ReadNumber<Real>(f[2]);
    const std::optional<std::string> text = Unescape(f[3].substr(1));
    if (!serial || !distance || !text) return false;
    r.DateTime = *serial;
    r.DistanceAU = *distance;
    r.Event = *text;
    content.Work.Events.push_back(std::move(r));
    return true;
  }
  return false;
}

template <typename T>
bool SameValue(T a, T b) {
  return a == b || (std::isnan(a) && std::isnan(b));
}

}  // namespace

std::uint32_t Crc32(std::string_view bytes) {
  std::uint32_t c = 0xFFFFFFFFu;
  for (const char ch : bytes)
    c = kCrcTable[(c ^ static_cast<unsigned char>(ch)) & 0xFFu] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

std::string SessionLine(const JournalSession& session) {
  std::string p = "S ";
  AppendNumber(p, kJournalVersion);
  p.append(" ").append(session.Id).append(" ").append(ModeName(session.Mode)).append(" ");
  AppendNumber(p, session.StartSerial);
  return Finish(std::move(p));
}

std::string AbsorbedLine(std::string_view session_id) {
  return Finish(std::string("R ").append(session_id));
}

std::string MeasurementLine(const MeasurementRecord& record) {
  std::string p = "M ";
  AppendNumber(p, record.JulianDay);
  for (const float offset : record.Offset) {
    p += ' ';
    AppendNumber(p, offset);
  }
  p += ' ';
  for (const bool included : record.Included) p += included ? '1' : '0';
  return Finish(std::move(p));
}

std::string EventLine(const EventRecord& record) {
  std::string p = "E ";
  AppendNumber(p, record.DateTime);
  p += ' ';
  AppendNumber(p, record.DistanceAU);
  p.append(" =").append(Escape(record.Event));
  return Finish(std::move(p));
}

std::string JournalText(const JournalSession& session, const JournalWork& work) {
  std::string text = SessionLine(session);
  for (const std::string& id : work.Absorbed) text += AbsorbedLine(id);
  for (const MeasurementRecord& r : work.Measurements) text += MeasurementLine(r);
  for (const EventRecord& r : work.Events) text += EventLine(r);
  return text;
}

JournalContent ParseJournal(std::string_view bytes) {
  JournalContent content;
  // NUL bytes at the end belong to the tail.
  std::size_t end = bytes.size();
  while (end > 0 && bytes[end - 1] == '\0') --end;
  content.TornTail = end < bytes.size();
  std::size_t start = 0;
  while (start < end) {
    const std::size_t newline = bytes.find('\n', start);
    if (newline == std::string_view::npos || newline >= end) {
      content.TornTail = true;  // a line without its line feed: the write did not finish
      break;
    }
    const std::string_view line = bytes.substr(start, newline - start);
    start = newline + 1;
    const std::optional<std::string_view> payload = CheckedPayload(line);
    if (payload && TakeLine(*payload, content)) continue;
    // Only the last write can have been cut short; a bad line before it is damage.
    const bool last = start >= end;
    if (last) {
      content.TornTail = true;
    } else {
      ++content.DamagedLines;
    }
  }
  return content;
}

bool SameMeasurement(const MeasurementRecord& a, const MeasurementRecord& b) {
  if (!SameValue(a.JulianDay, b.JulianDay) || a.Included != b.Included) return false;
  for (std::size_t m = 0; m < 4; ++m) {
    if (!SameValue(a.Offset[m], b.Offset[m])) return false;
  }
  return true;
}

bool SameEvent(const EventRecord& a, const EventRecord& b) {
  return SameValue(a.DateTime, b.DateTime) && SameValue(a.DistanceAU, b.DistanceAU) &&
         a.Event == b.Event;
}

}  // namespace jovi
