#include "app/edit_end.h"

namespace {

enum { MAX_FOLLOWERS = 8 };
void (*followers[MAX_FOLLOWERS])();
int follower_count;

} // namespace

void FollowEdits(void (*refresh)())
{
    if (follower_count < MAX_FOLLOWERS)
        followers[follower_count++] = refresh;
}

void EditEnded(Fl_Widget *)
{
    for (int i = 0; i < follower_count; ++i)
        followers[i]();
}
