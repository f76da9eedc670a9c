#include "core/about/LinkLook.h"
#include "core/window/ControlIds.h"
#include "win32/about/AboutIds.h"
#include "win32/about/CAboutDialog.h"
#include "win32/app/CMainDialog.h"
#include "win32/app/ModalRun.h"
#include "win32/platform/WinString.h"
#include "win32/platform/WindowText.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace {

// Runs each step on a timer tick of its own. A step that opens a modal loop (the about box,
// a message box) returns into it, and the next step runs inside that loop.
void RunSteps(std::vector<std::function<void()>> steps) {
    static std::deque<std::function<void()>> pending;
    pending.assign(steps.begin(), steps.end());
    SetTimer(nullptr, 0, 120, [](HWND, UINT, UINT_PTR id, DWORD) {
        if (pending.empty()) {
            KillTimer(nullptr, id);
            return;
        }
        auto step = std::move(pending.front());
        pending.pop_front();
        step();
    });
}

HWND FindAboutBox() { return FindWindowW(L"#32770", L"关于 Corvane"); }

CAboutDialog* AboutObject(HWND box) {
    return box ? static_cast<CAboutDialog*>(
                     reinterpret_cast<CDialogBase*>(GetWindowLongPtrW(box, DWLP_USER)))
               : nullptr;
}

// A click as the static control sees it: it tells its parent on the button going down.
void Click(HWND control) {
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

RECT RectInParent(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// A template rectangle in pixels: the corner and the size are converted apart, as the
// dialog manager does.
RECT DialogUnits(HWND dialog, int x, int y, int w, int h) {
    RECT r{x, y, w, h};
    MapDialogRect(dialog, &r);
    return {r.left, r.top, r.left + r.right, r.top + r.bottom};
}

std::wstring ToolTipText(HWND tip, HWND tool) {
    wchar_t text[256] = {};
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = tool;
    info.uId = 1;
    info.lpszText = text;
    SendMessageW(tip, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&info));
    return text;
}

// The colour the box gives the label's text when the label asks to be painted.
COLORREF PaintedColour(HWND box, HWND label, bool* transparent = nullptr) {
    HDC dc = CreateCompatibleDC(nullptr);
    const auto brush = reinterpret_cast<HGDIOBJ>(SendMessageW(
        box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label)));
    const COLORREF colour = GetTextColor(dc);
    if (transparent)
        *transparent = GetBkMode(dc) == TRANSPARENT && brush == GetStockObject(HOLLOW_BRUSH);
    DeleteDC(dc);
    return colour;
}

struct TemplateControl {
    int id; // -1 for the labels without one
    const wchar_t* className;
    const wchar_t* text; // nullptr: not compared
    DWORD kind;          // the style's low byte: SS_CENTER, SS_RIGHT, BS_DEFPUSHBUTTON, ...
    int x, y, w, h;
    bool fitted; // a link or the icon: sized to its content from its top-left corner
};

const wchar_t* const kTerms =
    L"本软件可免费使用，也可自由复制和分发。删除前请核对所选文件；因使用本软件"
    L"造成的任何损失，作者概不负责。";

const TemplateControl kAboutControls[] = {
    {IDC_ABOUT_NAME, L"Static", L"Corvane 2.04", SS_CENTER, 0, 6, 195, 8, false},
    {-1, L"Static", L"出品:", SS_RIGHT, 27, 21, 42, 8, false},
    {IDC_ABOUT_CREDIT, L"Static", L"Corvane 团队", SS_LEFT, 71, 21, 54, 8, false},
    {-1, L"Static", L"电邮:", SS_RIGHT, 24, 30, 45, 8, false},
    {IDC_EMAIL_LINK, L"Static", L"hello@corvane.example", SS_LEFT, 71, 30, 110, 8, true},
    {-1, L"Static", L"主页:", SS_RIGHT, 5, 40, 64, 8, false},
    {IDC_HOME_LINK, L"Static", L"软件主页", SS_LEFT, 71, 40, 85, 8, true},
    {IDOK, L"Button", L"OK", BS_DEFPUSHBUTTON, 157, 41, 32, 14, false},
    {-1, L"Static", nullptr, SS_ICON, 6, 63, 20, 20, true},
    {-1, L"Static", kTerms, SS_LEFT, 35, 59, 143, 26, false},
};

