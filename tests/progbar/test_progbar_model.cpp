// The progress bar's model: initial values, the colour table and its
// mapping rules, the clamps, the value text, the background picture,
// copying, and its place among Qt widgets.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <limits>

#include "foundation/NumRoutines.h"
#include "host/ControlRegistry.h"
#include "progbar/ProgBarPrivate.h"
#include "support/AssignWalk.h"
#include "support/LayoutTools.h"

using namespace vyr;

TEST(ProgBarModel, InitialValues) {
  TProgBar p;
  EXPECT_EQ(p.Width(), 300);
  EXPECT_EQ(p.Height(), 28);
  EXPECT_EQ(p.Value(), 10.0);
  EXPECT_EQ(p.Min(), 0.0);
  EXPECT_EQ(p.Max(), 100.0);
  EXPECT_EQ(p.Direction(), diLeftToRight);
  EXPECT_EQ(p.ColorMargin(), 0xC0C0C0u);
  EXPECT_EQ(p.ColorBackGnd(), 0xC0C0C0u);
  EXPECT_EQ(p.ColorMin(), clBlue);
  EXPECT_EQ(p.ColorMax(), clRed);
  EXPECT_EQ(p.ColorMapMode(), cgmStretch);
  EXPECT_FALSE(p.ShowColorGradient());
  EXPECT_EQ(p.GridDist(), 0);
  EXPECT_EQ(p.MarginLeft() + p.MarginRight() + p.MarginTop() + p.MarginBottom(), 16);
  EXPECT_EQ(p.FrameStyleOuter(), fsRaised);
  EXPECT_EQ(p.FrameStyleInner(), fsLowered);
  EXPECT_EQ(p.TextPosX(), 14);
  EXPECT_EQ(p.TextPosY(), 14);
  EXPECT_EQ(p.TextAlignment(), taCenter);
  EXPECT_FALSE(p.AutoInc());
  EXPECT_EQ(p.AutoIncStep(), 1.0);
  EXPECT_EQ(p.StartInterval(), 1500);
  EXPECT_EQ(p.RepeatInterval(), 700);
}

TEST(ProgBarColors, TheTableBlendsFromBlueToRed) {
  TProgBar p;
  EXPECT_EQ(p.GetBarColorElem(0), 0xFF0000u);
  EXPECT_EQ(p.GetBarColorElem(1023), 0x0000FFu);
  // trunc(255 * 512 / 1023) = 127 of red, trunc(255 - 127.62) = 127 of blue.
  EXPECT_EQ(p.GetBarColorElem(512), RGB(127, 0, 127));
  EXPECT_EQ(p.GetBarColorElem(1), RGB(0, 0, 254));
  EXPECT_EQ(p.GetBarColorElem(-1), 0u);
  EXPECT_EQ(p.GetBarColorElem(1024), 0u);
}

TEST(ProgBarColors, WritingAnEndRefillsTheEntriesBetween) {
  TProgBar p;
  p.SetBarColorElem(700, clLime);
  const int paints = p.PaintCount();
  p.SetColorMin(clBlack);
  EXPECT_EQ(p.GetBarColorElem(0), clBlack);
  EXPECT_EQ(p.GetBarColorElem(700), BlendColor(clBlack, clRed, 700.0 / 1023));
  EXPECT_EQ(p.PaintCount(), paints + 1);
  p.SetColorMax(clWhite);
  EXPECT_EQ(p.GetBarColorElem(1023), clWhite);
  EXPECT_EQ(p.GetBarColorElem(1022), RGB(254, 254, 254));
}

TEST(ProgBarColors, OneEntryIsWrittenWithoutRefillOrPaint) {
  TProgBar p;
  const int paints = p.PaintCount();
  p.SetBarColorElem(300, clLime);
  p.SetBarColorElem(5000, clLime);  // outside the table: ignored
  EXPECT_EQ(p.GetBarColorElem(300), clLime);
  EXPECT_EQ(p.GetBarColorElem(301), BlendColor(clBlue, clRed, 301.0 / 1023));
  EXPECT_EQ(p.PaintCount(), paints);
}

