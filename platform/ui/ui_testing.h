#pragma once

// Hooks for tests of the user-interface layer and of the code built on it; the program never
// includes this header.
#include <string>
#include <vector>

#include "platform/ui/tables.h"

namespace ui_testing {

struct RecordedCall {
    std::string operation;
    // Formatted: ints as digits, doubles always with a point or exponent ("1.0"), texts quoted,
    // callbacks "fn"/"null", callback data "0x..."/"null".
    std::vector<std::string> args;
};

// The n-th layer call from now (1 = the next one) returns `code` (negative) instead of running.
void FailNthCall(int n, int code);
void CancelFailure();
// Calls of the layer made since the start of the process.
long long CallCount();
void StartRecording();
std::vector<RecordedCall> StopRecording();

// Scripted popup answers, used in order; with none queued a popup would wait for a person,
// so tests must queue one (an unscripted popup in a test answers 0 / cancels at once).
void QueueMessageAnswer();
void QueueConfirmAnswer(int answer);
// `result` as FileSelectPopup returns it; `path` is what the user chose.
void QueueFileAnswer(int result, const std::string& path);
int PendingPopupAnswers();
// Popups with no answer queued open as they would for a person, also without a screen, for a
// test to drive through the widgets (until ResetLayer).
void OpenRealPopups();
// The popups shown so far (title and text, or title of a file dialog).
struct ShownPopup {
    std::string kind;  // "message", "confirm", "file"
    std::string title;
    std::string text;  // the message, or the default directory of a file dialog
};
std::vector<ShownPopup> TakeShownPopups();
void ClearDirectoryHistory();

// System attribute 1500 and the monitor's size in pixels (0, 0: the real screen's).
void SetResolutionAdjustment(int percent);
void SetMonitorSize(int width, int height);

// User actions, delivered as the widgets would receive them; x and y from the control's top-left.
void SendClick(int panel, int control, int x, int y);
void ChooseRingItem(int panel, int control, int index);
// Moves a slide through the values, then releases it.
void MoveSlide(int panel, int control, const std::vector<double>& values);
void ChooseMenuItem(int menuBar, int item);
// Types into the control as the keyboard would: '\n' is Enter, '\b' Backspace.
void TypeText(int panel, int control, const std::string& text);
// Whether the menu item shows a check mark.
bool MenuItemShowsCheck(int menuBar, int item);
// Asks the window manager to close the panel's window; returns whether it closed.
bool CloseWindow(int panel);

// Paints the panel's client area into an image (also while hidden).
struct PanelImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned> pixels;  // 0xRRGGBB, row-major
    unsigned At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};
PanelImage GrabPanel(int panel);
bool SavePanelPng(int panel, const std::string& path);

// Discards every panel and resets the layer's settings, for a clean start of each test.
void ResetLayer();

}  // namespace ui_testing
