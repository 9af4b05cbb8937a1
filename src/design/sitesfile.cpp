#include "sitesfile.h"

#include "celltable.h"
#include "error.h"
#include "rowlist.h"

#include <QFile>

#include <cstdio>

namespace quorvel {

namespace {
constexpr int fieldCount = 1 + SiteInputs::lastRow; // name and seven inputs
}

Site siteFromLine(int line, const QString &text)
{
    CellTable fields(fieldCount, 1);
    fields.setStrictDelimiter(0, true); // only commas part fields: names may hold blanks
    rowList(fields, 0).setCommaText(text);
    // An empty field between commas is stored as one blank; in the file it is empty.
    const auto field = [&fields](int k) {
        const QString value = fields.cell(k, 0);
        return value == QLatin1String(" ") ? QString() : value;
    };
    Site site;
    site.line = line;
    site.name = field(0);
    for (int row = SiteInputs::firstRow; row <= SiteInputs::lastRow; ++row)
        site.inputs[row] = field(row);
    return site;
}

void SitesFile::load(const QString &path)
{
    if (path != QLatin1String("-")) {
        lines_.loadFromFile(path);
        return;
    }
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        throw Error(QStringLiteral("Cannot read the standard input"));
    lines_.loadFromBytes(in.readAll());
}

bool SitesFile::holdsSite(int index) const
{
    return index >= 1 && index < lines_.count() && !lines_[index].trimmed().isEmpty();
}

Site SitesFile::site(int index) const
{
    return siteFromLine(index + 1, lines_[index]);
}

} // namespace quorvel
