// The real form of the Windows build, driven through the window messages that
// typing, pasting, Tab and double-clicks produce. Runs under Wine; the exit
// code is the number of failed checks.
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/Unit1.h"
#include "diagram/Layout.h"
#include "diagram/Picture.h"
#include "toolkit/Application.h"
#include "toolkit/win32/CrashReporter.h"
#include "toolkit/win32/Native.h"

namespace {

int gPassed = 0;
int gFailed = 0;

std::string narrow(const String& s)
{
    std::string r;
    for (char16_t c : s)
        r += c < 128 ? static_cast<char>(c) : '?';
    return r;
}

void check(bool ok, const std::string& what, int line)
{
    if (ok) {
        ++gPassed;
    } else {
        ++gFailed;
        std::printf("FAIL line %d: %s\n", line, what.c_str());
    }
}
#define CHECK(cond, what) check((cond), (what), __LINE__)

const char16_t* const kCells[] = {u"a1", u"a2", u"a3", u"a4", u"b1", u"b2", u"b3", u"b4",
                                  u"c1", u"c2", u"c3", u"c4", u"d1", u"d2", u"d3", u"d4"};
const char16_t* const kTabOrder[] = {u"Edit2", u"Edit1", u"a1", u"b1", u"c1", u"d1", u"c2", u"d2", u"b2",
                                     u"c3",    u"b3",    u"d3", u"b4", u"a2", u"c4", u"a3", u"d4", u"a4"};

// The real form, shown, with its change handlers counted.
struct Fixture {
    std::unique_ptr<TForm1> form = std::make_unique<TForm1>();
    int runs = 0;

    Fixture()
    {
        for (const char16_t* name : kCells) {
            TEdit* cell = form->Find<TEdit>(name);
            TNotifyEvent original = cell->OnChange;
            cell->OnChange = [this, original](TObject* sender) {
                ++runs;
                original(sender);
            };
        }
        form->Show();
        Application->ProcessMessages();
    }
    HWND hwnd() const { return form->native().hwnd; }
    HWND box(const char16_t* name) const { return form->Find<TEdit>(name)->native().hwnd; }
    String text(const char16_t* name) const { return form->Find<TEdit>(name)->Text(); }
    bool rowIs(char16_t row, const String& t) const
    {
        for (char16_t p = u'1'; p <= u'4'; ++p)
            if (text(String{row, p}.c_str()) != t)
                return false;
        return true;
    }
    bool rowAtStart(char16_t row) const
    {
        return text(String{row, u'1'}.c_str()).empty() && text(String{row, u'2'}.c_str()).empty() &&
               text(String{row, u'3'}.c_str()) == u"?" && text(String{row, u'4'}.c_str()) == u"?";
    }
    void type(const char16_t* name, const String& s, bool replaceAll = true)
    {
        HWND b = box(name);
        SetFocus(b);
        if (replaceAll)
            SendMessageW(b, EM_SETSEL, 0, -1);
        for (char16_t c : s)
            SendMessageW(b, WM_CHAR, c, 1);
    }
    void doubleClick(int x, int y, bool right = false)
    {
        SendMessageW(hwnd(), right ? WM_RBUTTONDBLCLK : WM_LBUTTONDBLCLK, right ? MK_RBUTTON : MK_LBUTTON, MAKELPARAM(x, y));
    }
    void doubleClickOn(const char16_t* name)
    {
        const TRect r = form->Find<TControl>(name)->BoundsRect();
        doubleClick(r.Left + r.Width / 2, r.Top + r.Height / 2);
    }
    String focused() const
    {
        HWND f = GetFocus();
        for (const auto& c : form->Controls())
            if (c->native().hwnd == f)
                return c->Name();
        return u"(none)";
    }
};

void setClipboard(const String& s)
{
    OpenClipboard(nullptr);
    EmptyClipboard();
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (s.size() + 1) * sizeof(char16_t));
    auto* p = static_cast<char16_t*>(GlobalLock(mem));
    std::copy(s.begin(), s.end(), p);
    p[s.size()] = 0;
    GlobalUnlock(mem);
    SetClipboardData(CF_UNICODETEXT, mem);
    CloseClipboard();
}

void pressTab(bool shift)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    HWND f = GetFocus();
    PostMessageW(f, WM_KEYDOWN, VK_TAB, 1);
    PostMessageW(f, WM_KEYUP, VK_TAB, static_cast<LPARAM>(0xC0000001u));
    Application->ProcessMessages();
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
}

