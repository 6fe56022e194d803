// The document that owns an open class-year, with no window: "modified" as a comparison of bytes,
// the recovery copy offered by content and removed only by the run that wrote it, the lock
// against a second program, the lessons being entered kept until registered or cleared, and one
// rule for what an untouched day registers.

#include "document/class_document.h"
#include "file_bytes.h"
#include "model/class_settings.h"
#include "model/day_snapshot.h"
#include "model/range_registration.h"
#include "storage/data_file_lock.h"
#include "storage/recovery_copy.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace mirune;

namespace {

using mirune::test::readBytes;
using mirune::test::writeBytes;

void setModified(const QString &path, const QDateTime &when) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(when, QFileDevice::FileModificationTime));
}

QString recoveryFolder() {
    return QFileInfo(fncRecoveryCopyPath(QString())).absolutePath();
}

// A class's year, as a state and its document.
struct OpenYear {
    AppState state;
    ClassDocument document{state};
    OpenYear() { subInitApp(state); }
};

// The first school day the example has not registered, and the example's copy in `dir`.
QString exampleCopy(const QTemporaryDir &dir, const QString &name = u"3年1組.zr2"_s) {
    const QString path = dir.filePath(name);
    QFile::remove(path);
    QFile::copy(QString::fromUtf8(MIRUNE_EXAMPLE_PATH), path);
    QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

QDate firstOpenDay(const AppState &state) {
    return fncFirstUnregisteredSchoolDay(state);
}

// Whether saving now would write other bytes than the file holds (a plan without a file: whether
// there is a plan at all).
bool unsaved(const AppState &state) {
    if (state.intYear == 0)
        return false;
    return state.strFileName.isEmpty() ||
           encodeDataFile(state).bytes != readBytes(state.strFileName);
}

} // namespace

class DocumentTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void init();
    void modifiedIsAComparisonOfBytes();
    void waitingCopyDecidedByContent_data();
    void waitingCopyDecidedByContent();
    void newPlanCopySurvivesARunOnAnotherFile();
    void secondProgramIsRefusedTheFile();
    void saveAsRefusesAFileAnotherProgramHas();
    void enteredLessonsStayUntilRegisteredOrCleared();
    void untouchedDayRegistersAsTheRangeDoes_data();
    void untouchedDayRegistersAsTheRangeDoes();
    void failedCopyToldOnce();

  private:
    QTemporaryDir m_dir;
};

