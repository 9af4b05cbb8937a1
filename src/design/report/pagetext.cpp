#include "pagetext.h"

#include <QPainter>
#include <QTextLayout>

namespace quorvel {

namespace {

// The texts of some hundred pages: the shaper keeps this many and those of the
// generation before, rather than growing with every site's own texts.
constexpr qsizetype generationSize = 4096;
// A line's width when it does not wrap, in device units: far wider than any page.
constexpr double unboundedWidth = 1e6;

} // namespace

const TextShaper::Shaped &TextShaper::shape(const QString &words, const QFont &font, Qt::LayoutDirection direction,
                                            double wrapWidth, Qt::Alignment horizontal)
{
    const Key key{words, font, direction, wrapWidth, wrapWidth > 0 && (horizontal & Qt::AlignRight)};
    if (const auto found = recent_.constFind(key); found != recent_.constEnd())
        return *found;
    // A text shaped in the generation before is kept on: the recurring ones outlive
    // each generation of the sites' own numbers and names.
    if (const auto found = older_.constFind(key); found != older_.constEnd())
        return *recent_.insert(key, *found);
    if (recent_.size() >= generationSize) {
        older_ = std::move(recent_);
        recent_.clear();
    }

    QTextLayout layout(words, font, &device_);
    QTextOption option;
    option.setTextDirection(direction);
    option.setWrapMode(wrapWidth > 0 ? QTextOption::WordWrap : QTextOption::NoWrap);
    // One line is aligned by whoever places it: its layout is as wide as the words.
    option.setAlignment((wrapWidth > 0 ? horizontal : Qt::AlignLeft) | Qt::AlignAbsolute);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    // Lines as QPainter::drawText sets them: each below the last with the font's leading.
    const double leading = QFontMetricsF(font, &device_).leading();
    double height = 0;
    double width = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(wrapWidth > 0 ? wrapWidth : unboundedWidth); // lays the line out
        if (height > 0)
            height += leading;
        line.setPosition(QPointF(0, height));
        height += line.height();
        width = std::max(width, line.naturalTextWidth());
    }
    layout.endLayout();
    return *recent_.insert(key, Shaped{layout.glyphRuns(), QSizeF(width, height)});
}

void PageGlyphs::add(const QList<QGlyphRun> &runs, const QPointF &origin, const QColor &colour)
{
    for (const QGlyphRun &run : runs) {
        const QRawFont font = run.rawFont();
        auto batch = std::find_if(batches_.begin(), batches_.end(),
                                  [&](const Batch &b) { return b.colour == colour && b.font == font; });
        if (batch == batches_.end())
            batch = batches_.insert(batches_.end(), Batch{font, colour, {}, {}});
        batch->glyphs << run.glyphIndexes();
        for (const QPointF &position : run.positions())
            batch->positions << origin + position;
    }
}

void PageGlyphs::draw(QPainter &painter)
{
    painter.save();
    for (const Batch &batch : std::as_const(batches_)) {
        QGlyphRun run;
        run.setRawFont(batch.font);
        run.setGlyphIndexes(batch.glyphs);
        run.setPositions(batch.positions);
        painter.setPen(batch.colour);
        painter.drawGlyphRun(QPointF(0, 0), run);
    }
    painter.restore();
    batches_.clear();
}

} // namespace quorvel
