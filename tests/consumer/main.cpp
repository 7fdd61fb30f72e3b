// Uses each control as the gallery does, through the installed headers
// only, and checks a value from each so that the program proves it ran;
// then builds a form saved by Qt Designer from the code uic made of it.
#include <QApplication>
#include <QImage>
#include <cstdio>

#include "foldertree/Vyr_FolderTree.h"
#include "labels/Vyr_NumLab.h"
#include "labels/Vyr_RasterLab.h"
#include "labels/Vyr_RotLab.h"
#include "labels/Vyr_sevenseg.h"
#include "meter/Vyr_Meter.h"
#include "minical/Vyr_MiniCal.h"
#include "numio/Vyr_NumIO.h"
#include "progbar/Vyr_ProgBar.h"
#include "onoffbut/Vyr_onoffbut.h"
#include "replist/Vyr_replist.h"
#include "smallctl/Vyr_Colbut.h"
#include "smallctl/Vyr_Colsel.h"
#include "smallctl/Vyr_repsbut.h"
#include "smallctl/Vyr_gradfl.h"
#include "smallctl/Vyr_marksel.h"
#include "thumbnails/Vyr_Thumbnails.h"
#include "ui_EveryControl.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vyr::TNumIO2 field;
  field.SetInputFormat(vyr::itHex);
  field.SetValue(255);
  vyr::TNumIO edit;
  edit.SetInputFormat(vyr::itFloat);
  edit.SetRangeHigh(100);
  edit.SetValue(42.5);

  vyr::TMeter meter;
  meter.SetMeterLayout(vyr::mlCirc270);
  meter.SetMeterMaxValue(100);
  meter.SetValue(42);

  vyr::TReportListView list;
  list.SetNrOfColumns(2);
  list.SetNrOfRows(3);
  list.SetElem(1, 2, QStringLiteral("two"));
  list.Sort(1, -1, false);
  int scanError = 0;
  const QDateTime when = vyr::ScanDateTime(QStringLiteral("31.01.2020"), QStringLiteral("dd.MM.yyyy"), scanError);
  list.SetElem(2, 1, when.toString(Qt::ISODate));

  vyr::TNumLab reading;
  reading.SetDisplayType(vyr::dtHex);
  reading.SetValue(255);

  vyr::TRotLab title;
  title.SetCaption(QStringLiteral("kPa"));
  title.SetTextAngle(90);

  vyr::TSevenSeg readout;
  readout.SetCaption(QStringLiteral("12.5"));

  vyr::TRasterLab banner;
  banner.SetText(QStringLiteral("Hello"));
  banner.SetScrollIncrement(4);
  banner.SetScrollMode(vyr::rdsmRight);
  banner.DoTimer();

  vyr::TOnOffBut lamp;
  lamp.SetButtonStyle(vyr::oobsBulb);
  lamp.SetOnOff(false);
  lamp.Paint();
  if (lamp.OnOff() || lamp.GlyphWidth() != 39) {
    std::printf("consumer: unexpected on/off button\n");
    return 1;
  }

  vyr::TProgBar bar;
  bar.SetRange(0, 50);
  bar.SetShowColorGradient(true);
  bar.SetValue(25);
  if (bar.ValueText() != QStringLiteral("25") || bar.GetBarColorElem(0) != vyr::clBlue) {
    std::printf("consumer: unexpected progress bar\n");
    return 1;
  }

  vyr::TMarkSel marks;
  marks.SetSelected(12);
  vyr::TGradFill legend;
  legend.SetNrColors(300);
  if (marks.MarkAt(marks.MarkPosition(9).X, marks.MarkPosition(9).Y) != 9 || legend.NrColors() != 255) {
    std::printf("consumer: unexpected mark selector or gradient\n");
    return 1;
  }

  vyr::TColSel colours;
  colours.SetSelColor(vyr::clRed);
  vyr::TColorButton swatch;
  swatch.SetColor(vyr::clNavy);
  vyr::TRepSpeedButton arrow;
  arrow.SetRepeatClickInterval(3);
  if (colours.GetSelColorID() != QStringLiteral("Red") || swatch.Color() != vyr::clNavy ||
      arrow.RepeatClickInterval() != 10) {
    std::printf("consumer: unexpected small controls\n");
    return 1;
  }

  vyr::TFolderTree folders;
  QStringList subDirs{QStringLiteral("stale")};
  folders.GetSubDirs(QStringLiteral("/no such folder"), subDirs);
  if (folders.Directory() != QStringLiteral("/") || !subDirs.isEmpty()) {
    std::printf("consumer: unexpected folder tree\n");
    return 1;
  }

  vyr::TMiniCal calendar;
  calendar.SetDate(vyr::DateToSerial(QDate(2024, 1, 31)));
  calendar.NextMonth();
  QString holiday;
  if (calendar.Day() != 29 || !calendar.CheckHoliday(2025, 5, 29, holiday) || holiday != QStringLiteral("Ascension Day")) {
    std::printf("consumer: unexpected month calendar\n");
    return 1;
  }

  vyr::TThumbnails strip;
  strip.SetSlideSelectMode(vyr::ssmMultiple);
  strip.SetSlideSelected(2, true);
  int asked = 0;
  strip.OnImageRequest = [&asked](vyr::TObject*, int, vyr::TImageRequestProcessing& how, int& mark, vyr::TBitmap*& image) {
    ++asked;
    how = vyr::irpShowSlide;
    mark = 4;
    image->SetSize(40, 30);
  };
  strip.Paint();
  if (asked != strip.NumSlidesHoriz() * strip.NumSlidesVert() || strip.FirstSelectedSlide() != 2) {
    std::printf("consumer: unexpected thumbnail strip\n");
    return 1;
  }

  QWidget formHost;
  Ui::EveryControl form;
  form.setupUi(&formHost);
  if (form.meter->Value() != 42 || !form.onOffBut->OnOff() || form.numIO2->Value() != 255) {
    std::printf("consumer: unexpected form from uic\n");
    return 1;
  }

  QImage picture(meter.size(), QImage::Format_ARGB32);
  meter.render(&picture);
  const bool ok = field.Value() == 255 && edit.Text() == QStringLiteral("42.50000000") && meter.Value() == 42 && list.Elem(1, 1) == QStringLiteral("two") &&
                  reading.ShownText() == QStringLiteral("FF") && title.TextAngle() == 90 &&
                  readout.ShownText() == QStringLiteral("12.5") && banner.ScrollPosX() == 4;
  std::printf("consumer: %s\n", ok ? "ok" : "unexpected values");
  return ok ? 0 : 1;
}
