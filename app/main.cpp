// The workbench's main program.
#include <cstdio>

int main()
{
    std::fputs("tolvek: the workbench window is not ready yet; the model-input writers "
               "and their tests are being built.\n", stderr);
    return 0;
}
