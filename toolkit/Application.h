// The application object: it exists before main() runs, like the toolkit's
// other start-up work, and is initialised, titled and run by main().
#pragma once

#include <memory>
#include <vector>

#include "Form.h"

class TApplication : public TObject {
public:
    TApplication();
    ~TApplication() override;

    // Starts the platform's application. Call once, before any form is made.
    void Initialize();
    // The application's name on the taskbar and in the task switcher.
    void SetTitle(const String& title);
    String Title() const { return title_; }
    // The desktop entry (without ".desktop") that names the program's
    // window for the desktop's taskbar and menus.
    void SetDesktopEntry(const String& id);

    // Creates a form; the first one created becomes the main form, and closing
    // it ends the application.
    template <class T>
    void CreateForm(T*& reference)
    {
        auto form = std::make_unique<T>();
        reference = form.get();
        forms_.push_back(std::move(form));
        if (!mainForm_)
            mainForm_ = reference;
    }
    TForm* MainForm() const { return mainForm_; }

    // Shows the main form and handles messages until it closes; then destroys
    // the forms. Returns the process exit code.
    int Run();
    // Handles every message that is waiting, then returns.
    void ProcessMessages();
    // Destroys the forms and the platform's application; Run() ends with it.
    // It must happen before static destruction, which the platform's own
    // shut-down has already passed.
    void Finalize();

    struct Native;

private:
    std::unique_ptr<Native> native_;
    std::vector<std::unique_ptr<TForm>> forms_;
    TForm* mainForm_ = nullptr;
    String title_;
};

extern TApplication* Application;
