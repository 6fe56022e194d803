#include "cli_support.h"
#include "commands.h"

namespace mirune::cli {

using namespace Qt::StringLiterals;

int runPrint(const QStringList &) {
    err() << u"mirune-cli print: printing is not available yet"_s << Qt::endl;
    return kExitUsage;
}

} // namespace mirune::cli
