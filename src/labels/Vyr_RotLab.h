#pragma once
// TRotLab: a caption drawn at any angle around an anchor point (PosX, PosY),
// for axis titles and similar annotations, inside an optional frame.
//
// Alignment says which point of the text sits on the anchor, measured
// along the rotated text: the middle of its left edge (taLeftJustify), of
// its right edge (taRightJustify) or its centre (taCenter). TextAngle is
// stored as written; the text is drawn at TextAngle modulo 360 degrees,
// counter-clockwise. With AutoCenter on, the anchor is the middle of the
// label and follows its size; writes of PosX and PosY then recentre.
//
// A label has no window of its own: where it is transparent (the default)
// the parent's picture shows behind the text. Every setter ignores a write
// of the stored value; otherwise it stores and repaints: at once when
// opaque, later (Invalidate) when transparent, since the parent must first
// repaint behind the label.
#include <QObject>
#include <QString>
#include <memory>

#include "foundation/CoreTypes.h"
#include "host/Control.h"
#include "host/PropertyCopy.h"

namespace vyr {

class TRotLab : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(int TextAngle READ TextAngle WRITE SetTextAngle)
  Q_PROPERTY(int PosX READ PosX WRITE SetPosX)
  Q_PROPERTY(int PosY READ PosY WRITE SetPosY)
  Q_PROPERTY(bool AutoCenter READ AutoCenter WRITE SetAutoCenter)
  Q_PROPERTY(int Alignment READ AlignmentOrdinal WRITE SetAlignmentOrdinal)
  Q_PROPERTY(bool AntiAlias READ AntiAlias WRITE SetAntiAlias)
  Q_PROPERTY(bool Transparent READ IsTransparent WRITE SetTransparent)
  Q_PROPERTY(int FrameStyle READ FrameStyleOrdinal WRITE SetFrameStyleOrdinal)
  Q_PROPERTY(QFont Font READ FontQ WRITE SetFontQ)

 public:
  // A 200 x 200 transparent label, anchor centred, font size 11.
  explicit TRotLab(QWidget* AOwner = nullptr);
  ~TRotLab() override;

  QString Caption() const;
  void SetCaption(const QString& value);
  int TextAngle() const;
  void SetTextAngle(int value);
  int PosX() const;
  void SetPosX(int value);
  int PosY() const;
  void SetPosY(int value);
  // Switching on recentres the anchor at once.
  bool AutoCenter() const;
  void SetAutoCenter(bool value);
  TAlignment Alignment() const;
  void SetAlignment(TAlignment value);
  bool AntiAlias() const;
  void SetAntiAlias(bool value);
  bool IsTransparent() const;
  void SetTransparent(bool value);
  TFrameStyle FrameStyle() const;
  void SetFrameStyle(TFrameStyle value);
  // The background colour of an opaque label; follows the repaint rule.
  void SetColor(TColor color) override;
  void SetFont(const TFont& font) override;

  // Anchor to the middle: PosX := Width div 2, PosY := Height div 2.
  void AdjustAutoCenter();
  // Recentres a label stored with AutoCenter on, then repaints; the
  // anchor a form stored for a label without it is kept.
  void Loaded() override;

  // The offset of the text's reference corner (the top-left of its cell,
  // before rotation) from the anchor, for a text of the given width and
  // height at the angle in degrees.
  static TPoint TextOffset(TAlignment alignment, int textWidth, int textHeight, int angle);

  // From another TRotLab: the properties of CopiedProperties, then
  // Invalidate.
  void Assign(const TComponentBase* Source) override;
  static TPropertyList CopiedProperties();
  void AssignTo(TComponentBase* Dest) const override;

  // The box of the rotated caption with a few pixels around it.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  QAccessible::Role AccessibleRole() const override { return QAccessible::StaticText; }
  QString AccessibleName() const override { return Caption().isEmpty() ? Name() : Caption(); }
  QString AccessibleValue() const override { return Caption(); }

 protected:
  void DoPaint() override;
  bool Transparent() const override { return IsTransparent(); }
  // With AutoCenter the anchor follows the size once the label has a parent.
  void SizeChanged() override;
  void EnabledChanged() override { Repaint(); }

 private:
  struct Private;
  std::unique_ptr<Private> d;

  template <typename T>
  void Store(T& field, T value);
  // Invalidate when transparent, Paint when opaque.
  void Repaint();
  // The caption drawn rotated about the anchor, embossed when disabled.
  void DrawText(TCanvas& c);
  // The canvas font turned to the text angle.
  TFont RotatedFont() const;

  int AlignmentOrdinal() const { return Alignment(); }
  void SetAlignmentOrdinal(int value);
  int FrameStyleOrdinal() const { return FrameStyle(); }
  void SetFrameStyleOrdinal(int value);
};

}  // namespace vyr
