// Start-up: initialise the application, title it, create the main window and
// run until that window closes.
#include "Unit1.h"
#include "toolkit/Application.h"

int main()
{
    Application->Initialize();
    Application->SetTitle(u"Pelomar");
    Application->SetDesktopEntry(u"" PELOMAR_ID);
    Application->CreateForm(Form1);
    return Application->Run();
}
