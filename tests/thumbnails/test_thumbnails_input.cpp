// Selecting and scrolling the thumbnail strip with real mouse, key and
// wheel events; the selection's range; copying, forms and its place among
// Qt widgets.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QBuffer>
#include <QTest>
#include <QWheelEvent>
#include <memory>

#include "ThumbTestKit.h"
#include "host/ControlRegistry.h"
#include "host/FormLoader.h"
#include "host/KeyCodes.h"
#include "support/AssignWalk.h"
#include "support/LayoutTools.h"

using namespace vyr;

namespace {

// A strip alone in a shown window, with the focus.
struct Shown {
  explicit Shown(int w = 300, int h = 400) {
    strip = new TThumbnails;
    strip->setFixedSize(w, h);
    vyrtest::ShowInLayout(window, strip, {w, h});
    QApplication::setActiveWindow(&window);
    strip->setFocus();
    QApplication::processEvents();
  }
  std::vector<int> Selected() const {
    std::vector<int> slides;
    for (int s = strip->Min(); s <= strip->Max(); ++s)
      if (strip->SlideSelected(s)) slides.push_back(s);
    return slides;
  }
  void Click(int slide, Qt::KeyboardModifiers modifiers = {}) {
    int x = 0, y = 0;
    strip->CalcSlidePos(slide, x, y);
    QTest::mouseClick(strip, Qt::LeftButton, modifiers, {x + 40, y + 40});
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(strip, Qt::Key(key), modifiers); }
  void Wheel(int delta, QPoint at = {50, 50}) {
    QWheelEvent e(at, strip->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                  false);
    QApplication::sendEvent(strip, &e);
  }
  QWidget window;
  TThumbnails* strip;
};

using Slides = std::vector<int>;

}  // namespace

TEST(ThumbnailsMouse, SingleSelectionFollowsClicks) {
  Shown s;
  std::vector<int> clicked;
  int changes = 0;
  s.strip->OnImageClick = [&](TObject*, int, int, int id) { clicked.push_back(id); };
  s.strip->OnSelectionChange = [&](TObject*) { ++changes; };
  s.Click(1);
  s.Click(4, Qt::ControlModifier);  // modifiers do not matter here
  EXPECT_EQ(s.Selected(), Slides{4});
  EXPECT_EQ(s.strip->FirstSelectedSlide(), 4);
  QTest::mouseClick(s.strip, Qt::LeftButton, {}, {145, 50});  // between the columns
  EXPECT_EQ(s.Selected(), Slides{});
  EXPECT_EQ(s.strip->FirstSelectedSlide(), 0);
  EXPECT_EQ(clicked, (std::vector<int>{1, 4, 0}));
  EXPECT_EQ(changes, 3);
  s.strip->SetSlideSelectMode(ssmDisabled);
  s.Click(2);
  EXPECT_EQ(s.Selected(), Slides{});
  EXPECT_EQ(clicked.back(), 2);
}

TEST(ThumbnailsMouse, MultipleSelectionWithCtrlAndShift) {
  Shown s;
  s.strip->SetSlideSelectMode(ssmMultiple);
  s.Click(1);
  s.Click(4, Qt::ControlModifier);
  EXPECT_EQ(s.Selected(), (Slides{1, 4}));
  s.Click(1, Qt::ControlModifier);
  EXPECT_EQ(s.Selected(), Slides{4});
  s.Click(6, Qt::ShiftModifier);  // from the last clicked slide, 1
  EXPECT_EQ(s.Selected(), (Slides{1, 2, 3, 4, 5, 6}));
  s.Click(3);
  s.Click(5, Qt::ShiftModifier);
  EXPECT_EQ(s.Selected(), (Slides{3, 4, 5}));
  s.Click(1, Qt::ShiftModifier | Qt::ControlModifier);  // adds 1..3
  EXPECT_EQ(s.Selected(), (Slides{1, 2, 3, 4, 5}));
  EXPECT_EQ(s.strip->NumSlidesSelected(), 5);
  s.Click(2);
  EXPECT_EQ(s.Selected(), Slides{2});
  // The selected slides are drawn in ColorSelected.
  EXPECT_EQ(s.strip->Canvas().Pixels(156, 20), 0x800000u);
  EXPECT_EQ(s.strip->Canvas().Pixels(20, 20), clSilver);
}

