// A top-level window holding controls. It owns them: they are created with the
// form as owner, in stacking order, and destroyed with it.
//
// The form is laid out for a reference frame (a 4-px border and a 26-px
// caption bar); its outer size stays as designed under any other frame, and
// its client area takes what that frame leaves. Where the platform reports no
// frame at all, the client area is the designed one. The user cannot resize it.
#pragma once

#include <memory>
#include <vector>

#include "Bitmap.h"
#include "Control.h"
#include "Edit.h"

struct TFrame {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool Empty() const { return Left == 0 && Top == 0 && Right == 0 && Bottom == 0; }
    friend bool operator==(const TFrame&, const TFrame&) = default;
};

class TForm : public TObject {
public:
    static constexpr TFrame kReferenceFrame{4, 30, 4, 4};

    TForm();
    ~TForm() override;

    void SetCaption(const String& caption);
    String Caption() const;
    // The outer size, frame and caption bar included.
    void SetOuterSize(TSize size);
    TSize OuterSize() const { return outer_; }
    TSize ClientSize() const;
    void SetColor(TColor color);
    void SetFont(const TFont& font);
    const TFont& Font() const { return font_; }
    void SetIcon(const std::vector<TBitmap>& images);

    // The top-left corner of a window of this outer size centred on a screen:
    // each half truncated toward zero and raised to 0 when negative.
    static TSize CentredPosition(TSize screen, TSize window);

    // Shows the form, centred on the primary screen the first time, with the
    // focus in the first box of the tab order.
    void Show();
    void Close();
    bool Visible() const;

    template <class T>
    T* Find(const String& name) const
    {
        for (const auto& c : controls_)
            if (c->Name() == name)
                return dynamic_cast<T*>(c.get());
        return nullptr;
    }

    // Creates a control owned by the form, on top of all earlier ones.
    template <class T, class... Args>
    T* Create(Args&&... args)
    {
        auto control = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T* raw = control.get();
        controls_.push_back(std::move(control));
        added(*raw);
        return raw;
    }

    const std::vector<std::unique_ptr<TControl>>& Controls() const { return controls_; }
    // The form's text boxes, first to last in the tab order.
    std::vector<TEdit*> BoxesInTabOrder() const;

    struct Native;
    Native& native() const { return *native_; }

private:
    void added(TControl& control);

    std::unique_ptr<Native> native_;
    std::vector<std::unique_ptr<TControl>> controls_;
    TSize outer_;
    TFont font_;
};
