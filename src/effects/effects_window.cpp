// The effects window: slot selectors and spinners, the edited slot's name, and the twelve
// effect blocks, built from tables in the window's creation order.
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Slider.H>

#include "state/callback.h"
#include "effects/effects_layout.h"
#include "effects/effects_window.h"

Fl_Double_Window *EffectsWindow;
Fl_Output *NameInEffects;
Fl_Button *EffectsMixButton;

Fl_Round_Button *SelectRegularChannel;
Fl_Round_Button *SelectGroupChannel;
Fl_Round_Button *SelectMasterChannel;
Fl_Spinner *RegularNum;
Fl_Spinner *GroupNum;

Fl_Button *comp0, *rms0, *nlc0, *lim0, *fxg0, *lshelf0, *band1_0, *band2_0, *hshelf0, *hpass0,
    *rev_state, *trev_state;
Fl_Value_Slider *comp1, *comp2, *comp3, *comp4;
Fl_Value_Slider *rms1, *rms2, *rms3, *rms4;
Fl_Value_Slider *nlc1, *nlc2, *nlc3;
Fl_Value_Slider *lim1;
Fl_Value_Slider *fxg1;
Fl_Value_Slider *lshelf1, *lshelf2, *lshelf3;
Fl_Value_Slider *band1_1, *band1_2, *band1_3;
Fl_Value_Slider *band2_1, *band2_2, *band2_3;
Fl_Value_Slider *hshelf1, *hshelf2, *hshelf3;
Fl_Value_Slider *hpass1;
Fl_Value_Slider *rev_send, *trev_send;

// Three rows of four blocks; each slider's y, range, step and start value.
const EffectBlock EffectBlocks[BLOCK_COUNT] = {
    {FX_COMP, &comp0, "Peak Comp", 30, 125,
     {{&comp1, "threshold", 157, -30, 0, 0.1, 0},
      {&comp2, "attack", 197, 0.1, 50, 0.1, 10},
      {&comp3, "release", 237, 10, 1000, 1, 200},
      {&comp4, "ratio", 276, 1.1, 4, 0.1, 1.5}}},
    {FX_RMS, &rms0, "RMS Comp", 150, 125,
     {{&rms1, "threshold", 157, -30, 0, 0.1, 0},
      {&rms2, "attack", 197, 0.1, 200, 0.1, 10},
      {&rms3, "release", 237, 10, 1000, 1, 200},
      {&rms4, "ratio", 276, 1.1, 4, 0.1, 1.5}}},
    {FX_NLC, &nlc0, "Non Lin Comp", 270, 125,
     {{&nlc1, "threshold", 157, -30, 0, 0.1, 0},
      {&nlc2, "sample window", 197, 10, 2000, 1, 300},
      {&nlc3, "ratio", 237, 1.1, 8, 0.1, 2}}},
    {FX_LIM, &lim0, "Limiter", 390, 125, {{&lim1, "threshold", 157, -18, 0, 0.1, 0}}},
    {FX_FXG, &fxg0, "Effects Gain", 150, 520, {{&fxg1, "dB", 553, -15, 15, 0.1, 0}}},
    {FX_LSHELF, &lshelf0, "EQ: Low Shelf", 30, 340,
     {{&lshelf1, "Hz", 373, 30, 300, 1, 100},
      {&lshelf2, "dB", 413, -12, 12, 0.1, 0},
      {&lshelf3, "Q", 453, 0.1, 8, 0.1, 1}}},
    {FX_BAND1, &band1_0, "EQ: Band 1", 150, 340,
     {{&band1_1, "Hz", 373, 60, 1000, 1, 500},
      {&band1_2, "dB", 413, -12, 12, 0.1, 0},
      {&band1_3, "Q", 453, 0.1, 8, 0.1, 1}}},
    {FX_BAND2, &band2_0, "EQ: Band 2", 270, 340,
     {{&band2_1, "Hz", 373, 1000, 16000, 1, 2000},
      {&band2_2, "dB", 413, -12, 12, 0.1, 0},
      {&band2_3, "Q", 453, 0.1, 8, 0.1, 1}}},
    {FX_HSHELF, &hshelf0, "EQ: High Shelf", 390, 340,
     {{&hshelf1, "Hz", 373, 4000, 16000, 1, 8000},
      {&hshelf2, "dB", 413, -12, 12, 0.1, 0},
      {&hshelf3, "Q", 453, 0.1, 8, 0.1, 1}}},
    {FX_HP, &hpass0, "EQ: High Pass", 30, 520, {{&hpass1, "Hz", 553, 60, 600, 1, 100}}},
    {FX_REV, &rev_state, "Reverb", 270, 520,
     {{&rev_send, "chan send level", 553, -24, 0, 0.1, 0}}},
    {FX_TREV, &trev_state, "Tap Reverb", 390, 520,
     {{&trev_send, "chan send level", 553, -24, 0, 0.1, 0}}},
};

