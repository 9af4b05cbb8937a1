#pragma once

#include <QFont>

namespace quorvel {

// The typeface of the report and of the duty chart, at a size in points. Full hinting
// gives each glyph a whole advance in device units: on a 1200 dpi page that cannot be
// seen, and it keeps the numbers the PDF writes for every glyph short.
inline QFont reportFont(double points, bool bold = false)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace quorvel
