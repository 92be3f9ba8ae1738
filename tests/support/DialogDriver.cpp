// Drives modal dialogs and message boxes from inside a test through a thread-local CBT hook.
#include "DialogDriver.h"

#include <algorithm>
#include <cctype>

#include "resource.h"

namespace {

DialogDriver* activeDriver = NULL;
const int kVisibleWaits = 500;   // ten-millisecond ticks: five seconds

bool IsDialogWindow(HWND window)
{
    char className[64];
    return GetClassNameA(window, className, sizeof className) > 0 && lstrcmpA(className, "#32770") == 0;
}

}  // namespace

DialogDriver::DialogDriver() : hook(NULL), nextStep(0), waits(0)
{
    activeDriver = this;
    hook = SetWindowsHookExA(WH_CBT, HookProc, NULL, GetCurrentThreadId());
}

DialogDriver::~DialogDriver()
{
    if (hook) UnhookWindowsHookEx(hook);
    activeDriver = NULL;
}

void DialogDriver::Then(DialogStep step) { steps.push_back(step); }

size_t DialogDriver::PendingSteps() const { return steps.size() - nextStep; }

std::string DialogDriver::Leftovers() const
{
    std::string left;
    if (PendingSteps() != 0) left = std::to_string(PendingSteps()) + " steps not run";
    for (const std::string& caption : unexpected) left += (left.empty() ? "" : "; ") + ("no step for " + caption);
    return left;
}

LRESULT CALLBACK DialogDriver::HookProc(int code, WPARAM wParam, LPARAM lParam)
{
    DialogDriver* self = activeDriver;
    if (self && code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (IsDialogWindow(window) &&
            std::find(self->handled.begin(), self->handled.end(), window) == self->handled.end()) {
            self->handled.push_back(window);
            UINT_PTR id = SetTimer(NULL, 0, 10, TimerProc);
            self->timers.push_back(std::make_pair(id, window));
        }
    } else if (self && code == HCBT_DESTROYWND) {
        HWND window = reinterpret_cast<HWND>(wParam);
        self->handled.erase(std::remove(self->handled.begin(), self->handled.end(), window), self->handled.end());
    }
    return CallNextHookEx(self ? self->hook : NULL, code, wParam, lParam);
}

void CALLBACK DialogDriver::TimerProc(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(NULL, id);
    DialogDriver* self = activeDriver;
    if (!self) return;
    HWND dialog = NULL;
    for (size_t i = 0; i < self->timers.size(); ++i) {
        if (self->timers[i].first == id) {
            dialog = self->timers[i].second;
            self->timers.erase(self->timers.begin() + static_cast<long>(i));
            break;
        }
    }
    if (!dialog || !IsWindow(dialog)) return;
    // A dialog is activated while it is made, before its modal loop shows it; on a slow machine the timer
    // can run first. Steps act on the dialog as the player sees it, so wait until it is on screen.
    if (!IsWindowVisible(dialog) && self->waits < kVisibleWaits) {
        ++self->waits;
        self->timers.push_back(std::make_pair(SetTimer(NULL, 0, 10, TimerProc), dialog));
        return;
    }
    self->waits = 0;
    std::string caption = WindowText(dialog);
    if (IsMessageBox(dialog)) caption += ": " + MessageBoxText(dialog);
    self->seen.push_back(caption);
    if (self->nextStep >= self->steps.size()) {
        self->unexpected.push_back(caption);
        EndWith(dialog, IDCANCEL);
        return;
    }
    DialogStep step = self->steps[self->nextStep++];
    step(dialog);
}

