#include "showntexts.h"

#include "celltable.h"
#include "sheetlayout.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace quorvel {

namespace {

constexpr const char *sheetContext = "quorvel::Sheet";
constexpr const char *catalogContext = "quorvel::Catalogs";

// The texts of the shipped catalogs that are words rather than names or numbers: shown
// translated, kept English in the files. Listed here for lupdate.
[[maybe_unused]] constexpr const char *shippedCatalogTexts[] = {
    QT_TRANSLATE_NOOP("quorvel::Catalogs", "No"),
    QT_TRANSLATE_NOOP("quorvel::Catalogs", "Description"),
    QT_TRANSLATE_NOOP("quorvel::Catalogs", "Nominal (in)"),
    QT_TRANSLATE_NOOP("quorvel::Catalogs", "Material"),
    QT_TRANSLATE_NOOP("quorvel::Catalogs", "ID (mm)"),
    QT_TRANSLATE_NOOP("quorvel::Catalogs", "Sch 40 galvanised steel"),
    QT_TRANSLATE_NOOP("quorvel::Catalogs", "Sch 40 black steel"),
    QT_TRANSLATE_NOOP("quorvel::Catalogs", "Pump"),
    QT_TRANSLATE_NOOP("quorvel::Catalogs", "Model"),
    QT_TRANSLATE_NOOP("quorvel::Catalogs", "Flow (L/s)"),
    QT_TRANSLATE_NOOP("quorvel::Catalogs", "Head (m)"),
    QT_TRANSLATE_NOOP("quorvel::Catalogs", "Power kW"),
    QT_TRANSLATE_NOOP("quorvel::Catalogs", "Curve picture"),
    QT_TRANSLATE_NOOP("quorvel::Catalogs", "Petrol engine"),
    QT_TRANSLATE_NOOP("quorvel::Catalogs", "Diesel engine"),
    QT_TRANSLATE_NOOP("quorvel::Catalogs", "Electric surface"),
    QT_TRANSLATE_NOOP("quorvel::Catalogs", "Submersible"),
    QT_TRANSLATE_NOOP("quorvel::Catalogs", "Tank type"),
    QT_TRANSLATE_NOOP("quorvel::Catalogs", "Size (m3)"),
    QT_TRANSLATE_NOOP("quorvel::Catalogs", "Remark"),
    QT_TRANSLATE_NOOP("quorvel::Catalogs", "Bladder"),
    QT_TRANSLATE_NOOP("quorvel::Catalogs", "Onion"),
    QT_TRANSLATE_NOOP("quorvel::Catalogs", "Corrugated steel"),
    QT_TRANSLATE_NOOP("quorvel::Catalogs", "Pillow tank for trucks and small distribution points"),
    QT_TRANSLATE_NOOP("quorvel::Catalogs", "Pillow tank on a cleared and levelled base"),
    QT_TRANSLATE_NOOP("quorvel::Catalogs", "Bolted kit with liner and roof"),
    QT_TRANSLATE_NOOP("quorvel::Catalogs", "Self-supporting open-top tank with cover"),
};

// The project tables' fixed texts, as sheetlayout.cpp and projectsheet.cpp write them.
[[maybe_unused]] constexpr const char *sheetTexts[] = {
    QT_TRANSLATE_NOOP("quorvel::Sheet", "Description"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "Unit"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "Value"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "Result"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "Pump discharge pipeline length"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "Meter"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "Water source elevation"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "Storage elevation"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "Population"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "People"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "Pumping Time"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "Hours/day"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "Daily Usage"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "L/capita/day"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "# people per tap"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "people"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "Q design"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "LPM"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "Nominal Diameter"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "HF"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "M"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "Pumping Head"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "Theoretical Storage"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "M^3"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "Pump"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "Storage"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "Actual Storage"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "Estimated Actual Pumping Time"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "Hours"),
    QT_TRANSLATE_NOOP("quorvel::Sheet", "# tapstand kits (6 taps)"),
};

QString translated(const char *context, const QString &text)
{
    if (text.isEmpty())
        return text;
    return QCoreApplication::translate(context, text.toUtf8().constData());
}

} // namespace

QString shownCatalogText(const QString &text)
{
    return translated(catalogContext, text);
}

QString shownSheetText(const QString &text)
{
    // The picked pump's and tank's descriptions, as the design calculation writes them.
    static const QRegularExpression pump(QStringLiteral("^(.*) pump (.*) model$"));
    static const QRegularExpression tank(QStringLiteral("^(.*) Tank (.*) M\\^3$"));
    if (const QRegularExpressionMatch m = pump.match(text); m.hasMatch())
        return QCoreApplication::translate("quorvel::Sheet", "%1 pump %2 model")
            .arg(shownCatalogText(m.captured(1)), m.captured(2));
    if (const QRegularExpressionMatch m = tank.match(text); m.hasMatch())
        return QCoreApplication::translate("quorvel::Sheet", "%1 Tank %2 M^3")
            .arg(shownCatalogText(m.captured(1)), m.captured(2));
    return translated(sheetContext, text);
}

void showSheetTextsTranslated(CellTable &table)
{
    table.setShownText([](int col, int row, const QString &text) {
        return row == 0 || col != valueColumn ? shownSheetText(text) : text;
    });
}

void showCatalogTextsTranslated(CellTable &table)
{
    table.setShownText([](int, int, const QString &text) { return shownCatalogText(text); });
}

} // namespace quorvel
