#include "workbook_write.h"

#include "model/notation.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <optional>
#include <xlsxwriter.h>

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

// Colours as the hours summary window shows them.
constexpr lxw_color_t kTermShade = 0xE6FFFF;
constexpr lxw_color_t kYearShade = 0xCDFFFF;
constexpr lxw_color_t kHeadingShade = 0xE0E0E0;
constexpr lxw_color_t kNegative = 0xFF0000;
constexpr lxw_color_t kPositive = 0x0000FF;
constexpr int kPaperA4 = 9;
const char kFontName[] = "ＭＳ ゴシック";
const char kSheetName[] = "時数集計";

// Columns in characters of a spreadsheet's default font: full-width characters take two.
double textWidth(const QString &text) {
    return fncDisplayWidth(text);
}

// The widest line of a text, in the same measure.
double widestLine(const QString &text) {
    double width = 0;
    for (const QString &line : text.split(u'\n'))
        width = std::max(width, textWidth(line));
    return width;
}

// A number column's heading in two lines, the unit under the name ("学期･計画" over "（時間）"),
// so that the column stays as narrow as its figures.
QString twoLineHeading(const QString &heading) {
    const qsizetype unit = heading.indexOf(u'（');
    return unit > 0 ? heading.left(unit) + u'\n' + heading.mid(unit) : heading;
}

// The formats a workbook needs, made once per combination for all its sheets. Two formats of the
// same properties would each be looked up again by the library for every cell that uses them.
class Formats {
  public:
    explicit Formats(lxw_workbook *book) : m_book(book) {}

    lxw_format *heading() {
        if (!m_heading) {
            m_heading = base();
            format_set_bold(m_heading);
            format_set_align(m_heading, LXW_ALIGN_CENTER);
            format_set_align(m_heading, LXW_ALIGN_VERTICAL_CENTER);
            format_set_text_wrap(m_heading);
            format_set_bg_color(m_heading, kHeadingShade);
        }
        return m_heading;
    }
    lxw_format *title() {
        if (!m_title) {
            m_title = workbook_add_format(m_book);
            format_set_font_name(m_title, kFontName);
            format_set_bold(m_title);
            format_set_font_size(m_title, 14);
        }
        return m_title;
    }
    // The files that could not be read, under the table: red, as a warning is.
    lxw_format *unread(bool heading) {
        lxw_format *&f = heading ? m_unreadHeading : m_unread;
        if (!f) {
            f = workbook_add_format(m_book);
            format_set_font_name(f, kFontName);
            format_set_font_color(f, kNegative);
            if (heading)
                format_set_bold(f);
        }
        return f;
    }
    lxw_format *plain() {
        if (!m_plain) {
            m_plain = workbook_add_format(m_book);
            format_set_font_name(m_plain, kFontName);
        }
        return m_plain;
    }
    // A cell of the table: `number` picks the number format of the totalling columns.
    lxw_format *cell(const ReportCell &c, bool number) {
        // The properties the format ends up with, and only those, make its key.
        enum Align { Left, Centre, Right };
        enum NumberFormat { None, Hours, Percent };
        Align align = Right;
        if (c.kind == ReportCell::Kind::Label)
            align = c.shade == ReportCell::Shade::Heading ? Centre : Left;
        NumberFormat numberFormat = None;
        if (c.kind == ReportCell::Kind::Figure && number)
            numberFormat = Hours;
        else if (c.kind == ReportCell::Kind::Rate)
            numberFormat = Percent;
        const int key = align * 1000 + numberFormat * 100 + int(c.shade) * 10 + (c.sign + 1);
        if (lxw_format *f = m_cells.value(key))
            return f;
        lxw_format *f = base();
        format_set_align(f, align == Left     ? LXW_ALIGN_LEFT
                            : align == Centre ? LXW_ALIGN_CENTER
                                              : LXW_ALIGN_RIGHT);
        if (numberFormat == Hours)
            format_set_num_format(f, "0.00");
        else if (numberFormat == Percent)
            format_set_num_format(f, "0.0%");
        if (c.shade == ReportCell::Shade::Term)
            format_set_bg_color(f, kTermShade);
        else if (c.shade == ReportCell::Shade::Year)
            format_set_bg_color(f, kYearShade);
        else if (c.shade == ReportCell::Shade::Heading)
            format_set_bg_color(f, kHeadingShade);
        if (c.sign < 0)
            format_set_font_color(f, kNegative);
        else if (c.sign > 0)
            format_set_font_color(f, kPositive);
        m_cells.insert(key, f);
        return f;
    }

