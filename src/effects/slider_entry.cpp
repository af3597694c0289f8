// The typed-value entry of the effect and reverb sliders, and the reverb window's Tab order.
// Both windows are plain toolkit windows, so the entry works at the level of the event
// dispatch: it looks at each event before the toolkit delivers it and checks the widget under
// the mouse or with the focus against the list of sliders gathered from the windows' tables.
// Everything it does not take goes on to the toolkit unchanged, so dragging, clicking and the
// arrow keys of the sliders behave as they always have.
#include "effects/slider_entry.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Value_Slider.H>
#include <FL/Fl_Window.H>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "effects/effects_layout.h"
#include "state/status_message.h"
#include "state/typed_number.h"

Fl_Input *SliderEntry;

namespace {

enum {
    MAX_SLIDERS = BLOCK_COUNT * MAX_BLOCK_SLIDERS + 16,
    MAX_REVERB_CONTROLS = 16,
    ENTRY_WIDTH = 50,
    TYPED_TEXT_SIZE = 64,
    FOCUS_COLOR = 215,                // the labels' colour: the focused slider stands out
};

Fl_Value_Slider *sliders[MAX_SLIDERS];
int slider_count;
Fl_Value_Slider *target;              // the slider the entry is open over
bool swallowing_click;                // the click that opened the entry is still held down
Fl_Event_Dispatch next_dispatch;
Fl_Value_Slider *marked;              // the slider drawn as having the focus
Fl_Color unmarked_color;

// The reverb window's controls in the order they stand on screen, row by row.
Fl_Widget *reverb_order[MAX_REVERB_CONTROLS];
int reverb_order_count;

void GatherSliders()
{
    for (const EffectBlock &block : EffectBlocks)
        for (int i = 0; i < Effects[block.effect].cells - 1 && slider_count < MAX_SLIDERS; i++)
            sliders[slider_count++] = *block.sliders[i].widget;
    for (int i = 0; i < REVERB_CONTROL_COUNT && slider_count < MAX_SLIDERS; i++)
        if (ReverbControls[i].slider)
            sliders[slider_count++] = *ReverbControls[i].slider;
}

// "Hz, 30 to 300": the slider's label and the range the table gave it.
void GiveTooltips()
{
    for (int i = 0; i < slider_count; i++) {
        char text[TYPED_TEXT_SIZE * 2];
        snprintf(text, sizeof text, "%s, %g to %g", sliders[i]->label(), sliders[i]->minimum(),
                 sliders[i]->maximum());
        sliders[i]->copy_tooltip(text);
    }
}

// Controls whose tops lie less than a slider's height apart stand in one row (one position
// slider sits a pixel higher than its neighbours); rows go top to bottom, left to right in each.
void OrderReverbControls()
{
    struct Placed {
        Fl_Widget *widget;
        int row_top, x;
    } placed[MAX_REVERB_CONTROLS];
    int n = 0;
    for (int i = 0; i < REVERB_CONTROL_COUNT && n < MAX_REVERB_CONTROLS; i++) {
        const ReverbControl &c = ReverbControls[i];
        Fl_Widget *w = c.slider ? static_cast<Fl_Widget *>(*c.slider) : *c.toggle;
        placed[n++] = {w, w->y(), w->x()};
    }
    std::sort(placed, placed + n, [](const Placed &a, const Placed &b) { return a.row_top < b.row_top; });
    for (int i = 1; i < n; i++)
        if (placed[i].row_top - placed[i - 1].row_top < placed[i].widget->h())
            placed[i].row_top = placed[i - 1].row_top;
    std::stable_sort(placed, placed + n, [](const Placed &a, const Placed &b) {
        return a.row_top != b.row_top ? a.row_top < b.row_top : a.x < b.x;
    });
    for (int i = 0; i < n; i++)
        reverb_order[i] = placed[i].widget;
    reverb_order_count = n;
}

Fl_Value_Slider *SliderOf(const Fl_Widget *widget)
{
    for (int i = 0; i < slider_count; i++)
        if (sliders[i] == widget)
            return sliders[i];
    return nullptr;
}

// Event coordinates are relative to the window that receives the event, and every slider is a
// direct child of its window.
Fl_Value_Slider *SliderUnderMouse(const Fl_Window *window)
{
    for (int i = 0; i < slider_count; i++)
        if (sliders[i]->window() == window && sliders[i]->visible_r() &&
            Fl::event_inside(sliders[i]))
            return sliders[i];
    return nullptr;
}

bool InsideEntry(const Fl_Window *window)
{
    return target && SliderEntry->window() == window && Fl::event_inside(SliderEntry);
}

void MarkAllText()
{
    SliderEntry->take_focus();
    SliderEntry->position(SliderEntry->size(), 0);
}

void OpenEntry(Fl_Value_Slider *slider)
{
    char text[128];                   // the toolkit formats a valuator into 128 characters
    slider->format(text);
    slider->window()->add(SliderEntry);   // takes it out of the other window, if it was there
    SliderEntry->resize(slider->x(), slider->y(), ENTRY_WIDTH, slider->h());
    SliderEntry->value(text);
    SliderEntry->show();
    target = slider;
    MarkAllText();
    slider->window()->redraw();
}

// The focus goes back to the slider, so Return opens the entry again and Tab moves on.
void CloseEntry()
{
    Fl_Value_Slider *slider = target;
    target = nullptr;
    if (!slider)
        return;
    slider->take_focus();
    SliderEntry->hide();
    if (Fl_Group *window = SliderEntry->parent()) {
        window->remove(SliderEntry);
        window->redraw();
    }
}

// A refused text keeps the entry open, marked, with the range in the status line. An accepted
// one is rounded to the step and kept in the range as a drag would, then stored by the
// slider's own callback; a value the slider already holds changes nothing, as a release
// without a move does.
bool CommitEntry()
{
    Fl_Value_Slider *slider = target;
    double typed = 0;
    if (!ReadTypedNumber(SliderEntry->value(), &typed) || typed < slider->minimum() ||
        typed > slider->maximum()) {
        SetStatus("%s: %g to %g", slider->label(), slider->minimum(), slider->maximum());
        MarkAllText();
        return false;
    }
    double value = slider->clamp(slider->round(typed));
    CloseEntry();
    if (value != slider->value()) {
        slider->value(value);
        slider->do_callback();
    } else {
        ClearStatus();
    }
    return true;
}

bool IsEnter(int key) { return key == FL_Enter || key == FL_KP_Enter; }

// The key pressed is the shortcut of a button in the window (the effects window's Ctrl+M).
bool IsWindowShortcut(const Fl_Group *window)
{
    for (int i = 0; window && i < window->children(); i++) {
        const Fl_Button *button = dynamic_cast<const Fl_Button *>(window->child(i));
        if (button && button->shortcut() && Fl::test_shortcut(button->shortcut()))
            return true;
    }
    return false;
}

// Keys and clicks while the entry is open. Returns 1 when the event is used up here.
int HandleOpenEntry(int event, const Fl_Window *window)
{
    if (event == FL_KEYBOARD && Fl::focus() == SliderEntry) {
        int key = Fl::event_key();
        if (key == FL_Escape) {
            CloseEntry();
            return 1;
        }
        if (IsEnter(key)) {
            CommitEntry();
            return 1;
        }
        // Tab stores, then moves on from the slider as Tab does there. A shortcut of the window
        // (Mix) stores first too, so that it acts on the typed value.
        if ((key == FL_Tab || IsWindowShortcut(SliderEntry->window())) && !CommitEntry())
            return 1;
    } else if (event == FL_PUSH && !InsideEntry(window)) {
        // A click elsewhere stores first; a refused value keeps the click from acting.
        if (!CommitEntry())
            return 1;
    }
    return 0;
}

// Tab and Shift+Tab in the reverb window go round its controls in their order on screen.
int MoveReverbFocus()
{
    const Fl_Widget *focus = Fl::focus();
    for (int i = 0; i < reverb_order_count; i++) {
        if (reverb_order[i] != focus)
            continue;
        int step = Fl::event_state(FL_SHIFT) ? reverb_order_count - 1 : 1;
        reverb_order[(i + step) % reverb_order_count]->take_focus();
        return 1;
    }
    return 0;
}

int PassOn(int event, Fl_Window *window)
{
    return next_dispatch ? next_dispatch(event, window) : Fl::handle_(event, window);
}

// The toolkit marks a focused slider only with a dotted line round its knob; the slider with
// the focus (or with the entry open over it) is drawn in the labels' colour instead.
void MarkFocusedSlider()
{
    Fl_Value_Slider *focused = target ? target : SliderOf(Fl::focus());
    if (focused == marked)
        return;
    if (marked) {
        marked->color(unmarked_color);
        marked->redraw();
    }
    marked = focused;
    if (marked) {
        unmarked_color = marked->color();
        marked->color(FOCUS_COLOR);
        marked->redraw();
    }
}

int DispatchEvent(int event, Fl_Window *window)
{
    // An open menu or a modal chooser owns the events; the toolkit sorts them out.
    if (Fl::grab() || Fl::modal())
        return PassOn(event, window);
    if (target && HandleOpenEntry(event, window))
        return 1;
    if (swallowing_click && (event == FL_DRAG || event == FL_RELEASE)) {
        swallowing_click = event != FL_RELEASE;
        return 1;
    }
    if (event == FL_PUSH && !InsideEntry(window) && Fl::event_clicks() &&
        Fl::event_button() == FL_LEFT_MOUSE) {
        if (Fl_Value_Slider *slider = SliderUnderMouse(window)) {
            OpenEntry(slider);
            swallowing_click = true;
            return 1;
        }
    }
    if (event == FL_KEYBOARD && !Fl::event_state(FL_CTRL | FL_ALT | FL_META)) {
        Fl_Value_Slider *slider = SliderOf(Fl::focus());
        if (slider && IsEnter(Fl::event_key())) {
            OpenEntry(slider);
            return 1;
        }
        if (Fl::event_key() == FL_Tab && MoveReverbFocus())
            return 1;
    }
    return PassOn(event, window);
}

int Dispatch(int event, Fl_Window *window)
{
    int used = DispatchEvent(event, window);
    MarkFocusedSlider();
    return used;
}

} // namespace

void InstallSliderEntry()
{
    GatherSliders();
    GiveTooltips();
    OrderReverbControls();
    Fl_Group *current = Fl_Group::current();
    Fl_Group::current(nullptr);       // built outside every window; it joins one when opened
    SliderEntry = new Fl_Input(0, 0, ENTRY_WIDTH, 20);
    Fl_Group::current(current);
    SliderEntry->textsize(12);
    SliderEntry->hide();
    next_dispatch = Fl::event_dispatch();
    Fl::event_dispatch(Dispatch);
}

Fl_Value_Slider *SliderEntryTarget() { return target; }
