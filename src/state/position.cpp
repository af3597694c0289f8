#include "state/position.h"

#include "state/bank.h"

static int current_index = 0;
static int current_bank = 1;

int CurrentIndex() { return current_index; }
int CurrentBank() { return current_bank; }

void SetCurrentIndex(int index)
{
    current_index = index < 0 ? 0 : (index >= INDEX_COUNT ? INDEX_COUNT - 1 : index);
}

void SetCurrentBank(int bank)
{
    current_bank = bank < 1 ? 1 : (bank > BANK_COUNT ? BANK_COUNT : bank);
}
