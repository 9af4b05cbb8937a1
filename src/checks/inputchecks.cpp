#include "inputchecks.h"

#include "numbers.h"
#include "sheetlayout.h"

#include <QCoreApplication>

#include <cmath>

namespace quorvel {

namespace {

// Each input's name and unit as the checks name them, and the range it must lie in.
struct InputRange {
    const char *name;
    const char *unit;
    const char *requirement;
};

const InputRange &rangeOf(int inputRow)
{
    static const InputRange ranges[] = {
        {QT_TRANSLATE_NOOP("quorvel::InputChecks", "pipeline length"), QT_TRANSLATE_NOOP("quorvel::InputChecks", "m"),
         QT_TRANSLATE_NOOP("quorvel::InputChecks", "above 0 m")},
        {QT_TRANSLATE_NOOP("quorvel::InputChecks", "water source elevation"), QT_TRANSLATE_NOOP("quorvel::InputChecks", "m"),
         QT_TRANSLATE_NOOP("quorvel::InputChecks", "any finite number")},
        {QT_TRANSLATE_NOOP("quorvel::InputChecks", "storage elevation"), QT_TRANSLATE_NOOP("quorvel::InputChecks", "m"),
         QT_TRANSLATE_NOOP("quorvel::InputChecks", "any finite number")},
        {QT_TRANSLATE_NOOP("quorvel::InputChecks", "population"), QT_TRANSLATE_NOOP("quorvel::InputChecks", "people"),
         QT_TRANSLATE_NOOP("quorvel::InputChecks", "above 0 people")},
        {QT_TRANSLATE_NOOP("quorvel::InputChecks", "pumping time"), QT_TRANSLATE_NOOP("quorvel::InputChecks", "h/day"),
         QT_TRANSLATE_NOOP("quorvel::InputChecks", "above 0 and at most 24 h/day")},
        {QT_TRANSLATE_NOOP("quorvel::InputChecks", "daily usage"),
         QT_TRANSLATE_NOOP("quorvel::InputChecks", "L/person/day"),
         QT_TRANSLATE_NOOP("quorvel::InputChecks", "above 0 L/person/day")},
        {QT_TRANSLATE_NOOP("quorvel::InputChecks", "people per tap"), QT_TRANSLATE_NOOP("quorvel::InputChecks", "people"),
         QT_TRANSLATE_NOOP("quorvel::InputChecks", "above 0 people")},
    };
    return ranges[inputRow - InputTexts::firstRow];
}

TranslatableText translated(const char *text)
{
    return TranslatableText::of("quorvel::InputChecks", text);
}

} // namespace

TranslatableText inputFault(int inputRow, const QString &text)
{
    const auto value = finiteNumber(text);
    if (!value)
        return text.trimmed().isEmpty() ? translatable("quorvel::SiteDesigner", "missing")
                                        : translatable("quorvel::SiteDesigner", "not a number");
    if (inputRow == InputRow::SourceElevation || inputRow == InputRow::StorageElevation)
        return {};
    if (*value <= 0)
        return translatable("quorvel::SiteDesigner", "must be greater than 0");
    if (inputRow == InputRow::PumpingHours && *value > hoursPerDay)
        return translatable("quorvel::SiteDesigner", "must be at most 24 hours a day");
    return {};
}

QList<DesignCheck> inputChecks(const InputTexts &texts)
{
    QList<DesignCheck> checks;
    for (int row = InputTexts::firstRow; row <= InputTexts::lastRow; ++row) {
        const TranslatableText fault = inputFault(row, texts[row]);
        if (fault.isEmpty())
            continue;
        const InputRange &range = rangeOf(row);
        const TranslatableText name = translated(range.name);
        const TranslatableText unit = translated(range.unit);
        const auto value = finiteNumber(texts[row]);
        // "pipeline length -2400 m: must be greater than 0", "population '': missing"
        const TranslatableText shownValue =
            value ? TranslatableText::plain(QString::number(double(*value), 'g', 15) + QLatin1Char(' ')) += unit
                  : TranslatableText::plain(QStringLiteral("'%1'").arg(texts[row].trimmed()));
        // A text that is no number has no value to show.
        DesignCheck check{name.shown, value ? double(*value) : std::nan(""), 0, value ? unit.shown : QString(),
                          CheckOutcome::Fail,
                          translatable("quorvel::InputChecks", "%1 %2: %3").arg(name, shownValue, fault),
                          translated(range.requirement).shown};
        checks << check;
    }
    return checks;
}

} // namespace quorvel
