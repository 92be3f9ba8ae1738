// Drives the launcher's modal dialogs and message boxes from inside a test, through a thread-local CBT
// hook: every dialog that the test thread activates gets the next scripted step, run from a timer in the
// dialog's own modal loop. A step reads or changes controls and usually ends the dialog.
#ifndef TUMBLERIDGE_DIALOGDRIVER_H
#define TUMBLERIDGE_DIALOGDRIVER_H

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "TestKit.h"

typedef std::function<void(HWND dialog)> DialogStep;

class DialogDriver {
public:
    DialogDriver();    // installs the hook on this thread
    ~DialogDriver();   // removes it

    // Queues the step for the next dialog or message box that appears.
    void Then(DialogStep step);
    // Steps not used yet; dialogs that appeared with no step left (they were cancelled).
    size_t PendingSteps() const;
    const std::vector<std::string>& Unexpected() const { return unexpected; }
    // "" when every step ran and no dialog came without one; else what is left, for a check to show.
    std::string Leftovers() const;
    // Captions of every dialog and box seen, in order.
    const std::vector<std::string>& Seen() const { return seen; }

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD);

    HHOOK hook;
    std::vector<DialogStep> steps;
    size_t nextStep;
    std::vector<HWND> handled;
    std::vector<std::pair<UINT_PTR, HWND>> timers;
    int waits;   // timer ticks spent waiting for the dialog to be shown
    std::vector<std::string> unexpected;
    std::vector<std::string> seen;
};

// Helpers for steps.
std::string WindowText(HWND window);
std::string ControlText(HWND dialog, int id);  // also of another process's dialog
// A string of the launcher's string table (linked into every Windows test program); "" when it has none.
std::string TableString(UINT id);
std::string MessageBoxText(HWND box);      // the text of a standard message box
bool IsMessageBox(HWND window);            // has the static text control 0xFFFF
bool IsMainDialog(HWND window);            // the launcher's: has the Launch button and the link zones
void ClickButton(HWND dialog, int id);     // a click, as the player makes it (BM_CLICK, synchronous)
void PostCommand(HWND dialog, int id);     // WM_COMMAND with notification 0, posted
void EndWith(HWND dialog, int id);         // posts the command that ends the dialog (IDOK, IDCANCEL, ...)
bool IsChecked(HWND dialog, int id);
void SetChecked(HWND dialog, int id, bool checked);
void SetText(HWND dialog, int id, const std::string& text);
// List boxes: rows, selection, and a selection made like the player's (LBN_SELCHANGE sent).
int ListCount(HWND dialog, int id);
std::string ListRow(HWND dialog, int id, int row);
std::vector<std::string> ListRows(HWND dialog, int id);
int ListSelection(HWND dialog, int id);
void SelectListRow(HWND dialog, int id, int row);
void DoubleClickListRow(HWND dialog, int id, int row);
// Drop-down lists: rows, the selected row's text ("" when none is), and a choice made like the player's
// (CBN_SELCHANGE sent; -1 for no row).
std::vector<std::string> ComboRows(HWND dialog, int id);
std::string ComboSelection(HWND dialog, int id);
void SelectComboRow(HWND dialog, int id, int row);
bool IsControlEnabled(HWND dialog, int id);
// Runs the thread's messages for the given time, as a modal loop would.
void PumpMessages(DWORD milliseconds);
// Real mouse input: the left button goes down at one screen point, the pointer moves to another (whileHeld
// runs there, then Esc is pressed when asked) and the button is let go; the window is brought to the front
// first.
void DragWithMouse(HWND window, POINT from, POINT to, bool escape, const std::function<void()>& whileHeld = {});
// Real keyboard input: the key pressed and let go in the window, brought to the front first. The window's
// own loop (a dialog's modal loop, once the step has returned) takes the key, as it takes the player's.
void PressKey(HWND window, WORD key);
// The controls' ids in the order the Tab key visits them, from the first.
std::vector<int> TabOrder(HWND dialog);
// The mnemonic letters used more than once among the dialog's controls (empty when none clash).
std::string MnemonicClashes(HWND dialog);

// A step for a message box that must show string id under the launcher's caption; it answers with button.
inline DialogStep ExpectBox(UINT id, int button = IDOK)
{
    return [id, button](HWND box) {
        CHECK(IsMessageBox(box));
        CHECK_EQ(MessageBoxText(box), TableString(id));
        CHECK_EQ(WindowText(box), "Tumbleridge");
        EndWith(box, button);
    };
}

#endif