std::string WindowText(HWND window)
{
    char text[4096];
    text[0] = '\0';
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ControlText(HWND dialog, int id)
{
    HWND control = GetDlgItem(dialog, id);
    if (!control) return "(no control)";
    // Asked of the control itself: GetWindowText does not ask a control of another process.
    LRESULT length = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    length = SendMessageA(control, WM_GETTEXT, static_cast<WPARAM>(length) + 1, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return text;
}

std::string TableString(UINT id)
{
    char text[4096];
    int length = LoadStringA(GetModuleHandleA(NULL), id, text, sizeof text);
    return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}

bool IsMessageBox(HWND window) { return GetDlgItem(window, 0xFFFF) != NULL; }

bool IsMainDialog(HWND window)
{
    return GetDlgItem(window, IDOK) && GetDlgItem(window, IDC_GAME_LINK_ZONE1);
}

std::string MessageBoxText(HWND box) { return ControlText(box, 0xFFFF); }

void ClickButton(HWND dialog, int id)
{
    HWND button = GetDlgItem(dialog, id);
    if (button) SendMessageA(button, BM_CLICK, 0, 0);
}

void PostCommand(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, 0), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void EndWith(HWND dialog, int id) { PostCommand(dialog, id); }

bool IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void SetChecked(HWND dialog, int id, bool checked)
{
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void SetText(HWND dialog, int id, const std::string& text) { SetDlgItemTextA(dialog, id, text.c_str()); }

int ListCount(HWND dialog, int id)
{
    return static_cast<int>(SendDlgItemMessageA(dialog, id, LB_GETCOUNT, 0, 0));
}

namespace {

// A list's or drop-down list's row through its ANSI length and text messages (their error answer is the
// same -1); false when there is no such row.
bool RowText(HWND dialog, int id, LRESULT row, UINT lengthMessage, UINT textMessage, std::string* text)
{
    LRESULT length = SendDlgItemMessageA(dialog, id, lengthMessage, static_cast<WPARAM>(row), 0);
    if (length == LB_ERR) return false;
    text->assign(static_cast<size_t>(length) + 1, '\0');
    SendDlgItemMessageA(dialog, id, textMessage, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&(*text)[0]));
    text->resize(static_cast<size_t>(length));
    return true;
}

}  // namespace

std::string ListRow(HWND dialog, int id, int row)
{
    DWORD owner = 0;
    GetWindowThreadProcessId(dialog, &owner);
    if (owner != GetCurrentProcessId()) {
        // Wine hands the ANSI form of LB_GETTEXT from another process back in UTF-16: ask for that form and
        // convert it as the program itself would, in the ANSI code page.
        LRESULT length = SendDlgItemMessageW(dialog, id, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
        if (length == LB_ERR) return "(no row)";
        std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
        length =
            SendDlgItemMessageW(dialog, id, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&wide[0]));
        if (length == LB_ERR) return "(no row)";
        std::string text(2 * static_cast<size_t>(length) + 1, '\0');
        int bytes = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(length), &text[0],
                                        static_cast<int>(text.size()), NULL, NULL);
        text.resize(static_cast<size_t>(bytes));
        return text;
    }
    std::string text;
    return RowText(dialog, id, row, LB_GETTEXTLEN, LB_GETTEXT, &text) ? text : "(no row)";
}

std::vector<std::string> ListRows(HWND dialog, int id)
{
    std::vector<std::string> rows;
    int count = ListCount(dialog, id);
    for (int row = 0; row < count; ++row) rows.push_back(ListRow(dialog, id, row));
    return rows;
}

int ListSelection(HWND dialog, int id)
{
    return static_cast<int>(SendDlgItemMessageA(dialog, id, LB_GETCURSEL, 0, 0));
}

void SelectListRow(HWND dialog, int id, int row)
{
    SendDlgItemMessageA(dialog, id, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void DoubleClickListRow(HWND dialog, int id, int row)
{
    SelectListRow(dialog, id, row);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_DBLCLK), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

namespace {

std::string ComboRow(HWND dialog, int id, LRESULT row)
{
    std::string text;
    return RowText(dialog, id, row, CB_GETLBTEXTLEN, CB_GETLBTEXT, &text) ? text : "";
}

}  // namespace

std::vector<std::string> ComboRows(HWND dialog, int id)
{
    std::vector<std::string> rows;
    LRESULT count = SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0);
    for (LRESULT row = 0; row < count; ++row) rows.push_back(ComboRow(dialog, id, row));
    return rows;
}

std::string ComboSelection(HWND dialog, int id)
{
    return ComboRow(dialog, id, SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
}

void SelectComboRow(HWND dialog, int id, int row)
{
    SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool IsControlEnabled(HWND dialog, int id)
{
    HWND control = GetDlgItem(dialog, id);
    return control && IsWindowEnabled(control);
}

void PumpMessages(DWORD milliseconds)
{
    DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(10);
    } while (GetTickCount() - start < milliseconds);
}

namespace {

// A mouse event at a screen point: the position travels with the event, so no event can see the pointer
// where an earlier or later one put it.
void MouseAt(POINT point, DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = point.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = point.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
    SendInput(1, &input, sizeof input);
    PumpMessages(100);
}

}  // namespace

void DragWithMouse(HWND window, POINT from, POINT to, bool escape, const std::function<void()>& whileHeld)
{
    // A window that has just opened may not be on the screen yet, and input would go past it.
    SetForegroundWindow(window);
    PumpMessages(300);
    MouseAt(from, 0);
    MouseAt(from, MOUSEEVENTF_LEFTDOWN);
    POINT halfWay = {(from.x + to.x) / 2, (from.y + to.y) / 2};  // as a hand moves it
    MouseAt(halfWay, 0);
    MouseAt(to, 0);
    if (whileHeld) whileHeld();
    if (escape) {
        keybd_event(VK_ESCAPE, 0, 0, 0);
        keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
        PumpMessages(100);
    }
    MouseAt(to, MOUSEEVENTF_LEFTUP);
}

void PressKey(HWND window, WORD key)
{
    SetForegroundWindow(window);
    PumpMessages(300);
    keybd_event(static_cast<BYTE>(key), 0, 0, 0);
    keybd_event(static_cast<BYTE>(key), 0, KEYEVENTF_KEYUP, 0);
    // No pumping here: a loop without IsDialogMessage would hand Enter or Esc to the focused control.
}

std::vector<int> TabOrder(HWND dialog)
{
    std::vector<int> ids;
    HWND first = GetNextDlgTabItem(dialog, NULL, FALSE);
    for (HWND control = first; control && ids.size() < 64;) {
        ids.push_back(GetDlgCtrlID(control));
        control = GetNextDlgTabItem(dialog, control, FALSE);
        if (control == first) break;
    }
    return ids;
}

namespace {

BOOL CALLBACK CollectMnemonic(HWND control, LPARAM context)
{
    std::string* letters = reinterpret_cast<std::string*>(context);
    char text[256];
    text[0] = '\0';
    GetWindowTextA(control, text, sizeof text);
    for (const char* p = text; *p; ++p) {
        if (*p != '&') continue;
        if (p[1] == '&') {  // "&&" is a plain ampersand
            ++p;
            continue;
        }
        if (p[1]) letters->push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(p[1]))));
        break;
    }
    return TRUE;
}

}  // namespace

std::string MnemonicClashes(HWND dialog)
{
    std::string letters;
    EnumChildWindows(dialog, CollectMnemonic, reinterpret_cast<LPARAM>(&letters));
    std::string clashes;
    for (size_t i = 0; i < letters.size(); ++i) {
        if (letters.find(letters[i]) != i && clashes.find(letters[i]) == std::string::npos) clashes += letters[i];
    }
    return clashes;
}
