// The widgets of the faders window, for the code that copies between them and the mix state.
// Every widget has its own global; the arrays reach a column of them by strip (element k is
// strip k + 1).
#pragma once
#include "state/bank.h"

class Fl_Button;
class Fl_Input;
class Fl_Output;
class Fl_Spinner;
class Fl_Value_Input;
class Fl_Value_Output;

extern Fl_Button *IndexActive;
extern Fl_Input *CueName;
extern Fl_Value_Input *GuiMin, *GuiSec, *GuiMsec;
extern Fl_Input *MixNameInput;
extern Fl_Button *MixButton3;
struct Fl_Menu_Item;
extern Fl_Menu_Item menu_Edit[];   // the "Edit Index" menu

extern Fl_Spinner *vol1, *vol2, *vol3, *vol4, *vol5, *vol6, *vol7, *vol8, *vol9, *vol10, *vol11, *vol12, *vol13;
extern Fl_Value_Input *ofs1, *ofs2, *ofs3, *ofs4, *ofs5, *ofs6, *ofs7, *ofs8, *ofs9, *ofs10, *ofs11, *ofs12, *ofs13;
extern Fl_Value_Input *ramp1, *ramp2, *ramp3, *ramp4, *ramp5, *ramp6, *ramp7, *ramp8, *ramp9, *ramp10, *ramp11, *ramp12, *ramp13;
extern Fl_Value_Input *shape1, *shape2, *shape3, *shape4, *shape5, *shape6, *shape7, *shape8, *shape9, *shape10, *shape11, *shape12, *shape13;
extern Fl_Value_Input *pan1, *pan2, *pan3, *pan4, *pan5, *pan6, *pan7, *pan8, *pan9, *pan10, *pan11, *pan12, *pan13;
extern Fl_Button *A1, *A2, *A3, *A4, *A5, *A6, *A7, *A8, *A9, *A10, *A11, *A12, *A13;
extern Fl_Button *solo1, *solo2, *solo3, *solo4, *solo5, *solo6, *solo7, *solo8, *solo9, *solo10, *solo11, *solo12;
extern Fl_Button *mute1, *mute2, *mute3, *mute4, *mute5, *mute6, *mute7, *mute8, *mute9, *mute10, *mute11, *mute12;
extern Fl_Value_Output *DispNum1, *DispNum2, *DispNum3, *DispNum4, *DispNum5, *DispNum6, *DispNum7, *DispNum8,
    *DispNum9, *DispNum10, *DispNum11, *DispNum12;
extern Fl_Input *name1, *name2, *name3, *name4, *name5, *name6, *name7, *name8, *name9, *name10, *name11, *name12;
extern Fl_Output *name13;
extern Fl_Button *browse1, *browse2, *browse3, *browse4, *browse5, *browse6, *browse7, *browse8, *browse9, *browse10;

// Columns by strip. The master strip has no solo, mute, number, editable name or file button.
extern Fl_Spinner **const VolumeStrip[STRIP_COUNT];
extern Fl_Value_Input **const OffsetStrip[STRIP_COUNT];
extern Fl_Value_Input **const RampStrip[STRIP_COUNT];
extern Fl_Value_Input **const ShapeStrip[STRIP_COUNT];
extern Fl_Value_Input **const PanStrip[STRIP_COUNT];
extern Fl_Button **const AutoStrip[STRIP_COUNT];
extern Fl_Button **const SoloStrip[STRIP_COUNT - 1];
extern Fl_Button **const MuteStrip[STRIP_COUNT - 1];
extern Fl_Value_Output **const NumberStrip[STRIP_COUNT - 1];
extern Fl_Input **const NameStrip[STRIP_COUNT - 1];
extern Fl_Button **const BrowseStrip[CHANNEL_STRIPS];
