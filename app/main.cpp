#include <cstdio>

int main()
{
    std::puts("Aufruf: lumivex --dump DATEI");
    return 0;
}
