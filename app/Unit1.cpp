#include "Unit1.h"

#include "AppIcon.h"
#include "diagram/Layout.h"
#include "diagram/Linking.h"
#include "diagram/Picture.h"

TForm1* Form1 = nullptr;

namespace {

constexpr TSize kOuterSize{816, 745};  // frame and caption bar included

template <class T>
struct Member {
    std::u16string_view name;
    T* TForm1::*field;
};

// clang-format off
constexpr Member<TLabeledEdit> kLabeledEdits[] = {
    {u"c2", &TForm1::c2}, {u"d2", &TForm1::d2}, {u"b2", &TForm1::b2}, {u"a2", &TForm1::a2},
    {u"c1", &TForm1::c1}, {u"d1", &TForm1::d1}, {u"b1", &TForm1::b1}, {u"a1", &TForm1::a1},
};
constexpr Member<TEdit> kEdits[] = {
    {u"c3", &TForm1::c3}, {u"c4", &TForm1::c4}, {u"b3", &TForm1::b3}, {u"a3", &TForm1::a3},
    {u"d3", &TForm1::d3}, {u"d4", &TForm1::d4}, {u"b4", &TForm1::b4}, {u"a4", &TForm1::a4},
    {u"Edit1", &TForm1::Edit1}, {u"Edit2", &TForm1::Edit2},
};
constexpr Member<TLabel> kLabels[] = {
    {u"Man", &TForm1::Man}, {u"Label4", &TForm1::Label4}, {u"Label5", &TForm1::Label5},
    {u"Label6", &TForm1::Label6}, {u"Label7", &TForm1::Label7}, {u"vrouw", &TForm1::vrouw},
    {u"Label8", &TForm1::Label8},
};

struct Binding {
    std::u16string_view control;
    void (TForm1::*handler)(TObject*);
};
constexpr Binding kChangeHandlers[] = {
    {u"a1", &TForm1::a1Change}, {u"a2", &TForm1::a2Change}, {u"a3", &TForm1::a3Change}, {u"a4", &TForm1::a4Change},
    {u"b1", &TForm1::b1Change}, {u"b2", &TForm1::b2Change}, {u"b3", &TForm1::b3Change}, {u"b4", &TForm1::b4Change},
    {u"c1", &TForm1::c1Change}, {u"c2", &TForm1::c2Change}, {u"c3", &TForm1::c3Change}, {u"c4", &TForm1::c4Change},
    {u"d1", &TForm1::d1Change}, {u"d2", &TForm1::d2Change}, {u"d3", &TForm1::d3Change}, {u"d4", &TForm1::d4Change},
};
// clang-format on

TEditProps editProps(const layout::Control& row)
{
    return {String(row.name),
            row.rect.Left,
            row.rect.Top,
            row.rect.Width,
            String(row.text),
            layout::FontFor(row.font, row.colour),
            row.kind == layout::Kind::FlatBox ? TBorderStyle::FlatLine : TBorderStyle::Sunken3D,
            row.tab,
            String(row.accessibleName),
            String(row.description)};
}

void createControl(TForm& form, const layout::Control& row)
{
    switch (row.kind) {
    case layout::Kind::Picture:
        form.Create<TImage>(String(row.name));
        break;
    case layout::Kind::StaticText:
        form.Create<TLabel>(TLabelProps{String(row.name), row.rect.Left, row.rect.Top,
                                       String(row.text), layout::FontFor(row.font, row.colour)});
        break;
    case layout::Kind::CaptionedBox:
        form.Create<TLabeledEdit>(editProps(row), String(layout::CaptionOf(row.name)->text));
        break;
    case layout::Kind::Box:
    case layout::Kind::FlatBox:
        form.Create<TEdit>(editProps(row));
        break;
    }
}

template <class T, std::size_t N>
void bindMembers(TForm1& form, const Member<T> (&members)[N])
{
    for (const Member<T>& m : members)
        form.*m.field = form.Find<T>(String(m.name));
}

}  // namespace

TForm1::TForm1()
{
    SetCaption(u"Brasmo - Pelomar - " PELOMAR_CONTACT);
    SetOuterSize(kOuterSize);
    SetColor(clBtnFace);
    SetFont(layout::WindowFont());
    SetIcon(AppIconImages());

    for (const layout::Control& row : layout::kControls)
        createControl(*this, row);
    bindMembers(*this, kLabeledEdits);
    bindMembers(*this, kEdits);
    bindMembers(*this, kLabels);
    Image1 = Find<TImage>(u"Image1");
    Image1->SetPicture(picture::kSize, picture::Draw);

    // Every start text is in place: from here on a change links its row.
    for (const Binding& b : kChangeHandlers)
        Find<TEdit>(String(b.control))->OnChange = MakeNotify(this, b.handler);
    vrouw->OnDblClick = MakeNotify(this, &TForm1::a1Change);
    Image1->OnDblClick = MakeNotify(this, &TForm1::Image1DblClick);
}

void TForm1::a1Change(TObject*) { CopyToRow({a1, a2, a3, a4}, 1); }
void TForm1::a2Change(TObject*) { CopyToRow({a1, a2, a3, a4}, 2); }
void TForm1::a3Change(TObject*) { CopyToRow({a1, a2, a3, a4}, 3); }
void TForm1::a4Change(TObject*) { CopyToRow({a1, a2, a3, a4}, 4); }
void TForm1::b1Change(TObject*) { CopyToRow({b1, b2, b3, b4}, 1); }
void TForm1::b2Change(TObject*) { CopyToRow({b1, b2, b3, b4}, 2); }
void TForm1::b3Change(TObject*) { CopyToRow({b1, b2, b3, b4}, 3); }
void TForm1::b4Change(TObject*) { CopyToRow({b1, b2, b3, b4}, 4); }
void TForm1::c1Change(TObject*) { CopyToRow({c1, c2, c3, c4}, 1); }
void TForm1::c2Change(TObject*) { CopyToRow({c1, c2, c3, c4}, 2); }
void TForm1::c3Change(TObject*) { CopyToRow({c1, c2, c3, c4}, 3); }
void TForm1::c4Change(TObject*) { CopyToRow({c1, c2, c3, c4}, 4); }
void TForm1::d1Change(TObject*) { CopyToRow({d1, d2, d3, d4}, 1); }
void TForm1::d2Change(TObject*) { CopyToRow({d1, d2, d3, d4}, 2); }
void TForm1::d3Change(TObject*) { CopyToRow({d1, d2, d3, d4}, 3); }
void TForm1::d4Change(TObject*) { CopyToRow({d1, d2, d3, d4}, 4); }

void TForm1::Image1DblClick(TObject*)
{
    EmptyCells(std::array<TEdit*, 16>{a1, a2, a3, a4, b1, b2, b3, b4, c1, c2, c3, c4, d1, d2, d3, d4});
}
