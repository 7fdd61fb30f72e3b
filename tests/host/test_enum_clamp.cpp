// Enumerated properties written with an ordinal outside their enumeration,
// from code or from a stored form, read back as a valid value.
#include <gtest/gtest.h>

#include <QBuffer>
#include <memory>

#include "host/FormLoader.h"
#include "labels/Vyr_NumLab.h"
#include "labels/Vyr_RasterLab.h"
#include "labels/Vyr_RotLab.h"
#include "labels/Vyr_sevenseg.h"
#include "meter/Vyr_Meter.h"
#include "minical/Vyr_MiniCal.h"
#include "numio/Vyr_NumIO.h"
#include "onoffbut/Vyr_onoffbut.h"
#include "progbar/Vyr_ProgBar.h"
#include "replist/Vyr_replist.h"
#include "smallctl/Vyr_gradfl.h"
#include "smallctl/Vyr_marksel.h"
#include "thumbnails/Vyr_Thumbnails.h"

using namespace vyr;

namespace {

// Writes the ordinal after the last and the largest a byte holds; each must
// read back within first..last.
template <typename C, typename E>
void Expect(const char* name, void (C::*set)(E), E (C::*get)() const, E first, E last) {
  for (const int ordinal : {int(last) + 1, 255}) {
    C control;
    (control.*set)(static_cast<E>(ordinal));
    const int read = int((control.*get)());
    EXPECT_TRUE(read >= int(first) && read <= int(last)) << name << " = " << ordinal << " reads " << read;
  }
}

}  // namespace