TEST(ThumbnailsMouse, DoubleClickReportsTheSlide) {
  Shown s;
  int reported = -1;
  s.strip->OnImageDblClick = [&](TObject*, int, int, int id) { reported = id; };
  QTest::mouseDClick(s.strip, Qt::LeftButton, {}, {200, 200});
  EXPECT_EQ(reported, 4);
  QTest::mouseDClick(s.strip, Qt::LeftButton, {}, {145, 200});
  EXPECT_EQ(reported, 0);
}

TEST(ThumbnailsKeys, ArrowsMoveTheFrameAndSelect) {
  Shown s;
  s.Key(Qt::Key_Right);
  EXPECT_EQ(s.strip->FocusedSlide(), 2);
  EXPECT_EQ(s.Selected(), Slides{2});
  s.Key(Qt::Key_Down);
  EXPECT_EQ(s.strip->FocusedSlide(), 4);
  EXPECT_EQ(s.Selected(), Slides{4});
  s.Key(Qt::Key_Left);
  s.Key(Qt::Key_Up);
  s.Key(Qt::Key_Up);  // stays on the first slide
  EXPECT_EQ(s.strip->FocusedSlide(), 1);
  EXPECT_EQ(s.strip->Canvas().Pixels(12, 14), clBlue);
}

TEST(ThumbnailsKeys, EndAndHomeScrollTheSlideIntoView) {
  Shown s;
  s.Key(Qt::Key_End);
  EXPECT_EQ(s.strip->FocusedSlide(), 100);
  EXPECT_EQ(s.Selected(), Slides{100});
  int x = 0, y = 0;
  s.strip->CalcSlidePos(100, x, y);
  EXPECT_GE(y, 10);
  EXPECT_EQ(y + 134, 400 - 11);  // resting on the bottom margin
  s.Key(Qt::Key_PageUp);
  EXPECT_EQ(s.strip->FocusedSlide(), 100 - 2 * 2);
  s.Key(Qt::Key_Home);
  EXPECT_EQ(s.strip->FocusedSlide(), 1);
  EXPECT_EQ(s.strip->FirstThumbIdx(), 1.0);
}

