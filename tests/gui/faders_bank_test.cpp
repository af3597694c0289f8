// The faders window against the mix state: which slot each strip edits in each bank, in both
// directions, the acceptance of typed pan, ramp and shape values, names and the status line.
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Input.H>
#include <FL/Fl_Value_Output.H>
#include <gtest/gtest.h>

#include <string>

#include "app/control.h"
#include "state/status_message.h"
#include "effects/effects_window.h"
#include "faders/faders.h"
#include "faders/faders_widgets.h"
#include "gui_harness.h"
#include "state/mix_state.h"

namespace {

void GoTo(int index, int bank)
{
    TimeIndex->value(index);
    TimeIndex->do_callback();
    Bank->value(bank);
    Bank->do_callback();
}

// Types text into a value input as the user does: the inner field's callback parses it.
void Type(Fl_Value_Input *field, const char *text)
{
    field->input.value(text);
    field->input.do_callback();
}

void Click(Fl_Button *button)
{
    button->value(!button->value());
    button->do_callback();
}

struct BankCase {
    int bank;
    int slots[STRIP_COUNT];  // -1: the strip stands for nothing in this bank
};

const BankCase BankCases[] = {
    {1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 128, 136, 0}},
    {8, {71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 135, 143, 0}},
    {9, {81, 82, 83, 84, 85, 86, 87, 88, 89, 90, -1, -1, 0}},
    {12, {111, 112, 113, 114, 115, 116, 117, 118, 119, 120, -1, -1, 0}},
};

} // namespace

TEST(FadersBank, ColumnsStoreIntoTheSlotsOfTheBank)
{
    for (const BankCase &c : BankCases) {
        StartVeltrane();
        GoTo(7, c.bank);
        const int i = 6;
        for (int k = 0; k < STRIP_COUNT; k++) {
            (*VolumeStrip[k])->value(-1.5 - k);
            (*OffsetStrip[k])->value(0.25 + k);
            (*AutoStrip[k])->value(1);
            if (k < STRIP_COUNT - 1) {
                (*SoloStrip[k])->value(1);
                (*MuteStrip[k])->value(1);
            }
        }
        vol5->do_callback();
        ofs13->do_callback();
        A1->do_callback();
        solo12->do_callback();
        mute3->do_callback();

        for (int k = 0; k < STRIP_COUNT; k++) {
            const int slot = c.slots[k];
            if (slot < 0)
                continue;
            SCOPED_TRACE("bank " + std::to_string(c.bank) + " strip " + std::to_string(k + 1));
            EXPECT_FLOAT_EQ(Volume[Cell(slot, i)], -1.5f - k);
            EXPECT_FLOAT_EQ(Offset[Cell(slot, i)], 0.25f + k);
            EXPECT_EQ(ChanActive[Cell(slot, i)], 1);
            EXPECT_FLOAT_EQ(Volume[Cell(slot, i - 1)], 0.0f);
            if (k < STRIP_COUNT - 1) {
                EXPECT_EQ(SoloArray[slot], 1);
                EXPECT_EQ(MuteArray[slot], 1);
            }
        }
        // Strips without a slot store nothing: no submix or VCA cell, nor slots 121..127, changed.
        for (int slot = 121; slot < SLOT_COUNT; slot++) {
            bool reached = false;
            for (int s : c.slots)
                reached |= s == slot;
            if (!reached) {
                EXPECT_EQ(ChanActive[Cell(slot, i)], 0) << "slot " << slot;
                EXPECT_EQ(MuteArray[slot], 0) << "slot " << slot;
            }
        }
    }
}