TEST(EnumClamp, EveryEnumeratedPropertyReadsBackAValidValue) {
  const TAlignment al = taLeftJustify, ar = taCenter;
  const TFrameStyle f0 = fsNone, f1 = fsEtched;
  const TColorScheme c0 = csFixed, c1 = csSystem;
  Expect("OnOffBut.ButtonStyle", &TOnOffBut::SetButtonStyle, &TOnOffBut::ButtonStyle, oobsUser, oobsUser5);
  Expect("OnOffBut.Mode", &TOnOffBut::SetMode, &TOnOffBut::Mode, oobmNormalBut, oobmSpeedBut);
  Expect("OnOffBut.MouseAction", &TOnOffBut::SetMouseAction, &TOnOffBut::MouseAction, oomaNone, oomaPlain);
  Expect("OnOffBut.LeftText", &TOnOffBut::SetLeftTextAlignment, &TOnOffBut::LeftTextAlignment, al, ar);
  Expect("OnOffBut.RightText", &TOnOffBut::SetRightTextAlignment, &TOnOffBut::RightTextAlignment, al, ar);
  Expect("OnOffBut.TopText", &TOnOffBut::SetTopTextAlignment, &TOnOffBut::TopTextAlignment, al, ar);
  Expect("OnOffBut.BottomText", &TOnOffBut::SetBottomTextAlignment, &TOnOffBut::BottomTextAlignment, al, ar);
  Expect("OnOffBut.ColorScheme", &TOnOffBut::SetColorScheme, &TOnOffBut::ColorScheme, c0, c1);
  Expect("OnOffBut.FrameStyle", &TOnOffBut::SetFrameStyle, &TOnOffBut::FrameStyle, f0, f1);
  Expect("MarkSel.FrameStyle", &TMarkSel::SetFrameStyle, &TMarkSel::FrameStyle, f0, f1);
  Expect("GradFill.FillType", &TGradFill::SetFillType, &TGradFill::FillType, gtHoriz, gtMidBandVert);
  Expect("GradFill.FrameStyle", &TGradFill::SetFrameStyle, &TGradFill::FrameStyle, f0, f1);
  Expect("GradFill.GridMode", &TGradFill::SetGridMode, &TGradFill::GridMode, gmNone, gmBoth);
  Expect("SevenSeg.FrameStyle", &TSevenSeg::SetFrameStyle, &TSevenSeg::FrameStyle, f0, f1);
  Expect("SevenSeg.ColorScheme", &TSevenSeg::SetColorScheme, &TSevenSeg::ColorScheme, c0, c1);
  Expect("RasterLab.CharBlockMode", &TRasterLab::SetCharBlockMode, &TRasterLab::CharBlockMode, rdbmOff, rdbmRaster);
  Expect("RasterLab.ScrollMode", &TRasterLab::SetScrollMode, &TRasterLab::ScrollMode, rdsmOff, rdsmUp);
  Expect("RasterLab.FrameStyle", &TRasterLab::SetFrameStyle, &TRasterLab::FrameStyle, f0, f1);
  Expect("RasterLab.ColorScheme", &TRasterLab::SetColorScheme, &TRasterLab::ColorScheme, c0, c1);
  Expect("RotLab.Alignment", &TRotLab::SetAlignment, &TRotLab::Alignment, al, ar);
  Expect("RotLab.FrameStyle", &TRotLab::SetFrameStyle, &TRotLab::FrameStyle, f0, f1);
  Expect("NumLab.DisplayType", &TNumLab::SetDisplayType, &TNumLab::DisplayType, dtFloat, dtEEngNoDP);
  Expect("NumLab.Alignment", &TNumLab::SetAlignment, &TNumLab::Alignment, al, ar);
  Expect("NumLab.LeftText", &TNumLab::SetLeftTextAlignment, &TNumLab::LeftTextAlignment, al, ar);
  Expect("NumLab.RightText", &TNumLab::SetRightTextAlignment, &TNumLab::RightTextAlignment, al, ar);
  Expect("NumLab.FrameStyle", &TNumLab::SetFrameStyle, &TNumLab::FrameStyle, f0, f1);
  Expect("NumLab.ColorScheme", &TNumLab::SetColorScheme, &TNumLab::ColorScheme, c0, c1);
  Expect("MiniCal.FirstDayOfWeek", &TMiniCal::SetFirstDayOfWeek, &TMiniCal::FirstDayOfWeek, dwMon, dwSun);
  Expect("MiniCal.Language", &TMiniCal::SetLanguage, &TMiniCal::Language, lgEnglish, lgSpanish);
  Expect("NumIO.InputFormat", &TNumIO::SetInputFormat, &TNumIO::InputFormat, itExp, itDynamic);
  Expect("NumIO.DecPlaceSep", &TNumIO::SetDecPlaceSep, &TNumIO::DecPlaceSep, dsSystem, dsBoth);
  Expect("NumIO2.InputFormat", &TNumIO2::SetInputFormat, &TNumIO2::InputFormat, itExp, itDynamic);
  Expect("NumIO2.DecPlaceSep", &TNumIO2::SetDecPlaceSep, &TNumIO2::DecPlaceSep, dsSystem, dsBoth);
  Expect("NumIO2.Alignment", &TNumIO2::SetAlignment, &TNumIO2::Alignment, al, ar);
  Expect("NumIO2.LeftText", &TNumIO2::SetLeftTextAlignment, &TNumIO2::LeftTextAlignment, al, ar);
  Expect("NumIO2.RightText", &TNumIO2::SetRightTextAlignment, &TNumIO2::RightTextAlignment, al, ar);
  Expect("NumIO2.FrameStyle", &TNumIO2::SetFrameStyle, &TNumIO2::FrameStyle, f0, f1);
  Expect("NumIO2.ColorScheme", &TNumIO2::SetColorScheme, &TNumIO2::ColorScheme, c0, c1);
  Expect("NumIO2.GaugeFrameStyle", &TNumIO2::SetGaugeFrameStyle, &TNumIO2::GaugeFrameStyle, f0, f1);
  Expect("ProgBar.Direction", &TProgBar::SetDirection, &TProgBar::Direction, diBottomToTop, diLeftToRight);
  Expect("ProgBar.ColorMapMode", &TProgBar::SetColorMapMode, &TProgBar::ColorMapMode, cgmCover, cgmMove);
  Expect("ProgBar.FrameStyleOuter", &TProgBar::SetFrameStyleOuter, &TProgBar::FrameStyleOuter, f0, f1);
  Expect("ProgBar.FrameStyleInner", &TProgBar::SetFrameStyleInner, &TProgBar::FrameStyleInner, f0, f1);
  Expect("ProgBar.ColorScheme", &TProgBar::SetColorScheme, &TProgBar::ColorScheme, c0, c1);
  Expect("ProgBar.TextAlignment", &TProgBar::SetTextAlignment, &TProgBar::TextAlignment, al, ar);
  Expect("Thumbnails.SlideSelectMode", &TThumbnails::SetSlideSelectMode, &TThumbnails::SlideSelectMode, ssmDisabled,
         ssmMultiple);
  Expect("Thumbnails.FrameStyle", &TThumbnails::SetFrameStyle, &TThumbnails::FrameStyle, f0, f1);
  Expect("Thumbnails.OuterFrameStyle", &TThumbnails::SetOuterFrameStyle, &TThumbnails::OuterFrameStyle, f0, f1);
  Expect("Thumbnails.InnerFrameStyle", &TThumbnails::SetInnerFrameStyle, &TThumbnails::InnerFrameStyle, f0, f1);
  Expect("Thumbnails.ColorScheme", &TThumbnails::SetColorScheme, &TThumbnails::ColorScheme, c0, c1);
  Expect("Meter.MeterLayout", &TMeter::SetMeterLayout, &TMeter::MeterLayout, mlCirc90, mlCirc360);
  Expect("Meter.ColorScheme", &TMeter::SetColorScheme, &TMeter::ColorScheme, c0, c1);
  Expect("Meter.BkgndFillMode", &TMeter::SetBkgndFillMode, &TMeter::BkgndFillMode, bfNatural, bfTile);
  Expect("Meter.FrameStyle", &TMeter::SetFrameStyle, &TMeter::FrameStyle, f0, f1);
  TReportListView list;
  list.SetNrOfColumns(1);
  list.SetColumnAlignment(1, TAlignment(4));
  EXPECT_LE(int(list.ColumnAlignment(1)), int(taCenter));
}

// A stored form holding numbers for such properties loads them clamped.
TEST(EnumClamp, AFormWithNumbersOutsideTheEnumerationLoads) {
  QByteArray data(R"(<ui version="4.0"><widget class="QWidget" name="Form">
   <widget class="TNumLab" name="n"><property name="Alignment"><number>4</number></property>
    <property name="FrameStyle"><number>9</number></property></widget>
   <widget class="TProgBar" name="p"><property name="TextAlignment"><number>4</number></property></widget>
   <widget class="TRotLab" name="r"><property name="Alignment"><number>4</number></property></widget>
   <widget class="TNumIO2" name="f"><property name="Alignment"><number>4</number></property></widget>
  </widget></ui>)");
  QBuffer buffer(&data);
  TFormLoader loader;
  std::unique_ptr<QWidget> form(loader.LoadForm(&buffer));
  ASSERT_TRUE(form) << loader.errorString().toStdString();
  EXPECT_EQ(form->findChild<TNumLab*>("n")->Alignment(), taCenter);
  EXPECT_EQ(form->findChild<TNumLab*>("n")->FrameStyle(), fsNone);
  EXPECT_EQ(form->findChild<TProgBar*>("p")->TextAlignment(), taCenter);
  EXPECT_EQ(form->findChild<TRotLab*>("r")->Alignment(), taCenter);
  EXPECT_LE(int(form->findChild<TNumIO2*>("f")->Alignment()), int(taCenter));
}