TEST(ProgBarColors, MappingModesAtBothEndsOfTheBar) {
  // A bar of 50 pixels in a box of 200.
  EXPECT_EQ(BarColorIndex(cgmStretch, 0, 50, 200), 0);
  EXPECT_EQ(BarColorIndex(cgmStretch, 49, 50, 200), 1003);  // Round(49 * 1023 / 50)
  EXPECT_EQ(BarColorIndex(cgmCover, 0, 50, 200), 0);
  EXPECT_EQ(BarColorIndex(cgmCover, 49, 50, 200), 251);  // Round(49 * 1023 / 200)
  EXPECT_EQ(BarColorIndex(cgmCover, 199, 200, 200), 1018);
  EXPECT_EQ(BarColorIndex(cgmMove, 49, 50, 200), 1023);
  EXPECT_EQ(BarColorIndex(cgmMove, 0, 50, 200), 1023 - 251);
  // One pixel of bar: its start for stretch, the table's end for move.
  EXPECT_EQ(BarColorIndex(cgmStretch, 0, 1, 200), 0);
  EXPECT_EQ(BarColorIndex(cgmMove, 0, 1, 200), 1023);
  // A bar far beyond the box stays within the table.
  EXPECT_EQ(BarColorIndex(cgmCover, 5000, 9000, 200), 1023);
  EXPECT_EQ(BarColorIndex(cgmMove, 0, 9000, 200), 0);
  EXPECT_EQ(BarColorIndex(cgmCover, 3, 10, 0), 0);
}

TEST(ProgBarModel, WritesAreClamped) {
  TProgBar p;
  p.SetTextDecPlaces(-5);
  EXPECT_EQ(p.TextDecPlaces(), -2);
  p.SetTextDecPlaces(12);
  EXPECT_EQ(p.TextDecPlaces(), 10);
  p.SetTextPosX(-3);
  EXPECT_EQ(p.TextPosX(), 0);
  p.SetTextPosX(5000);
  EXPECT_EQ(p.TextPosX(), 300);
  p.SetTextPosY(5000);
  EXPECT_EQ(p.TextPosY(), 28);
  p.SetTextAngle(-10);
  EXPECT_EQ(p.TextAngle(), 0);
  p.SetTextAngle(400);
  EXPECT_EQ(p.TextAngle(), 360);
  p.SetAutoIncStep(0);
  EXPECT_EQ(p.AutoIncStep(), 1.0);
  p.SetAutoIncStep(std::nan(""));
  EXPECT_EQ(p.AutoIncStep(), 1.0);
  p.SetAutoIncStep(-2.5);
  EXPECT_EQ(p.AutoIncStep(), -2.5);
  p.SetStartInterval(5);
  EXPECT_EQ(p.StartInterval(), 10);
  p.SetRepeatInterval(-100);
  EXPECT_EQ(p.RepeatInterval(), 10);
  p.SetMarginLeft(-4);
  EXPECT_EQ(p.MarginLeft(), 0);
  p.SetRange(5, 1);
  EXPECT_EQ(p.Min(), 1.0);
  EXPECT_EQ(p.Max(), 5.0);
}

// The anchor is written before the size (as a form may) and outlives a
// narrow pass of a layout.
TEST(ProgBarModel, TheTextAnchorOutlivesASmallerSize) {
  QWidget window;
  auto* p = new TProgBar(&window);
  window.show();
  p->SetTextPosX(350);
  p->SetTextPosY(40);
  for (QSize size : {QSize(400, 50), QSize(100, 20), QSize(400, 50)}) {
    p->SetBounds(0, 0, size.width(), size.height());
    EXPECT_EQ(QPoint(p->TextPosX(), p->TextPosY()), QPoint(std::min(350, size.width()), std::min(40, size.height())));
  }
}

TEST(ProgBarModel, ValueIsNotClampedAndRepaintsOnlyWhenChanged) {
  TProgBar p;
  const int paints = p.PaintCount();
  p.SetValue(250);
  EXPECT_EQ(p.Value(), 250.0);
  p.SetValue(250);
  EXPECT_EQ(p.PaintCount(), paints + 1);
  p.SetValue(std::nan(""));
  p.SetValue(std::nan(""));
  EXPECT_EQ(p.PaintCount(), paints + 2);
  p.SetTextVisible(true);  // text writes always repaint
  EXPECT_EQ(p.PaintCount(), paints + 3);
}

TEST(ProgBarText, DecimalsAndExponentForms) {
  TProgBar p;
  p.SetValue(1234.5678);
  EXPECT_EQ(p.ValueText(), "1235");
  p.SetTextDecPlaces(2);
  EXPECT_EQ(p.ValueText(), "1234.57");
  p.SetTextDecPlaces(-1);
  EXPECT_EQ(p.ValueText(), FormatFloatField(1, -2, 1234.5678));
  p.SetTextDecPlaces(-2);
  EXPECT_EQ(p.ValueText(), FormatFloatField(1, -1, 1234.5678));
  EXPECT_NE(p.ValueText(), FormatFloatField(1, -2, 1234.5678));
}

