// The crash reporter on Windows. It installs itself with the application
// object and catches what the program does not: an exception escaping a
// notification handler (caught where the layer calls the handler), an
// exception ending any thread (std::terminate) and a structured exception
// (an access violation, say) in any thread. Each shows the topmost box with
// "An error occurred in the application." and the buttons "send bug report",
// "show bug report", "continue application", "restart application" and
// "close application". A report that was not sent is appended to
// "bugreport.txt" in the program's folder, or in %APPDATA%\Pelomar where the
// program's folder is not writable. After a structured exception the faulting
// code cannot go on: "continue application" then ends that thread, or, in
// the main thread, the program.
#pragma once

#include <functional>

#include "../Types.h"

namespace w32::crash {

void install();
void guard(const std::function<void()>& handler, const String& where);
void handle(const String& what, const String& where);

String makeReport(const String& what, const String& where);
String reportFile(const String& programFolder, const String& dataFolder);
bool appendReport(const String& file, const String& report);

// For tests: called with the box's window just before it runs.
void setBoxHook(std::function<void(void* box)> hook);

}  // namespace w32::crash
