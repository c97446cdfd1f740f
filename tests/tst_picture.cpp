// The diagram picture, rendered into memory at device pixel ratio 1 and 2 and
// checked pixel by pixel where the drawing is fixed.
#include <QTest>
#include <cmath>

#include "diagram/Layout.h"
#include "diagram/Picture.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Image.h"

namespace {

constexpr TColor kBg = picture::kBackground;
constexpr TColor kBlack = picture::kInk;

struct Rgb {
    int r, g, b;
};
Rgb rgb(TColor c) { return {int((c >> 16) & 0xFF), int((c >> 8) & 0xFF), int(c & 0xFF)}; }

QString hex(TColor c) { return QStringLiteral("#%1").arg(c, 6, 16, QLatin1Char('0')).toUpper(); }

const TBitmap& rendered(double scale)
{
    static const TBitmap one(picture::kSize, 1.0, picture::Draw);
    static const TBitmap two(picture::kSize, 2.0, picture::Draw);
    return scale == 1.0 ? one : two;
}

// Every device pixel of picture pixel (x, y) holds `colour`.
bool pixelIs(const TBitmap& b, int x, int y, TColor colour)
{
    const int s = static_cast<int>(b.Scale());
    for (int dy = 0; dy < s; ++dy)
        for (int dx = 0; dx < s; ++dx)
            if (b.Pixel(x * s + dx, y * s + dy) != colour)
                return false;
    return true;
}

// The colour at a point of the continuous plane.
TColor at(const TBitmap& b, double x, double y)
{
    return b.Pixel(static_cast<int>(std::floor(x * b.Scale())), static_cast<int>(std::floor(y * b.Scale())));
}

bool dark(TColor c)
{
    const Rgb v = rgb(c);
    return v.r <= 0x30 && v.g <= 0x30 && v.b <= 0x30;
}

TPointF bezier(const picture::Stroke& s, double t)
{
    const double u = 1 - t;
    const auto& p = s.control;
    return {u * u * u * p[0].X + 3 * u * u * t * p[1].X + 3 * u * t * t * p[2].X + t * t * t * p[3].X,
            u * u * u * p[0].Y + 3 * u * u * t * p[1].Y + 3 * u * t * t * p[2].Y + t * t * t * p[3].Y};
}

double distanceToCurve(const picture::Stroke& s, TPointF p)
{
    double best = 1e9;
    for (int i = 0; i <= 4000; ++i) {
        const TPointF c = bezier(s, i / 4000.0);
        best = std::min(best, std::hypot(c.X - p.X, c.Y - p.Y));
    }
    return best;
}

void addScales()
{
    QTest::addColumn<double>("scale");
}

}  // namespace

class tst_Picture : public QObject {
    Q_OBJECT
private slots:
    void sizeAndScale_data() { scales(); }
    void sizeAndScale();
    void pictureIsCentred_data();
    void pictureIsCentred();
    void circleCentresHoldTheirFill_data();
    void circleCentresHoldTheirFill();
    void gridFrameIsHardEdged_data() { scales(); }
    void gridFrameIsHardEdged();
    void stemsAreBlack_data() { scales(); }
    void stemsAreBlack();
    void strokesPassTheirPoints_data() { scales(); }
    void strokesPassTheirPoints();
    void dashesStandAtTheirAngles_data() { scales(); }
    void dashesStandAtTheirAngles();
    void backgroundUnderEveryControl_data() { scales(); }
    void backgroundUnderEveryControl();
    void edgesAreBackground_data() { scales(); }
    void edgesAreBackground();
    void onlyPaletteColoursAndTheirMixes_data() { scales(); }
    void onlyPaletteColoursAndTheirMixes();

private:
    static void scales()
    {
        addScales();
        QTest::newRow("ratio 1") << 1.0;
        QTest::newRow("ratio 2") << 2.0;
    }
};

void tst_Picture::sizeAndScale()
{
    QFETCH(double, scale);
    const TBitmap& b = rendered(scale);
    QCOMPARE(b.Size(), (TSize{802, 707}));
    QCOMPARE(b.DeviceSize(), (TSize{int(802 * scale), int(707 * scale)}));
}

