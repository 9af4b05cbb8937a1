#pragma once

#include "designsummary.h"
#include "sitedesign.h"

#include <QIODevice>
#include <memory>

namespace quorvel {

// Writes designed sites to a device, one after the other, in UTF-8.
class ResultWriter {
public:
    enum class Format { Table, Csv, Json };
    // withSummary: finish() will be given a bill of quantities.
    static std::unique_ptr<ResultWriter> create(Format format, QIODevice &out, bool withSummary = false);

    virtual ~ResultWriter() = default;
    virtual void write(const SiteResult &result) = 0;
    // After the last site, with the bill of quantities when one was asked for.
    virtual void finish(const DesignSummary *summary) = 0;
};

// The notes of a site for one line of text, in the user's language: its error, or its
// choices and warnings.
QString notesOf(const SiteResult &result);

// A CSV text field as a spreadsheet must not run it: one that starts like a formula
// (=, +, -, @) and is not a number gets a leading apostrophe.
QString neutralised(const QString &field);

} // namespace quorvel