TEST(FadersBank, UpdatesLoadTheSlotsOfTheBankAndSkipTheMissingGroups)
{
    for (const BankCase &c : BankCases) {
        StartVeltrane();
        const int i = 299;
        for (int slot = 0; slot < SLOT_COUNT; slot++) {
            Volume[Cell(slot, i)] = -0.5f * slot;
            Offset[Cell(slot, i)] = 0.01f * slot;
            Ramp[Cell(slot, i)] = slot;
            Shape[Cell(slot, i)] = 1 + slot;
            ChanActive[Cell(slot, i)] = slot % 2 ? 2 : 0;   // any non-zero integer lights the button
            Pan[slot] = slot % 100 - 50;
            SoloArray[slot] = slot % 3 == 0;
            MuteArray[slot] = slot % 3 == 1;
        }
        // What strips 11 and 12 showed before must stay when the bank has no group.
        TimeIndex->value(i + 1);
        Bank->value(c.bank);
        vol11->value(5.5);
        pan12->value(42);
        name11->value("stale");
        Bank->do_callback();

        for (int k = 0; k < STRIP_COUNT; k++) {
            const int slot = c.slots[k];
            SCOPED_TRACE("bank " + std::to_string(c.bank) + " strip " + std::to_string(k + 1));
            if (slot < 0)
                continue;
            EXPECT_FLOAT_EQ((*VolumeStrip[k])->value(), Volume[Cell(slot, i)]);
            EXPECT_FLOAT_EQ((*OffsetStrip[k])->value(), Offset[Cell(slot, i)]);
            EXPECT_FLOAT_EQ((*RampStrip[k])->value(), slot);
            EXPECT_FLOAT_EQ((*ShapeStrip[k])->value(), 1 + slot);
            EXPECT_EQ((*AutoStrip[k])->value(), slot % 2);
            EXPECT_FLOAT_EQ((*PanStrip[k])->value(), slot % 100 - 50);
            if (k < STRIP_COUNT - 1) {
                EXPECT_EQ((*SoloStrip[k])->value(), slot % 3 == 0);
                EXPECT_EQ((*MuteStrip[k])->value(), slot % 3 == 1);
            }
        }
        if (c.slots[10] < 0) {
            EXPECT_DOUBLE_EQ(vol11->value(), 5.5);
            EXPECT_DOUBLE_EQ(pan12->value(), 42);
            EXPECT_STREQ(name11->value(), "(unavailable)");
            EXPECT_STREQ(name12->value(), "(unavailable)");
        }
        // Numbers: the channels of the bank, then the bank number for its submix and VCA.
        EXPECT_EQ(DispNum1->value(), c.slots[0]);
        EXPECT_EQ(DispNum10->value(), c.slots[9]);
        EXPECT_EQ(DispNum11->value(), c.bank);
        EXPECT_EQ(DispNum12->value(), c.bank);

        // Storing the lit "auto" of a cell holding 2 writes 1; updates never wrote back.
        EXPECT_EQ(ChanActive[Cell(c.slots[0], i)], c.slots[0] % 2 ? 2 : 0);
        A13->do_callback();
        EXPECT_EQ(ChanActive[Cell(c.slots[0], i)], c.slots[0] % 2);
    }
}

TEST(FadersBank, OneVolumeChangeRewritesTheWholeColumnAtTheCurrentIndex)
{
    StartVeltrane();
    GoTo(3, 2);
    // The state changed behind the window's back; the next edit writes what the window shows.
    Volume[Cell(15, 2)] = -20;
    Volume[Cell(15, 3)] = -20;
    vol3->value(-6);
    vol3->do_callback();
    EXPECT_FLOAT_EQ(Volume[Cell(13, 2)], -6);
    EXPECT_FLOAT_EQ(Volume[Cell(15, 2)], 0);
    EXPECT_FLOAT_EQ(Volume[Cell(15, 3)], -20);

    // Moving to another index and back shows each index's own values; pan and solo stay.
    pan1->value(25);
    pan1->do_callback();
    Click(solo1);
    GoTo(4, 2);
    EXPECT_DOUBLE_EQ(vol3->value(), 0);
    EXPECT_DOUBLE_EQ(vol5->value(), -20);
    EXPECT_DOUBLE_EQ(pan1->value(), 25);
    EXPECT_EQ(solo1->value(), 1);
    GoTo(3, 2);
    EXPECT_DOUBLE_EQ(vol3->value(), -6);
}

