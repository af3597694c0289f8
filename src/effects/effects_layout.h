// The widgets of the effects and reverb windows and the tables that build, load and store them.
#pragma once
#include <cstdint>

#include "effects/widget_style.h"
#include "state/effects.h"

class Fl_Round_Button;
class Fl_Spinner;

// Slot selection.
extern Fl_Round_Button *SelectRegularChannel;
extern Fl_Round_Button *SelectGroupChannel;
extern Fl_Round_Button *SelectMasterChannel;
extern Fl_Spinner *RegularNum;
extern Fl_Spinner *GroupNum;

// The twelve effect blocks: a toggle (cell 0) and its sliders (cells 1, 2, ...).
extern Fl_Button *comp0, *rms0, *nlc0, *lim0, *fxg0, *lshelf0, *band1_0, *band2_0, *hshelf0,
    *hpass0, *rev_state, *trev_state;
extern Fl_Value_Slider *comp1, *comp2, *comp3, *comp4;
extern Fl_Value_Slider *rms1, *rms2, *rms3, *rms4;
extern Fl_Value_Slider *nlc1, *nlc2, *nlc3;
extern Fl_Value_Slider *lim1;
extern Fl_Value_Slider *fxg1;
extern Fl_Value_Slider *lshelf1, *lshelf2, *lshelf3;
extern Fl_Value_Slider *band1_1, *band1_2, *band1_3;
extern Fl_Value_Slider *band2_1, *band2_2, *band2_3;
extern Fl_Value_Slider *hshelf1, *hshelf2, *hshelf3;
extern Fl_Value_Slider *hpass1;
extern Fl_Value_Slider *rev_send, *trev_send;

// The reverb window: master-wide reverb and tap-reverb settings.
extern Fl_Value_Slider *rev_rtn, *trev_rtn, *rev_size, *trev_taps, *trev_size, *Rev_LP1,
    *Rev_HP1, *rev_width, *rev_positionX, *rev_positionY, *rev_positionZ;
extern Fl_Button *Rev_LP0, *Rev_HP0;

// In the order a slot's widgets are loaded.
enum BlockId {
    BLOCK_COMP, BLOCK_RMS, BLOCK_NLC, BLOCK_LIM, BLOCK_FXG, BLOCK_LSHELF, BLOCK_BAND1,
    BLOCK_BAND2, BLOCK_HSHELF, BLOCK_HPASS, BLOCK_REV, BLOCK_TREV, BLOCK_COUNT
};

enum { MAX_BLOCK_SLIDERS = 4 };

struct EffectBlock {
    EffectId effect;                  // its table, cell count, defaults and label
    Fl_Button **toggle;
    int x, y;                         // of the toggle; the sliders stand at x + 1
    SliderSpec sliders[MAX_BLOCK_SLIDERS];
};
extern const EffectBlock EffectBlocks[BLOCK_COUNT];

// One control of the reverb window: a slider or a toggle bound to one master setting.
struct ReverbControl {
    Fl_Value_Slider **slider;         // set for a slider
    Fl_Button **toggle;               // set for a toggle
    const char *label;
    int x, y;
    double minimum, maximum, step;
    BlockId block;                    // the reverb or tap-reverb store it belongs to
    float *setting;
    bool followsSlot;                 // reloaded whenever the edited slot changes
};
extern const ReverbControl ReverbControls[];
extern const int REVERB_CONTROL_COUNT;

// The callback of every effect control: stores its block (the data) into row CNL, and for
// the two reverb blocks also the master settings of the reverb window.
void EffectControlChanged(Fl_Widget *, void *block);
// Callbacks of the three slot selectors and of the two spinners.
void ChangetoSelected(Fl_Widget *selector, void *);
void ChangeChannel(Fl_Widget *, void *);

// Sets CNL from the selectors and spinners (a spinner puts an over-range submix back to 8).
void SelectEffectsSlot(bool fromSpinner);
// Shows slot CNL: its name, its twelve blocks, the returns, rooms and tap count.
void LoadEffectsWidgets();

// The same operations by name: a selector's click, and the store of one block of slot CNL.
void ChangetoRegular();
void ChangetoGroup();
void ChangetoMaster();
void ComptoArray();
void RmstoArray();
void NlctoArray();
void LimtoArray();
void FXGtoArray();
void LshelftoArray();
void Band1toArray();
void Band2toArray();
void HshelftoArray();
void HpassToArray();
void ReverbToArray();
void TreverbToArray();

// A block number carried in a callback's data pointer, and back.
inline void *BlockData(BlockId block) { return reinterpret_cast<void *>(static_cast<intptr_t>(block)); }
inline BlockId BlockOf(void *data) { return static_cast<BlockId>(reinterpret_cast<intptr_t>(data)); }
