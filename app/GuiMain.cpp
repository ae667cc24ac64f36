#include "GuiMain.h"

#include <cstdio>

int runGui(int, char**)
{
    std::puts("Aufruf: lumivex --dump DATEI");
    return 0;
}