// Every control of the box, in template order, with its kind, text and place.
void ExpectTheTemplate(HWND box) {
    EXPECT_EQ(WindowText(box), L"关于 Corvane");
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(box, GWL_STYLE));
    for (DWORD bit : {DWORD(DS_MODALFRAME), DWORD(WS_CAPTION), DWORD(WS_SYSMENU)})
        EXPECT_EQ(style & bit, bit);
    EXPECT_EQ(style & WS_THICKFRAME, 0u);
    RECT client;
    GetClientRect(box, &client);
    const RECT design = DialogUnits(box, 0, 0, 195, 86);
    EXPECT_EQ(client.right, design.right);
    EXPECT_EQ(client.bottom, design.bottom);
    HWND w = GetWindow(box, GW_CHILD);
    for (const TemplateControl& e : kAboutControls) {
        SCOPED_TRACE(e.text ? e.text : L"(icon or terms)");
        ASSERT_NE(w, nullptr);
        const int id = GetDlgCtrlID(w);
        EXPECT_TRUE(id == e.id || (e.id == -1 && id == 0xFFFF)) << id;
        EXPECT_EQ(WindowClassName(w), e.className);
        if (e.text) {
            EXPECT_EQ(WindowText(w), e.text);
        }
        EXPECT_EQ(GetWindowLongPtrW(w, GWL_STYLE) & 0x1F, static_cast<LONG_PTR>(e.kind));
        const RECT expected = DialogUnits(box, e.x, e.y, e.w, e.h);
        const RECT r = RectInParent(w);
        EXPECT_EQ(r.left, expected.left);
        EXPECT_EQ(r.top, expected.top);
        if (!e.fitted) {
            EXPECT_EQ(r.right, expected.right);
            EXPECT_EQ(r.bottom, expected.bottom);
        }
        w = GetWindow(w, GW_HWNDNEXT);
    }
    EXPECT_EQ(w, nullptr);
}

// The width and height the label's text takes in the label's own font.
SIZE TextExtent(HWND label) {
    const std::wstring text = WindowText(label);
    HDC dc = GetDC(label);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    return size;
}

// A file type of the test's own whose "open" runs a program that ends at once and quietly,
// registered for the test's lifetime in the build's Wine prefix.
class CTestAssociation {
public:
    CTestAssociation() {
        Set(L".corvanelink", L"CorvaneTest.link");
        Set(L"CorvaneTest.link\\shell\\open\\command",
            L"\"C:\\windows\\system32\\rundll32.exe\" \"%1\"");
    }
    ~CTestAssociation() {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L".corvanelink");
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L"CorvaneTest.link");
    }
    CTestAssociation(const CTestAssociation&) = delete;
    CTestAssociation& operator=(const CTestAssociation&) = delete;

    static void Set(const wchar_t* subkey, const std::wstring& value) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, subkey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                  &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }
};

// A folder under the build tree for the files the links point at, as a Windows path.
std::u16string ScratchFolder() {
    const char* tmp = std::getenv("CORVANE_TEST_TMP");
    std::string unix = tmp ? tmp : "/tmp";
    std::u16string path = u"Z:";
    for (char c : unix) path += c == '/' ? u'\\' : static_cast<char16_t>(c);
    CreateDirectoryW(W(path), nullptr);
    path += u"\\about";
    CreateDirectoryW(W(path), nullptr);
    return path;
}

