#include "catalogtesting.h"

#include "gridwidget.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTest>

namespace quorvel {

TestDatabase::TestDatabase()
{
    folders_.databaseDir = dir_.path() + QLatin1Char('/');
}

QString TestDatabase::path(const QString &name) const
{
    return dir_.path() + QLatin1Char('/') + name;
}

void TestDatabase::writeBitmap(const QString &name, QColor colour) const
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(colour);
    if (!image.save(path(name), "BMP"))
        qFatal("cannot write %s", qPrintable(path(name)));
}

void TestDatabase::writeLines(const QString &name, const QStringList &lines) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path(name)));
    for (const QString &line : lines)
        file.write(line.toLatin1() + "\r\n");
}

void TestDatabase::writeBytes(const QString &name, const QByteArray &bytes) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
}

QByteArray TestDatabase::readBytes(const QString &name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList TestDatabase::readLines(const QString &name) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool TestDatabase::exists(const QString &name) const
{
    return QFile::exists(path(name));
}

GridWidget &gridOf(const QWidget &window)
{
    return child<GridWidget>(window, "grid");
}

void showAndActivate(QWidget &window)
{
    window.show(); // the activation runs as the window goes up
    if (!QTest::qWaitForWindowExposed(&window))
        qWarning("window not exposed");
}

namespace {
QPoint cellCentre(GridWidget &grid, int col, int row)
{
    const QModelIndex index = grid.model()->index(row, col);
    grid.scrollTo(index);
    return grid.visualRect(index).center();
}
}

void clickCell(GridWidget &grid, int col, int row)
{
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(grid, col, row));
}

void doubleClickCell(GridWidget &grid, int col, int row)
{
    const QPoint at = cellCentre(grid, col, row);
    // The first click of the pair, then the second as a double-click.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, at);
    if (grid.isVisible())
        QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, at);
}

// Keys go where a user's keys go: to the focused widget, which is the cell editor
// while one is open; a key release goes where the focus is after the press. The
// grid is given the focus first, as a user tabbing to it would.
static QWidget *keyTarget(GridWidget &grid)
{
    QWidget *focused = grid.window()->focusWidget();
    if (focused != &grid && !grid.isAncestorOf(focused)) {
        grid.setFocus(Qt::TabFocusReason);
        focused = grid.window()->focusWidget();
    }
    return focused ? focused : &grid;
}

void pressKey(GridWidget &grid, int key)
{
    QTest::keyPress(keyTarget(grid), Qt::Key(key));
    QTest::keyRelease(keyTarget(grid), Qt::Key(key));
}

void typeText(GridWidget &grid, const QString &text)
{
    for (QChar c : text) {
        QTest::keyPress(keyTarget(grid), c.toLatin1());
        QTest::keyRelease(keyTarget(grid), c.toLatin1());
    }
}

QColor pictureColour(const QWidget &pictureBox)
{
    const auto *label = qobject_cast<const QLabel *>(&pictureBox);
    if (!label)
        return {};
    const QPixmap pixmap = label->pixmap();
    if (pixmap.isNull())
        return {};
    return pixmap.toImage().pixelColor(0, 0);
}

QList<QWidget *> tabOrder(QWidget &window)
{
    QList<QWidget *> order;
    for (QWidget *w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&window) && !w->focusProxy())
            order << w;
    }
    return order;
}

} // namespace quorvel
