#pragma once

#include "file_kind.h"

#include <QString>

namespace mirune::file_messages {

using namespace Qt::StringLiterals;

// The two messages of the data file routines, exactly as users have always seen them.
inline QString nothingToSave() {
    return u"まだ保存するデータがありません。"_s;
}
inline QString notADataFile() {
    return u"「トワラ2002」のデータファイルではありません"_s;
}

// What a read that failed after the header check reports: the line and what was wrong there.
inline QString readFailedAt(int line, const QString &reason) {
    return u"データファイルの%1行目を読み込めませんでした。%2"_s.arg(line).arg(reason);
}
inline QString readError(const QString &reason) {
    return u"データファイルを最後まで読み込めませんでした（%1）。"_s.arg(reason);
}
inline QString invalidDate(qint64 month, qint64 day) {
    return u"月と日（%1月%2日）が日付になりません。"_s.arg(month).arg(day);
}
inline QString endsInsideGroup(const QString &what) {
    return u"ファイルが%1の途中で終わっています。"_s.arg(what);
}
inline QString numberOutOfRange(const QString &text) {
    return u"数値「%1」が範囲（-32768～32767）を超えています。"_s.arg(text);
}
inline QString tooManyLines(int limit) {
    return u"行数が上限の%1行を超えています。"_s.arg(limit);
}
inline QString specialCountOutOfRange(int count, int limit) {
    return u"特別な休日の数（%1）が0～%2の範囲にありません。"_s.arg(count).arg(limit);
}
inline QString notShiftJis() {
    return u"シフトJIS（CP932）の文字として読めないバイトがあります。"_s;
}
inline QString cannotOpen(const QString &path, const QString &reason) {
    return u"ファイル「%1」を開けませんでした。%2"_s.arg(path, reason);
}

// Parts of the file, named in the messages above.
inline QString partHeader() {
    return u"学級の設定"_s;
}
inline QString partHolidays() {
    return u"休日の設定"_s;
}
inline QString partBasePlan() {
    return u"基本時数"_s;
}
inline QString partTimetables() {
    return u"週間時間割"_s;
}
inline QString partTermPlans() {
    return u"学期の計画時数"_s;
}
inline QString partDay() {
    return u"実績の登録日"_s;
}

// What a save that failed reports: the system's error number and its description, and that the
// previous file is still there when there was one.
inline QString saveFailed(const QString &path, int errorNumber, const QString &description,
                          bool previousFileKept) {
    QString message = u"ファイル「%1」に保存できませんでした（エラー %2：%3）。"_s.arg(path)
                          .arg(errorNumber)
                          .arg(description);
    if (previousFileKept)
        message += u"以前のファイルはそのまま残っています。"_s;
    return message;
}

// What a path names when it is not a regular file.
inline QString kindName(FileKind kind) {
    switch (kind) {
    case FileKind::Directory:
        return u"フォルダ"_s;
    case FileKind::Fifo:
        return u"名前付きパイプ"_s;
    case FileKind::CharacterDevice:
    case FileKind::BlockDevice:
        return u"デバイス"_s;
    case FileKind::Socket:
        return u"ソケット"_s;
    case FileKind::Missing:
    case FileKind::Regular:
    case FileKind::Other:
        break;
    }
    return u"特殊なファイル"_s;
}
inline QString notARegularFile(const QString &kind) {
    return u"通常のファイルではありません（%1）。"_s.arg(kind);
}
inline QString saveTargetNotRegular(const QString &path, const QString &kind) {
    return u"ファイル「%1」に保存できませんでした。保存先が通常のファイルではありません（%2）。"_s
        .arg(path, kind);
}
inline QString saveFolderMissing(const QString &path, const QString &folder) {
    return u"ファイル「%1」に保存できませんでした。保存先のフォルダ「%2」がありません。"_s.arg(
        path, folder);
}
inline QString noFileName() {
    return u"ファイル名が指定されていません。"_s;
}

// The reader's limits on a file's size and on a line's length (data_file_layout.h).
inline QString fileTooLarge(qint64 limitBytes) {
    return u"データファイルが大きさの上限（%1 MiB）を超えています。%2バイト目より先は読み込みませんでした。"_s
        .arg(limitBytes / (1024 * 1024))
        .arg(limitBytes);
}
inline QString lineTooLong(qint64 limitBytes) {
    return u"行の長さが上限（%1 KiB）を超えています。"_s.arg(limitBytes / 1024);
}
inline QString schoolYearOutOfRange(qint64 year, int first, int last) {
    return u"年度（%1）が%2～%3の範囲にありません。"_s.arg(year).arg(first).arg(last);
}

inline QString cannotEncode(int line) {
    return u"%1行目の文字をシフトJIS（CP932）で保存できません。"_s.arg(line);
}
inline QString textTooLong(int line, qint64 limitBytes) {
    return u"%1行目に保存する文字列が長すぎます（上限 %2 KiB）。"_s.arg(line).arg(limitBytes /
                                                                                  1024);
}
inline QString dataTooLarge(qint64 limitBytes) {
    return u"保存するデータが大きさの上限（%1 MiB）を超えています。"_s.arg(limitBytes /
                                                                           (1024 * 1024));
}
inline QString lineBreakInText(int line) {
    return u"%1行目に保存する文字列に改行が含まれています。"_s.arg(line);
}

} // namespace mirune::file_messages
