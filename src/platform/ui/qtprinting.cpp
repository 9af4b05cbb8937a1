#include "qtprinting.h"

#include "error.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QLibrary>
#include <QPluginLoader>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <cmath>

namespace quorvel {

namespace {

constexpr int fallbackResolution = 600;

// Qt quietly turns a QPrinter into a PDF writer, or onto the default printer, when the
// printer it is given does not exist; only a native printer of the wanted name counts.
bool isPrinter(const QPrinter &printer, const QString &name)
{
    return printer.outputFormat() == QPrinter::NativeFormat && printer.isValid()
        && printer.printerName() == name;
}

std::unique_ptr<QPrinter> makePrinter(const QString &name)
{
    auto printer = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(name), QPrinter::HighResolution);
    printer->setFullPage(false); // origin at the printable area's corner
    return printer;
}

// The PPD of a CUPS printer, through libcups, which Qt's CUPS support has loaded
// already. Qt offers the PPD's choices but not its default, and its CUPS back end
// draws at a fixed 1200 dpi.
QByteArray cupsPpd(const QString &printerName)
{
    using GetPpd = const char *(*)(const char *);
    QLibrary cups(QStringLiteral("cups"), 2);
    const auto getPpd = reinterpret_cast<GetPpd>(cups.resolve("cupsGetPPD"));
    if (!getPpd)
        return {};
    const char *path = getPpd(printerName.toLocal8Bit().constData());
    if (!path)
        return {};
    QFile file(QString::fromLocal8Bit(path)); // a temporary copy that is ours to remove
    QByteArray ppd;
    if (file.open(QIODevice::ReadOnly))
        ppd = file.readAll();
    file.remove();
    return ppd;
}

} // namespace

QtPrinting::QtPrinting() = default;

void QtPrinting::startLoadingPrintSupport()
{
    if (loadingPrintSupport_.valid() || printers_)
        return;
    // Only the libraries are loaded there. The print support itself is made on this
    // thread when first asked: Qt's CUPS support then registers its password prompt
    // with libcups, which keeps it per thread, so printing here can ask for passwords.
    QStringList folders;
    for (const QString &path : QCoreApplication::libraryPaths())
        folders << path + QStringLiteral("/printsupport");
    loadingPrintSupport_ = std::async(std::launch::async, [folders] {
        for (const QString &folder : folders) {
            for (const QFileInfo &file : QDir(folder).entryInfoList(QDir::Files))
                QPluginLoader(file.absoluteFilePath()).load(); // stays loaded; Qt finds it so
        }
    });
}

void QtPrinting::waitForPrintSupport()
{
    if (loadingPrintSupport_.valid())
        loadingPrintSupport_.get();
}

QtPrinting::~QtPrinting()
{
    if (painter_.isActive()) {
        printer_->abort();
        painter_.end();
    }
}

QStringList QtPrinting::printers()
{
    if (!printers_) {
        waitForPrintSupport();
        printers_ = QPrinterInfo::availablePrinterNames();
    }
    return *printers_;
}

int QtPrinting::printerIndex()
{
    current();
    return index_;
}

void QtPrinting::setPrinterIndex(int index)
{
    select(index);
}

void QtPrinting::select(int index)
{
    const QStringList names = printers();
    if (index == -1) {
        const QString name = QPrinterInfo::defaultPrinterName();
        const int position = name.isEmpty() ? -1 : int(names.indexOf(name));
        if (position < 0)
            throw Error(noDefaultPrinterMessage());
        auto printer = makePrinter(name);
        if (!isPrinter(*printer, name))
            throw Error(noDefaultPrinterMessage());
        printer_ = std::move(printer);
        index_ = position;
        return;
    }
    if (index < 0 || index >= names.size())
        throw Error(indexOutOfRangeMessage());
    if (printer_ && index == index_)
        return; // keeps the settings
    // A printer removed since the list was read stays selected; using it fails.
    printer_ = makePrinter(names[index]);
    index_ = index;
}

QPrinter &QtPrinting::current()
{
    if (!printer_)
        select(-1);
    return *printer_;
}

