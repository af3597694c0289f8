#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Value_Slider.H>
#include <gtest/gtest.h>

#include <vector>

#include "effects/effects_window.h"
#include "effects_test_clicks.h"
#include "gui_harness.h"

namespace {

void ExpectChildren(Fl_Double_Window *window, const std::vector<Fl_Widget *> &expected)
{
    ASSERT_EQ(window->children(), static_cast<int>(expected.size())) << window->label();
    for (size_t i = 0; i < expected.size(); i++) {
        if (expected[i]) {
            EXPECT_EQ(window->child(i), expected[i]) << window->label() << " child " << i;
        }
    }
}

void ExpectEffectSlider(Fl_Value_Slider *slider, int x, int y)
{
    EXPECT_EQ(slider->x(), x) << slider->label();
    EXPECT_EQ(slider->y(), y) << slider->label();
    EXPECT_EQ(slider->w(), 100);
    EXPECT_EQ(slider->h(), 20);
    EXPECT_EQ(slider->type(), FL_HOR_SLIDER);
    EXPECT_EQ(slider->when(), FL_WHEN_RELEASE) << slider->label();
}

} // namespace

TEST(EffectsWindows, ChildrenStandInCreationOrder)
{
    StartVeltrane();
    // nullptr stands for the "Mix" button, which has no global.
    ExpectChildren(EffectsWindow, {
        SelectRegularChannel, SelectGroupChannel, SelectMasterChannel, RegularNum, GroupNum,
        comp1, comp2, comp3, comp4, rms1, rms2, rms3, rms4, nlc1, nlc2, nlc3, lim1,
        lshelf1, lshelf2, lshelf3, band1_1, band1_2, band1_3, band2_1, band2_2, band2_3,
        hshelf1, hshelf2, hshelf3, nullptr, NameInEffects, hpass1, fxg1,
        comp0, rms0, nlc0, lim0, lshelf0, band1_0, band2_0, hshelf0, hpass0, fxg0,
        rev_send, trev_send, rev_state, trev_state});
    Fl_Widget *mix = EffectsWindow->child(29);
    EXPECT_STREQ(mix->label(), "Mix");
    EXPECT_EQ(static_cast<Fl_Button *>(mix)->shortcut(), FL_CTRL + 'm');

    ExpectChildren(ReverbWindow, {
        rev_rtn, trev_rtn, rev_size, trev_taps, trev_size, Rev_LP1, Rev_HP1, Rev_LP0, Rev_HP0,
        rev_width, rev_positionX, rev_positionY, rev_positionZ});
}

TEST(EffectsWindows, BlocksStandInTheirGrid)
{
    StartVeltrane();
    for (const EffectBlock &block : EffectBlocks) {
        Fl_Button *toggle = *block.toggle;
        EXPECT_EQ(toggle->x(), block.x);
        EXPECT_EQ(toggle->y(), block.y);
        EXPECT_EQ(toggle->w(), 100);
        EXPECT_EQ(toggle->h(), 20);
        EXPECT_EQ(toggle->type(), FL_TOGGLE_BUTTON);
        EXPECT_STREQ(toggle->label(), Effects[block.effect].label);
        for (int i = 0; i < Effects[block.effect].cells - 1; i++)
            ExpectEffectSlider(*block.sliders[i].widget, block.x + 1, block.sliders[i].y);
    }
    // The grid in numbers: three rows of four, and one slider of each shape.
    EXPECT_EQ(hshelf0->x(), 390);
    EXPECT_EQ(hshelf0->y(), 340);
    ExpectEffectSlider(comp4, 31, 276);
    ExpectEffectSlider(trev_send, 391, 553);
    EXPECT_EQ(band1_1->minimum(), 60);
    EXPECT_EQ(band1_1->maximum(), 1000);

    ExpectEffectSlider(rev_positionZ, 297, 93);
    ExpectEffectSlider(trev_taps, 297, 208);
    EXPECT_EQ(Rev_HP0->h(), 19);
    EXPECT_STREQ(Rev_HP0->label(), "High Pass");
    EXPECT_EQ(rev_size->step(), 10);

    EXPECT_EQ(RegularNum->maximum(), 110);
    EXPECT_EQ(GroupNum->maximum(), 8);
    EXPECT_EQ(SelectMasterChannel->y(), 81);
    EXPECT_EQ(NameInEffects->x(), 271);
}
