#pragma once

#include "sheets/libreoffice/calc_application.h"

#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>

#include <QString>

namespace lingotab::test {

// The one headless office of a test program: started through the back end
// (CoCreateInstance) on its own pipe with a fresh profile in a temporary
// folder, and ended with its whole process group by stop(), or by a
// watchdog process when the test program dies before that.
class TestOffice {
  public:
    static TestOffice& instance();

    // Registers the back end for "Excel.Application" and starts the office
    // once; false with skipReason() when LibreOffice is not installed or did
    // not start.
    bool start();
    void stop();
    const QString& skipReason() const { return skipReason_; }
    const sheets::calc::OfficeOptions& options() const { return options_; }
    // How long the start took.
    double startSeconds() const { return startSeconds_; }

    css::uno::Reference<css::frame::XDesktop2> desktop() const;
    // Closes every document without saving, so that each test begins with
    // no workbook open.
    void closeAllDocuments() const;
    // A new spreadsheet document with sheets of these names, in front.
    css::uno::Reference<css::sheet::XSpreadsheetDocument> newWorkbook(
        const QStringList& sheets) const;

  private:
    TestOffice();
    sheets::calc::OfficeOptions options_;
    QString profileDir_;
    QString skipReason_;
    double startSeconds_ = 0;
    bool started_ = false;
    int watchdog_ = -1;      // pid of the watchdog process
    int watchdogPipe_ = -1;  // its pipe: the office's group id, then end of file when we end
};

}  // namespace lingotab::test
