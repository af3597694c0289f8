// The faders window's widgets: positions, labels, colours, ranges and the buttons that open
// other work (Mix, the file choosers).
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Input.H>
#include <FL/Fl_Value_Output.H>
#include <gtest/gtest.h>

#include <string>

#include "faders/faders.h"
#include "faders/faders_widgets.h"
#include "gui_harness.h"
#include "prefs/prefs.h"
#include "state/mix_state.h"

namespace {

void ExpectBox(Fl_Widget *w, int x, int y, int width, int height, const std::string &what)
{
    ASSERT_NE(w, nullptr) << what;
    EXPECT_EQ(w->x(), x) << what;
    EXPECT_EQ(w->y(), y) << what;
    EXPECT_EQ(w->w(), width) << what;
    EXPECT_EQ(w->h(), height) << what;
}

// How far a text field has scrolled its text to the left, which the toolkit keeps to itself.
struct InputScroll : Fl_Input_ {
    static int Of(const Fl_Widget *input)
    {
        return (static_cast<const Fl_Input_ *>(input)->*(&InputScroll::xscroll))();
    }
};

Fl_Menu_Button *EditMenuButton()
{
    for (int i = 0; i < FadersWindow->children(); i++)
        if (Fl_Menu_Button *m = dynamic_cast<Fl_Menu_Button *>(FadersWindow->child(i)))
            return m;
    return nullptr;
}

} // namespace

TEST(FadersWindow, ControlsAboveTheStrips)
{
    StartVeltrane();
    EXPECT_STREQ(FadersWindow->label(), "Faders");
    EXPECT_EQ(FadersWindow->color(), 97u);
    // 10 controls above; 13 strips of 11 widgets less what the master lacks, and no file button on 11 to 13.
    EXPECT_EQ(FadersWindow->children(), 10 + 13 * 11 - 3 - 3);

    ExpectBox(MixNameInput, 26, 32, 150, 18, "mix name");
    ExpectBox(MixButton3, 489, 25, 100, 28, "Mix");
    ExpectBox(TimeIndex, 26, 80, 50, 24, "time index");
    ExpectBox(IndexActive, 103, 80, 80, 20, "Active");
    ExpectBox(CueName, 212, 80, 120, 20, "cue name");
    ExpectBox(GuiMin, 399, 80, 40, 20, "min");
    ExpectBox(GuiSec, 473, 80, 40, 20, "sec");
    ExpectBox(GuiMsec, 547, 80, 40, 20, "msec");
    ExpectBox(EditMenuButton(), 399, 116, 85, 20, "Edit Index");
    ExpectBox(Bank, 26, 132, 40, 24, "channel bank");

    EXPECT_STREQ(MixNameInput->label(), "mix name");
    EXPECT_STREQ(GuiSec->label(), "sec/beat");
    EXPECT_STREQ(EditMenuButton()->label(), "Edit Index");
    EXPECT_EQ(GuiMsec->labelsize(), 11);
    EXPECT_EQ(GuiMsec->textfont(), FL_HELVETICA_BOLD);
    EXPECT_EQ(GuiMsec->color(), 49u);
    EXPECT_EQ(CueName->labelcolor(), 175u);
    EXPECT_EQ(CueName->align(), FL_ALIGN_TOP_LEFT);
    EXPECT_EQ(MixButton3->shortcut(), FL_CTRL + 'm');
    EXPECT_EQ(MixButton3->box(), FL_ROUND_UP_BOX);
    EXPECT_EQ(IndexActive->type(), FL_TOGGLE_BUTTON);
    EXPECT_EQ(IndexActive->selection_color(), 229u);

    EXPECT_EQ(TimeIndex->minimum(), 1);
    EXPECT_EQ(TimeIndex->maximum(), 512);
    EXPECT_EQ(Bank->minimum(), 1);
    EXPECT_EQ(Bank->maximum(), 12);
    EXPECT_TRUE(Bank->when() & FL_WHEN_CHANGED);
}

