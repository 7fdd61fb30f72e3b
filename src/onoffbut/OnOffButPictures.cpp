// The on/off button's pictures: the built-in sheets, the user pictures and
// how a sheet splits into the four state pictures.
#include "host/Exception.h"
#include "onoffbut/OnOffButPrivate.h"

namespace vyr {

QString OnOffSheetName(TOnOffButStyle style) {
  static const char* const names[] = {
      "",           "CHECKBOX",   "RADIOBUT", "SLIDETOPBOT", "SLIDELFTRGT", "COLSLIDETB", "COLSLIDELR", "LEDREDGREEN",
      "ARROWTR",    "ARROWUD",    "ARROWLR",  "TRAFFICLGT",  "BEVELEDLED",  "SMILEYS",    "SMILEYRG",   "BULB",
      "BUTLAMP",    "HDLEFT",     "HDRIGHT",  "USER1",       "USER2",       "USER3",      "USER4",      "USER5"};
  const int i = int(style);
  return i > 0 && i < int(std::size(names)) ? QString::fromLatin1(names[i]) : QString();
}

namespace {

// The quadrants in state order 0..3: off disabled, off enabled, on disabled,
// on enabled, as columns and rows of the sheet.
constexpr int kQuadrantColumn[4] = {1, 1, 0, 0};
constexpr int kQuadrantRow[4] = {1, 0, 1, 0};

}  // namespace

void MakeDefaultUserPictures(std::array<TBitmap, 4>& users) {
  for (TBitmap& b : users) b.SetSize(20, 20);
  TCanvas& cross = users[1].Canvas();
  cross.MoveTo(0, 0);
  cross.LineTo(20, 20);
  cross.MoveTo(0, 20);
  cross.LineTo(20, 0);
  users[3].Canvas().Ellipse(5, 5, 15, 15);
}

void TOnOffBut::ExtractGlyphs(const TBitmap& sheet) {
  const int w = sheet.Width() / 2, h = sheet.Height() / 2;
  d->GlyphWidth = w;
  d->GlyphHeight = h;
  const QImage all = sheet.ToRgb32();
  for (int i = 0; i < 4; ++i) d->States[i].SetImage(all.copy(kQuadrantColumn[i] * w, kQuadrantRow[i] * h, w, h));
}

void TOnOffBut::LoadGlyphs() {
  if (d->ButtonStyle == oobsUser) {
    for (int i = 0; i < 4; ++i) d->States[i].Assign(d->Users[i]);
    return;
  }
  TBitmap sheet;
  sheet.LoadFromResourceName(OnOffSheetName(d->ButtonStyle));
  ExtractGlyphs(sheet);
}

void TOnOffBut::SetUserGlyph(const TBitmap& sheet) {
  if (sheet.Width() < 2 || sheet.Height() < 2)
    throw EInvalidGraphic(QStringLiteral("Component \"%1\": a user picture sheet needs at least 2 x 2 pixels, not %2 x %3")
                              .arg(Name())
                              .arg(sheet.Width())
                              .arg(sheet.Height()));
  const int w = sheet.Width() / 2, h = sheet.Height() / 2;
  const QImage all = sheet.ToRgb32();
  for (int i = 0; i < 4; ++i) d->Users[i].SetImage(all.copy(kQuadrantColumn[i] * w, kQuadrantRow[i] * h, w, h));
  if (d->ButtonStyle != oobsUser) return;
  LoadGlyphs();
  d->GlyphWidth = w;
  d->GlyphHeight = h;
  if (d->AutoCenter) AdjustAutoCenter();
  Invalidate();
}

void TOnOffBut::LoadUserGlyph(const QString& FName) {
  TBitmap sheet;
  sheet.LoadFromFile(FName);
  SetUserGlyph(sheet);
}

const TBitmap* TOnOffBut::StatePicture(int index) const {
  return index >= 0 && index < 4 ? &d->States[index] : nullptr;
}

const TBitmap* TOnOffBut::UserPicture(int index) const {
  return index >= 0 && index < 4 ? &d->Users[index] : nullptr;
}

int TOnOffBut::GlyphWidth() const { return d->GlyphWidth; }
int TOnOffBut::GlyphHeight() const { return d->GlyphHeight; }

}  // namespace vyr
