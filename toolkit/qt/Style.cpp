// Colours and fonts: the layer's system colours taken from the platform's
// palette, and the font names the program uses mapped to faces this machine
// has. "Arial" resolves to Liberation Sans (metric-compatible); "Tahoma" comes
// from Wine's font folder, which fontconfig does not scan: the installed
// program links Wine's Tahoma into a font folder fontconfig knows (and has
// cached), and only where that is missing is the file loaded at start-up,
// which costs about as much again as the rest of the start-up.
#include <QApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPalette>
#include <algorithm>

#include "Native.h"

namespace qtk {

QColor toQColor(TColor color)
{
    if (!IsSystemColor(color))
        return QColor::fromRgb(color & 0xFFFFFFu);
    const QPalette palette = QApplication::palette();
    switch (color) {
    case clWindow:
        return palette.color(QPalette::Base);
    case clBtnFace:
        return palette.color(QPalette::Window);
    case clWindowText:
    default:
        return palette.color(QPalette::WindowText);
    }
}

void ensureFonts()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    // Where a face of this name is missing, fontconfig's alias would otherwise
    // decide; Liberation Sans has Arial's metrics.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    static const char* const kTahomaFiles[] = {
        "/usr/share/wine/fonts/tahoma.ttf",
        "/usr/share/wine/fonts/tahomabd.ttf",
    };
    if (QFontDatabase::hasFamily(QStringLiteral("Tahoma")))
        return;
    for (const char* path : kTahomaFiles) {
        if (QFileInfo::exists(QString::fromLatin1(path)))
            QFontDatabase::addApplicationFont(QString::fromLatin1(path));
    }
}

QFont toQFont(const TFont& font, Glyphs glyphs)
{
    ensureFonts();
    // Naming the face that will be used spares a failed look-up of the
    // missing one for every font made.
    static const bool hasArial = QFontDatabase::hasFamily(QStringLiteral("Arial"));
    const QString name = toQ(font.Name);
    QFont f(!hasArial && name == QLatin1String("Arial") ? QStringLiteral("Liberation Sans") : name);
    f.setPixelSize(font.Height);
    f.setBold(font.Bold);
    // Every fallback face is a font-configuration search at start-up; the
    // program's own fixed texts never need one. In text boxes Latin text is
    // not shaped (no kerning, as in the Windows text box), which halves the
    // time a long text takes to lay out; scripts that need shaping still get
    // it. The fixed texts keep their kerning, nearer their designed widths.
    f.setStyleStrategy(glyphs == Glyphs::Any ? QFont::PreferNoShaping : QFont::NoFontMerging);
    return f;
}

int lineHeight(const QFont& font)
{
    // Ascent plus descent, and the face's leading where it has some. Wine's
    // Tahoma has a negative leading at 11 px; its glyphs still need the full
    // ascent and descent.
    const QFontMetrics m(font);
    return std::max(m.height(), m.lineSpacing());
}

}  // namespace qtk
