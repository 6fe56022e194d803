#pragma once

#include <memory>

class QPrinter;

namespace mirune::ui {

// The printer whose page set-up holds for the session. It is made when first asked for: making a
// printer looks up the system's print service, which would otherwise hold up the main window's
// first paint for a printer that most sessions never use.
class SessionPrinter {
  public:
    SessionPrinter();
    ~SessionPrinter();
    SessionPrinter(const SessionPrinter &) = delete;
    SessionPrinter &operator=(const SessionPrinter &) = delete;

    QPrinter &get();

  private:
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace mirune::ui