static const struct {
    Fl_Round_Button **widget;
    const char *label;
    int y;
    bool on;
} Selectors[] = {
    {&SelectRegularChannel, "Channel", 24, true},
    {&SelectGroupChannel, "Submix", 52, false},
    {&SelectMasterChannel, "Master", 81, false},
};

static const struct {
    Fl_Spinner **widget;
    const char *label;
    int y;
    double maximum;
} Spinners[] = {
    {&RegularNum, "Channel", 22, 110},
    {&GroupNum, "Submix", 58, GROUP_COUNT},
};

enum { LABEL_COLOR = 215 };

static void MakeSelectors()
{
    for (const auto &s : Selectors) {
        Fl_Round_Button *selector = new Fl_Round_Button(30, s.y, 70, 15, s.label);
        selector->down_box(FL_DOWN_BOX);
        selector->labelcolor(LABEL_COLOR);
        selector->value(s.on);
        selector->callback(Callback<ChangetoSelected>);
        *s.widget = selector;
    }
}

static void MakeSpinners()
{
    for (const auto &s : Spinners) {
        Fl_Spinner *spinner = new Fl_Spinner(190, s.y, 40, 20, s.label);
        spinner->labelcolor(LABEL_COLOR);
        spinner->textsize(12);
        spinner->range(1, s.maximum);
        spinner->step(1);
        spinner->value(1);
        spinner->callback(Callback<ChangeChannel>);
        *s.widget = spinner;
    }
}

static void MakeBlockSliders(BlockId id)
{
    const EffectBlock &block = EffectBlocks[id];
    for (int i = 0; i < Effects[block.effect].cells - 1; i++)
        MakeEffectSlider(block.x + 1, block.sliders[i], Callback<EffectControlChanged>, BlockData(id));
}

static void MakeBlockToggle(BlockId id)
{
    const EffectBlock &block = EffectBlocks[id];
    *block.toggle = MakeEffectToggle(block.x, block.y, TOGGLE_HEIGHT, block.label,
                                     Callback<EffectControlChanged>, BlockData(id));
}

// Its callback and shortcut come from the app, as for the other Mix buttons.
static void MakeMixButton()
{
    EffectsMixButton = new Fl_Button(271, 58, 80, 24, "Mix");
    EffectsMixButton->box(FL_ROUND_UP_BOX);
    EffectsMixButton->down_box(FL_ROUND_UP_BOX);
    EffectsMixButton->labelsize(12);
}

static void MakeNameField()
{
    NameInEffects = new Fl_Output(271, 22, 150, 18);
    NameInEffects->textsize(12);
}

enum Piece { SELECTORS, SPINNERS, SLIDERS, TOGGLE, MIX_BUTTON, NAME_FIELD };

// The order of the window's child list.
static const struct {
    Piece piece;
    BlockId block;
} CreationOrder[] = {
    {SELECTORS, BLOCK_COUNT},  {SPINNERS, BLOCK_COUNT},
    {SLIDERS, BLOCK_COMP},     {SLIDERS, BLOCK_RMS},     {SLIDERS, BLOCK_NLC},
    {SLIDERS, BLOCK_LIM},      {SLIDERS, BLOCK_LSHELF},  {SLIDERS, BLOCK_BAND1},
    {SLIDERS, BLOCK_BAND2},    {SLIDERS, BLOCK_HSHELF},
    {MIX_BUTTON, BLOCK_COUNT}, {NAME_FIELD, BLOCK_COUNT},
    {SLIDERS, BLOCK_HPASS},    {SLIDERS, BLOCK_FXG},
    {TOGGLE, BLOCK_COMP},      {TOGGLE, BLOCK_RMS},      {TOGGLE, BLOCK_NLC},
    {TOGGLE, BLOCK_LIM},       {TOGGLE, BLOCK_LSHELF},   {TOGGLE, BLOCK_BAND1},
    {TOGGLE, BLOCK_BAND2},     {TOGGLE, BLOCK_HSHELF},   {TOGGLE, BLOCK_HPASS},
    {TOGGLE, BLOCK_FXG},
    {SLIDERS, BLOCK_REV},      {SLIDERS, BLOCK_TREV},
    {TOGGLE, BLOCK_REV},       {TOGGLE, BLOCK_TREV},
};

Fl_Double_Window *make_window1()
{
    EffectsWindow = new Fl_Double_Window(520, 620, "Effects");
    EffectsWindow->box(FL_UP_BOX);
    EffectsWindow->color(97);
    EffectsWindow->selection_color(7);
    for (const auto &step : CreationOrder) {
        switch (step.piece) {
        case SELECTORS: MakeSelectors(); break;
        case SPINNERS: MakeSpinners(); break;
        case SLIDERS: MakeBlockSliders(step.block); break;
        case TOGGLE: MakeBlockToggle(step.block); break;
        case MIX_BUTTON: MakeMixButton(); break;
        case NAME_FIELD: MakeNameField(); break;
        }
    }
    EffectsWindow->end();
    return EffectsWindow;
}
