#include "qtfiledialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>

namespace quorvel {

namespace {

// One classic pattern list ("*.qvl;*.txt") in Qt's form: patterns separated by
// blanks, "*.*" meaning every file as it did on the classic desktop (where a name
// without a dot matched it too), and each letter matching either case.
QString qtPatterns(const QString &patterns)
{
    QStringList out;
    for (const QString &p : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString pattern = p.trimmed();
        if (pattern == QLatin1String("*.*")) {
            out << QStringLiteral("*");
            continue;
        }
        QString caseless;
        bool inBracket = false;
        for (const QChar c : pattern) {
            if (c == QLatin1Char('['))
                inBracket = true;
            else if (c == QLatin1Char(']'))
                inBracket = false;
            if (!inBracket && c.isLetter() && c.toLower() != c.toUpper())
                caseless += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
            else
                caseless += c;
        }
        if (!caseless.isEmpty())
            out << caseless;
    }
    return out.join(QLatin1Char(' '));
}

// The picture dialog's preview: the picture under the cursor, scaled into the pane.
class PicturePreview : public QLabel {
public:
    explicit PicturePreview(QWidget *parent) : QLabel(parent)
    {
        setObjectName(QStringLiteral("picturePreview"));
        setAlignment(Qt::AlignCenter);
        setFrameShape(QFrame::StyledPanel);
        setMinimumSize(200, 200);
    }

    void showFile(const QString &path)
    {
        QImageReader reader(path);
        reader.setAutoTransform(true);
        const QImage image = QFileInfo(path).isFile() ? reader.read() : QImage();
        if (image.isNull()) {
            clear();
            return;
        }
        setPixmap(QPixmap::fromImage(
            image.scaled(contentsRect().size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    }
};

void addPreview(QFileDialog &dialog)
{
    auto *grid = qobject_cast<QGridLayout *>(dialog.layout());
    if (!grid)
        return;
    auto *preview = new PicturePreview(&dialog);
    grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview, &PicturePreview::showFile);
}

// Which of the name filters the dialog reports as selected: Qt gives either the whole
// filter or, with the details hidden, only its description.
int indexOfNameFilter(const QStringList &filters, const QString &selected)
{
    for (int i = 0; i < filters.size(); ++i) {
        const QString description = filters[i].left(filters[i].lastIndexOf(QLatin1String(" (")));
        if (filters[i] == selected || description.simplified() == selected)
            return i;
    }
    return -1;
}

} // namespace

QStringList qtNameFilters(const QString &filter)
{
    QStringList filters;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + QStringLiteral(" (") + qtPatterns(parts[i + 1]) + QLatin1Char(')');
    return filters;
}

FileDialog *QtFileDialogs::create(Kind kind, QWidget *owner)
{
    return new QtFileDialog(kind, owner);
}

QtFileDialog::QtFileDialog(FileDialogs::Kind kind, QWidget *owner) : kind_(kind), owner_(owner) {}

bool QtFileDialog::execute()
{
    QFileDialog dialog(owner_);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(kind_ == FileDialogs::Kind::Save ? QFileDialog::AcceptSave
                                                          : QFileDialog::AcceptOpen);
    // Neither kind insists that the chosen file exists.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setSizeGripEnabled(true);
    if (kind_ == FileDialogs::Kind::OpenPicture)
        addPreview(dialog);

    const QStringList filters = qtNameFilters(filter_);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters[qBound(1, filterIndex_, int(filters.size())) - 1]);
    }

    // A remembered name with a folder opens in that folder; otherwise the dialog starts
    // in the initial folder.
    const QFileInfo remembered(fileName_);
    if (!fileName_.isEmpty() && fileName_.contains(QLatin1Char('/')))
        dialog.setDirectory(remembered.absolutePath());
    else if (!initialDir_.isEmpty())
        dialog.setDirectory(initialDir_);
    if (!fileName_.isEmpty())
        dialog.selectFile(remembered.fileName());

    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return false;
    fileName_ = files.first();
    const int chosen = indexOfNameFilter(filters, dialog.selectedNameFilter());
    if (chosen >= 0)
        filterIndex_ = chosen + 1;
    return true;
}

} // namespace quorvel
