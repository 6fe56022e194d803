#pragma once

#include <QStringList>

namespace mirune::cli {

// Each command takes the arguments after its own name and returns the process exit code.
int runNew(const QStringList &args);
int runInfo(const QStringList &args);
int runSchooldays(const QStringList &args);
int runSummary(const QStringList &args);
int runResave(const QStringList &args);
int runPrint(const QStringList &args);

} // namespace mirune::cli
