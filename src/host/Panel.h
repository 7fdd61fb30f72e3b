#pragma once
// TCustomPanel: a windowed box with up to two bevels and a caption, the base
// of group boxes, status areas and swatches. From the outside in: the outer
// bevel (BevelWidth rings), BorderWidth rings of the panel's colour, the
// inner bevel (BevelWidth rings), then the face. With ParentBackground on,
// the face shows the parent's colour instead of the panel's own Color. The
// caption sits in the face, centred vertically and aligned by Alignment;
// ShowCaption off hides it. A panel takes no keyboard focus unless a
// derived control asks for it.
#include <QString>
#include <memory>

#include "host/Control.h"

namespace vyr {

enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

class TCustomPanel : public TCustomControl {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(int Alignment READ AlignmentOrdinal WRITE SetAlignmentOrdinal)
  Q_PROPERTY(int BevelInner READ BevelInnerOrdinal WRITE SetBevelInnerOrdinal)
  Q_PROPERTY(int BevelOuter READ BevelOuterOrdinal WRITE SetBevelOuterOrdinal)
  Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
  Q_PROPERTY(int BorderWidth READ BevelBorderWidth WRITE SetBevelBorderWidth)
  Q_PROPERTY(bool ParentBackground READ ParentBackground WRITE SetParentBackground)
  Q_PROPERTY(bool ShowCaption READ ShowCaption WRITE SetShowCaption)
  Q_PROPERTY(QFont Font READ FontQ WRITE SetFontQ)

 public:
  static constexpr int kMaxBevelWidth = 64;

  // A 185 x 41 raised panel.
  explicit TCustomPanel(QWidget* AOwner = nullptr);
  ~TCustomPanel() override;

  QString Caption() const;
  void SetCaption(const QString& value);
  TAlignment Alignment() const;
  void SetAlignment(TAlignment value);
  TPanelBevel BevelInner() const;
  void SetBevelInner(TPanelBevel value);
  TPanelBevel BevelOuter() const;
  void SetBevelOuter(TPanelBevel value);
  // 1..64; writes outside are clamped.
  int BevelWidth() const;
  void SetBevelWidth(int value);
  // 0..64 rings of the panel's colour between the bevels; clamped.
  int BevelBorderWidth() const;
  void SetBevelBorderWidth(int value);
  bool ParentBackground() const;
  void SetParentBackground(bool value);
  bool ShowCaption() const;
  void SetShowCaption(bool value);
  void SetColor(TColor color) override;
  void SetFont(const TFont& font) override;

  // The face inside the bevels and border, in client coordinates.
  TRect FaceRect() const;
  // The colour the face is filled with.
  TColor FaceColor() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  QAccessible::Role AccessibleRole() const override { return QAccessible::Pane; }
  QString AccessibleName() const override { return Caption().isEmpty() ? Name() : Caption(); }

 protected:
  void DoPaint() override;
  void EnabledChanged() override { Paint(); }
  void FontChanged() override { Paint(); }
  // The caption in the face; disabled, embossed.
  virtual void DrawCaption(TCanvas& c, const TRect& face);

 private:
  struct Private;
  std::unique_ptr<Private> d;

  int AlignmentOrdinal() const { return Alignment(); }
  void SetAlignmentOrdinal(int value);
  int BevelInnerOrdinal() const { return BevelInner(); }
  void SetBevelInnerOrdinal(int value);
  int BevelOuterOrdinal() const { return BevelOuter(); }
  void SetBevelOuterOrdinal(int value);
};

}  // namespace vyr
