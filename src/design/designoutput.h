#pragma once

#include "sitedesign.h"

#include <QIODevice>
#include <memory>

namespace quorvel {

// Writes designed sites to a device, one after the other, in UTF-8.
class ResultWriter {
public:
    enum class Format { Table, Csv, Json };
    static std::unique_ptr<ResultWriter> create(Format format, QIODevice &out);

    virtual ~ResultWriter() = default;
    virtual void write(const SiteResult &result) = 0;
    // After the last site.
    virtual void finish() = 0;
};

// The notes of a site for one line of text: its error, or its warnings.
QString notesOf(const SiteResult &result);

} // namespace quorvel
