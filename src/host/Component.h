#pragma once
// TComponentBase: what every library object shares, visual or not: a name,
// the component state (loading a stored form, designing), the end-of-loading
// notification and copying of state between objects of compatible classes.
#include <QObject>
#include <QString>
#include <cstdint>

#include "host/Types.h"

namespace vyr {

using TObject = QObject;

class TComponentBase {
 public:
  virtual ~TComponentBase() = default;

  QString Name() const;
  void SetName(const QString& name);
  QString ClassName() const;
  QObject* Owner() const;

  TComponentState ComponentState() const { return FComponentState; }
  bool IsLoading() const { return FComponentState & csLoading; }
  bool IsDesigning() const { return FComponentState & csDesigning; }
  void SetDesigning(bool on);
  // Enters the loading state; Loaded leaves it.
  void BeginLoading() { FComponentState |= csLoading | csReading; }
  // Leaves the loading state without the Loaded notification.
  void EndLoading() { FComponentState &= ~unsigned(csLoading | csReading); }
  // Called once after a stored form has written every property.
  virtual void Loaded();

  // Takes the state of Source. The base asks Source to hand itself over
  // (AssignTo); classes that know Source's class copy its properties.
  virtual void Assign(const TComponentBase* Source);
  // Hands this object's state to Dest. The base raises EConvertError.
  virtual void AssignTo(TComponentBase* Dest) const;

  std::intptr_t Tag() const { return FTag; }
  void SetTag(std::intptr_t tag) { FTag = tag; }

  virtual QObject* AsObject() = 0;
  const QObject* AsObject() const { return const_cast<TComponentBase*>(this)->AsObject(); }

 private:
  TComponentState FComponentState = 0;
  std::intptr_t FTag = 0;
};

// Holds a component in the loading state for a scope, so that property
// writes skip the checks and paints a finished form applies (as when Assign
// copies a list). On leaving, only the state is dropped, and only when the
// component was not loading before: there is no Loaded.
class TLoadingScope {
 public:
  explicit TLoadingScope(TComponentBase& c) : FComponent(c), FEntered(!c.IsLoading()) { c.BeginLoading(); }
  ~TLoadingScope() {
    if (FEntered) FComponent.EndLoading();
  }
  TLoadingScope(const TLoadingScope&) = delete;
  TLoadingScope& operator=(const TLoadingScope&) = delete;

 private:
  TComponentBase& FComponent;
  bool FEntered;
};

// A non-visual component: a QObject owned by its parent.
class TComponent : public QObject, public TComponentBase {
  Q_OBJECT
 public:
  explicit TComponent(QObject* AOwner = nullptr) : QObject(AOwner) {}
  QObject* AsObject() override { return this; }
};

}  // namespace vyr
