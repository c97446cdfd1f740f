// The base of every control on a form. A control is created by its form, in
// the order in which it should stack (later controls lie on top), keeps the
// name the form gave it and lives as long as the form.
#pragma once

#include <memory>

#include "Types.h"

class TForm;

class TControl : public TObject {
public:
    ~TControl() override;

    const String& Name() const { return name_; }
    TForm& Owner() const { return owner_; }
    // In client coordinates of the owning form.
    TRect BoundsRect() const;
    void SetBounds(const TRect& r);

    // The platform's widget behind the control; only the layer's own
    // implementation and its tests look inside.
    struct Native;
    Native& native() const { return *native_; }

protected:
    TControl(TForm& owner, String name, std::unique_ptr<Native> native);

private:
    TForm& owner_;
    String name_;
    std::unique_ptr<Native> native_;
};