  private:
    lxw_format *base() {
        lxw_format *f = workbook_add_format(m_book);
        format_set_font_name(f, kFontName);
        format_set_border(f, LXW_BORDER_THIN);
        return f;
    }

    lxw_workbook *m_book;
    lxw_format *m_heading = nullptr;
    lxw_format *m_title = nullptr;
    lxw_format *m_plain = nullptr;
    lxw_format *m_unread = nullptr;
    lxw_format *m_unreadHeading = nullptr;
    QHash<int, lxw_format *> m_cells;
};

// The first thing the library refused while the sheet was filled, with the cell it was for.
class SheetErrors {
  public:
    void check(lxw_error result, int row, int column) {
        if (result != LXW_NO_ERROR && m_first == LXW_NO_ERROR) {
            m_first = result;
            m_row = row;
            m_column = column;
        }
    }
    bool failed() const { return m_first != LXW_NO_ERROR; }
    QString message() const {
        return u"ワークブックの%1行%2列目を書けませんでした（%3）。"_s.arg(m_row + 1)
            .arg(m_column + 1)
            .arg(QString::fromUtf8(lxw_strerror(m_first)));
    }

  private:
    lxw_error m_first = LXW_NO_ERROR;
    int m_row = 0;
    int m_column = 0;
};

void writeText(SheetErrors &errors, lxw_worksheet *sheet, int row, int column, const QString &text,
               lxw_format *f) {
    errors.check(worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(column),
                                        text.toUtf8().constData(), f),
                 row, column);
}

void writeNumber(SheetErrors &errors, lxw_worksheet *sheet, int row, int column, double number,
                 lxw_format *f) {
    errors.check(worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(column), number, f), row,
                 column);
}

