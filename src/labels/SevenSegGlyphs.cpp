#include "labels/SevenSegGlyphs.h"

#include <array>

namespace vyr {
namespace {

constexpr unsigned Seg(int n) { return 1u << (n - 1); }
constexpr unsigned Segs(std::initializer_list<int> list) {
  unsigned bits = 0;
  for (int n : list) bits |= Seg(n);
  return bits;
}

constexpr int kPlusSegment = 9, kColonSegment = 10, kDegreeSegment = 11, kDotSegment = 8;

// Top-left corner of each segment's picture on the glyph canvas, by
// segment number; the x offsets shrink downwards, slanting the digits.
constexpr std::array<TPoint, 12> kPlaces = {{{0, 0},
                                             {94, 0},
                                             {37, 23},
                                             {244, 23},
                                             {57, 197},
                                             {0, 220},
                                             {207, 220},
                                             {20, 394},
                                             {269, 394},
                                             {57, 120},
                                             {122, 121},
                                             {150, 0}}};

// Seed points inside the shapes of the colon (lower left and upper right
// disc) and the degree ring (left and right of its hole), and the hole.
constexpr TPoint kColonSeeds[] = {{18, 171}, {49, 18}};
constexpr TPoint kDegreeSeeds[] = {{38, 68}, {122, 68}};
constexpr TPoint kDegreeHole = {150 + 80, 68};

// Fills the shape under the seed with color, whatever colour it has now.
void FillShape(TBitmap& picture, TPoint seed, TColor color) {
  TCanvas& c = picture.Canvas();
  const TColor found = c.Pixels(seed.X, seed.Y);
  if (found == color || found == clWhite || found == clInvalid) return;
  c.Brush.Color = color;
  c.Brush.Style = bsSolid;
  c.FloodFill(seed.X, seed.Y, found, fsSurface);
}

void FillFromCentre(TBitmap& picture, TColor color) {
  FillShape(picture, {picture.Width() / 2, picture.Height() / 2}, color);
}

}  // namespace

TSegmentPictures::TSegmentPictures() {
  Horz.LoadFromResourceName(QStringLiteral("SEGHORZ"));
  Vert.LoadFromResourceName(QStringLiteral("SEGVERT"));
  Dot.LoadFromResourceName(QStringLiteral("SEGDOT"));
  Plus.LoadFromResourceName(QStringLiteral("SEGPLUS"));
  Colon.LoadFromResourceName(QStringLiteral("SEGCOLON"));
  Deg.LoadFromResourceName(QStringLiteral("SEGDEG"));
}

int CacheCellOf(QChar ch) { return int(CacheCharacters().indexOf(ch.toUpper())); }

unsigned SegmentsOf(QChar ch) {
  switch (ch.toUpper().unicode()) {
    case '0': return Segs({1, 2, 3, 5, 6, 7});
    case '1': return Segs({3, 6});
    case '2': return Segs({1, 3, 4, 5, 7});
    case '3': return Segs({1, 3, 4, 6, 7});
    case '4': return Segs({2, 3, 4, 6});
    case '5': return Segs({1, 2, 4, 6, 7});
    case '6': return Segs({1, 2, 4, 5, 6, 7});
    case '7': return Segs({1, 3, 6});
    case '8': return Segs({1, 2, 3, 4, 5, 6, 7});
    case '9': return Segs({1, 2, 3, 4, 6, 7});
    case '-': return Segs({4});
    case 'A': return Segs({1, 2, 3, 4, 5, 6});
    case 'B': return Segs({2, 4, 5, 6, 7});
    case 'C': return Segs({1, 2, 5, 7});
    case 'D': return Segs({3, 4, 5, 6, 7});
    case 'E': return Segs({1, 2, 4, 5, 7});
    case 'F': return Segs({1, 2, 4, 5});
    case '.':
    case ',': return Seg(kDotSegment);
    case '+': return Seg(kPlusSegment);
    case ':': return Seg(kColonSegment);
    case 0x00B0: return Seg(kDegreeSegment);
    default: return 0;
  }
}

std::vector<TDigitPosition> DigitPositions(const QString& caption, int numDigits) {
  auto isPoint = [](QChar c) { return c == u'.' || c == u','; };
  std::vector<TDigitPosition> positions;
  qsizetype i = 0;
  while (int(positions.size()) < numDigits && i < caption.size()) {
    const QChar c = caption[i++];
    if (isPoint(c)) {
      positions.push_back({-1, true});
      continue;
    }
    const bool dot = i < caption.size() && isPoint(caption[i]);
    if (dot) ++i;
    positions.push_back({CacheCellOf(c), dot});
  }
  return positions;
}

TColor ColorizeSegments(TSegmentPictures& pictures, TColor color) {
  color = ColorToRGB(color);
  if (color == clWhite) color = 0xFEFEFE;
  for (TBitmap* picture : {&pictures.Vert, &pictures.Horz, &pictures.Dot, &pictures.Plus})
    FillFromCentre(*picture, color);
  for (TPoint seed : kColonSeeds) FillShape(pictures.Colon, seed, color);
  for (TPoint seed : kDegreeSeeds) FillShape(pictures.Deg, seed, color);
  return color;
}

void ComposeGlyph(TBitmap& canvas, const TSegmentPictures& pictures, QChar ch, bool withDot, TColor background) {
  TCanvas& c = canvas.Canvas();
  c.CopyMode = cmSrcCopy;
  c.Pen.Color = clWhite;
  c.Brush.Color = clWhite;
  c.Brush.Style = bsSolid;
  c.Rectangle(0, 0, canvas.Width(), canvas.Height());
  // AND over white: each coloured shape lands, the white around it leaves
  // what is already there.
  c.CopyMode = cmSrcAnd;
  const unsigned segments = SegmentsOf(ch) | (withDot ? Seg(kDotSegment) : 0u);
  auto place = [&](int n, const TBitmap& picture) {
    if (segments & Seg(n)) c.Draw(kPlaces[size_t(n)].X, kPlaces[size_t(n)].Y, picture);
  };
  for (int n : {1, 4, 7}) place(n, pictures.Horz);
  for (int n : {2, 3, 5, 6}) place(n, pictures.Vert);
  place(kDotSegment, pictures.Dot);
  place(kPlusSegment, pictures.Plus);
  place(kColonSegment, pictures.Colon);
  place(kDegreeSegment, pictures.Deg);
  c.CopyMode = cmSrcCopy;
  c.Brush.Color = background;
  c.FloodFill(1, 1, clWhite, fsSurface);
  if (segments & Seg(kDegreeSegment)) c.FloodFill(kDegreeHole.X, kDegreeHole.Y, clWhite, fsSurface);
}

}  // namespace vyr