void DocumentTest::initTestCase() {
    QVERIFY(m_dir.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(u"mirune"_s);
}

void DocumentTest::init() {
    QDir(recoveryFolder()).removeRecursively();
    QFile::remove(recoveryFolder());
}

void DocumentTest::modifiedIsAComparisonOfBytes() {
    OpenYear year;
    const QString path = exampleCopy(m_dir);
    QVERIFY(year.document.open(path).ok());
    QVERIFY(!unsaved(year.state));
    const QDate day = firstOpenDay(year.state);
    QVERIFY(year.document.registerDay(day));
    QVERIFY(unsaved(year.state));
    const QString copy = year.document.ownCopyPath();
    QCOMPARE(readBytes(copy), encodeDataFile(year.state).bytes);

    // Taken back, the plan is its file's again: nothing is modified, nothing left to recover.
    year.document.undoStack()->undo();
    QVERIFY(!unsaved(year.state));
    QVERIFY(!QFile::exists(copy));
    year.document.undoStack()->redo();
    QVERIFY(QFile::exists(copy));

    // Saved: the file holds the plan, and the copy goes.
    QVERIFY(year.document.save().ok());
    QVERIFY(!unsaved(year.state));
    QVERIFY(!QFile::exists(copy));
    QCOMPARE(readBytes(path), encodeDataFile(year.state).bytes);
}

void DocumentTest::waitingCopyDecidedByContent_data() {
    QTest::addColumn<bool>("differs");
    QTest::addColumn<int>("fileAge"); // seconds the file is older than the copy (negative: newer)
    QTest::addColumn<bool>("offered");
    QTest::addColumn<bool>("changedSince");
    QTest::newRow("the file's very plan: removed unseen") << false << 60 << false << false;
    QTest::newRow("unsaved work, file older") << true << 60 << true << false;
    // After the crash something else wrote the file (a command, a colleague's copy): the copy is
    // older, and still offered, saying so.
    QTest::newRow("file written since") << true << -60 << true << true;
}

void DocumentTest::waitingCopyDecidedByContent() {
    QFETCH(bool, differs);
    QFETCH(int, fileAge);
    QFETCH(bool, offered);
    QFETCH(bool, changedSince);
    const QString path = exampleCopy(m_dir);
    const QString copy = fncRecoveryCopyPath(path);
    {
        // The run that crashed: its copy stays behind.
        OpenYear crashed;
        QVERIFY(crashed.document.open(path).ok());
        if (differs)
            crashed.document.registerDay(firstOpenDay(crashed.state));
        else
            QVERIFY(subWriteRecoveryBytes(copy, readBytes(path)).ok());
        QVERIFY(QFile::exists(copy));
    }
    const QDateTime now = QDateTime::currentDateTime();
    setModified(copy, now);
    setModified(path, now.addSecs(-fileAge));

    OpenYear next;
    QVERIFY(next.document.open(path).ok());
    const std::optional<ClassDocument::WaitingCopy> waiting = next.document.waitingCopy();
    QCOMPARE(waiting.has_value(), offered);
    QCOMPARE(QFile::exists(copy), offered);
    if (!waiting)
        return;
    QCOMPARE(waiting->path, copy);
    QCOMPARE(waiting->fileChangedSince, changedSince);
    const QByteArray held = readBytes(copy);
    QVERIFY(next.document.restoreCopy(*waiting, path).ok());
    QCOMPARE(encodeDataFile(next.state).bytes, held);
    QVERIFY(unsaved(next.state));
    QCOMPARE(next.state.strFileName, path);
}

void DocumentTest::newPlanCopySurvivesARunOnAnotherFile() {
    // A run begins a new plan and is killed: its copy stays.
    QByteArray newPlan;
    {
        OpenYear crashed;
        ClassChoice choice;
        choice.year = 2026;
        choice.gradeText = u"2"_s;
        choice.classText = u"3"_s;
        QCOMPARE(crashed.document.setClassSettings(choice, nullptr), ClassResult::Stored);
        newPlan = encodeDataFile(crashed.state).bytes;
        QCOMPARE(readBytes(crashed.document.ownCopyPath()), newPlan);
    }
    QCOMPARE(fncNewPlanCopyPaths().size(), 1);

    // The next run works on another class's file, then lets its work go (終了 → いいえ) or saves
    // without a change: only its own copy goes.
    {
        OpenYear other;
        QVERIFY(other.document.open(exampleCopy(m_dir, u"4年1組.zr2"_s)).ok());
        QVERIFY(!other.document.waitingCopy()); // the new plan's copy is not this file's
        QVERIFY(other.document.registerDay(firstOpenDay(other.state)));
        const QString own = other.document.ownCopyPath();
        QVERIFY(QFile::exists(own));
        other.document.discardUnsavedWork();
        QVERIFY(!QFile::exists(own));
        QVERIFY(other.document.save().ok());
        other.document.close(); // an empty plan of the year, in no file
    }
    const QStringList left = fncNewPlanCopyPaths();
    QCOMPARE(left.size(), 1);
    QCOMPARE(readBytes(left.front()), newPlan);

    // A run that begins a new plan is offered it.
    OpenYear later;
    const std::optional<ClassDocument::WaitingCopy> waiting = later.document.waitingCopy();
    QVERIFY(waiting);
    QVERIFY(later.document.restoreCopy(*waiting, QString()).ok());
    QCOMPARE(encodeDataFile(later.state).bytes, newPlan);
    QCOMPARE(later.state.strFileName, QString());
}

void DocumentTest::secondProgramIsRefusedTheFile() {
    const QString path = exampleCopy(m_dir);
    QProcess holder;
    holder.start(QString::fromUtf8(MIRUNE_LOCK_HOLDER_PATH), {path});
    QVERIFY(holder.waitForReadyRead(30000));
    // (Windows's C runtime writes the line end as CR LF.)
    QCOMPARE(holder.readAllStandardOutput().trimmed(), QByteArray("locked"));

    OpenYear second;
    const ClassDocument::OpenResult refused = second.document.open(path);
    QCOMPARE(refused.status, ClassDocument::OpenStatus::HeldElsewhere);
    QCOMPARE(refused.message, u"「3年1組.zr2」はほかのミルネ2002で開かれています。"_s);
    QCOMPARE(second.state.intYear, qint16(0)); // nothing was read

    // Read-only: the plan is there, its saving goes to another name, its copy apart.
    QVERIFY(second.document.open(path, true).ok());
    QVERIFY(second.document.isReadOnly());
    QCOMPARE(second.document.save().status, SaveResult::Status::NothingToSave);
    QVERIFY(second.document.registerDay(firstOpenDay(second.state)));
    QVERIFY(second.document.ownCopyPath() != fncRecoveryCopyPath(path));

    // The holder dies without letting go: its stale lock is taken over.
    holder.kill();
    QVERIFY(holder.waitForFinished(30000));
    OpenYear third;
    QVERIFY(third.document.open(path).ok());
    QVERIFY(!third.document.isReadOnly());
    QCOMPARE(DataFileLock().lock(path), DataFileLock::Status::HeldElsewhere);
    third.document.close();
    QCOMPARE(DataFileLock().lock(path), DataFileLock::Status::Held);
}

void DocumentTest::saveAsRefusesAFileAnotherProgramHas() {
    const QString mine = exampleCopy(m_dir, u"mine.zr2"_s);
    const QString theirs = exampleCopy(m_dir, u"theirs.zr2"_s);
    DataFileLock other;
    QCOMPARE(other.lock(theirs), DataFileLock::Status::Held);
    OpenYear year;
    QVERIFY(year.document.open(mine).ok());
    const QByteArray before = readBytes(theirs);
    year.document.registerDay(firstOpenDay(year.state));
    const SaveResult refused = year.document.saveAs(theirs);
    QCOMPARE(refused.status, SaveResult::Status::Failed);
    QVERIFY(refused.message.contains(u"はほかのミルネ2002で開かれています"_s));
    QCOMPARE(readBytes(theirs), before);
    QCOMPARE(year.state.strFileName, mine);
}

void DocumentTest::enteredLessonsStayUntilRegisteredOrCleared() {
    OpenYear year;
    QVERIFY(year.document.open(exampleCopy(m_dir)).ok());
    const QDate day = firstOpenDay(year.state);
    const ClassDocument::ShownColumn untouched = year.document.column(day);
    QCOMPARE(untouched.kind, ClassDocument::ColumnKind::Untouched);
    const int period = int(untouched.content.credits.indexOf(u'3'));
    QVERIFY(period >= 0);
    const QChar other = untouched.content.subjects[period] == u'国' ? u'算' : u'国';
    QVERIFY(year.document.setSubject(day, period, other));
    const ClassDocument::ShownColumn entered = year.document.column(day);
    QCOMPARE(entered.kind, ClassDocument::ColumnKind::Entered);
    QCOMPARE(entered.content.subjects[period], other);

    // Another timetable: the untouched days follow it, the entered one keeps its lessons.
    const QDate next = day.addDays(day.dayOfWeek() == 5 ? 3 : 1);
    year.document.setTimetable(TimetableChoice::B);
    QCOMPARE(year.document.column(day), entered);
    QCOMPARE(year.document.column(next).content,
             *fncUntouchedColumn(year.state, next, TimetableChoice::B));
    QCOMPARE(year.document.enteredDays(), QList<QDate>{day});

    // Cleared, the day shows the timetable again; undone, the entries are back.
    QVERIFY(year.document.clearEntries(day));
    QCOMPARE(year.document.column(day).kind, ClassDocument::ColumnKind::Untouched);
    year.document.undoStack()->undo();
    QCOMPARE(year.document.column(day), entered);

    // Registered, the day holds what was entered, and no entry is left.
    QVERIFY(year.document.registerDay(day));
    const ClassDocument::ShownColumn registered = year.document.column(day);
    QCOMPARE(registered.kind, ClassDocument::ColumnKind::Registered);
    QCOMPARE(registered.content, entered.content);
    QVERIFY(year.document.enteredDays().isEmpty());

    // Withdrawn, its lessons stay as entered; a range registration leaves that day out.
    QVERIFY(year.document.withdrawDay(day));
    QCOMPARE(year.document.column(day), entered);
    const QList<QDate> registeredAtOnce =
        year.document.registerDays({day, next}, TimetableChoice::A);
    QCOMPARE(registeredAtOnce, QList<QDate>{next});
    QCOMPARE(year.document.column(day), entered);
}

void DocumentTest::untouchedDayRegistersAsTheRangeDoes_data() {
    QTest::addColumn<TimetableChoice>("timetable");
    QTest::newRow("A") << TimetableChoice::A;
    QTest::newRow("B") << TimetableChoice::B;
}

void DocumentTest::untouchedDayRegistersAsTheRangeDoes() {
    QFETCH(TimetableChoice, timetable);
    OpenYear byButton;
    OpenYear byRange;
    const QString path = exampleCopy(m_dir);
    QVERIFY(byButton.document.open(path).ok());
    QVERIFY(byRange.document.open(path, true).ok());
    byButton.document.setTimetable(timetable);
    const QDate first = firstOpenDay(byButton.state);
    const QList<QDate> days =
        fncDaysToRegister(byButton.state, first, first.addDays(13), timetable);
    QVERIFY(days.size() >= 5);
    for (const QDate &d : days)
        QVERIFY(byButton.document.registerDay(d));
    QCOMPARE(byRange.document.registerDays(days, timetable), days);
    for (const QDate &d : days)
        QVERIFY(fncSameDay(fncDaySnapshot(*byButton.state.objFirstDay, d),
                           fncDaySnapshot(*byRange.state.objFirstDay, d)));
    QCOMPARE(encodeDataFile(byButton.state).bytes, encodeDataFile(byRange.state).bytes);
}

void DocumentTest::failedCopyToldOnce() {
    // A file where the copies' folder should be: no copy can be written.
    QDir().mkpath(QFileInfo(recoveryFolder()).absolutePath());
    QVERIFY(writeBytes(recoveryFolder(), "not a folder"));
    OpenYear year;
    QVERIFY(year.document.open(exampleCopy(m_dir)).ok());
    QSignalSpy told(&year.document, &ClassDocument::protectionFailed);
    const QDate day = firstOpenDay(year.state);
    QVERIFY(year.document.registerDay(day));
    QCOMPARE(told.size(), 1);
    QVERIFY(told.front().front().toString().contains(u"回復用のコピー"_s));
    QVERIFY(year.document.withdrawDay(day));
    QCOMPARE(told.size(), 1); // once, until the copy works again
    // Saved: protected again, and a later failure is told again.
    QVERIFY(year.document.save().ok());
    QVERIFY(year.document.registerDay(day));
    QCOMPARE(told.size(), 2);
    QFile::remove(recoveryFolder());
}

QTEST_GUILESS_MAIN(DocumentTest)
#include "document_test.moc"