TEST(FadersBank, TypedPanRampAndShapeArePassedThroughTheirTests)
{
    StartVeltrane();
    GoTo(2, 3);
    const int ch = 21, i = 1;

    Type(pan1, "100");
    EXPECT_FLOAT_EQ(Pan[ch], 100);
    Type(pan1, "-100");
    EXPECT_FLOAT_EQ(Pan[ch], -100);
    Type(pan1, "150");
    EXPECT_FLOAT_EQ(Pan[ch], -100);
    // A refused value gives way to the stored one at once: the screen shows the mix.
    EXPECT_DOUBLE_EQ(pan1->value(), -100);
    EXPECT_STREQ(pan1->input.value(), "-100");

    Type(ramp1, "2.5");
    Type(ramp1, "0");
    EXPECT_FLOAT_EQ(Ramp[Cell(ch, i)], 0);
    Type(ramp1, "-1");
    EXPECT_FLOAT_EQ(Ramp[Cell(ch, i)], 0);
    EXPECT_STREQ(ramp1->input.value(), "0");

    Type(shape1, "0");
    EXPECT_FLOAT_EQ(Shape[Cell(ch, i)], 1);
    EXPECT_STREQ(shape1->input.value(), "1");
    Type(shape1, "20");
    EXPECT_FLOAT_EQ(Shape[Cell(ch, i)], 20);

    // Not-a-number and values beyond a float are never stored.
    Type(shape1, "nan");
    Type(ramp1, "1e300");
    EXPECT_FLOAT_EQ(Shape[Cell(ch, i)], 20);
    EXPECT_FLOAT_EQ(Ramp[Cell(ch, i)], 0);
    Type(ofs2, "0.5");
    Type(ofs2, "inf");
    Type(GuiSec, "nan");
    EXPECT_FLOAT_EQ(Offset[Cell(ch + 1, i)], 0.5);
    EXPECT_FLOAT_EQ(IndexSec[i], 0);
    EXPECT_STREQ(shape1->input.value(), "20");
    EXPECT_STREQ(ramp1->input.value(), "0");
    EXPECT_STREQ(ofs2->input.value(), "0.5");
    EXPECT_STREQ(GuiSec->input.value(), "0");

    // Master and group strips; strip numbers outside 1..13 store nothing.
    Type(pan13, "-40");
    Type(ramp11, "3");
    Type(shape12, "0.5");
    EXPECT_FLOAT_EQ(Pan[0], -40);
    EXPECT_FLOAT_EQ(Ramp[Cell(130, i)], 3);
    EXPECT_FLOAT_EQ(Shape[Cell(138, i)], 0.5);
    PanToArray(0);
    PanToArray(14);
    RampToArray(-3);

    // Bank 9 has no submix or VCA: strips 11 and 12 store nothing.
    GoTo(2, 9);
    Type(pan11, "12");
    Type(ramp12, "7");
    for (int slot = 121; slot < SLOT_COUNT; slot++) {
        EXPECT_FLOAT_EQ(Pan[slot], 0) << slot;
        EXPECT_FLOAT_EQ(Ramp[Cell(slot, i)], slot == 130 ? 3 : 0) << slot;
    }
}

TEST(FadersBank, TheVcaMuteOfStrip12SurvivesABankChange)
{
    StartVeltrane();
    GoTo(1, 3);
    Click(mute12);
    Click(solo11);
    EXPECT_EQ(MuteArray[138], 1);
    EXPECT_EQ(SoloArray[130], 1);
    GoTo(1, 4);
    EXPECT_EQ(mute12->value(), 0);
    EXPECT_EQ(solo11->value(), 0);
    GoTo(1, 3);
    EXPECT_EQ(mute12->value(), 1);
    EXPECT_EQ(solo11->value(), 1);
}

