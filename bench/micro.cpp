// In-process figures on the real window (offscreen): the picture, one
// keystroke's cascade, the clearing and a 100,000-character paste, each with
// a baseline measured in the same run.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/Unit1.h"
#include "diagram/Picture.h"
#include "toolkit/Application.h"
#include "toolkit/qt/Native.h"

namespace {

double medianUs(int runs, const std::function<void()>& prepare, const std::function<void()>& measured)
{
    std::vector<double> t;
    t.reserve(static_cast<std::size_t>(runs));
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        measured();
        t.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

void report(const char* what, double us, const char* baseline, double baseUs)
{
    std::printf("%-44s %10.1f us   %-34s %10.1f us   ratio %6.2f\n", what, us, baseline, baseUs, us / baseUs);
}

void type(QLineEdit* box, QChar c)
{
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(box, &press);
}

void paste(QLineEdit* box)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
    QApplication::sendEvent(box, &press);
}

}  // namespace

int main()
{
    Application->Initialize();
    Application->SetTitle(u"Pelomar");
    Application->CreateForm(Form1);
    Form1->Show();
    QWidget* window = Form1->native().widget;
    const auto edit = [window](const char* name) { return window->findChild<QLineEdit*>(QString::fromLatin1(name)); };

    for (double scale : {1.0, 2.0}) {
        const double draw = medianUs(51, [] {}, [scale] { TBitmap b(picture::kSize, scale, picture::Draw); });
        const double flat = medianUs(51, [] {}, [scale] {
            TBitmap b(picture::kSize, scale, [](TCanvas& c) { c.FillRect({0, 0, 802, 707}, picture::kBackground); });
        });
        char what[64];
        std::snprintf(what, sizeof what, "drawing the picture at ratio %.0f", scale);
        report(what, draw, "one flat fill of the same image", flat);
    }

    QLineEdit* a1 = edit("a1");
    QLineEdit* free = edit("Edit1");
    int n = 0;
    const auto select = [](QLineEdit* box) { return [box] { box->selectAll(); }; };
    const double cascade = medianUs(2001, select(a1), [&] { type(a1, QChar(u'A' + (n++ % 2))); });
    const double lone = medianUs(2001, select(free), [&] { type(free, QChar(u'A' + (n++ % 2))); });
    report("one keystroke in a1 and its cascade", cascade, "one keystroke in the free field", lone);

    const char* parents[] = {"a1", "b1", "c1", "d1"};
    const auto fill = [&] {
        for (const char* p : parents)
            edit(p)->setText(QStringLiteral("Rr"));
    };
    const double clearing = medianUs(2001, fill, [] { Form1->Image1DblClick(nullptr); });
    std::vector<std::unique_ptr<QLineEdit>> plain;
    for (int i = 0; i < 16; ++i)
        plain.push_back(std::make_unique<QLineEdit>(QStringLiteral("Rr")));
    const double plainClear = medianUs(
        2001, [&] { for (auto& p : plain) p->setText(QStringLiteral("Rr")); },
        [&] { for (auto& p : plain) p->setText(QString()); });
    report("clearing all sixteen cells", clearing, "emptying 16 unlinked boxes", plainClear);

    QString huge;
    for (int i = 0; i < 100000; ++i)
        huge += QChar(u'A' + i % 26);
    QApplication::clipboard()->setText(huge);
    QLineEdit* d2 = edit("d2");
    const double bigPaste = medianUs(21, [&] { d2->clear(); d2->setFocus(); }, [&] { paste(d2); });
    const double bigLone = medianUs(21, [&] { free->clear(); free->setFocus(); }, [&] { paste(free); });
    report("100,000-character paste into d2, cascade", bigPaste, "the same paste into the free field", bigLone);
    if (edit("d4")->text() != huge) {
        std::fprintf(stderr, "micro: the paste did not reach d4\n");
        return 1;
    }
    Application->Finalize();
    return 0;
}
