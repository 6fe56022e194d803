#include "data_file.h"
#include "data_file_layout.h"
#include "file_messages.h"
#include "model/hour_fields.h"
#include "model/term_rule.h"
#include "model/units.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStringEncoder>
#include <cerrno>
#include <cstring>

namespace mirune {

using namespace Qt::StringLiterals;

QString data_file::plainNumber(int value) {
    return fncNumberText(value);
}

QString data_file::paddedNumber(int value) {
    return fncNumberText(value) + u' ';
}

namespace {

class LineWriter {
  public:
    void text(const QString &value) {
        if (firstBadLine == 0 && (value.contains(u'\r') || value.contains(u'\n')))
            firstBadLine = lineCount + 1;
        out += value;
        out += u"\r\n"_s;
        ++lineCount;
    }
    void number(int value) { text(data_file::plainNumber(value)); }
    void padded(int value) { text(data_file::paddedNumber(value)); }
    void flag(Flag value) { text(fncBoolToText(value)); }
    // A date is its month and day; the year follows from the school year when read back.
    void date(const QDate &value) {
        const QDate d = value.isValid() ? value : zeroDate();
        number(d.month());
        number(d.day());
    }
    void plan(const HourTotalsRecord &record) {
        for (HourField f : dataFileOrder())
            padded(record.hours[f]);
    }
    // The six subject lines of a timetable, Monday to Saturday.
    void timetable(const ZuriWeekTotal *week) {
        const ZuriDayTime *d = week ? week->objFirstDay.get() : nullptr;
        for (int i = 0; i < 6; ++i) {
            text(d ? d->strSubject : QString());
            if (d)
                d = d->objNextDay.get();
        }
    }

    QString out;
    int lineCount = 0;
    int firstBadLine = 0; // a value with a line break would shift every later line
};

} // namespace

EncodeResult encodeDataFile(const AppState &state) {
    EncodeResult result;
    if (state.intSpecialCount < 0 || state.intSpecialCount > kMaxSpecialCount) {
        result.error =
            file_messages::specialCountOutOfRange(state.intSpecialCount, kMaxSpecialCount);
        return result;
    }

    LineWriter w;
    w.out.reserve(64 * 1024);
    w.text(data_file::headerLine());
    w.number(state.intYear);
    w.number(state.intGrade);
    w.text(state.strClass);
    w.text(state.strTeacher);
    for (const QDate &d : state.dateHoliday)
        w.date(d);
    w.flag(state.boolSat1);
    w.flag(state.boolSat2);
    w.number(state.intSpecialCount);
    // Slots 0 to N: the file carries one spare slot after the holidays in use.
    for (int k = 0; k <= state.intSpecialCount; ++k)
        w.date(state.dateSpecial[k]);
    w.plan(state.objYearPlan ? *state.objYearPlan : ZuriYearTotal());
    w.timetable(state.objWeekPlanA.get());
    w.timetable(state.objWeekPlanB.get());
    for (int i = 0; i < kStoredWeekCredits; ++i)
        w.text(state.strWeekCreditA[i]);
    for (int i = 0; i < kStoredWeekCredits; ++i)
        w.text(state.strWeekCreditB[i]);
    for (const SeasonTotalRef &term : fncPlanTerms(state))
        w.plan(*term);
    for (const ZuriDayTime *d = state.objFirstDay ? state.objFirstDay->objNextDay.get() : nullptr;
         d; d = d->objNextDay.get()) {
        w.date(d->dateThisDay);
        w.text(d->strSubject);
        w.text(d->strCredit);
        w.text(d->strComment);
        w.flag(d->boolNowPlanning);
    }

    if (w.firstBadLine != 0) {
        result.line = w.firstBadLine;
        result.error = file_messages::lineBreakInText(w.firstBadLine);
        return result;
    }

    QStringEncoder encoder(data_file::kCodec);
    result.bytes = encoder.encode(w.out);
    if (encoder.hasError()) {
        // Find the line that cannot be written, so the message can name it.
        const QStringList lines = w.out.split(u"\r\n"_s);
        for (int i = 0; i < lines.size(); ++i) {
            // Stateless: a lone surrogate at the end of the line is an error, not held back.
            QStringEncoder lineEncoder(data_file::kCodec, QStringConverter::Flag::Stateless);
            // The encoding happens only when its result is taken.
            const QByteArray encodedLine = lineEncoder.encode(lines[i]);
            if (lineEncoder.hasError()) {
                result.line = i + 1;
                break;
            }
        }
        result.bytes.clear();
        result.error = file_messages::cannotEncode(result.line);
    }
    return result;
}

namespace {

SaveResult saveFailure(const QString &path, int errorNumber, const QString &description) {
    SaveResult result;
    result.status = SaveResult::Status::Failed;
    result.errorNumber = errorNumber;
    result.message = file_messages::saveFailed(path, errorNumber, description);
    return result;
}

SaveResult systemFailure(const QString &path, int errorNumber) {
    return saveFailure(path, errorNumber, QString::fromLocal8Bit(std::strerror(errorNumber)));
}

SaveResult deviceFailure(const QString &path, const QSaveFile &file, int savedErrno) {
    // The system's own number and description where it left one. Without it, EIO stands for
    // the failure, with Qt's description of it.
    if (savedErrno != 0)
        return systemFailure(path, savedErrno);
    return saveFailure(path, EIO, file.errorString());
}

} // namespace

SaveResult subSaveFile(const AppState &state) {
    if (state.strFileName.isEmpty() || state.intYear == 0) {
        SaveResult result;
        result.status = SaveResult::Status::NothingToSave;
        result.message = file_messages::nothingToSave();
        return result;
    }
    const QString &path = state.strFileName;

    const EncodeResult encoded = encodeDataFile(state);
    if (!encoded.error.isEmpty()) {
        SaveResult result;
        result.status = SaveResult::Status::Failed;
        result.message = encoded.error;
        return result;
    }

    // The file is replaced through a temporary file in the same folder, which would also
    // replace a read-only file: refuse that as writing in place would.
    const QFileInfo info(path);
    if (info.isDir())
        return systemFailure(path, EISDIR);
    if (info.exists() && (!info.isFile() || !info.isWritable()))
        return systemFailure(path, EACCES);

    QSaveFile file(path);
    errno = 0;
    // Unbuffered: a write that stops part way (a full disk) must show in the count write()
    // returns. Through the buffer it would surface only in commit(), which takes a short write
    // for success and puts the cut-off file in place of the previous one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return deviceFailure(path, file, errno);
    errno = 0;
    if (file.write(encoded.bytes) != encoded.bytes.size()) {
        const int savedErrno = errno;
        SaveResult failure = deviceFailure(path, file, savedErrno);
        file.cancelWriting();
        return failure;
    }
    errno = 0;
    if (!file.commit())
        return deviceFailure(path, file, errno);
    return {};
}

} // namespace mirune