TEST(FadersWindow, StripsFollowTheRowLayoutWithItsOffGridCells)
{
    StartVeltrane();
    for (int strip = 1; strip <= 13; strip++) {
        const int k = strip - 1, y = 177 + 30 * k, by = 179 + 30 * k;
        const std::string s = " strip " + std::to_string(strip);
        ExpectBox(*VolumeStrip[k], 313, y, 58, 20, "vol" + s);
        ExpectBox(*OffsetStrip[k], 390, y, 34, 18, "ofs" + s);
        ExpectBox(*RampStrip[k], strip == 1 ? 441 : 442, y, 34, 18, "ramp" + s);
        ExpectBox(*ShapeStrip[k], strip == 1 ? 494 : 495, y, 34, 18, "shape" + s);
        ExpectBox(*PanStrip[k], 547, y, 40, 18, "pan" + s);
        ExpectBox(*AutoStrip[k], 284, by, 16, 16, "A" + s);
        if (strip <= 12) {
            ExpectBox(*SoloStrip[k], 26, strip == 2 ? 208 : by, 16, 16, "solo" + s);
            ExpectBox(*MuteStrip[k], 56, strip == 2 ? 208 : strip == 6 ? 328 : by, 16, 16, "mute" + s);
            ExpectBox(*NumberStrip[k], 88, y, 30, 18, "DispNum" + s);
            ExpectBox(*NameStrip[k], 133, strip == 11 ? 476 : y, 120, 18, "name" + s);
        }
        if (strip <= 10) {
            ExpectBox(*BrowseStrip[k], 255, 178 + 30 * k, 14, 18, "browse" + s);
            EXPECT_STREQ((*BrowseStrip[k])->label(), "*");
        }
        // Column headings only above strip 1.
        EXPECT_EQ((*VolumeStrip[k])->label() != nullptr, strip == 1) << s;
        EXPECT_EQ((*AutoStrip[k])->label() != nullptr, strip == 1) << s;
    }
    ExpectBox(name13, 133, 537, 120, 18, "name13");

    EXPECT_STREQ(vol1->label(), "volume dB");
    EXPECT_STREQ(pan1->label(), "pan %");
    EXPECT_STREQ(solo1->label(), "so");
    EXPECT_EQ(ramp1->align(), FL_ALIGN_TOP);
    EXPECT_EQ(ramp1->labelsize(), 11);
    EXPECT_EQ(ramp1->labelcolor(), 175u);
    EXPECT_STREQ(name11->label(), "sub");
    EXPECT_STREQ(name12->label(), "vca");
    EXPECT_EQ(name12->labelcolor(), 3u);
    EXPECT_EQ(name12->labelsize(), 10);
}

TEST(FadersWindow, StripWidgetsCarryTheirRangesAndColours)
{
    StartVeltrane();
    EXPECT_EQ(vol7->minimum(), -144);
    EXPECT_EQ(vol7->maximum(), 12);
    EXPECT_DOUBLE_EQ(vol7->step(), 0.1);
    EXPECT_STREQ(vol7->format(), "%.*f");
    EXPECT_EQ(vol7->textfont(), FL_HELVETICA_BOLD);
    EXPECT_EQ(shape7->minimum(), 0.125);
    EXPECT_EQ(shape7->maximum(), 8);
    EXPECT_EQ(pan7->minimum(), -100);
    EXPECT_EQ(pan7->maximum(), 100);
    EXPECT_EQ(pan7->step(), 1);
    EXPECT_EQ(ofs7->color(), 49u);
    EXPECT_EQ(name13->color(), 49u);
    EXPECT_EQ(solo7->selection_color(), FL_GREEN);
    EXPECT_EQ(mute7->selection_color(), 89u);
    EXPECT_EQ(A7->selection_color(), 229u);
    EXPECT_EQ(A7->type(), FL_TOGGLE_BUTTON);
    EXPECT_EQ(DispNum1->when(), FL_WHEN_CHANGED | FL_WHEN_NOT_CHANGED);
    EXPECT_NE(DispNum2->when(), DispNum1->when());

    // A volume shows one decimal.
    Bank->value(1);
    Volume[Cell(7, 0)] = -6.25f;
    TimeIndex->value(1);
    TimeIndex->do_callback();
    Fl_Input *shown = dynamic_cast<Fl_Input *>(vol7->child(0));
    ASSERT_NE(shown, nullptr);
    EXPECT_STREQ(shown->value(), "-6.2");
}

TEST(FadersWindow, EveryVolumeShowsWholeInItsSpinner)
{
    StartVeltrane();
    FadersWindow->show();
    FadersWindow->wait_for_expose();
    for (float volume : {-144.0f, -100.5f, -88.8f, -0.1f, 12.0f}) {
        Volume[Cell(MasterSlot(), 0)] = volume;
        UpdateVolumes();
        Fl::flush();   // the text field works out its scrolling as it draws
        EXPECT_EQ(InputScroll::Of(vol13->child(0)), 0) << "scrolled: " << volume;
    }
    EXPECT_STREQ(dynamic_cast<Fl_Input *>(vol13->child(0))->value(), "12.0");
    ExpectBox(vol13, 313, 537, 58, 20, "vol13");
    FadersWindow->hide();
    PumpEvents();
}

TEST(FadersWindow, FileButtonsOpenTheChooserForTheirStrip)
{
    StartVeltrane();
    Bank->value(4);
    Bank->do_callback();
    for (int strip : {1, 7, 10}) {
        (*BrowseStrip[strip - 1])->do_callback();
        ASSERT_NE(CH, nullptr);
        EXPECT_TRUE(CH->shown());
        EXPECT_EQ(BrowseNumber, strip);
        CH->hide();
    }
    // The chosen file names channel 40 and the window shows it at once.
    SetChosenFile("/music/take3.wav");
    EXPECT_STREQ(NameBuffer[40], "/music/take3.wav");
    EXPECT_STREQ(name10->value(), "/music/take3.wav");
}