void tst_Picture::pictureIsCentred_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QPoint>("origin");
    QTest::newRow("the designed client area") << QSize(808, 711) << QPoint(3, 2);
    QTest::newRow("810 x 715") << QSize(810, 715) << QPoint(4, 4);
    QTest::newRow("809 x 712 truncates") << QSize(809, 712) << QPoint(3, 2);
    QTest::newRow("799 x 704 cuts the picture off") << QSize(799, 704) << QPoint(-1, -1);
    QTest::newRow("814 x 724 under a thin frame") << QSize(814, 724) << QPoint(6, 8);
}

void tst_Picture::pictureIsCentred()
{
    QFETCH(QSize, client);
    QFETCH(QPoint, origin);
    QCOMPARE(TImage::CentredOrigin(client.width(), picture::kSize.Width), origin.x());
    QCOMPARE(TImage::CentredOrigin(client.height(), picture::kSize.Height), origin.y());
}

void tst_Picture::circleCentresHoldTheirFill_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QPoint>("centre");
    QTest::addColumn<uint>("fill");
    const struct {
        const char* name;
        QPoint centre;
        uint fill;
    } circles[] = {
        {"father", {44, 48}, 0x94476B},           {"mother", {574, 48}, 0x99CCFF},
        {"upper sperm cell", {194, 436}, 0x99284C}, {"lower sperm cell", {187, 599}, 0xFF6633},
        {"left egg cell", {452, 232}, 0x00B8FF},  {"right egg cell", {676, 232}, 0x3DEB3D},
        {"child 1 left", {411, 395}, 0x00B8FF},   {"child 1 right", {513, 395}, 0x99284C},
        {"child 2 left", {636, 395}, 0x3DEB3D},   {"child 2 right", {738, 395}, 0x99284C},
        {"child 3 left", {411, 558}, 0x00B8FF},   {"child 3 right", {513, 558}, 0xFF6633},
        {"child 4 left", {636, 558}, 0x3DEB3D},   {"child 4 right", {738, 558}, 0xFF6633},
    };
    for (double scale : {1.0, 2.0})
        for (const auto& c : circles)
            QTest::addRow("%s at ratio %g", c.name, scale) << scale << c.centre << c.fill;
}

void tst_Picture::circleCentresHoldTheirFill()
{
    QFETCH(double, scale);
    QFETCH(QPoint, centre);
    QFETCH(uint, fill);
    const TBitmap& b = rendered(scale);
    // The flat fill reaches well out from the centre, and the ring is black.
    for (int dx = -20; dx <= 20; dx += 5)
        QVERIFY2(pixelIs(b, centre.x() + dx, centre.y(), fill), qPrintable(hex(at(b, centre.x() + dx, centre.y()))));
    if (centre.y() == 48)
        return;  // the parents' rims are dashed: their own test
    QVERIFY(pixelIs(b, centre.x() + 30, centre.y(), kBlack));
    QVERIFY(pixelIs(b, centre.x(), centre.y() - 31, kBlack));
}

void tst_Picture::gridFrameIsHardEdged()
{
    QFETCH(double, scale);
    const TBitmap& b = rendered(scale);
    for (const picture::FrameLine& line : picture::kFrameLines)
        for (int y = line.pixels.Top; y < line.pixels.Bottom(); ++y)
            for (int x = line.pixels.Left; x < line.pixels.Right(); ++x)
                QVERIFY2(pixelIs(b, x, y, kBlack), qPrintable(QStringLiteral("%1 %2,%3").arg(QLatin1String(line.name.data())).arg(x).arg(y)));

    // The 2 x 2 notches at the outer corners.
    for (QPoint corner : {QPoint(357, 341), QPoint(789, 341), QPoint(357, 691), QPoint(789, 691)})
        for (int dy = 0; dy < 2; ++dy)
            for (int dx = 0; dx < 2; ++dx)
                QVERIFY(pixelIs(b, corner.x() + dx, corner.y() + dy, kBg));
    QVERIFY(pixelIs(b, 359, 341, kBlack));
    QVERIFY(pixelIs(b, 357, 343, kBlack));
    // The left side is 6 px thick; beside it, inside the squares, lies background.
    for (int y = 346; y <= 687; ++y) {
        QVERIFY(pixelIs(b, 362, y, kBlack));
        if (y < 505 || y > 509)
            QVERIFY2(pixelIs(b, 363, y, kBg), qPrintable(QString::number(y)));
        QVERIFY(pixelIs(b, 356, y, kBg));
        QVERIFY(pixelIs(b, 791, y, kBg));
    }
    for (int x = 359; x <= 788; ++x) {
        QVERIFY(pixelIs(b, x, 340, kBg));
        QVERIFY(pixelIs(b, x, 693, kBg));
    }
}

