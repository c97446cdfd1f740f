// The crash reporter. It installs itself with the application object, before
// anything else of the toolkit, and catches what the program does not:
// - an exception that escapes a notification handler, caught as the handler
//   returns (and, for anything else, where the application delivers events):
//   it shows the box and the program can go on;
// - an exception that ends another thread (std::terminate): the box is shown
//   on the main thread while that thread waits;
// - a fatal signal: the report is appended to the report file with
//   async-signal-safe calls only, and the process ends as the signal asks; no
//   box, since nothing else is safe inside a signal handler.
//
// The box reads "An error occurred in the application." with the buttons
// "send bug report" (hands the report to the mail program, no recipient),
// "show bug report", "continue application", "restart application" and
// "close application". A report that was not sent is appended to
// "bugreport.txt" in the program's folder, or in the user's data folder where
// the program's folder is not writable.
#pragma once

#include <QString>
#include <functional>

class QDialog;

namespace qtk::crash {

enum class Choice { Continue, Restart, Close };

// Call when the application object is made, and again once Qt's application
// exists and has its name.
void install();

// The report of one fault: what failed, where, when, and on what.
QString makeReport(const QString& what, const QString& where);

// The file reports go to: in programFolder if a file can be written there,
// else in dataFolder.
QString reportFile(const QString& programFolder, const QString& dataFolder);
// Appends, never truncates. False if the file could not be written.
bool appendReport(const QString& file, const QString& report);

// Shows the box for a report (on the main thread) and does what the user
// chose; returns only for "continue application".
void handle(const QString& what, const QString& where);

// Reports the exception being handled (call it inside a catch block).
void handleCurrentException(const QString& where);

// Runs a notification handler of the program. A fault that escapes it is
// reported here, before it can unwind through Qt's event delivery, which is
// not built to be unwound through; `where` names the handler's control.
void guard(const std::function<void()>& handler, const QString& where);

// For tests: called with the box just before it runs, instead of nothing.
void setBoxHook(std::function<void(QDialog*)> hook);

}  // namespace qtk::crash