std::u16string MakeFile(const std::u16string& path) {
    HANDLE h = CreateFileW(W(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    EXPECT_NE(h, INVALID_HANDLE_VALUE);
    CloseHandle(h);
    return path;
}

TEST(AboutIcon, ClickOpensTheAboutBoxAndClosingItReturnsToTheMainWindow) {
    CMainDialog d;
    bool sawBox = false, backInMain = false;
    RunModal(d, [&] {
        HWND icon = d.Item(IDC_ABOUT_ICON);
        EXPECT_TRUE(GetWindowLongPtrW(icon, GWL_STYLE) & SS_NOTIFY);
        EXPECT_EQ(ToolTipText(d.AboutIcon().ToolTip(), icon), L"关于 Corvane");
        SendMessageW(icon, WM_SETCURSOR, reinterpret_cast<WPARAM>(icon),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(GetCursor(), d.AboutIcon().Cursor());
        // The pointer over the icon: it takes the capture, which the click gives back.
        SendMessageW(icon, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
        EXPECT_EQ(d.AboutIcon().over, 1);
        EXPECT_EQ(GetCapture(), icon);
        RunSteps({
            [icon] { Click(icon); },
            [&, icon] {
                HWND box = FindAboutBox();
                ASSERT_NE(box, nullptr);
                sawBox = IsWindowVisible(box) != FALSE;
                EXPECT_EQ(GetWindow(box, GW_OWNER), d.Handle());
                EXPECT_FALSE(IsWindowEnabled(d.Handle())); // modal
                EXPECT_EQ(d.AboutIcon().over, 0);
                EXPECT_NE(GetCapture(), icon);
                ExpectTheTemplate(box);
                PostMessageW(box, WM_COMMAND, IDOK, 0);
            },
            [&] {
                backInMain = FindAboutBox() == nullptr && IsWindowEnabled(d.Handle());
                PostMessageW(d.Handle(), WM_CLOSE, 0, 0);
            },
        });
    });
    EXPECT_TRUE(sawBox);
    EXPECT_TRUE(backInMain);
}

TEST(LinkLabel, LinksAreFittedUnderlinedAndPointAtTheMaker) {
    CAboutDialog about;
    RunModal(about, [&] {
        EXPECT_EQ(about.EmailLink().URL(), u"mailto:hello@corvane.example");
        EXPECT_EQ(about.HomePageLink().URL(), u"https://corvane.example/");
        for (CLinkLabel* link : {&about.EmailLink(), &about.HomePageLink()}) {
            HWND h = link->Handle();
            SCOPED_TRACE(WindowText(h));
            EXPECT_TRUE(GetWindowLongPtrW(h, GWL_STYLE) & SS_NOTIFY);
            EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)), link->Font());
            LOGFONTW font{};
            ASSERT_TRUE(GetObjectW(link->Font(), sizeof(font), &font));
            EXPECT_TRUE(font.lfUnderline);
            const SIZE text = TextExtent(h);
            const RECT r = RectInParent(h);
            EXPECT_EQ(r.right - r.left, text.cx);
            EXPECT_EQ(r.bottom - r.top, text.cy);
            EXPECT_EQ(SendMessageW(link->ToolTip(), TTM_GETTOOLCOUNT, 0, 0), 1);
            EXPECT_EQ(ToolTipText(link->ToolTip(), h), W(link->URL()));
            // The hand: the cursor resource of our own, 32 by 32 in two colours.
            EXPECT_TRUE(SendMessageW(h, WM_SETCURSOR, reinterpret_cast<WPARAM>(h),
                                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
            EXPECT_EQ(GetCursor(), link->Cursor());
            ICONINFO info{};
            ASSERT_TRUE(GetIconInfo(link->Cursor(), &info));
            BITMAP mask{};
            GetObjectW(info.hbmMask, sizeof(mask), &mask);
            EXPECT_FALSE(info.fIcon);
            EXPECT_EQ(info.hbmColor, nullptr);
            EXPECT_EQ(mask.bmWidth, 32);
            EXPECT_EQ(mask.bmHeight, 64); // the AND and XOR masks one above the other
            DeleteObject(info.hbmMask);
        }
        PostMessageW(about.Handle(), WM_COMMAND, IDOK, 0);
    });
}

// A bare static control in a window of its own, for the cases the about box does not show.
class CLabelHost {
public:
    explicit CLabelHost(DWORD style, const wchar_t* text) {
        parent = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 400, 100, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        CreateWindowExW(0, L"Static", text, WS_CHILD | WS_VISIBLE | style, 50, 20, 300, 40, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)),
                        GetModuleHandleW(nullptr), nullptr);
    }
    ~CLabelHost() { DestroyWindow(parent); }
    static constexpr int kId = 1007;
    HWND parent;
};

TEST(LinkLabel, AnEmptyLabelShowsItsUrlAndFittingKeepsTheAlignment) {
    {
        CLabelHost host(SS_CENTER | SS_CENTERIMAGE, L"");
        CLinkLabel link;
        link.SetURL(u"https://corvane.example/faq");
        ASSERT_TRUE(link.Attach(host.parent, CLabelHost::kId));
        EXPECT_EQ(WindowText(link.Handle()), L"https://corvane.example/faq");
        const RECT r = RectInParent(link.Handle());
        EXPECT_NEAR((r.left + r.right) / 2.0, 200, 1); // still centred on 50 + 300 / 2
        EXPECT_NEAR((r.top + r.bottom) / 2.0, 40, 1);
        EXPECT_EQ(r.right - r.left,
                  TextExtent(link.Handle()).cx + (300 - TextExtent(link.Handle()).cx) % 2);
    }
    {
        CLabelHost host(SS_RIGHT, L"右边的链接");
        CLinkLabel link;
        link.underline = 0;
        ASSERT_TRUE(link.Attach(host.parent, CLabelHost::kId));
        EXPECT_EQ(link.URL(), u"右边的链接"); // no URL given: the text is the link
        const RECT r = RectInParent(link.Handle());
        EXPECT_EQ(r.right, 350);
        EXPECT_EQ(r.top, 20);
        EXPECT_EQ(r.right - r.left, TextExtent(link.Handle()).cx);
        LOGFONTW font{};
        GetObjectW(link.Font(), sizeof(font), &font);
        EXPECT_FALSE(font.lfUnderline);
    }
}

TEST(LinkLabel, HoverLightsTheLinkAndHoldsTheCaptureUntilThePointerLeaves) {
    CAboutDialog about;
    RunModal(about, [&] {
        HWND box = about.Handle();
        CLinkLabel& link = about.HomePageLink();
        HWND h = link.Handle();
        RECT client;
        GetClientRect(h, &client);
        bool transparent = false;
        EXPECT_EQ(PaintedColour(box, h, &transparent), kLinkColour);
        EXPECT_TRUE(transparent);
        const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
        SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
        EXPECT_EQ(link.over, 1);
        EXPECT_EQ(GetCapture(), h);
        EXPECT_EQ(PaintedColour(box, h), highlight);
        SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(client.right - 1, client.bottom - 1));
        EXPECT_EQ(GetCapture(), h);
        SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(client.right + 3, 1));
        EXPECT_EQ(link.over, 0);
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(PaintedColour(box, h), kLinkColour);
        // Once opened, leaving gives the visited colour back.
        link.visited = 1;
        SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
        EXPECT_EQ(PaintedColour(box, h), highlight);
        SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(1, -4));
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(PaintedColour(box, h), kVisitedColour);
        // Another window taking the capture ends the hover as well.
        SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
        SetCapture(box);
        EXPECT_EQ(link.over, 0);
        EXPECT_EQ(PaintedColour(box, h), kVisitedColour);
        ReleaseCapture();
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
}

