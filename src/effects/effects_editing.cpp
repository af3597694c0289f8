// Editing one slot's effect chain. The selectors and spinners choose the slot (CNL) and load
// its rows into the widgets; every control stores its whole block back the moment it changes.
#include <FL/Fl_Button.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Slider.H>

#include "state/status_message.h"
#include "effects/effects_layout.h"
#include "effects/effects_window.h"
#include "state/mix_state.h"

// The slot the selectors and spinners name. The three tests run in this order, a later one
// overriding an earlier. Only a spinner change puts an over-range submix number back to 8.
static int ChosenSlot(bool resetGroupNum)
{
    int slot = CNL;
    if (SelectRegularChannel->value()) {
        int n = static_cast<int>(RegularNum->value());
        slot = n > CHANNEL_COUNT ? CHANNEL_COUNT : n < 1 ? 1 : n;
    }
    if (SelectGroupChannel->value()) {
        int n = static_cast<int>(GroupNum->value() + CHANNEL_COUNT);
        slot = n;
        if (n > SubmixSlot(GROUP_COUNT)) {
            slot = SubmixSlot(GROUP_COUNT);
            if (resetGroupNum)
                GroupNum->value(GROUP_COUNT);
        }
    }
    if (SelectMasterChannel->value())
        slot = MasterSlot();
    return slot;
}

static void LoadBlock(BlockId id)
{
    const EffectBlock &block = EffectBlocks[id];
    const EffectKind &kind = Effects[block.effect];
    const float *row = kind.table[CNL];
    (*block.toggle)->value(FlagIsOn(row[0]));
    for (int cell = 1; cell < kind.cells; cell++)
        (*block.sliders[cell - 1].widget)->value(row[cell]);
}

// The master reverb controls; on a change of slot only the returns, rooms and tap count.
static void LoadReverbControls(bool slotChangeOnly)
{
    for (int i = 0; i < REVERB_CONTROL_COUNT; i++) {
        const ReverbControl &c = ReverbControls[i];
        if (slotChangeOnly && !c.followsSlot)
            continue;
        if (c.toggle)
            (*c.toggle)->value(FlagIsOn(*c.setting));
        else
            (*c.slider)->value(*c.setting);
    }
}

static void LoadAllBlocks()
{
    for (int id = 0; id < BLOCK_COUNT; id++)
        LoadBlock(static_cast<BlockId>(id));
}

void LoadEffectsWidgets()
{
    UpdateEffectsName();
    LoadAllBlocks();
    LoadReverbControls(true);
}

// Values go in as they stand: nothing is clamped to a slider's range, either way.
static void StoreBlock(BlockId id)
{
    const EffectBlock &block = EffectBlocks[id];
    const EffectKind &kind = Effects[block.effect];
    float *row = kind.table[CNL];
    row[0] = FlagOf(*block.toggle);
    for (int cell = 1; cell < kind.cells; cell++)
        row[cell] = static_cast<float>((*block.sliders[cell - 1].widget)->value());
    for (int i = 0; i < REVERB_CONTROL_COUNT; i++) {
        const ReverbControl &c = ReverbControls[i];
        if (c.block != id)
            continue;
        *c.setting = c.toggle ? FlagOf(*c.toggle) : static_cast<float>((*c.slider)->value());
    }
}

void EffectControlChanged(Fl_Widget *, void *block)
{
    StoreBlock(BlockOf(block));
    ClearStatus();
}

// A click has already flipped the selector. Clicking the lit one falls back to "Channel".
void ChangetoSelected(Fl_Widget *clicked, void *)
{
    // Constant pointers to widgets whose state is set here.
    // cppcheck-suppress constVariable
    Fl_Round_Button *const selectors[] = {SelectRegularChannel, SelectGroupChannel, SelectMasterChannel};
    if (static_cast<Fl_Button *>(clicked)->value()) {
        for (Fl_Round_Button *s : selectors)
            if (s != clicked)
                s->value(0);
    } else {
        SelectRegularChannel->value(1);
    }
    SelectEffectsSlot(false);
    LoadEffectsWidgets();
}

void ChangeChannel(Fl_Widget *, void *)
{
    SelectEffectsSlot(true);
    LoadEffectsWidgets();
}

void SelectEffectsSlot(bool fromSpinner)
{
    CNL = ChosenSlot(fromSpinner);
}

// The selection and store operations by name, for callers outside the windows' tables.
void ChangetoRegular() { ChangetoSelected(SelectRegularChannel, nullptr); }
void ChangetoGroup() { ChangetoSelected(SelectGroupChannel, nullptr); }
void ChangetoMaster() { ChangetoSelected(SelectMasterChannel, nullptr); }

static void StoreNamedBlock(BlockId id)
{
    EffectControlChanged(nullptr, BlockData(id));
}

void ComptoArray() { StoreNamedBlock(BLOCK_COMP); }
void RmstoArray() { StoreNamedBlock(BLOCK_RMS); }
void NlctoArray() { StoreNamedBlock(BLOCK_NLC); }
void LimtoArray() { StoreNamedBlock(BLOCK_LIM); }
void FXGtoArray() { StoreNamedBlock(BLOCK_FXG); }
void LshelftoArray() { StoreNamedBlock(BLOCK_LSHELF); }
void Band1toArray() { StoreNamedBlock(BLOCK_BAND1); }
void Band2toArray() { StoreNamedBlock(BLOCK_BAND2); }
void HshelftoArray() { StoreNamedBlock(BLOCK_HSHELF); }
void HpassToArray() { StoreNamedBlock(BLOCK_HPASS); }
void ReverbToArray() { StoreNamedBlock(BLOCK_REV); }
void TreverbToArray() { StoreNamedBlock(BLOCK_TREV); }

void UpdateEffectsWindows()
{
    LoadAllBlocks();
    LoadReverbControls(false);
}

void UpdateEffectsName()
{
    if (IsSlot(CNL))
        NameInEffects->value(NameBuffer[CNL]);
}
