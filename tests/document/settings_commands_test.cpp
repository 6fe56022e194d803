// The settings as steps of 元に戻す, with no window: each kind of settings change done, undone and
// done again gives back the file's bytes exactly, the recovery copy follows each, typing is one
// step, a text the file cannot carry and a code no subject has are refused, and every change is
// told once through the one change signal.

#include "document/class_document.h"
#include "file_bytes.h"
#include "model/class_settings.h"
#include "model/day_snapshot.h"
#include "model/hour_fields.h"
#include "model/range_registration.h"
#include "model/school_day.h"
#include "model/year_plan_entry.h"
#include "storage/data_file.h"
#include "storage/file_text.h"
#include "storage/recovery_copy.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>
#include <functional>

using namespace Qt::StringLiterals;
using namespace mirune;

namespace {

using mirune::test::readBytes;

QString recoveryFolder() {
    return QFileInfo(fncRecoveryCopyPath(QString())).absolutePath();
}

// The example class's year opened from a copy of its file.
struct OpenYear {
    AppState state;
    ClassDocument document{state};
    explicit OpenYear(const QTemporaryDir &dir, const QString &name = u"3年1組.zr2"_s) {
        subInitApp(state);
        const QString path = dir.filePath(name);
        QFile::remove(path);
        QFile::copy(QString::fromUtf8(MIRUNE_EXAMPLE_PATH), path);
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        ok = document.open(path).ok();
    }
    QByteArray bytes() const { return encodeDataFile(state).bytes; }
    bool ok = false;
};

// One kind of settings change: what the plan is given first (directly, as a file could hold
// it), and the change itself through the document.
struct SettingsChange {
    const char *name;
    std::function<void(AppState &)> prepare;
    std::function<bool(ClassDocument &, const AppState &)> make;
    PlanChange::Parts told;
};

PlanTexts zeroTexts() {
    PlanTexts texts;
    texts.base.fill(u"0"_s);
    texts.terms.fill(u"0"_s);
    return texts;
}

// Timetable B not set up, in a class of another grade than the file's: its lengths are not the
// file's.
void emptyTimetableB(AppState &state) {
    for (QString &credits : state.strWeekCreditB)
        credits.clear();
    state.intGrade = 6;
}

const std::vector<SettingsChange> &settingsChanges() {
    static const std::vector<SettingsChange> changes = {
        {"another school year, the records dropped", nullptr,
         [](ClassDocument &d, const AppState &s) {
             ClassChoice choice{2027, u"3"_s, s.strClass, s.strTeacher};
             return d.setClassSettings(choice, [] { return YearChangeAnswer::Yes; }) ==
                    ClassResult::Stored;
         },
         PlanChange::Parts(PlanChange::Class) | PlanChange::Days},
        {"the grade", nullptr, [](ClassDocument &d, const AppState &) { return d.setGrade(4); },
         PlanChange::Class},
        {"the class", nullptr,
         [](ClassDocument &d, const AppState &) { return d.setClassName(u"ひまわり"_s); },
         PlanChange::Class},
        {"the teacher", nullptr,
         [](ClassDocument &d, const AppState &) { return d.setTeacher(u"鈴木　一郎"_s); },
         PlanChange::Class},
        {"the vacation days", nullptr,
         [](ClassDocument &d, const AppState &) {
             VacationDays days;
             days.summerFirstDay = 24;
             days.winterLastDay = 9;
             return d.setVacationDays(days);
         },
         PlanChange::Holidays},
        {"a teacher's holiday added", nullptr,
         [](ClassDocument &d, const AppState &s) {
             return d.addTeacherHoliday(fncFirstUnregisteredSchoolDay(s)) ==
                    AddHolidayResult::Added;
         },
         PlanChange::Holidays},
        {"a teacher's holiday given back",
         [](AppState &s) { fncAddTeacherHoliday(s, fncFirstUnregisteredSchoolDay(s)); },
         [](ClassDocument &d, const AppState &s) {
             return d.removeTeacherHoliday(s.dateSpecial[s.intSpecialCount - 1]);
         },
         PlanChange::Holidays},
        {"a plan figure", nullptr,
         [](ClassDocument &d, const AppState &s) {
             PlanTexts texts = fncPlanTexts(s);
             texts.terms[planTermBox(2, 1)] = u"41.2"_s;
             return d.setPlanTexts(texts, kPlanRows + planTermBox(2, 1));
         },
         PlanChange::Plans},
        {"標準時数を入れる",
         [](AppState &s) {
             PlanTexts texts = zeroTexts();
             subGetYearPlan(s, texts);
         },
         [](ClassDocument &d, const AppState &) { return d.fillBasePlanFromStandard(); },
         PlanChange::Plans},
        {"学期に配分",
         [](AppState &s) {
             PlanTexts texts = fncPlanTexts(s);
             texts.terms.fill(u"0"_s);
             subGetYearPlan(s, texts);
         },
         [](ClassDocument &d, const AppState &) { return d.splitBasePlanOverTerms(); },
         PlanChange::Plans},
        {"a timetable's length", nullptr,
         [](ClassDocument &d, const AppState &) {
             return d.setTimetableLength(TimetableChoice::A, 1, 7, 4);
         },
         PlanChange::Timetables},
        {"a timetable's subject", nullptr,
         [](ClassDocument &d, const AppState &) {
             return d.setTimetableSubject(TimetableChoice::B, 2, 1, u'道');
         },
         PlanChange::Timetables},
        {"a timetable's subject taken out", nullptr,
         [](ClassDocument &d, const AppState &) {
             return d.setTimetableSubject(TimetableChoice::A, 0, 1, kNoSubject);
         },
         PlanChange::Timetables},
        {"the grade's lengths for an empty timetable", emptyTimetableB,
         [](ClassDocument &d, const AppState &) {
             return d.fillDefaultLengths(TimetableChoice::B);
         },
         PlanChange::Timetables},
    };
    return changes;
}

} // namespace

class SettingsCommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(u"mirune"_s);
    }
    void init() { QDir(recoveryFolder()).removeRecursively(); }

    void eachSettingsStepGivesBackTheSameBytes_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(settingsChanges().size()); ++i)
            QTest::newRow(settingsChanges()[i].name) << i;
    }
    void eachSettingsStepGivesBackTheSameBytes() {
        QFETCH(int, index);
        const SettingsChange &change = settingsChanges()[index];
        OpenYear year(m_dir);
        QVERIFY(year.ok);
        if (change.prepare)
            change.prepare(year.state);
        const QByteArray before = year.bytes();
        QSignalSpy told(&year.document, &ClassDocument::changed);

        QVERIFY(change.make(year.document, year.state));
        const QByteArray after = year.bytes();
        QVERIFY(after != before);
        QCOMPARE(year.document.undoStack()->count(), 1);
        QVERIFY(!year.document.undoStack()->undoText().isEmpty());
        // Told once, with the parts it touched; the recovery copy holds the change at once.
        QCOMPARE(told.size(), 1);
        const auto done = told.takeFirst().front().value<PlanChange>();
        QCOMPARE(done.parts & change.told, change.told);
        QVERIFY(!done.replayed);
        QCOMPARE(readBytes(year.document.ownCopyPath()), after);

        year.document.undoStack()->undo();
        QCOMPARE(year.bytes(), before);
        QCOMPARE(told.size(), 1);
        QVERIFY(told.takeFirst().front().value<PlanChange>().replayed);
        year.document.undoStack()->redo();
        QCOMPARE(year.bytes(), after);
        year.document.undoStack()->undo();
        QCOMPARE(year.bytes(), before);
    }

    // A school year left with its records (はい) gets them back, and the lessons being entered
    // with them, when the step is taken back.
    void anotherYearTakenBackBringsTheRecordsAndEntriesBack() {
        OpenYear year(m_dir);
        QVERIFY(year.ok);
        const QDate day = fncFirstUnregisteredSchoolDay(year.state);
        const ShownColumn untouched = year.document.column(day);
        const int period = int(untouched.content.credits.indexOf(u'3'));
        QVERIFY(year.document.setSubject(day, period, u'道'));
        const int records = chainLength(*year.state.objFirstDay);
        QVERIFY(records > 0);

        ClassChoice choice{2027, u"3"_s, year.state.strClass, year.state.strTeacher};
        QCOMPARE(year.document.setClassSettings(choice, [] { return YearChangeAnswer::Yes; }),
                 ClassResult::Stored);
        QCOMPARE(chainLength(*year.state.objFirstDay), 0);
        QVERIFY(year.document.enteredDays().isEmpty());
        QCOMPARE(year.state.boolDaySelected, qint16(0)); // the main window chooses again

        year.document.undoStack()->undo();
        QCOMPARE(year.state.intYear, qint16(2026));
        QCOMPARE(chainLength(*year.state.objFirstDay), records);
        QCOMPARE(year.document.enteredDays(), QList<QDate>{day});
        // The step before it is the entered lesson: still there to be taken back.
        year.document.undoStack()->undo();
        QVERIFY(year.document.enteredDays().isEmpty());
    }

    // A value typed character by character is one step, made from the plan as it was before
    // the typing began: a day passed through on the way leaves nothing behind, and a value
    // typed back to what it was leaves no step at all.
    void typingIsOneStep() {
        OpenYear typed(m_dir);
        OpenYear direct(m_dir, u"3年2組.zr2"_s);
        QVERIFY(typed.ok && direct.ok);
        const QString teacher = typed.state.strTeacher;
        QVERIFY(typed.document.setTeacher(u"鈴"_s));
        QVERIFY(typed.document.setTeacher(u"鈴木"_s));
        QCOMPARE(typed.document.undoStack()->count(), 1);
        QCOMPARE(typed.document.undoStack()->undoText(), u"担任を「鈴木」にする"_s);

        // The summer vacation typed as "2", then "24": as if 24 had been typed at once.
        VacationDays days;
        days.summerFirstDay = 2;
        QVERIFY(typed.document.setVacationDays(days));
        days.summerFirstDay = 24;
        QVERIFY(typed.document.setVacationDays(days));
        QCOMPARE(typed.document.undoStack()->count(), 2);
        QVERIFY(direct.document.setTeacher(u"鈴木"_s));
        QVERIFY(direct.document.setVacationDays(days));
        QCOMPARE(typed.bytes(), direct.bytes());

        typed.document.undoStack()->undo();
        typed.document.undoStack()->undo();
        QCOMPARE(typed.state.strTeacher, teacher);

        // Typed and typed back: no step.
        OpenYear back(m_dir, u"3年3組.zr2"_s);
        QVERIFY(back.document.setTeacher(u"鈴木"_s));
        QVERIFY(back.document.setTeacher(teacher));
        QCOMPARE(back.document.undoStack()->count(), 0);
        QCOMPARE(back.bytes(), readBytes(back.state.strFileName));
    }

    // A text the data file cannot carry never reaches the plan: the window names the field, the
    // document refuses it as well.
    void textTheFileCannotCarryIsRefused_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("refused");
        QTest::newRow("CP932 has it") << u"髙橋　①"_s << QString();
        QTest::newRow("outside the basic plane") << u"𠮷田"_s << u"𠮷"_s;
        QTest::newRow("no CP932 character") << u"Zoë 😀 Zoë"_s << u"ë😀"_s;
        QTest::newRow("a line break") << u"山田\r\n花子"_s << u"\r\n"_s;
        QTest::newRow("a lone surrogate") << QString(QChar(0xD842)) << QString(QChar(0xD842));
    }
    void textTheFileCannotCarryIsRefused() {
        QFETCH(QString, text);
        QFETCH(QString, refused);
        QCOMPARE(fncUnwritableCharacters(text), refused);
        OpenYear year(m_dir);
        QVERIFY(year.ok);
        const QByteArray before = year.bytes();
        QCOMPARE(year.document.setTeacher(text), refused.isEmpty());
        QCOMPARE(year.document.setClassName(text), refused.isEmpty());
        if (refused.isEmpty())
            return;
        QCOMPARE(year.bytes(), before);
        QCOMPARE(year.document.undoStack()->count(), 0);
        // Whatever is typed, the file and its recovery copy can always be written.
        QVERIFY(encodeDataFile(year.state).error.isEmpty());
    }

    // The subject goes as its code from a palette to the file: a code no subject has is refused
    // loudly, never recorded as a blank period, and a subject no palette offers (予備) is kept.
    void subjectTravelsAsItsCode() {
        OpenYear year(m_dir);
        QVERIFY(year.ok);
        const QDate day = fncFirstUnregisteredSchoolDay(year.state);
        const ShownColumn shown = year.document.column(day);
        const int period = int(shown.content.credits.indexOf(u'3'));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"no subject's code"_s));
        QVERIFY(!year.document.setSubject(day, period, u'X'));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"no subject's code"_s));
        QVERIFY(!year.document.setTimetableSubject(TimetableChoice::A, 0, 1, u'X'));
        QCOMPARE(year.document.undoStack()->count(), 0);

        const int weekday = day.dayOfWeek() - 1;
        QVERIFY(year.document.setTimetableSubject(TimetableChoice::A, weekday, period, u'予'));
        QCOMPARE(year.document.column(day).content.subjects[period], u'予');
        QVERIFY(year.document.registerDay(day));
        const DayRef record = fncDaySnapshot(*year.state.objFirstDay, day);
        QVERIFY(record);
        QCOMPARE(record->strSubject[period], u'予');
    }

    // まとめて登録 of nothing, or of days that cannot be registered, takes no step.
    void registeringNothingTakesNoStep() {
        OpenYear year(m_dir);
        QVERIFY(year.ok);
        QVERIFY(year.document.registerDays({}, TimetableChoice::A).isEmpty());
        const QDate sunday(2026, 6, 7);
        QVERIFY(year.document.registerDays({sunday}, TimetableChoice::A).isEmpty());
        QCOMPARE(year.document.undoStack()->count(), 0);
    }

  private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(SettingsCommandsTest)
#include "settings_commands_test.moc"
