#include "ui/form_model.h"

namespace nuv {

namespace {

Component Make(const char* name, ComponentKind kind, int left, int top, int width, int height,
               std::string caption = {}, const char* parent = "") {
    Component c;
    c.name = name;
    c.kind = kind;
    c.parent = parent;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    c.caption = std::move(caption);
    return c;
}

}  // namespace

Form1::Form1() {
    using K = ComponentKind;
    outerWidth = clientWidth + kFrameWidth;
    outerHeight = clientHeight + kFrameHeight;

    Label2 = Make("Label2", K::Label, 192, 8, 0, 13);
    Label2.fontHeight = 13;
    Memo1 = Make("Memo1", K::Memo, 192, 32, 321, 153);
    Memo2 = Make("Memo2", K::Memo, 8, 32, 177, 145);
    Memo2.colour = colours::kButtonFace;
    Memo2.visible = false;
    Image1 = Make("Image1", K::Picture, 8, 32, 144, 72);
    Image2 = Make("Image2", K::Picture, 8, 32, 166, 111);
    Image3 = Make("Image3", K::Picture, 8, 32, 166, 105);
    Image4 = Make("Image4", K::Picture, 8, 32, 175, 113);
    for (Component* c : {&Image1, &Image2, &Image3, &Image4}) c->visible = false;
    ProgressBar1 = Make("ProgressBar1", K::ProgressBar, 8, 192, 505, 25);
    Panel1 = Make("Panel1", K::Panel, 8, 96, 505, 81, "Panel1");
    Panel1.colour = colours::kSkyBlue;
    Panel1.visible = false;
    Label1 = Make("Label1", K::Label, 10, 15, 463, 32, "Please shutdown Tablet PC then retry ", "Panel1");
    Label1.colour = colours::kLime;
    Label1.fontColour = colours::kRed;
    Label1.fontHeight = 27;
    Label1_ErrorMsg = Make("Label1_ErrorMsg", K::Label, 40, 56, 399, 16,
                           "Please click  \"Close\" button , and re-Open this Tool , retry it.  Thnaks",
                           "Panel1");
    Label1_ErrorMsg.fontHeight = 13;
    GroupBox1 = Make("GroupBox1", K::GroupBox, 8, 240, 433, 105, "1. Select  firmware to download");
    Edit1 = Make("Edit1", K::Edit, 16, 72, 401, 21, "", "GroupBox1");
    Button1 = Make("Button1", K::Button, 16, 32, 75, 25, "Browse", "GroupBox1");
    GroupBox2 = Make("GroupBox2", K::GroupBox, 8, 352, 209, 97, "2. Plug in the NUV Demo board into USB");
    Button2 = Make("Button2", K::Button, 16, 32, 170, 40, "Enter Flash Mode", "GroupBox2");
    GroupBox3 = Make("GroupBox3", K::GroupBox, 232, 352, 209, 97, "3. Click Upgrade Firmware");
    Button3 = Make("Button3", K::Button, 22, 32, 170, 40, "Upgrade Firmware", "GroupBox3");
    GroupBox4 = Make("GroupBox4", K::GroupBox, 8, 480, 433, 97, "2. Click Upgrade Parameters");
    Button4 = Make("Button4", K::Button, 16, 32, 400, 40, "Upgrade Parameters", "GroupBox4");
    Image5 = Make("Image5", K::Picture, 528, 32, 297, 145);
    Button5 = Make("Button5", K::Button, 698, 75, 57, 33, "Update");
    Button5.fontColour = colours::kNavy;
    Button6 = Make("Button6", K::Button, 736, 188, 81, 25, "Close");
    Image6 = Make("Image6", K::Picture, 520, 240, 305, 129);
    Image7 = Make("Image7", K::Picture, 520, 240, 305, 129);
    Image8 = Make("Image8", K::Picture, 528, 24, 305, 153);
    Image8.visible = false;
    OpenDialog1 = Make("OpenDialog1", K::OpenDialog, 0, 0, 0, 0, "[*.bin]|*.bin|*.*|*.*");
    OpenDialog1.visible = false;
    for (Component* c : {&Button2, &Button3, &Button4, &Button5, &Button6}) c->enabled = false;

    OperatorMessages.Append("Initialization ...");

    timers[kTimer1] = {1000, false};
    timers[kTimer2] = {500, false};
    timers[kTimer3] = {1000, false};
    timers[kTimer4] = {100, true};
    timers[kTimer5] = {500, false};
}

std::vector<Component*> Form1::Components() {
    return {&Label2, &Memo1, &Memo2, &Image1, &Image2, &Image3, &Image4, &ProgressBar1, &Panel1,
            &Label1, &Label1_ErrorMsg, &GroupBox1, &Edit1, &Button1, &GroupBox2, &Button2,
            &GroupBox3, &Button3, &GroupBox4, &Button4, &Image5, &Button5, &Button6, &Image6,
            &Image7, &Image8, &OpenDialog1};
}

Component* Form1::Find(const std::string& name) {
    for (Component* c : Components())
        if (c->name == name) return c;
    return nullptr;
}

}  // namespace nuv
