// The main window as a model: what is shown, where and when. Handlers change
// the model; renderers draw it and feed input back.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace nuv {

struct Colour {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Colour&) const = default;
};

namespace colours {
constexpr Colour kWindowText{0, 0, 0};
constexpr Colour kWhite{255, 255, 255};
constexpr Colour kButtonFace{240, 240, 240};
constexpr Colour kRed{255, 0, 0};
constexpr Colour kGreen{0, 128, 0};
constexpr Colour kLime{0, 255, 0};
constexpr Colour kSkyBlue{166, 202, 240};
constexpr Colour kCream{255, 251, 240};
constexpr Colour kNavy{0, 0, 128};
}  // namespace colours

enum class ComponentKind { Label, Memo, Picture, ProgressBar, Panel, GroupBox, Edit, Button, OpenDialog };

struct Component {
    std::string name;
    ComponentKind kind = ComponentKind::Label;
    std::string parent;            // empty: the window's client area
    int left = 0, top = 0, width = 0, height = 0;
    bool visible = true;
    bool enabled = true;
    std::string caption;           // labels, buttons, group boxes, panels; edit text
    Colour colour = colours::kWhite;  // background
    Colour fontColour = colours::kWindowText;
    int fontHeight = 11;           // pixels
};

// A memo's lines. A line appended from a format ending in "\n" keeps it.
struct LineLog {
    std::vector<std::string> lines;
    int fontSizePt = 8;
    Colour fontColour = colours::kWindowText;

    void Clear() { lines.clear(); }
    void Append(std::string line) { lines.push_back(std::move(line)); }
};

enum TimerId : int { kTimer1 = 1, kTimer2 = 2, kTimer3 = 3, kTimer4 = 4, kTimer5 = 5 };

struct TimerModel {
    uint32_t intervalMs = 1000;
    bool enabled = false;
};

// Model of the window Form1.
struct Form1 {
    Form1();

    std::string caption = "v2.7.5";
    int clientWidth = 520, clientHeight = 230;
    int outerWidth = 0, outerHeight = 0;
    bool systemMenu = true;      // title-bar system menu with its close box
    bool shown = true;           // false under "/S"
    bool closed = false;

    Component Label2, Memo1, Memo2, Image1, Image2, Image3, Image4, ProgressBar1, Panel1, Label1,
        Label1_ErrorMsg, GroupBox1, Edit1, Button1, GroupBox2, Button2, GroupBox3, Button3,
        GroupBox4, Button4, Image5, Button5, Button6, Image6, Image7, Image8,
        OpenDialog1;                 // its caption holds the file filter
    int progressPosition = 0;    // ProgressBar1, 0 to 100

    LineLog OperatorMessages;    // Memo1's lines
    LineLog DiagnosticTrace;     // Memo2's lines

    TimerModel timers[6];        // indexed by TimerId; [0] unused

    std::vector<Component*> Components();
    Component* Find(const std::string& name);
};

// Outer size of a window whose client area is given (single border, caption bar).
constexpr int kFrameWidth = 6;
constexpr int kFrameHeight = 29;

}  // namespace nuv