void startState()
{
    Fixture f;
    for (char16_t row : {u'a', u'b', u'c', u'd'})
        CHECK(f.rowAtStart(row), std::string("row at start: ").append(1, static_cast<char>(row)));
    CHECK(f.form->Caption() == u"Brasmo - Pelomar - " PELOMAR_CONTACT, "caption");
    CHECK(f.focused() == u"Edit2", "focus starts in Edit2, not " + narrow(f.focused()));
}

void typingLinksTheRow()
{
    for (const char16_t* name : {u"a1", u"d2", u"c3", u"b4"}) {
        Fixture f;
        f.runs = 0;
        f.type(name, u"x");
        const char16_t row = name[0];
        CHECK(f.rowIs(row, u"x"), "typing into " + narrow(name) + " fills its row");
        CHECK(f.runs == 4, "one keystroke runs four handlers, ran " + std::to_string(f.runs));
        for (char16_t other : {u'a', u'b', u'c', u'd'})
            if (other != row)
                CHECK(f.rowAtStart(other), "other rows untouched");
    }
}

void equalTextsChangeNothing()
{
    Fixture f;
    f.type(u"b3", u"B");
    CHECK(f.rowIs(u'b', u"B"), "row b reads B");
    f.runs = 0;
    f.type(u"b3", u"B");  // EDIT reports EN_CHANGE here, the layer must not
    CHECK(f.runs == 0, "the same letter over the selection runs no handler, ran " + std::to_string(f.runs));
    f.form->b1->SetText(u"B");
    CHECK(f.runs == 0, "setting an equal text runs no handler");
    f.type(u"b2", u"\b");
    CHECK(f.rowIs(u'b', u""), "deleting the whole text empties the row");
}

void pastingIsOneChange()
{
    Fixture f;
    setClipboard(u"Bb");
    SetFocus(f.box(u"a1"));
    f.runs = 0;
    SendMessageW(f.box(u"a1"), WM_PASTE, 0, 0);
    CHECK(f.rowIs(u'a', u"Bb"), "a pasted text reaches the row");
    CHECK(f.runs == 4, "a paste is one change");

    String huge;
    for (int i = 0; i < 100000; ++i)
        huge += static_cast<char16_t>(u'A' + i % 26);
    setClipboard(huge + u" \U0001F9EC e\u0301");
    SetFocus(f.box(u"d3"));
    SendMessageW(f.box(u"d3"), EM_SETSEL, 0, -1);
    SendMessageW(f.box(u"d3"), WM_PASTE, 0, 0);
    CHECK(f.rowIs(u'd', huge + u" \U0001F9EC e\u0301"), "a 100,000-character paste is copied exactly");
}

void clearingAndTheCrossSign()
{
    Fixture f;
    f.type(u"Edit2", u"Jan");
    f.type(u"a1", u"Aa");
    f.doubleClick(20, 300);
    bool empty = true;
    for (const char16_t* name : kCells)
        empty = empty && f.text(name).empty();
    CHECK(empty, "a double-click on the picture empties every cell");
    CHECK(f.text(u"Edit2") == u"Jan", "the clearing keeps the free field");
    f.runs = 0;
    f.doubleClick(20, 300);
    CHECK(f.runs == 0, "clearing empty cells runs no handler");

    Fixture g;
    g.doubleClick(20, 300, true);
    g.doubleClickOn(u"Man");
    g.doubleClickOn(u"Label7");
    g.doubleClickOn(u"c2Label");
    CHECK(g.rowAtStart(u'a') && g.rowAtStart(u'c') && g.runs == 0,
          "a right double-click and a double-click on a static text or caption do nothing");
    g.doubleClickOn(u"vrouw");
    CHECK(g.rowIs(u'a', u""), "the cross sign at start empties a3 and a4");
    CHECK(g.rowAtStart(u'b'), "the cross sign leaves row b");
}

