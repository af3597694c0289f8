// The bytes of every table the undo journal covers, in its order: a picture of the mix that
// tests compare and put back.
#pragma once
#include <string>

#include "state/undo_journal.h"

inline std::string JournaledState() { return TakeJournaledState(); }
inline void RestoreJournaledState(const std::string &bytes) { PutJournaledState(bytes); }
