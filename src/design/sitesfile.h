#pragma once

#include "linelist.h"
#include "sitedesign.h"

namespace quorvel {

// A sites file: comma-separated by the catalogs' rules, the first line captions,
// then one site a line (name and the seven inputs). Only the lines are kept; each
// site is made when it is asked for, so a long file costs its text and no more.
class SitesFile {
public:
    // Reads the file, "-" standard input. Raises the line reader's error when the
    // file cannot be read.
    void load(const QString &path);

    // Lines 2.. of the file; an empty line holds no site.
    int lineCount() const { return lines_.count(); }
    bool holdsSite(int index) const;
    // The site of line index + 1.
    Site site(int index) const;

private:
    LineList lines_;
};

// The site of one line of such a file (fields past the eighth are ignored, missing
// ones read empty).
Site siteFromLine(int line, const QString &text);

} // namespace quorvel