void tabOrder()
{
    Fixture f;
    std::string seen, expected;
    for (const char16_t* name : kTabOrder)
        expected += narrow(name) + " ";
    expected += "Edit2 ";
    for (std::size_t i = 0; i <= std::size(kTabOrder); ++i) {
        seen += narrow(f.focused()) + " ";
        pressTab(false);
    }
    CHECK(seen == expected, "Tab runs " + seen);
    SetFocus(f.box(u"Edit2"));
    pressTab(true);
    CHECK(f.focused() == u"a4", "Shift+Tab in Edit2 wraps to a4");
    SetFocus(f.box(u"b3"));
    pressTab(false);
    DWORD start = 0, end = 0;
    SendMessageW(f.box(u"d3"), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    CHECK(f.focused() == u"d3" && start == 0 && end == 1, "Tab into d3 selects its ?");
}

void layoutAsInTheTable()
{
    Fixture f;
    for (const layout::Control& row : layout::kControls) {
        if (row.kind == layout::Kind::Picture || row.kind == layout::Kind::StaticText)
            continue;
        const TRect r = f.form->Find<TControl>(String(row.name))->BoundsRect();
        const TBorderStyle border = row.kind == layout::Kind::FlatBox ? TBorderStyle::FlatLine : TBorderStyle::Sunken3D;
        CHECK(r.Left == row.rect.Left && r.Top == row.rect.Top && r.Width == row.rect.Width &&
                  r.Height == TEdit::HeightFor(layout::FontFor(row.font, row.colour), border),
              "box " + narrow(String(row.name)) + " at its place");
    }
    for (const layout::Caption& c : layout::kCaptions) {
        const TRect box = f.form->Find<TControl>(String(c.box))->BoundsRect();
        const TRect cap = f.form->Find<TControl>(String(c.box) + u"Label")->BoundsRect();
        CHECK(cap.Left == box.Left && cap.Bottom() + 3 == box.Top, "caption of " + narrow(String(c.box)) + " above its box");
    }
}

void pictureOnScreen()
{
    Fixture f;
    const TBitmap& b = f.form->Image1->Picture();
    CHECK(b.Size() == (TSize{802, 707}), "the picture is 802 x 707");
    for (const picture::Circle& c : picture::kCircles)
        CHECK(b.Pixel(static_cast<int>(c.centre.X), static_cast<int>(c.centre.Y)) == c.fill, "circle centre " + std::string(c.name));
    CHECK(b.Pixel(358, 342) == picture::kBackground && b.Pixel(359, 341) == 0 && b.Pixel(357, 343) == 0, "frame corner notch");
    CHECK(b.Pixel(44, 100) == 0 && b.Pixel(574, 84) == 0, "the stems are black");

    RedrawWindow(f.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const TSize client = f.form->ClientSize();
    const int ox = TImage::CentredOrigin(client.Width, 802), oy = TImage::CentredOrigin(client.Height, 707);
    HDC dc = GetDC(f.hwnd());
    const COLORREF centre = GetPixel(dc, ox + 452, oy + 232);
    const COLORREF face = GetPixel(dc, 1, 300);
    ReleaseDC(f.hwnd(), dc);
    CHECK(centre == RGB(0x00, 0xB8, 0xFF), "the left egg cell shows blue on screen");
    CHECK(face == GetSysColor(COLOR_BTNFACE), "the margin strip shows the button face");
}

void crashReporter()
{
    Fixture f;
    f.type(u"c2", u"Rr");
    int shown = 0;
    w32::crash::setBoxHook([&shown](void* box) {
        ++shown;
        PostMessageW(static_cast<HWND>(box), WM_COMMAND, MAKEWPARAM(3, BN_CLICKED), 0);  // continue application
    });
    f.form->vrouw->OnDblClick = [](TObject*) { throw std::runtime_error("test fault"); };
    f.doubleClickOn(u"vrouw");
    CHECK(shown == 1, "a fault in a handler shows the box");
    CHECK(f.form->Visible() && f.rowIs(u'c', u"Rr"), "continue keeps the window and its texts");
    const String file = w32::crash::reportFile(u".", u".");
    HANDLE h = CreateFileW(w32::wide(file), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    std::string content(1 << 16, '\0');
    DWORD read = 0;
    if (h != INVALID_HANDLE_VALUE) {
        ReadFile(h, content.data(), static_cast<DWORD>(content.size()), &read, nullptr);
        CloseHandle(h);
    }
    content.resize(read);
    CHECK(content.find("test fault") != std::string::npos, "the report is in bugreport.txt");
    w32::crash::setBoxHook(nullptr);
}

}  // namespace

void timed(const char* name, void (*test)())
{
    const DWORD start = GetTickCount();
    test();
    std::printf("%s: %lu ms\n", name, static_cast<unsigned long>(GetTickCount() - start));
}

int main()
{
    Application->Initialize();
    Application->SetTitle(u"Pelomar");
    DeleteFileW(L"bugreport.txt");
    timed("startState", startState);
    timed("typingLinksTheRow", typingLinksTheRow);
    timed("equalTextsChangeNothing", equalTextsChangeNothing);
    timed("pastingIsOneChange", pastingIsOneChange);
    timed("clearingAndTheCrossSign", clearingAndTheCrossSign);
    timed("tabOrder", tabOrder);
    timed("layoutAsInTheTable", layoutAsInTheTable);
    timed("pictureOnScreen", pictureOnScreen);
    timed("crashReporter", crashReporter);
    Application->Finalize();
    std::printf("%d passed, %d failed\n", gPassed, gFailed);
    return gFailed;
}