bool QtPrinting::printerSetup(QWidget *parent)
{
    QPrinter &printer = current();
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QObject::tr("Print Setup"));
    // Printer, paper and device settings only: what and how much to print is the
    // program's business.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    if (auto *buttons = dialog.findChild<QDialogButtonBox *>())
        if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QObject::tr("OK"));
    if (dialog.exec() != QDialog::Accepted)
        return false;

    const QString name = printer.printerName();
    int position = int(printers().indexOf(name));
    if (position < 0) { // installed after the list was read
        printers_->append(name);
        position = int(printers_->size()) - 1;
    }
    index_ = position;
    return true;
}

void QtPrinting::setOrientation(QPageLayout::Orientation orientation)
{
    QPrinter &printer = current();
    if (!isPrinter(printer, printers_->value(index_)))
        throw Error(notSupportedMessage());
    printer.setPageOrientation(orientation);
}

QPageLayout::Orientation QtPrinting::orientation()
{
    return current().pageLayout().orientation();
}

void QtPrinting::setTitle(const QString &title)
{
    title_ = title;
}

QString QtPrinting::title() const
{
    return title_;
}

void QtPrinting::beginDoc()
{
    QPrinter &printer = current();
    if (printing_)
        throw Error(translatable("quorvel::Printing", "Printing in progress"));
    if (!isPrinter(printer, printers_->value(index_)))
        throw Error(notValidMessage());
    printer.setResolution(resolution());
    printer.setDocName(title_);
    printing_ = true;
    // When the print system refuses the document, the page is drawn into nothing and
    // endDoc() reports it.
    if (painter_.begin(&printer))
        applyFont();
}

void QtPrinting::endDoc()
{
    if (!printing_)
        throw Error(notPrintingMessage());
    printing_ = false;
    if (!painter_.isActive())
        throw Error(notPrintingMessage());
    painter_.end();
}

void QtPrinting::setFont(const PrintFont &font)
{
    font_ = font;
    if (painter_.isActive())
        applyFont();
}

PrintFont QtPrinting::font() const
{
    return font_;
}

void QtPrinting::applyFont()
{
    QFont font(font_.name);
    font.setPointSize(font_.size);
    font.setBold(font_.bold);
    font.setUnderline(font_.underline);
    painter_.setFont(font);
    painter_.setPen(font_.color);
}

void QtPrinting::textOut(int x, int y, const QString &text)
{
    if (!painter_.isActive())
        return;
    // (x, y) is the top of the line; Qt draws at the baseline.
    painter_.drawText(QPointF(x, y + painter_.fontMetrics().ascent()), text);
}

void QtPrinting::textRect(const QRect &box, int x, int y, const QString &text)
{
    if (!painter_.isActive())
        return;
    painter_.save();
    painter_.setClipRect(box);
    painter_.fillRect(box, Qt::white);
    painter_.drawText(QPointF(x, y + painter_.fontMetrics().ascent()), text);
    painter_.restore();
}

int QtPrinting::resolution()
{
    const QString name = current().printerName();
    auto known = resolutions_.constFind(name);
    if (known != resolutions_.constEnd())
        return *known;
    int dpi = ppdDefaultResolution(cupsPpd(name));
    if (dpi <= 0)
        dpi = fallbackResolution;
    resolutions_.insert(name, dpi);
    return dpi;
}

int QtPrinting::ppdDefaultResolution(const QByteArray &ppd)
{
    // "*DefaultResolution: 600dpi", also "300x600dpi" (the horizontal one counts) or dpcm.
    static const QRegularExpression line(
        QStringLiteral(R"(^\*DefaultResolution:\s*(\d+)(?:x\d+)?(dpi|dpcm)\s*$)"),
        QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(QString::fromLatin1(ppd));
    if (!match.hasMatch())
        return 0;
    const int value = match.captured(1).toInt();
    return match.captured(2) == QLatin1String("dpcm") ? int(std::lround(value * 2.54)) : value;
}

} // namespace quorvel
