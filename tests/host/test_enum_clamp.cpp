// Enumerated properties whose setters store what they are given, written
// with an ordinal outside their enumeration from code or from a stored form,
// read back as a valid value. (Setters that ignore such writes are tested
// with their controls.)
#include <gtest/gtest.h>

#include <QBuffer>
#include <functional>
#include <memory>

#include "host/FormLoader.h"
#include "labels/Vyr_NumLab.h"
#include "labels/Vyr_RasterLab.h"
#include "labels/Vyr_RotLab.h"
#include "labels/Vyr_sevenseg.h"
#include "meter/Vyr_Meter.h"
#include "numio/Vyr_NumIO.h"
#include "onoffbut/Vyr_onoffbut.h"
#include "progbar/Vyr_ProgBar.h"
#include "replist/Vyr_replist.h"
#include "smallctl/Vyr_gradfl.h"
#include "smallctl/Vyr_marksel.h"
#include "thumbnails/Vyr_Thumbnails.h"

using namespace vyr;

namespace {

// Writes the ordinal after the last and the largest a byte holds: each reads
// back within first..last.
template <typename C, typename E>
void Expect(const char* name, void (C::*set)(E), E (C::*get)() const, E first, E last) {
  for (const int ordinal : {int(last) + 1, 255}) {
    C control;
    (control.*set)(static_cast<E>(ordinal));
    const int read = int((control.*get)());
    EXPECT_TRUE(read >= int(first) && read <= int(last)) << name << " = " << ordinal << " reads " << read;
  }
}
#define CLAMPED(C, Name, first, last) [] { Expect(#C "." #Name, &C::Set##Name, &C::Name, first, last); }
#define ALIGNED(C, Name) CLAMPED(C, Name, taLeftJustify, taCenter)
#define FRAMED(C, Name) CLAMPED(C, Name, fsNone, fsEtched)
#define SCHEMED(C) CLAMPED(C, ColorScheme, csFixed, csSystem)

}  // namespace

TEST(EnumClamp, EveryEnumeratedPropertyReadsBackAValidValue) {
  const std::function<void()> cases[] = {
    SCHEMED(TNumIO2), ALIGNED(TOnOffBut, LeftTextAlignment),
    ALIGNED(TOnOffBut, RightTextAlignment), ALIGNED(TOnOffBut, TopTextAlignment),
    ALIGNED(TOnOffBut, BottomTextAlignment), SCHEMED(TOnOffBut), FRAMED(TOnOffBut, FrameStyle),
    FRAMED(TMarkSel, FrameStyle), FRAMED(TGradFill, FrameStyle), CLAMPED(TGradFill, GridMode, gmNone, gmBoth),
    CLAMPED(TGradFill, FillType, gtHoriz, gtMidBandVert), FRAMED(TSevenSeg, FrameStyle), SCHEMED(TSevenSeg),
    CLAMPED(TRasterLab, CharBlockMode, rdbmOff, rdbmRaster), CLAMPED(TRasterLab, ScrollMode, rdsmOff, rdsmUp),
    FRAMED(TRasterLab, FrameStyle), SCHEMED(TRasterLab), ALIGNED(TRotLab, Alignment), FRAMED(TRotLab, FrameStyle),
    CLAMPED(TNumLab, DisplayType, dtFloat, dtEEngNoDP), ALIGNED(TNumLab, Alignment), SCHEMED(TNumLab),
    ALIGNED(TNumLab, LeftTextAlignment), ALIGNED(TNumLab, RightTextAlignment), FRAMED(TNumLab, FrameStyle),
    CLAMPED(TProgBar, Direction, diBottomToTop, diLeftToRight), CLAMPED(TProgBar, ColorMapMode, cgmCover, cgmMove),
    FRAMED(TProgBar, FrameStyleOuter), FRAMED(TProgBar, FrameStyleInner), SCHEMED(TProgBar),
    ALIGNED(TProgBar, TextAlignment), CLAMPED(TThumbnails, SlideSelectMode, ssmDisabled, ssmMultiple),
    FRAMED(TThumbnails, FrameStyle), FRAMED(TThumbnails, OuterFrameStyle), FRAMED(TThumbnails, InnerFrameStyle),
    SCHEMED(TThumbnails), CLAMPED(TMeter, MeterLayout, mlCirc90, mlCirc360), SCHEMED(TMeter),
    CLAMPED(TMeter, BkgndFillMode, bfNatural, bfTile), FRAMED(TMeter, FrameStyle)};
  for (const auto& c : cases) c();
  TReportListView list;
  list.SetNrOfColumns(1);
  list.SetColumnAlignment(1, TAlignment(4));
  EXPECT_EQ(list.ColumnAlignment(1), taCenter);
}

// A stored form holding numbers for such properties loads them clamped.
TEST(EnumClamp, AFormWithNumbersOutsideTheEnumerationLoads) {
  QByteArray data(R"(<ui version="4.0"><widget class="QWidget" name="Form">
   <widget class="TNumLab" name="n"><property name="FrameStyle"><number>9</number></property></widget>
   <widget class="TProgBar" name="p"><property name="TextAlignment"><number>4</number></property></widget>
   <widget class="TNumIO2" name="f"><property name="Alignment"><number>4</number></property></widget>
   <widget class="TReportListView" name="r"><property name="CommonHeaderAlignment"><number>4</number></property></widget>
  </widget></ui>)");
  QBuffer buffer(&data);
  TFormLoader loader;
  std::unique_ptr<QWidget> form(loader.LoadForm(&buffer));
  ASSERT_TRUE(form) << loader.errorString().toStdString();
  EXPECT_EQ(form->findChild<TNumLab*>("n")->FrameStyle(), fsNone);
  EXPECT_EQ(form->findChild<TProgBar*>("p")->TextAlignment(), taCenter);
  EXPECT_LE(int(form->findChild<TNumIO2*>("f")->Alignment()), int(taCenter));
  EXPECT_LE(int(form->findChild<TReportListView*>("r")->CommonHeaderAlignment()), int(taCenter));
}
