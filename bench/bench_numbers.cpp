// FormatFloatField against std::to_chars padded into a QString of the same
// field, and ScanFloat against narrowing the QString plus std::from_chars, on
// the same values and literals. Both sides must give the same texts and
// values.
#include <QString>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "Alternate.h"
#include "foundation/NumRoutines.h"

namespace {

constexpr int kWidth = 12, kRepeats = 20000;

// Values of every size, both signs, short and long expansions.
const std::vector<double>& Values() {
  static const std::vector<double> values = {
      0.0,      1.0,    -2.5,     3.14159265358979, 12345.678, -0.000123, 1e-7,   6.02214076e23,
      -1.5e150, 42.0,   99.995,   -7654321.125,     1.0 / 3.0, 2.0 / 7.0, 1e15,   -8.75e-30,
      0.1,      123.45, -9876.54, 5e-5,             271828.18, -31.4,     1.5e99, 7.0e-99,
  };
  return values;
}

// The values the exponent form with two exponent digits can show.
std::vector<double> TwoDigitExponentValues() {
  std::vector<double> values;
  for (double v : Values())
    if (v == 0 || std::abs(std::log10(std::abs(v))) < 99) values.push_back(v);
  return values;
}

// The characters right-aligned in a field of kWidth blanks.
QString Padded(const char* begin, const char* end) {
  const qsizetype length = end - begin;
  QString text(std::max<qsizetype>(kWidth, length), QLatin1Char(' '));
  QChar* out = text.data() + (text.size() - length);
  for (const char* c = begin; c != end; ++c) *out++ = QLatin1Char(*c);
  return text;
}

QString PeerFixed(double v) {
  std::array<char, 512> buffer{};
  const auto r = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v, std::chars_format::fixed, 4);
  return Padded(buffer.data(), r.ptr);
}

// kWidth - 6 significant digits, a capital E and two exponent digits.
QString PeerExponent(double v) {
  std::array<char, 64> buffer{};
  const auto r = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v, std::chars_format::scientific,
                               kWidth - 7);
  std::replace(buffer.data(), r.ptr, 'e', 'E');
  return Padded(buffer.data(), r.ptr);
}

std::vector<std::string> Literals() {
  std::vector<std::string> literals;
  std::array<char, 64> buffer{};
  for (double v : Values()) {
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v).ptr;
    literals.emplace_back(buffer.data(), end);
  }
  return literals;
}

using Texts = std::vector<QString>;

bool CompareFormat(const char* subject, int decimals, const std::vector<double>& values, QString (*peer)(double)) {
  const std::function<Texts()> ours = [&] {
    Texts last;
    for (int i = 0; i < kRepeats; ++i) {
      last.clear();
      for (double v : values) last.push_back(vyr::FormatFloatField(kWidth, decimals, v));
    }
    return last;
  };
  const std::function<Texts()> theirs = [&] {
    Texts last;
    for (int i = 0; i < kRepeats; ++i) {
      last.clear();
      for (double v : values) last.push_back(peer(v));
    }
    return last;
  };
  return vyrbench::Alternate<Texts>({subject, 1.5, 9}, ours, theirs);
}

bool CompareScan() {
  std::vector<QString> texts;
  for (const std::string& literal : Literals()) texts.push_back(QString::fromStdString(literal));
  using Numbers = std::vector<double>;
  const std::function<Numbers()> ours = [&] {
    Numbers last;
    for (int i = 0; i < kRepeats; ++i) {
      last.clear();
      for (const QString& text : texts) {
        qsizetype pos = 1;
        last.push_back(vyr::ScanFloat(text, true, vyr::dsPoint, pos));
      }
    }
    return last;
  };
  const std::function<Numbers()> peer = [&] {
    Numbers last;
    std::array<char, 64> narrow{};
    for (int i = 0; i < kRepeats; ++i) {
      last.clear();
      for (const QString& text : texts) {
        // Narrowing by hand: the literals are plain ASCII.
        const qsizetype n = std::min<qsizetype>(text.size(), qsizetype(narrow.size()));
        for (qsizetype k = 0; k < n; ++k) narrow[std::size_t(k)] = char(text[k].unicode());
        double value = 0.0;
        std::from_chars(narrow.data(), narrow.data() + n, value);
        last.push_back(value);
      }
    }
    return last;
  };
  return vyrbench::Alternate<Numbers>({"ScanFloat vs narrowing + std::from_chars", 1.5, 9}, ours, peer);
}

}  // namespace

int main() {
  bool agreed = CompareFormat("FormatFloatField fixed vs std::to_chars padded into a QString", 4, Values(), PeerFixed);
  agreed = CompareFormat("FormatFloatField exponent vs std::to_chars padded into a QString", -2,
                         TwoDigitExponentValues(), PeerExponent) &&
           agreed;
  agreed = CompareScan() && agreed;
  return agreed ? 0 : 1;
}