// What the user saw after clicking a link: the message box's text, if one came up, and the
// state and colour of the label afterwards.
struct ClickOutcome {
    int32_t visited = -1;
    COLORREF colour = 0;
    std::wstring message;
    bool boxStayedOpen = false;
};

// Clicks the home-page link of a fresh about box once for each url, in order.
std::vector<ClickOutcome> ClickHomePageLink(const std::vector<std::u16string>& urls) {
    std::vector<ClickOutcome> outcomes(urls.size());
    CAboutDialog about;
    RunModal(about, [&] {
        HWND box = about.Handle();
        CLinkLabel& link = about.HomePageLink();
        // The steps run after this body has returned: they take its locals by value.
        std::vector<std::function<void()>> steps;
        for (size_t i = 0; i < urls.size(); ++i) {
            steps.push_back([&link, &urls, i] {
                link.SetURL(urls[i]);
                Click(link.Handle());
            });
            steps.push_back([&outcomes, i] {
                HWND shown = FindWindowW(L"#32770", L"Corvane");
                if (!shown) return;
                outcomes[i].message = WindowText(GetDlgItem(shown, 0xFFFF));
                PostMessageW(shown, WM_COMMAND, IDOK, 0);
            });
            steps.push_back([&outcomes, &link, box, i] {
                outcomes[i].visited = link.visited;
                outcomes[i].colour = PaintedColour(box, link.Handle());
                outcomes[i].boxStayedOpen = IsWindowVisible(box) != FALSE;
            });
        }
        steps.push_back([box] { PostMessageW(box, WM_COMMAND, IDOK, 0); });
        RunSteps(std::move(steps));
    });
    return outcomes;
}

const wchar_t* const kNotFound = L"Unable to open hyperlink:\n\nThe specified file was not found.";

TEST(LinkLabel, ASuccessfulOpenMarksTheLinkVisitedAndAFailedOneSaysWhy) {
    CTestAssociation association;
    const std::u16string folder = ScratchFolder();
    const auto outcomes = ClickHomePageLink(
        {MakeFile(folder + u"\\page.corvanelink"), folder + u"\\missing.corvanelink"});
    EXPECT_EQ(outcomes[0].visited, 1);
    EXPECT_EQ(outcomes[0].colour, kVisitedColour);
    EXPECT_EQ(outcomes[0].message, L"");
    // A fresh prefix has no ".htm" association, so the first attempt's result is reported.
    EXPECT_EQ(outcomes[1].visited, 0);
    EXPECT_EQ(outcomes[1].colour, kLinkColour);
    EXPECT_EQ(outcomes[1].message, kNotFound);
    EXPECT_TRUE(outcomes[1].boxStayedOpen);
}