void tst_Picture::stemsAreBlack()
{
    QFETCH(double, scale);
    const TBitmap& b = rendered(scale);
    QVERIFY(pixelIs(b, 44, 100, kBlack));
    QVERIFY(pixelIs(b, 574, 84, kBlack));
}

void tst_Picture::strokesPassTheirPoints()
{
    QFETCH(double, scale);
    const TBitmap& b = rendered(scale);
    for (const picture::Stroke& s : picture::kStrokes) {
        for (int i = 0; i < s.passCount; ++i) {
            const TPointF p = s.passes[static_cast<std::size_t>(i)];
            const QString where = QStringLiteral("%1 at (%2, %3)").arg(QLatin1String(s.name.data())).arg(p.X).arg(p.Y);
            QVERIFY2(distanceToCurve(s, p) <= 1.0, qPrintable(where));
            // The drawn line covers the point: a pixel touching it is black.
            bool covered = false;
            for (double dy : {-0.25, 0.25})
                for (double dx : {-0.25, 0.25})
                    covered = covered || dark(at(b, p.X + dx, p.Y + dy));
            QVERIFY2(covered, qPrintable(where));
        }
    }
}

void tst_Picture::dashesStandAtTheirAngles()
{
    QFETCH(double, scale);
    const TBitmap& b = rendered(scale);
    const auto point = [](const picture::Circle& c, double radius, double degrees) {
        const double a = degrees * M_PI / 180.0;
        return TPointF{c.centre.X + radius * std::cos(a), c.centre.Y + radius * std::sin(a)};
    };
    for (const picture::Circle& c : picture::kCircles) {
        if (c.ring != picture::Ring::Dashed)
            continue;
        for (int k = 0; k < picture::kDashCount; ++k) {
            const double first = 31 + 60 * k;
            for (double d : {first + 3, first + 15, first + 27}) {
                const TPointF p = point(c, 30.5, d);
                QVERIFY2(dark(at(b, p.X, p.Y)), qPrintable(QStringLiteral("%1 dash at %2").arg(QLatin1String(c.name.data())).arg(d)));
            }
            // The gap after the dash: the fill inside the rim, background outside.
            const double gap = first + 45;
            const TPointF inside = point(c, 28, gap);
            const TPointF outside = point(c, 33, gap);
            QCOMPARE(hex(at(b, inside.X, inside.Y)), hex(c.fill));
            QCOMPARE(hex(at(b, outside.X, outside.Y)), hex(kBg));
            // Ends cut along the radius: just outside each end, no ink.
            for (double d : {first - 3, first + 33}) {
                if (std::abs(d - 90) < 10)
                    continue;  // the strokes leave the parent straight down
                const TPointF p = point(c, 33, d);
                QVERIFY2(!dark(at(b, p.X, p.Y)), qPrintable(QString::number(d)));
            }
        }
    }
}

void tst_Picture::backgroundUnderEveryControl()
{
    QFETCH(double, scale);
    const TBitmap& b = rendered(scale);
    const auto check = [&](std::u16string_view name, const TRect& client) {
        // Client coordinates to picture coordinates.
        for (int y = client.Top - 2; y < client.Bottom() - 2; ++y)
            for (int x = client.Left - 3; x < client.Right() - 3; ++x)
                QVERIFY2(pixelIs(b, x, y, kBg),
                         qPrintable(QString::fromStdU16String(std::u16string(name)) + QStringLiteral(" %1,%2").arg(x).arg(y)));
    };
    for (const layout::Control& c : layout::kControls)
        if (c.kind != layout::Kind::Picture)
            check(c.name, c.rect);
    for (const layout::Caption& c : layout::kCaptions) {
        // Wider by what the substitute face needs ("gen in spermacel" is 83 px here).
        TRect r = c.rect;
        r.Width += 4;
        check(c.box, r);
    }
}

