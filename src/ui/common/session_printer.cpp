#include "session_printer.h"

#include <QPrinter>

namespace mirune::ui {

SessionPrinter::SessionPrinter() = default;
SessionPrinter::~SessionPrinter() = default;

QPrinter &SessionPrinter::get() {
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>();
    return *m_printer;
}

} // namespace mirune::ui
