// Copying between a matrix window's bank of five channels and its assignment table.
#include <FL/Fl_Input.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Output.H>

#include "state/status_message.h"
#include "effects/matrix.h"
#include "effects/matrix_layout.h"

// Row A of bank k (1 to 24) shows channel 5 (k - 1) + 1.
static int FirstChannel(const MatrixWindow &m)
{
    int k = static_cast<int>((*m.bank)->value() - 1);
    if (k < 0)
        k = 0;
    if (k > MATRIX_BANKS - 1)
        k = MATRIX_BANKS - 1;
    return k * MATRIX_ROWS + 1;
}

void UpdateMatrix(const MatrixWindow &m)
{
    int first = FirstChannel(m);
    for (int row = 0; row < MATRIX_ROWS; row++)
        (*m.names[row])->value(NameBuffer[ChannelSlot(first + row)]);
    for (int row = 0; row < MATRIX_ROWS; row++)
        (*m.numbers[row])->value(first + row);
    for (int row = 0; row < MATRIX_ROWS; row++)
        for (int s = 0; s < GROUP_COUNT; s++)
            (*m.buttons[row][s])->value(m.assignments[RouteCell(first + row, s + 1)] != 0);
}

void StoreMatrix(const MatrixWindow &m)
{
    int first = FirstChannel(m);
    for (int row = 0; row < MATRIX_ROWS; row++)
        for (int s = 0; s < GROUP_COUNT; s++)
            m.assignments[RouteCell(first + row, s + 1)] = (*m.buttons[row][s])->value() ? 1 : 0;
    // A group is in use exactly when some channel is assigned to it, in any bank.
    for (int s = 0; s < GROUP_COUNT; s++) {
        m.inUse[s] = 0;
        for (int channel = 1; channel <= ROUTING_ROWS; channel++)
            if (m.assignments[RouteCell(channel, s + 1)] == 1)
                m.inUse[s] = 1;
    }
    ClearStatus();
}

void MatrixBankChanged(Fl_Widget *, void *matrix)
{
    UpdateMatrix(*static_cast<const MatrixWindow *>(matrix));
}

void MatrixButtonClicked(Fl_Widget *, void *matrix)
{
    StoreMatrix(*static_cast<const MatrixWindow *>(matrix));
}

void UpdateSubmix() { UpdateMatrix(SubMatrix); }
void SubmixToArray() { StoreMatrix(SubMatrix); }
void UpdateVCA() { UpdateMatrix(VcaMatrix); }
void VcaToArray() { StoreMatrix(VcaMatrix); }
