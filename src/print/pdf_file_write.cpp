#include "pdf_file_write.h"

#include "storage/whole_file_write.h"

#include <QBuffer>

namespace mirune {

using namespace Qt::StringLiterals;

PdfResult writePdfSafely(const QString &path, const PdfDrawing &draw) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString problem;
    {
        // The writer puts the document's last parts (the page tree, the cross-reference table)
        // into the buffer when it ends; only then is the document complete.
        QPdfWriter writer(&buffer);
        problem = draw(writer);
    }
    if (!problem.isEmpty())
        return {PdfResult::Status::Failed,
                u"ファイル「%1」に保存できませんでした。%2"_s.arg(path, problem)};

    const FileWriteResult written = writeWholeFile(path, buffer.data());
    if (!written.ok())
        return {PdfResult::Status::Failed, written.message};
    return {};
}

} // namespace mirune
