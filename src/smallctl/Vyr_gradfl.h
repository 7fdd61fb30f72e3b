#pragma once
// TGradFill: its area filled with a stepped gradient between two colours,
// in horizontal or vertical bands, running from one edge to the other or
// from both edges to a band in the middle; a background or a colour legend.
//
// Choices made for this control:
// - GridMode draws lines in GridColor on the band borders of a regular
//   division of the area into NrColors parts: gmHoriz horizontal lines,
//   gmVert vertical lines, gmBoth both, gmNone none. With the bands running
//   the same way the lines separate the bands; across them they divide the
//   area into as many equal parts.
#include <functional>
#include <memory>

#include "foundation/CoreTypes.h"
#include "host/Control.h"

namespace vyr {

enum TGradType : std::uint8_t { gtHoriz = 0, gtVert = 1, gtMidBandHoriz = 2, gtMidBandVert = 3 };
enum TGridMode : std::uint8_t { gmNone = 0, gmHoriz = 1, gmVert = 2, gmBoth = 3 };

class TGradFill : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(uint ColorFirst READ ColorFirst WRITE SetColorFirst)
  Q_PROPERTY(uint ColorLast READ ColorLast WRITE SetColorLast)
  Q_PROPERTY(bool ColorFlipped READ ColorFlipped WRITE SetColorFlipped)
  Q_PROPERTY(int FillType READ FillTypeOrdinal WRITE SetFillTypeOrdinal)
  Q_PROPERTY(int NrColors READ NrColors WRITE SetNrColors)
  Q_PROPERTY(int FrameStyle READ FrameStyleOrdinal WRITE SetFrameStyleOrdinal)
  Q_PROPERTY(uint GridColor READ GridColor WRITE SetGridColor)
  Q_PROPERTY(int GridMode READ GridModeOrdinal WRITE SetGridModeOrdinal)

 public:
  // 121 x 121, 16 horizontal bands from 0x000080 to 0x00FFFF.
  explicit TGradFill(QWidget* AOwner = nullptr);
  ~TGradFill() override;

  // The displayed colours. While flipped, ColorFirst shows the colour set
  // as the last one and a write of ColorFirst sets that colour; so turning
  // ColorFlipped off again shows it last.
  TColor ColorFirst() const;
  void SetColorFirst(TColor value);
  TColor ColorLast() const;
  void SetColorLast(TColor value);
  bool ColorFlipped() const;
  void SetColorFlipped(bool value);
  TGradType FillType() const;
  void SetFillType(TGradType value);
  // Number of bands, clamped to 1..255.
  int NrColors() const;
  void SetNrColors(int value);
  TFrameStyle FrameStyle() const;
  void SetFrameStyle(TFrameStyle value);
  TColor GridColor() const;
  void SetGridColor(TColor value);
  TGridMode GridMode() const;
  void SetGridMode(TGridMode value);

  // The colour of band k of the current fill (0 .. NrColors - 1); k
  // outside that range is clamped to it.
  TColor BandColor(int k) const;

  TNotifyEvent OnPaint;

  QSize sizeHint() const override { return {121, 121}; }
  QSize minimumSizeHint() const override { return {8, 8}; }
  QAccessible::Role AccessibleRole() const override { return QAccessible::Graphic; }

 protected:
  void DoPaint() override;
  bool Transparent() const override { return false; }

 private:
  struct Private;
  std::unique_ptr<Private> d;

  template <typename T>
  void Store(T& field, T value);
  void DrawGrid(TCanvas& c);

  int FillTypeOrdinal() const { return FillType(); }
  void SetFillTypeOrdinal(int value);
  int FrameStyleOrdinal() const { return FrameStyle(); }
  void SetFrameStyleOrdinal(int value);
  int GridModeOrdinal() const { return GridMode(); }
  void SetGridModeOrdinal(int value);
};

}  // namespace vyr
