#pragma once

// A PDF document into a file, written completely or not at all: for the command line and for
// the print window's "save as PDF".

#include <QPdfWriter>
#include <QString>
#include <QStringList>
#include <functional>

namespace mirune {

struct PdfResult {
    enum class Status {
        Written,
        NothingToPrint, // no school year set up: refused with the print window's message
        Failed,         // nothing was written (a font is missing, the file cannot be written)
    };
    Status status = Status::Written;
    QString message; // empty when written
    // Written, and said of the sheets scaled down to stay whole on the paper (fncShrinkNotice).
    QStringList notices = {};

    bool ok() const { return status == Status::Written; }
};

// Draws the whole document onto the writer it is given; returns the problem met, empty when the
// document is complete.
using PdfDrawing = std::function<QString(QPdfWriter &writer)>;

// Draws the document into memory first, then writes it to `path` in one go through a temporary
// file that replaces the previous file only when every byte was written. A failure names the
// system's error number and text; the previous file, if any, stays as it was.
PdfResult writePdfSafely(const QString &path, const PdfDrawing &draw);

} // namespace mirune
