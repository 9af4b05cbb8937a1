#pragma once

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QRectF>
#include <QString>

class QPainter;
class QPaintDevice;

namespace quorvel {

// The texts of a report, shaped once: its captions, units, check names and limits
// recur on every page, and shaping is most of what drawing a page of text costs.
class TextShaper {
public:
    struct Shaped {
        QList<QGlyphRun> runs; // positions from the layout's top left, baselines included
        QSizeF size;           // the lines' natural width and their height
    };

    explicit TextShaper(const QPaintDevice &device) : device_(device) {}

    // The words on one line, or wrapped to wrapWidth when it is above 0 with each line
    // at the left or right (horizontal is Qt::AlignLeft or Qt::AlignRight).
    const Shaped &shape(const QString &words, const QFont &font, Qt::LayoutDirection direction,
                        double wrapWidth = 0, Qt::Alignment horizontal = Qt::AlignLeft);

private:
    struct Key {
        QString words;
        QFont font;
        Qt::LayoutDirection direction;
        double wrapWidth;
        bool right;
        bool operator==(const Key &) const = default;
    };
    friend size_t qHash(const Key &key, size_t seed)
    {
        return qHashMulti(seed, key.words, key.font, int(key.direction), key.wrapWidth, key.right);
    }

    const QPaintDevice &device_;
    QHash<Key, Shaped> recent_;
    QHash<Key, Shaped> older_;
};

// The glyphs of one page, gathered by font and colour and drawn as one run each: a
// page's text is a handful of runs instead of one for every cell.
class PageGlyphs {
public:
    void add(const QList<QGlyphRun> &runs, const QPointF &origin, const QColor &colour);
    // Draws what was gathered and starts afresh.
    void draw(QPainter &painter);

private:
    struct Batch {
        QRawFont font;
        QColor colour;
        QList<quint32> glyphs;
        QList<QPointF> positions;
    };
    QList<Batch> batches_;
};

} // namespace quorvel