void tst_Picture::edgesAreBackground()
{
    QFETCH(double, scale);
    const TBitmap& b = rendered(scale);
    const int w = picture::kSize.Width, h = picture::kSize.Height;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (x < 8 || y < 13 || x >= w - 11 || y >= h - 14)
                QVERIFY2(pixelIs(b, x, y, kBg), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
}

// Each pixel is a palette colour or a blend of two of them, or of three where
// three regions meet inside one pixel (the ends of the dashes).
void tst_Picture::onlyPaletteColoursAndTheirMixes()
{
    QFETCH(double, scale);
    const TBitmap& b = rendered(scale);
    const TColor palette[] = {kBg, kBlack, picture::kFather, picture::kMother, picture::kAlleleA,
                              picture::kAlleleB, picture::kAlleleC, picture::kAlleleD};
    const auto onBlend = [](Rgb p, Rgb a, Rgb c) {
        // The best t for p = a + t (c - a), then the distance from that blend.
        const double dr = c.r - a.r, dg = c.g - a.g, db = c.b - a.b;
        const double len2 = dr * dr + dg * dg + db * db;
        double t = len2 == 0 ? 0 : ((p.r - a.r) * dr + (p.g - a.g) * dg + (p.b - a.b) * db) / len2;
        t = std::clamp(t, 0.0, 1.0);
        const double er = a.r + t * dr - p.r, eg = a.g + t * dg - p.g, eb = a.b + t * db - p.b;
        return std::max({std::abs(er), std::abs(eg), std::abs(eb)}) <= 3.0;
    };
    const auto inTriangle = [](Rgb p, Rgb a, Rgb c, Rgb e) {
        // p = a + t (c - a) + u (e - a), least squares, then t, u >= 0 and t + u <= 1.
        const double u1[3] = {double(c.r - a.r), double(c.g - a.g), double(c.b - a.b)};
        const double u2[3] = {double(e.r - a.r), double(e.g - a.g), double(e.b - a.b)};
        const double w[3] = {double(p.r - a.r), double(p.g - a.g), double(p.b - a.b)};
        double m11 = 0, m12 = 0, m22 = 0, r1 = 0, r2 = 0;
        for (int i = 0; i < 3; ++i) {
            m11 += u1[i] * u1[i];
            m12 += u1[i] * u2[i];
            m22 += u2[i] * u2[i];
            r1 += u1[i] * w[i];
            r2 += u2[i] * w[i];
        }
        const double det = m11 * m22 - m12 * m12;
        if (std::abs(det) < 1e-9)
            return false;
        const double t = (r1 * m22 - r2 * m12) / det, u = (m11 * r2 - m12 * r1) / det;
        if (t < -0.01 || u < -0.01 || t + u > 1.01)
            return false;
        double worst = 0;
        for (int i = 0; i < 3; ++i)
            worst = std::max(worst, std::abs(t * u1[i] + u * u2[i] - w[i]));
        return worst <= 3.0;
    };
    const TSize d = b.DeviceSize();
    int stray = 0;
    for (int y = 0; y < d.Height; ++y) {
        for (int x = 0; x < d.Width; ++x) {
            const Rgb p = rgb(b.Pixel(x, y));
            bool ok = false;
            for (std::size_t i = 0; i < std::size(palette) && !ok; ++i)
                for (std::size_t j = i; j < std::size(palette) && !ok; ++j)
                    ok = onBlend(p, rgb(palette[i]), rgb(palette[j]));
            for (std::size_t i = 0; i < std::size(palette) && !ok; ++i)
                for (std::size_t j = i + 1; j < std::size(palette) && !ok; ++j)
                    for (std::size_t k = j + 1; k < std::size(palette) && !ok; ++k)
                        ok = inTriangle(p, rgb(palette[i]), rgb(palette[j]), rgb(palette[k]));
            if (!ok && stray++ < 5)
                qWarning("stray colour %s at device pixel %d,%d", qPrintable(hex(b.Pixel(x, y))), x, y);
        }
    }
    QCOMPARE(stray, 0);
}

QTEST_GUILESS_MAIN(tst_Picture)
#include "tst_picture.moc"