TEST(FadersBank, TimeFieldsAreStoredAsTyped)
{
    StartVeltrane();
    GoTo(9, 1);
    Type(GuiMin, "3");
    Type(GuiSec, "75");
    Type(GuiMsec, "1234");
    EXPECT_FLOAT_EQ(IndexMin[8], 3);
    EXPECT_FLOAT_EQ(IndexSec[8], 75);
    EXPECT_FLOAT_EQ(IndexMsec[8], 1234);
    GoTo(10, 1);
    EXPECT_DOUBLE_EQ(GuiSec->value(), 0);
    GoTo(9, 1);
    EXPECT_DOUBLE_EQ(GuiSec->value(), 75);
}

TEST(FadersBank, NamesFollowTheBankAndStayInTheirCells)
{
    StartVeltrane();
    GoTo(1, 2);
    EXPECT_STREQ(name11->value(), "Submix 2");
    EXPECT_STREQ(name12->value(), "VCA 2");
    EXPECT_STREQ(name13->value(), "Master");

    name1->value("50%");
    name11->value("Drums");
    name12->value("Vox");
    name13->value("Not the master");
    name1->do_callback();
    EXPECT_STREQ(NameBuffer[11], "50%");
    EXPECT_STREQ(NameBuffer[129], "Drums");
    EXPECT_STREQ(NameBuffer[137], "Vox");
    EXPECT_STREQ(NameBuffer[0], "Master");

    // The effects window edits channel 1 after start-up; its name follows the edit at once.
    GoTo(1, 1);
    name1->value("Kick");
    name1->do_callback();
    EXPECT_STREQ(NameInEffects->value(), "Kick");
    NameBuffer[1][0] = 0;
    UpdateNames();
    EXPECT_STREQ(NameInEffects->value(), "");
    GoTo(1, 2);

    const std::string longName(300, 'n');
    name2->value(longName.c_str());
    name2->do_callback();
    EXPECT_EQ(std::string(NameBuffer[12]), longName.substr(0, NAME_SIZE - 1));

    // Bank 9: the group fields read "(unavailable)" and editing them changes no name.
    GoTo(1, 9);
    EXPECT_STREQ(name1->value(), "");
    EXPECT_STREQ(name11->value(), "(unavailable)");
    name11->value("Lost");
    name1->value("Bass");
    name11->do_callback();
    EXPECT_STREQ(NameBuffer[81], "Bass");
    for (int slot = 121; slot < SLOT_COUNT; slot++)
        EXPECT_EQ(std::string(NameBuffer[slot]).find("Lost"), std::string::npos) << slot;

    GoTo(1, 2);
    EXPECT_STREQ(name1->value(), "50%");
    EXPECT_STREQ(name11->value(), "Drums");
}

TEST(FadersBank, EditsClearTheStatusLineAndTextFieldsLeaveIt)
{
    StartVeltrane();
    GoTo(1, 1);
    Fl_Widget *edits[] = {vol4, ofs2, A3, solo5, mute6, GuiSec, IndexActive};
    for (Fl_Widget *w : edits) {
        SetStatus("Read %i bytes from faders.txt", 99);
        w->do_callback();
        EXPECT_STREQ(TextResponse->value(), "") << w->label();
        EXPECT_STREQ(tbuffer, "Read 99 bytes from faders.txt");
    }
    for (Fl_Value_Input *w : {pan3, ramp3, shape3}) {
        SetStatus("Save Complete");
        Type(w, "-5");   // refused by ramp and shape: the line is cleared all the same
        EXPECT_STREQ(TextResponse->value(), "");
    }
    Fl_Widget *texts[] = {name1, CueName, MixNameInput};
    for (Fl_Widget *w : texts) {
        SetStatus("Save Complete");
        w->do_callback();
        EXPECT_STREQ(TextResponse->value(), "Save Complete");
    }
}
