// The "Foundation" tab: the six frame styles and the 52 plot marks, drawn
// with the library's canvas into images.
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "GalleryPage.h"
#include "foundation/Frames.h"
#include "foundation/Marks.h"

namespace {

using namespace vyr;

constexpr TColor kFace = 0xC0C0C0;

// An image filled with the button face colour, with a canvas on it.
struct Sheet {
  QImage image;
  TCanvas canvas;
  Sheet(int w, int h) : image(w, h, QImage::Format_RGB32) {
    image.fill(ToQColor(kFace));
    canvas.SetImage(&image);
    canvas.Brush = TBrush{kFace, bsClear};
    canvas.Font.Color = clBlack;
  }
};

QImage FrameStyles() {
  static const char* const kNames[] = {"0 none", "1 single", "2 lowered", "3 raised", "4 bump", "5 etched"};
  constexpr int kCellW = 140, kCellH = 80, kMargin = 12;
  Sheet s(3 * kCellW, 2 * kCellH);
  for (int style = 0; style < 6; ++style) {
    int left = (style % 3) * kCellW + kMargin, top = (style / 3) * kCellH + kMargin;
    int right = left + kCellW - 2 * kMargin - 1, bottom = top + kCellH - 2 * kMargin - 1;
    DrawFrame(s.canvas, TFrameStyle(style), left, top, right, bottom, 0xFFFFFF, 0xC0C0C0, 0x808080, 0, 0);
    QString name = QString::fromLatin1(kNames[style]);
    s.canvas.TextOut((left + right - s.canvas.TextWidth(name)) / 2, (top + bottom - s.canvas.TextHeight(name)) / 2,
                     name);
  }
  return s.image;
}

QImage Marks() {
  constexpr int kColumns = 13, kCellW = 44, kCellH = 52;
  Sheet s(kColumns * kCellW, (kMarkCount + kColumns - 1) / kColumns * kCellH);
  for (int mark = 0; mark < kMarkCount; ++mark) {
    int left = (mark % kColumns) * kCellW, top = (mark / kColumns) * kCellH;
    QString number = QString::number(mark);
    s.canvas.Brush.Style = bsClear;
    s.canvas.TextOut(left + (kCellW - s.canvas.TextWidth(number)) / 2, top + 2, number);
    s.canvas.Pen.Color = 0x800000;
    s.canvas.Brush = TBrush{0xFFFFFF, bsSolid};
    DrawMarkOnCanvas(s.canvas, mark, left + kCellW / 2, top + kCellH - 17);
  }
  return s.image;
}

QLabel* ImageLabel(const QImage& image) {
  auto* label = new QLabel;
  label->setPixmap(QPixmap::fromImage(image));
  label->setFixedSize(image.size());
  return label;
}

class FoundationPage : public gallery::GalleryPage {
 public:
  FoundationPage() {
    auto* layout = new QVBoxLayout(this);
    FFrames = ImageLabel(FrameStyles());
    FMarks = ImageLabel(Marks());
    layout->addWidget(new QLabel(QStringLiteral("DrawFrame: the six frame styles")));
    layout->addWidget(FFrames);
    layout->addWidget(new QLabel(QStringLiteral("DrawMarkOnCanvas: the 52 marks (pen navy, brush white)")));
    layout->addWidget(FMarks);
    layout->addStretch();
  }
  std::vector<gallery::Shot> Shots() override {
    return {{QStringLiteral("DrawFrame-styles"), FFrames}, {QStringLiteral("DrawMarkOnCanvas-marks"), FMarks}};
  }

 private:
  QLabel* FFrames;
  QLabel* FMarks;
};

}  // namespace

static gallery::PageRegistration reg(10, QStringLiteral("Foundation"), [] { return new FoundationPage; });
