// Starts the application and dies of a segmentation fault, for the crash
// reporter's test.
#include <csignal>

#include "toolkit/Application.h"

int main()
{
    Application->Initialize();
    Application->SetTitle(u"Pelomar");
    std::raise(SIGSEGV);
    return 0;
}
