#include <gtest/gtest.h>

#include "app/program_fixture.h"
#include "ui/blink_timers.h"
#include "ui/form_close.h"
#include "ui/form_create.h"
#include "ui/form_keys.h"
#include "ui/layouts.h"
#include "ui/window_control.h"

namespace nuv {
namespace {

using testing::ProgramFixture;

TEST(FormCreate, BuildsTheCompactLayout) {
    const struct {
        const char* file;
        bool memo2, image2;
        const char* caption;
    } cases[] = {
        {"", false, true, "NUVDravFlasher v2.7.5"},
        {"[MESSAGE]\nENABLE=0\n", false, true, "NUVDravFlasher v2.7.5"},
        {"[MESSAGE]\nENABLE=1\n[OPTION]\nTITLENAME=Tablet Updater\n", true, false, "Tablet Updater v2.7.5"},
        {"[MESSAGE]\nENABLE=-3\n[OPTION]\nTITLENAME=\n", true, false, " v2.7.5"},
    };
    for (const auto& c : cases) {
        ProgramFixture f;
        f.WriteConfig(c.file);
        FormCreate(*f.program);
        const Form1& form = f.program->form;
        EXPECT_EQ(form.caption, c.caption);
        EXPECT_EQ(form.Memo2.visible, c.memo2) << c.file;
        EXPECT_EQ(form.Image2.visible, c.image2) << c.file;
        EXPECT_FALSE(form.Image3.visible || form.Image4.visible);
        EXPECT_FALSE(form.systemMenu);
        EXPECT_FALSE(form.GroupBox1.visible || form.GroupBox2.visible || form.GroupBox3.visible);
        EXPECT_TRUE(form.GroupBox4.visible);
        EXPECT_EQ(form.outerHeight, 250);
        EXPECT_EQ(form.outerWidth, 526);
        EXPECT_EQ(form.OperatorMessages.lines, std::vector<std::string>{"Initialization ..."});
        EXPECT_EQ(f.virtualHost.system.executionStates, std::vector<uint32_t>{0x80000043u});
    }
}

TEST(FormCreate, MalformedEnableStopsItAtThatKey) {
    ProgramFixture f;
    f.WriteConfig("[MESSAGE]\nENABLE=yes\n[OPTION]\nTITLENAME=Other\n");
    CreateMainWindow(*f.program);
    const Form1& form = f.program->form;
    EXPECT_EQ(form.caption, "v2.7.5");
    EXPECT_EQ(f.program->settings.ProgramName, "NUVDravFlasher");
    EXPECT_TRUE(form.systemMenu);
    EXPECT_TRUE(form.GroupBox1.visible);
    EXPECT_FALSE(form.Image2.visible);
    EXPECT_EQ(form.DiagnosticTrace.lines, std::vector<std::string>{"'yes' is not a valid integer value"});
    EXPECT_EQ(f.virtualHost.system.stderrText, "'yes' is not a valid integer value\n");
    EXPECT_EQ(f.virtualHost.system.executionStates, std::vector<uint32_t>{0x80000043u});
    EXPECT_TRUE(f.virtualHost.loop.TimerRunning(kTimer4)) << "the window is still created";
}

TEST(FormKeys, OnlyCtrlChangesTheFlag) {
    ProgramFixture f;
    Program& p = *f.program;
    FormKeyDown(p, 16);
    EXPECT_EQ(p.CtrlHeld, 0);
    FormKeyDown(p, kCtrlKey);
    EXPECT_EQ(p.CtrlHeld, 1);
    FormKeyUp(p, 65);
    EXPECT_EQ(p.CtrlHeld, 1);
    FormKeyUp(p, kCtrlKey);
    EXPECT_EQ(p.CtrlHeld, 0);
}

TEST(BlinkTimers, AlarmPanelAlternatesFromSkyBlue) {
    ProgramFixture f;
    Form1& form = f.program->form;
    Timer2Timer(*f.program);
    EXPECT_TRUE(form.Panel1.visible && form.Image8.visible);
    EXPECT_EQ(form.Panel1.colour, colours::kCream);
    EXPECT_EQ(form.Label1.colour, colours::kGreen);
    Timer2Timer(*f.program);
    EXPECT_EQ(form.Panel1.colour, colours::kSkyBlue);
    EXPECT_EQ(form.Label1.colour, colours::kLime);
}

TEST(BlinkTimers, WarningPicturesShowRedThenBlue) {
    ProgramFixture f;
    Form1& form = f.program->form;
    ASSERT_TRUE(form.Image6.visible && form.Image7.visible);
    Timer5Timer(*f.program);
    EXPECT_FALSE(form.Image6.visible);
    EXPECT_TRUE(form.Image7.visible);
    Timer5Timer(*f.program);
    EXPECT_TRUE(form.Image6.visible);
    EXPECT_FALSE(form.Image7.visible);
}

TEST(FormClose, SavesTheTraceOnlyWhileItIsShown) {
    for (const bool shown : {false, true}) {
        ProgramFixture f;
        f.folder.Write("Mesaage.log", "earlier\r\n");
        f.program->form.Memo2.visible = shown;
        f.program->form.DiagnosticTrace.Append("line");
        CloseMainWindow(*f.program);
        CloseMainWindow(*f.program);
        EXPECT_EQ(f.folder.Read("Mesaage.log"), shown ? "line\r\n" : "earlier\r\n");
        EXPECT_EQ(f.virtualHost.system.executionStates, std::vector<uint32_t>{0x80000000u});
        EXPECT_TRUE(f.virtualHost.loop.Ended());
    }
}

TEST(Layouts, UpdatingAndFinishedStates) {
    ProgramFixture f;
    Program& p = *f.program;
    Form1& form = p.form;
    SetWideLayout(p);
    form.Button5.enabled = form.Button6.enabled = true;
    SetUpdatingLayout(p);
    EXPECT_EQ(form.outerWidth, 840);
    EXPECT_FALSE(form.Button5.visible || form.Button5.enabled || form.Button6.enabled || form.Image5.visible);
    EXPECT_EQ(std::make_pair(form.Image6.top, form.Image6.height), std::make_pair(32, 145));
    EXPECT_EQ(std::make_pair(form.Image7.top, form.Image7.height), std::make_pair(32, 145));
    SetTimerEnabled(p, kTimer5, true);
    SetFinishedLayout(p);
    EXPECT_FALSE(f.virtualHost.loop.TimerRunning(kTimer5) || form.timers[kTimer5].enabled);
    EXPECT_FALSE(form.Image6.visible || form.Image7.visible);
    EXPECT_TRUE(form.Button6.enabled);
}

TEST(Layouts, StepPicturesOnlyWithTheTraceOff) {
    for (const int32_t showTrace : {0, 1}) {
        ProgramFixture f;
        Form1& form = f.program->form;
        f.program->settings.ShowTrace = showTrace;
        form.Image2.visible = showTrace == 0;
        ShowStepPicture(*f.program, 3);
        EXPECT_EQ(form.Image4.visible, showTrace == 0);
        EXPECT_FALSE(form.Image2.visible || form.Image3.visible);
    }
}

}  // namespace
}  // namespace nuv