// Fills the sheet; the first cell the library refused (a text past a cell's 32,767 characters,
// a row past the sheet's last), or nothing when the whole table is in.
std::optional<QString> fillSheet(Formats &formats, lxw_worksheet *sheet, const ReportTable &table) {
    SheetErrors errors;
    constexpr int kHeadingRow = 3;
    writeText(errors, sheet, 0, 0, table.title, formats.title());
    if (!table.classLine.isEmpty())
        writeText(errors, sheet, 1, 0, table.classLine, formats.plain());

    // The number columns follow the table's own, one per Figure column.
    const int firstNumberColumn = int(table.headings.size());
    QStringList headings = table.headings;
    for (const QString &heading : table.numberHeadings)
        headings += twoLineHeading(heading);
    QList<double> widths;
    bool twoLines = false;
    for (int c = 0; c < headings.size(); ++c) {
        widths += widestLine(headings[c]);
        twoLines = twoLines || headings[c].contains(u'\n');
        writeText(errors, sheet, kHeadingRow, c, headings[c], formats.heading());
    }
    if (twoLines)
        errors.check(worksheet_set_row(sheet, kHeadingRow, 2 * LXW_DEF_ROW_HEIGHT, nullptr),
                     kHeadingRow, 0);

    for (int r = 0; r < table.rows.size(); ++r) {
        const int sheetRow = kHeadingRow + 1 + r;
        int numberColumn = firstNumberColumn;
        const QList<ReportCell> &cells = table.rows[r];
        for (int c = 0; c < cells.size(); ++c) {
            const ReportCell &cell = cells[c];
            const bool asNumber = cell.number && cell.kind != ReportCell::Kind::Figure;
            if (asNumber)
                writeNumber(errors, sheet, sheetRow, c, *cell.number, formats.cell(cell, false));
            else
                writeText(errors, sheet, sheetRow, c, cell.text, formats.cell(cell, false));
            if (c < widths.size())
                widths[c] = std::max(widths[c], textWidth(cell.text));
            if (cell.kind == ReportCell::Kind::Figure && numberColumn < widths.size()) {
                writeNumber(errors, sheet, sheetRow, numberColumn, cell.number.value_or(0.0),
                            formats.cell(cell, true));
                ++numberColumn;
            }
        }
        // The workbook is lost with its first refused cell: no need to go on.
        if (errors.failed())
            return errors.message();
    }
    for (int c = 0; c < widths.size(); ++c)
        errors.check(
            worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), widths[c] + 2, nullptr),
            kHeadingRow, c);

    // Under the table, after a blank row, the files it leaves out: each with its reason in one
    // cell, which runs on over the empty cells beside it.
    int lastRow = kHeadingRow + int(table.rows.size());
    if (!table.unread.isEmpty()) {
        lastRow += 2;
        writeText(errors, sheet, lastRow, 0, u"読み込めなかったファイル"_s, formats.unread(true));
        for (const UnreadFile &file : table.unread)
            writeText(errors, sheet, ++lastRow, 0, file.file + u"　"_s + file.reason,
                      formats.unread(false));
    }

    worksheet_set_paper(sheet, kPaperA4);
    worksheet_set_landscape(sheet);
    worksheet_fit_to_pages(sheet, 1, table.onePage ? 1 : 0);
    errors.check(worksheet_print_area(sheet, 0, 0, lxw_row_t(lastRow),
                                      lxw_col_t(std::max<qsizetype>(widths.size(), 1) - 1)),
                 lastRow, 0);
    errors.check(worksheet_repeat_rows(sheet, kHeadingRow, kHeadingRow), kHeadingRow, 0);
    return errors.failed() ? std::optional<QString>(errors.message()) : std::nullopt;
}

} // namespace

QByteArray fncWorkbookBytes(const ReportTable &table, QString *error) {
    QTemporaryDir dir;
    if (!dir.isValid()) {
        *error = dir.errorString();
        return {};
    }
    const QString tempPath = dir.filePath(u"book.xlsx"_s);
    lxw_workbook *book = workbook_new(QFile::encodeName(tempPath).constData());
    if (!book) {
        *error = u"ワークブックを作れませんでした。"_s;
        return {};
    }
    // The table's own sheet, then those that follow it, each under a name of its own. A
    // workbook without one of its sheets, or with cells left out, is no report: the library's
    // refusal is the error, and nothing is written.
    QStringList names;
    Formats formats(book);
    const auto addSheet = [&](const ReportTable &t) -> std::optional<QString> {
        const QString wanted = t.sheetName.isEmpty() ? QString::fromUtf8(kSheetName) : t.sheetName;
        QString name = wanted;
        for (int n = 2; names.contains(name); ++n)
            name = wanted + QString::number(n);
        names += name;
        lxw_worksheet *sheet = workbook_add_worksheet(book, name.toUtf8().constData());
        if (!sheet)
            return u"ワークブックにシートを作れませんでした。"_s;
        return fillSheet(formats, sheet, t);
    };
    std::optional<QString> refused = addSheet(table);
    for (const ReportTable &following : table.followingSheets)
        if (!refused)
            refused = addSheet(following);
    if (refused) {
        workbook_close(book);
        *error = *refused;
        return {};
    }
    if (const lxw_error result = workbook_close(book); result != LXW_NO_ERROR) {
        *error = QString::fromUtf8(lxw_strerror(result));
        return {};
    }
    QFile file(tempPath);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    return file.readAll();
}

FileWriteResult writeWorkbook(const QString &path, const ReportTable &table) {
    QString error;
    const QByteArray bytes = fncWorkbookBytes(table, &error);
    if (bytes.isEmpty()) {
        FileWriteResult result;
        result.status = FileWriteResult::Status::Failed;
        result.message = u"%1 に書き込めませんでした（%2）。"_s.arg(path, error);
        return result;
    }
    return writeWholeFile(path, bytes);
}

} // namespace mirune
