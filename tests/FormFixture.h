// Shared by the window tests: the real main window, shown on the headless
// platform, with its Qt widgets found by name and its change handlers counted.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "app/Unit1.h"
#include "toolkit/qt/Native.h"

inline const char* const kCellNames[] = {"a1", "a2", "a3", "a4", "b1", "b2", "b3", "b4",
                                         "c1", "c2", "c3", "c4", "d1", "d2", "d3", "d4"};

class FormFixture {
public:
    FormFixture() : form(std::make_unique<TForm1>())
    {
        form->Show();
        QApplication::setActiveWindow(window());
        if (!QTest::qWaitForWindowExposed(window()))
            qFatal("the main window was never exposed");
        countHandlers();
    }

    QWidget* window() const { return form->native().widget; }

    QLineEdit* edit(const QString& name) const
    {
        return window()->findChild<QLineEdit*>(name, Qt::FindDirectChildrenOnly);
    }
    QWidget* widget(const QString& name) const
    {
        return window()->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    }

    std::map<QString, QString> texts() const
    {
        std::map<QString, QString> t;
        for (const char* name : kCellNames)
            t[QString::fromLatin1(name)] = edit(QString::fromLatin1(name))->text();
        return t;
    }

    // Handler runs since the last reset, and how deep they nested.
    int runs = 0;
    int maxDepth = 0;
    std::vector<QString> ran;
    void resetCounts()
    {
        runs = 0;
        maxDepth = 0;
        ran.clear();
    }

    std::unique_ptr<TForm1> form;

private:
    // Wraps every cell's OnChange so that each run is counted before the
    // program's own handler does its work.
    void countHandlers()
    {
        for (const char* name : kCellNames) {
            TEdit* cell = form->Find<TEdit>(QString::fromLatin1(name).toStdU16String());
            TNotifyEvent original = cell->OnChange;
            const QString n = QString::fromLatin1(name);
            cell->OnChange = [this, original, n](TObject* sender) {
                ++runs;
                ran.push_back(n);
                ++depth_;
                maxDepth = std::max(maxDepth, depth_);
                original(sender);
                --depth_;
            };
        }
    }
    int depth_ = 0;
};
