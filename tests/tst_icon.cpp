// The program's icon: four squares on light grey, at every size it comes in.
#include <QBuffer>
#include <QImageReader>
#include <QTest>

#include "app/AppIcon.h"
#include "app/IconFile.h"

namespace {
constexpr TColor kGrey = 0xC0C0C0, kGreen = 0x00FF00, kRed = 0xFF0000, kBlue = 0x0000FF,
                 kYellow = 0xFFFF00;

struct Square {
    TColor colour;
    int left, top, right, bottom;
};

TColor expectedAt(const std::vector<Square>& squares, int x, int y)
{
    for (const Square& s : squares)
        if (x >= s.left && x <= s.right && y >= s.top && y <= s.bottom)
            return s.colour;
    return kGrey;
}
}  // namespace

class tst_Icon : public QObject {
    Q_OBJECT
private slots:
    void everyPixel_data();
    void everyPixel();
    void everySizeIsMade();
    void windowsIconFileHoldsFifteenImages();
};

void tst_Icon::everyPixel_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<std::vector<Square>>("squares");
    QTest::newRow("32 px, the design")
        << 32
        << std::vector<Square>{{kGreen, 2, 2, 14, 14}, {kRed, 17, 2, 29, 14}, {kBlue, 2, 17, 14, 29}, {kYellow, 17, 17, 29, 29}};
    QTest::newRow("256 px, its own proportions")
        << 256
        << std::vector<Square>{{kGreen, 16, 16, 119, 111}, {kRed, 144, 16, 239, 111}, {kBlue, 16, 136, 119, 239}, {kYellow, 144, 136, 239, 239}};
    QTest::newRow("16 px, halved")
        << 16
        << std::vector<Square>{{kGreen, 1, 1, 6, 6}, {kRed, 9, 1, 14, 6}, {kBlue, 1, 9, 6, 14}, {kYellow, 9, 9, 14, 14}};
    QTest::newRow("24 px, three quarters")
        << 24
        << std::vector<Square>{{kGreen, 2, 2, 10, 10}, {kRed, 13, 2, 21, 10}, {kBlue, 2, 13, 10, 21}, {kYellow, 13, 13, 21, 21}};
    QTest::newRow("48 px, half as large again")
        << 48
        << std::vector<Square>{{kGreen, 3, 3, 21, 21}, {kRed, 26, 3, 44, 21}, {kBlue, 3, 26, 21, 44}, {kYellow, 26, 26, 44, 44}};
}

void tst_Icon::everyPixel()
{
    QFETCH(int, size);
    QFETCH(std::vector<Square>, squares);
    const TBitmap icon = AppIconImage(size);
    QCOMPARE(icon.DeviceSize(), (TSize{size, size}));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            QVERIFY2(icon.Pixel(x, y) == expectedAt(squares, x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
}

void tst_Icon::everySizeIsMade()
{
    const std::vector<TBitmap> images = AppIconImages();
    std::vector<int> sizes;
    for (const TBitmap& b : images)
        sizes.push_back(b.Size().Width);
    QCOMPARE(sizes, (std::vector<int>{16, 24, 32, 48, 256}));
}

void tst_Icon::windowsIconFileHoldsFifteenImages()
{
    const std::vector<std::uint8_t> bytes = MakeIconFile();
    QByteArray data(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    // The directory: 16, 24, 32 and 48 px as bitmaps and 256 px as PNG, at 4, 8 and 32 bits.
    QCOMPARE(quint8(data[4]) | quint8(data[5]) << 8, 15);
    QList<int> depths;
    for (int i = 0; i < 15; ++i)
        depths << (quint8(data[6 + 16 * i + 6]) | quint8(data[6 + 16 * i + 7]) << 8);
    QCOMPARE(depths.count(4), 5);
    QCOMPARE(depths.count(8), 5);
    QCOMPARE(depths.count(32), 5);

    QBuffer buffer(&data);
    QImageReader reader(&buffer, "ico");
    int read = 0;
    do {
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        const TBitmap expected = AppIconImage(image.width());
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QVERIFY2((image.pixel(x, y) & 0xFFFFFF) == expected.Pixel(x, y),
                         qPrintable(QStringLiteral("image %1 at %2,%3").arg(read).arg(x).arg(y)));
        ++read;
    } while (reader.jumpToNextImage());
    QCOMPARE(read, 15);
}

QTEST_GUILESS_MAIN(tst_Icon)
#include "tst_icon.moc"
