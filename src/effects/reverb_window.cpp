// The reverb window: the master-wide reverb and tap-reverb settings. One table, in creation
// order, builds the window and tells the loads and stores which setting each control holds.
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Value_Slider.H>

#include "state/callback.h"
#include "effects/effects_layout.h"
#include "effects/effects_window.h"
#include "state/mix_state.h"

Fl_Double_Window *ReverbWindow;

Fl_Value_Slider *rev_rtn, *trev_rtn, *rev_size, *trev_taps, *trev_size, *Rev_LP1, *Rev_HP1,
    *rev_width, *rev_positionX, *rev_positionY, *rev_positionZ;
Fl_Button *Rev_LP0, *Rev_HP0;

// Rows: filters on top, width beside them, position, reverb return and room, tap reverb.
const ReverbControl ReverbControls[] = {
    {&rev_rtn, nullptr, "master rev return", 13, 160, -24, 0, 0.1, 0, BLOCK_REV, &Prtn[0], true},
    {&trev_rtn, nullptr, "master trev return", 13, 208, -24, 0, 0.1, 0, BLOCK_TREV, &Ptrtn[0], true},
    {&rev_size, nullptr, "room length (ft)", 155, 160, 25, 1000, 10, 150, BLOCK_REV, &Prtn[1], true},
    {&trev_taps, nullptr, "tap count", 297, 208, 1, 11, 1, 3, BLOCK_TREV, &Ptrtn[2], true},
    {&trev_size, nullptr, "room length (ft)", 155, 208, 25, 500, 10, 125, BLOCK_TREV, &Ptrtn[1], true},
    {&Rev_LP1, nullptr, "Hz", 155, 47, 2000, 12000, 1, 7000, BLOCK_REV, &Prlp[1], false},
    {&Rev_HP1, nullptr, "Hz", 13, 47, 60, 1000, 1, 150, BLOCK_REV, &Prhp[1], false},
    {nullptr, &Rev_LP0, "Low Pass", 155, 21, 0, 0, 0, 0, BLOCK_REV, &Prlp[0], false},
    {nullptr, &Rev_HP0, "High Pass", 13, 21, 0, 0, 0, 0, BLOCK_REV, &Prhp[0], false},
    {&rev_width, nullptr, "width", 297, 47, 0, 100, 1, 50, BLOCK_REV, &Prev_width, false},
    {&rev_positionX, nullptr, "position: front / back", 13, 94, 0, 100, 1, 37, BLOCK_REV,
     &Prev_position[0], false},
    {&rev_positionY, nullptr, "position: left / right", 155, 94, 0, 100, 1, 39, BLOCK_REV,
     &Prev_position[1], false},
    {&rev_positionZ, nullptr, "position: floor / ceiling", 297, 93, 0, 100, 1, 43, BLOCK_REV,
     &Prev_position[2], false},
};
const int REVERB_CONTROL_COUNT = sizeof ReverbControls / sizeof ReverbControls[0];

Fl_Double_Window *make_window7()
{
    ReverbWindow = new Fl_Double_Window(410, 255, "Reverb");
    ReverbWindow->color(97);
    for (const ReverbControl &c : ReverbControls) {
        void *block = BlockData(c.block);
        if (c.toggle) {
            *c.toggle = MakeEffectToggle(c.x, c.y, SHORT_TOGGLE_HEIGHT, c.label,
                                         Callback<EffectControlChanged>, block);
        } else {
            SliderSpec row = {c.slider, c.label, c.y, c.minimum, c.maximum, c.step, c.start};
            MakeEffectSlider(c.x, row, Callback<EffectControlChanged>, block);
        }
    }
    ReverbWindow->end();
    return ReverbWindow;
}
