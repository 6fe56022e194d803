#pragma once

#include <QStringList>

namespace mirune::cli {

// Each command takes the arguments after its own name and returns the process exit code.
int runNew(const QStringList &args);
int runHolidays(const QStringList &args);
int runInfo(const QStringList &args);
int runSchooldays(const QStringList &args);
int runSummary(const QStringList &args);
int runSchool(const QStringList &args);
int runResave(const QStringList &args);
int runRegister(const QStringList &args);
int runStandardHours(const QStringList &args);
int runPrint(const QStringList &args); // in the print program only: needs a QGuiApplication

// The print program's file name, in the folder of mirune-cli.
#ifdef Q_OS_WIN
inline constexpr const char *kPrintProgram = "mirune-cli-print.exe";
#else
inline constexpr const char *kPrintProgram = "mirune-cli-print";
#endif

// mirune-cli's print command: runs the print program with the arguments and returns its exit
// code.
int runPrintProgram(const QStringList &args);

} // namespace mirune::cli
