#pragma once

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

// What a save that failed reports: the system's error number and its description.
inline QString saveFailed(const QString &path, int errorNumber, const QString &description) {
    return u"ファイル「%1」に保存できませんでした（エラー %2：%3）。以前のファイルはそのまま残っています。"_s
        .arg(path)
        .arg(errorNumber)
        .arg(description);
}
inline QString cannotEncode(int line) {
    return u"%1行目の文字をシフトJIS（CP932）で保存できません。"_s.arg(line);
}
inline QString lineBreakInText(int line) {
    return u"%1行目に保存する文字列に改行が含まれています。"_s.arg(line);
}

} // namespace mirune::file_messages