TEST(ProgBarText, OnShowValueMayReplaceTheText) {
  TProgBar p;
  p.OnShowValue = [&](TObject* sender, QString& text) {
    EXPECT_EQ(sender, &p);
    text += QStringLiteral(" %");
  };
  EXPECT_EQ(p.ValueText(), "10 %");
}

namespace {

QString WritePicture(const QTemporaryDir& dir, const char* name, QColor color) {
  QImage image(8, 8, QImage::Format_RGB32);
  image.fill(color);
  const QString path = dir.filePath(QString::fromLatin1(name));
  image.save(path);
  return path;
}

}  // namespace

TEST(ProgBarBackground, OnlyAPictureThatLoadsIsKept) {
  QTemporaryDir dir;
  const QString green = WritePicture(dir, "green.png", Qt::green);
  auto p = std::make_unique<TProgBar>();
  p->SetValue(0);
  p->SetTextVisible(false);
  p->SetBackGroundImg(green);
  EXPECT_EQ(p->BackGroundImg(), green);
  EXPECT_EQ(p->Canvas().Pixels(150, 14), clLime);
  p->SetBackGroundImg(dir.filePath(QStringLiteral("missing.png")));
  EXPECT_EQ(p->BackGroundImg(), green);
  EXPECT_EQ(p->Canvas().Pixels(150, 14), clLime);
  p->SetBackGroundImg(QString());
  EXPECT_EQ(p->BackGroundImg(), QString());
  EXPECT_EQ(p->Canvas().Pixels(150, 14), clSilver);
}

TEST(ProgBarAssign, CopiesEveryListedProperty) {
  QTemporaryDir dir;
  static constexpr const char* notCopied[] = {"ColorMin", "ColorMax", "AutoInc", "AutoIncStep",
                                              "StartInterval", "RepeatInterval", "Font"};
  vyrtest::ExpectAssignCopiesList([] { return std::make_unique<TProgBar>(); }, TProgBar::CopiedProperties(),
                                  notCopied,
                                  {{"BackGroundImg", WritePicture(dir, "red.png", Qt::red)}});
}

TEST(ProgBarAssign, TheTablePictureAndTextHandlerComeAlongButNotTheTimer) {
  QTemporaryDir dir;
  TProgBar source, dest;
  source.SetColorMin(clLime);
  source.SetBarColorElem(100, clYellow);
  source.SetBackGroundImg(WritePicture(dir, "red.png", Qt::red));
  source.OnShowValue = [](TObject*, QString& text) { text = QStringLiteral("copied"); };
  source.SetAutoIncStep(3);
  dest.Assign(&source);
  EXPECT_EQ(dest.ColorMin(), clLime);
  EXPECT_EQ(dest.GetBarColorElem(100), clYellow);
  EXPECT_EQ(dest.ValueText(), "copied");
  EXPECT_EQ(dest.AutoIncStep(), 1.0);
  dest.SetValue(0);
  EXPECT_EQ(dest.Canvas().Pixels(150, 20), clRed);
}

TEST(ProgBarCitizen, AccessibleAsAProgressBarWithItsRange) {
  QWidget window;
  auto* p = new TProgBar;
  p->SetValue(42);
  vyrtest::ShowInLayout(window, p, {300, 28});
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(p);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->role(), QAccessible::ProgressBar);
  EXPECT_EQ(a->text(QAccessible::Value), "42");
  ASSERT_NE(a->valueInterface(), nullptr);
  EXPECT_EQ(a->valueInterface()->maximumValue().toDouble(), 100.0);
  EXPECT_EQ(a->valueInterface()->currentValue().toDouble(), 42.0);
}

TEST(ProgBarCitizen, RegisteredWithSizeHints) {
  std::unique_ptr<QWidget> w(CreateRegisteredControl(QStringLiteral("TProgBar"), nullptr));
  auto* p = dynamic_cast<TProgBar*>(w.get());
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->sizeHint(), QSize(300, 28));
  EXPECT_LE(p->minimumSizeHint().width(), 300);
  EXPECT_GE(p->minimumSizeHint().width(), 16);
}