TEST(ThumbnailsKeys, MultipleSelectionWithShiftCtrlAndSpace) {
  Shown s;
  s.strip->SetSlideSelectMode(ssmMultiple);
  std::vector<int> clicked, opened;
  s.strip->OnImageClick = [&](TObject*, int, int, int id) { clicked.push_back(id); };
  s.strip->OnImageDblClick = [&](TObject*, int, int, int id) { opened.push_back(id); };
  s.Key(Qt::Key_Right);
  s.Key(Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(s.Selected(), (Slides{2, 3}));
  s.Key(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(s.Selected(), (Slides{2, 3, 4, 5}));
  s.Key(Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(s.strip->FocusedSlide(), 6);
  EXPECT_EQ(s.Selected(), (Slides{2, 3, 4, 5}));
  s.Key(Qt::Key_Space, Qt::ControlModifier);
  EXPECT_EQ(s.Selected(), (Slides{2, 3, 4, 5, 6}));
  s.Key(Qt::Key_Space);
  EXPECT_EQ(s.Selected(), Slides{6});
  s.Key(Qt::Key_Return);
  EXPECT_EQ(clicked, (std::vector<int>{6, 6}));
  EXPECT_EQ(opened, std::vector<int>{6});
}

TEST(ThumbnailsWheel, ScrollsAThirdOfARowPerNotchUpToTheEnd) {
  Shown s(260, 400);
  s.Wheel(-120);
  EXPECT_NEAR(s.strip->FirstThumbIdx(), 1 + 1.0 / 3, 1e-9);
  EXPECT_EQ(s.strip->FocusedSlide(), 1);  // the slide now under the pointer
  s.Wheel(120);
  EXPECT_NEAR(s.strip->FirstThumbIdx(), 1.0, 1e-9);
  s.Wheel(120);
  EXPECT_NEAR(s.strip->FirstThumbIdx(), 1.0, 1e-9);
  for (int i = 0; i < 400; ++i) s.Wheel(-120);
  int x = 0, y = 0;
  s.strip->CalcSlidePos(100, x, y);
  EXPECT_EQ(y + 134, 400 - 11);
  // Beyond that by FirstThumbIdx, the wheel does not pull the grid back.
  s.strip->SetFirstThumbIdx(100);
  s.Wheel(-120);
  EXPECT_EQ(s.strip->FirstThumbIdx(), 100.0);
  s.Wheel(120);
  EXPECT_NEAR(s.strip->FirstThumbIdx(), 99 + 2.0 / 3, 1e-9);
}

TEST(ThumbnailsSelection, TheBitsAlwaysCoverMinToMax) {
  TThumbnails s;
  s.SetSlideSelected(500, true);  // beyond Max: ignored
  EXPECT_EQ(s.NumSlidesSelected(), 0);
  s.SetSlideSelected(100, true);
  s.SetMax(200);
  s.SetSlideSelected(150, true);
  EXPECT_EQ(s.NumSlidesSelected(), 2);
  s.SetMax(120);
  EXPECT_EQ(s.NumSlidesSelected(), 1);
  s.SetMax(200);
  EXPECT_FALSE(s.SlideSelected(150));
  s.SetMin(50);  // the slides that stay keep their state
  EXPECT_TRUE(s.SlideSelected(100));
  EXPECT_EQ(s.FirstSelectedSlide(), 100);
  s.SetMin(101);
  EXPECT_EQ(s.NumSlidesSelected(), 0);
  s.SetSlideSelected(101, true);
  s.SetSlideSelectMode(ssmMultiple);
  EXPECT_EQ(s.NumSlidesSelected(), 0);
  s.SetSlideSelected(150, true);
  s.ResetAllSelections();
  EXPECT_EQ(s.NumSlidesSelected(), 0);
}

TEST(ThumbnailsSelection, ANewMinOverTheLargestRangeKeepsTheSelectedSlides) {
  TThumbnails s;
  const int last = TThumbnails::kMaxSlides;
  s.SetMax(last);
  for (int slide : {2, 3, last}) s.SetSlideSelected(slide, true);
  s.SetMin(3);
  EXPECT_EQ(s.NumSlidesSelected(), 2);
  EXPECT_EQ(s.FirstSelectedSlide(), 3);
  EXPECT_TRUE(s.SlideSelected(last));
}

TEST(ThumbnailsCopy, AssignCopiesItsList) {
  static constexpr const char* notCopied[] = {"SlideSelectMode", "ColorMark", "FocusedSlide", "Font"};
  vyrtest::ExpectAssignCopiesList([] { return std::make_unique<TThumbnails>(); }, TThumbnails::CopiedProperties(),
                                  notCopied);
}

TEST(ThumbnailsCopy, ScrollPositionAndEventsComeAlongButNotTheSelection) {
  thumbtest::Strip source(300, 400);
  TThumbnails dest;
  dest.resize(300, 400);
  int asked = 0;
  source.strip.OnImageRequest = [&](TObject*, int, TImageRequestProcessing&, int&, TBitmap*&) { ++asked; };
  source.strip.SetFirstThumbIdx(4);
  source.strip.SetSlideSelected(5, true);
  source.strip.MouseMove(0, 50, 50);
  source.strip.SetSlideSelectMode(ssmMultiple);
  source.strip.SetColorMark(clRed);
  asked = 0;
  dest.AssignTo(&dest);  // itself: nothing happens
  source.strip.AssignTo(&dest);
  EXPECT_EQ(dest.FirstThumbIdx(), 3.5);
  EXPECT_EQ(dest.NumSlidesHoriz(), 2);
  EXPECT_EQ(dest.FocusedSlide(), source.strip.FocusedSlide());
  EXPECT_GT(asked, 0);  // dest painted through the copied handler
  EXPECT_EQ(dest.NumSlidesSelected(), 0);
  EXPECT_EQ(dest.SlideSelectMode(), ssmSingle);
  EXPECT_EQ(dest.ColorMark(), clBlack);
}

TEST(ThumbnailsCitizen, FromAFormInAnyOrder) {
  QByteArray data(R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Form</class>
 <widget class="QWidget" name="Form">
  <widget class="TThumbnails" name="strip">
   <property name="Min"><number>500</number></property>
   <property name="Max"><number>900</number></property>
   <property name="SlideSelectMode"><enum>ssmMultiple</enum></property>
   <property name="SlideSize"><number>80</number></property>
   <property name="geometry"><rect><x>0</x><y>0</y><width>300</width><height>200</height></rect></property>
  </widget>
 </widget>
</ui>
)");
  QBuffer buffer(&data);
  TFormLoader loader;
  std::unique_ptr<QWidget> form(loader.LoadForm(&buffer));
  ASSERT_TRUE(form) << loader.errorString().toStdString();
  auto* strip = form->findChild<TThumbnails*>(QStringLiteral("strip"));
  ASSERT_TRUE(strip);
  EXPECT_EQ(strip->Min(), 500);
  EXPECT_EQ(strip->Max(), 900);
  EXPECT_EQ(strip->SlideSelectMode(), ssmMultiple);
  EXPECT_EQ(strip->SlideSize(), 80);
  EXPECT_EQ(strip->FirstThumbIdx(), 500.0);
}

TEST(ThumbnailsCitizen, FocusableAccessibleAndRegistered) {
  Shown s;
  EXPECT_NE(s.strip->focusPolicy() & Qt::TabFocus, 0);
  EXPECT_TRUE(s.strip->hasFocus());
  EXPECT_FALSE(vyrtest::ScreenOnlyPixels(*s.strip).IsEmpty());  // the dotted focus frame
  s.Key(Qt::Key_Right);
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(s.strip);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->role(), QAccessible::List);
  EXPECT_EQ(a->text(QAccessible::Value), "slide 2, 1 of 100 selected");
  std::unique_ptr<QWidget> w(CreateRegisteredControl(QStringLiteral("TThumbnails"), nullptr));
  EXPECT_NE(dynamic_cast<TThumbnails*>(w.get()), nullptr);
  EXPECT_EQ(RegisteredControlHeader(QStringLiteral("TThumbnails")), "thumbnails/Vyr_Thumbnails.h");
  EXPECT_GT(s.strip->minimumSizeHint().width(), 50);
}

TEST(ThumbnailsEvents, AHandlerMayDestroyTheStripBeforeTheNextEvent) {
  int after = 0;
  auto* strip = new TThumbnails;
  strip->resize(300, 400);
  strip->Paint();
  strip->OnSelectionChange = [&](TObject*) { delete strip; };
  strip->OnImageClick = [&](TObject*, int, int, int) { ++after; };
  strip->MouseUp(mbLeft, 0, 50, 50);
  EXPECT_EQ(after, 0);

  strip = new TThumbnails;
  strip->resize(300, 400);
  strip->Paint();
  strip->OnFocusChange = [&](TObject*) { delete strip; };
  strip->OnSelectionChange = [&](TObject*) { ++after; };
  quint16 key = VK_RIGHT;
  strip->KeyDown(key, 0);
  EXPECT_EQ(after, 0);

  strip = new TThumbnails;
  strip->resize(300, 400);
  strip->Paint();
  strip->OnFocusChange = [&](TObject*) { delete strip; };
  strip->OnImageClick = [&](TObject*, int, int, int) { ++after; };
  key = VK_SPACE;
  strip->KeyDown(key, 0);
  EXPECT_EQ(after, 0);
}