TEST(LinkLabel, TheHtmAssociationIsTheFallbackAndAnUnreadableOneEndsIt) {
    HKEY existing = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, L".htm", 0, KEY_READ, &existing) == ERROR_SUCCESS) {
        RegCloseKey(existing);
        GTEST_SKIP() << "this prefix has a .htm association of its own";
    }
    CTestAssociation association;
    struct Cleanup {
        ~Cleanup() {
            RegDeleteTreeW(HKEY_CLASSES_ROOT, L".htm");
            RegDeleteTreeW(HKEY_CLASSES_ROOT, L"CorvaneTest.htm");
        }
    } cleanup;
    // The fallback hands the shell the whole command line, cut before its quoted placeholder,
    // with a space and the url appended. Where a file of exactly that name exists, the shell
    // opens it; the url alone is found nowhere.
    const std::u16string folder = ScratchFolder();
    const std::u16string url = u"fallback.corvanelink";
    MakeFile(folder + u"\\open  " + url);
    CTestAssociation::Set(L".htm", L"CorvaneTest.htm");
    CTestAssociation::Set(L"CorvaneTest.htm\\shell\\open\\command",
                          std::wstring(W(folder)) + L"\\open \"%1\" -new");
    const auto opened = ClickHomePageLink({url});
    // A value that is not a string, and one longer than 2048 bytes, are not read.
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CLASSES_ROOT, L".htm", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                    nullptr);
    const DWORD number = 7;
    RegSetValueExW(key, nullptr, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                   sizeof(number));
    const auto notAString = ClickHomePageLink({url});
    const std::wstring tooLong(1100, L'x');
    RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(tooLong.c_str()),
                   static_cast<DWORD>((tooLong.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    const auto overlong = ClickHomePageLink({url});
    EXPECT_EQ(opened[0].visited, 1);
    EXPECT_EQ(opened[0].message, L"");
    EXPECT_EQ(notAString[0].message, kNotFound);
    EXPECT_EQ(overlong[0].message, kNotFound);
}

struct OwnedByBox {
    HFONT font;
    HCURSOR cursor;
    HWND toolTip;
};

TEST(AboutIcon, TenOpeningsLeaveNothingBehindAndEachStartsUnvisited) {
    CMainDialog d;
    std::vector<OwnedByBox> owned;
    int unvisitedOpenings = 0, goneAfterClosing = 0;
    DWORD gdiBefore = 0, userBefore = 0;
    // The process's object counts speak on Windows; Wine answers 0 to every question
    // (GetGuiResources is not implemented there), so each handle a box made is also checked
    // to be gone once the box has closed.
    RunModal(d, [&] {
        gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
        userBefore = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
        std::vector<std::function<void()>> steps;
        for (int i = 0; i < 10; ++i) {
            steps.push_back([&] { Click(d.Item(IDC_ABOUT_ICON)); });
            steps.push_back([&] {
                CAboutDialog* about = AboutObject(FindAboutBox());
                ASSERT_NE(about, nullptr);
                unvisitedOpenings +=
                    about->EmailLink().visited == 0 && about->HomePageLink().visited == 0 &&
                    PaintedColour(about->Handle(), about->EmailLink().Handle()) == kLinkColour;
                for (CLinkLabel* link : {&about->EmailLink(), &about->HomePageLink()}) {
                    owned.push_back({link->Font(), link->Cursor(), link->ToolTip()});
                    link->visited = 1; // as after an opening; the next box must not know
                }
                PostMessageW(about->Handle(), WM_COMMAND, IDOK, 0);
            });
            steps.push_back([&] {
                ICONINFO info{};
                bool gone = FindAboutBox() == nullptr;
                for (const OwnedByBox& o : owned) {
                    gone = gone && GetObjectType(o.font) == 0 && !IsWindow(o.toolTip) &&
                           !GetIconInfo(o.cursor, &info);
                }
                owned.clear();
                goneAfterClosing += gone;
            });
        }
        steps.push_back([&] {
            EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdiBefore);
            EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), userBefore);
            PostMessageW(d.Handle(), WM_CLOSE, 0, 0);
        });
        RunSteps(std::move(steps));
    });
    EXPECT_EQ(unvisitedOpenings, 10);
    EXPECT_EQ(goneAfterClosing, 10);
}

} // namespace
