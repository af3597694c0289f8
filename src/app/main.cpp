#include <FL/Fl.H>

#include "app/control.h"

int main()
{
    StartUp();
    return Fl::run();
}
