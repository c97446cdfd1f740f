// Thousands of random user actions on the real window: typing, deleting,
// select-all and type, pasting, undo, clearing and the cross sign. After each
// one, every row that has left its start state holds one text, no single
// change ran more than four handlers, and rows the action did not touch are
// as they were. Set PELOMAR_SEED to replay a run; the seed is in every
// failure message.
#include <QClipboard>
#include <QRandomGenerator>
#include <QTest>

#include "FormFixture.h"

namespace {

constexpr int kSteps = 4000;
const char kRows[] = {'a', 'b', 'c', 'd'};

QString cellName(char row, int position) { return QString(QLatin1Char(row)) + QString::number(position); }

}  // namespace

class tst_Random : public QObject {
    Q_OBJECT
private slots:
    void randomActionsKeepEveryRowLinked();
};

void tst_Random::randomActionsKeepEveryRowLinked()
{
    const quint32 seed = qEnvironmentVariableIsSet("PELOMAR_SEED")
                             ? quint32(qEnvironmentVariableIntValue("PELOMAR_SEED"))
                             : QRandomGenerator::global()->generate();
    QRandomGenerator rng(seed);
    FormFixture f;
    const QString alphabet = QStringLiteral("AaBbRrXx ?-\\u00E9\\U0001F9EC");
    const auto randomText = [&] {
        QString t;
        const int n = rng.bounded(1, 6);
        for (int i = 0; i < n; ++i)
            t += alphabet.at(rng.bounded(alphabet.size()));
        return t;
    };
    bool linked[4] = {};
    int handlerTotal = 0;

    for (int step = 0; step < kSteps; ++step) {
        const auto before = f.texts();
        const char row = kRows[rng.bounded(4)];
        QLineEdit* cell = f.edit(cellName(row, rng.bounded(1, 5)));
        const int action = rng.bounded(9);
        QString did;
        int changes = 1;  // how many single changes the action may make
        bool allRows = false;
        f.resetCounts();

        switch (action) {
        case 0:  // click somewhere in the box and type a letter
            QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(rng.bounded(2, cell->width() - 2), cell->height() / 2));
            did = QStringLiteral("click and type");
            QTest::keyClicks(cell, QString(alphabet.at(rng.bounded(8))));
            break;
        case 1:  // Tab into the box (selecting all) and type
            cell->clearFocus();
            cell->setFocus(Qt::TabFocusReason);
            did = QStringLiteral("tab and type");
            QTest::keyClicks(cell, QString(alphabet.at(rng.bounded(8))));
            break;
        case 2:
            cell->setFocus(Qt::MouseFocusReason);
            did = QStringLiteral("backspace");
            QTest::keyClick(cell, Qt::Key_Backspace);
            break;
        case 3:
            cell->setFocus(Qt::MouseFocusReason);
            did = QStringLiteral("select all and type");
            QTest::keyClick(cell, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(cell, QString(alphabet.at(rng.bounded(8))));
            break;
        case 4:
            cell->setFocus(Qt::MouseFocusReason);
            did = QStringLiteral("paste");
            QApplication::clipboard()->setText(randomText());
            QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
            break;
        case 5:
            cell->setFocus(Qt::MouseFocusReason);
            did = QStringLiteral("undo");
            QTest::keyClick(cell, Qt::Key_Z, Qt::ControlModifier);
            break;
        case 6:
            did = QStringLiteral("clear");
            QTest::mouseDClick(f.widget(QStringLiteral("Image1")), Qt::LeftButton, {}, QPoint(20, 300));
            allRows = true;
            changes = 4;
            break;
        case 7:
            did = QStringLiteral("cross sign");
            QTest::mouseDClick(f.widget(QStringLiteral("vrouw")), Qt::LeftButton, {}, QPoint(5, 5));
            break;
        default:
            cell->setFocus(Qt::MouseFocusReason);
            did = QStringLiteral("delete");
            QTest::keyClick(cell, Qt::Key_Delete);
            break;
        }
        handlerTotal += f.runs;
        const char touched = action == 7 ? 'a' : row;
        const QString where = QStringLiteral("seed %1, step %2: %3 in %4").arg(seed).arg(step).arg(did, cell->objectName());

        QVERIFY2(f.runs <= 4 * changes, qPrintable(where + QStringLiteral(", %1 handlers ran").arg(f.runs)));
        QVERIFY2(f.maxDepth <= 4, qPrintable(where));
        const auto after = f.texts();
        for (int r = 0; r < 4; ++r) {
            const char x = kRows[r];
            bool changed = false;
            for (int p = 1; p <= 4; ++p)
                changed = changed || after.at(cellName(x, p)) != before.at(cellName(x, p));
            if (changed)
                linked[r] = true;
            if (!allRows && x != touched)
                QVERIFY2(!changed, qPrintable(where + QStringLiteral(": row %1 changed").arg(QLatin1Char(x))));
            if (allRows && action == 6)
                linked[r] = true;
            if (linked[r])
                for (int p = 2; p <= 4; ++p)
                    QVERIFY2(after.at(cellName(x, p)) == after.at(cellName(x, 1)),
                             qPrintable(where + QStringLiteral(": row %1 not linked").arg(QLatin1Char(x))));
        }
    }
    qInfo("seed %u: %d actions ran %d handlers", seed, kSteps, handlerTotal);
    QVERIFY(handlerTotal > kSteps);  // the actions really changed cells
}

QTEST_MAIN(tst_Random)
#include "tst_random.moc"
