#pragma once

#include "platform/automation/dispatch.h"

#include <QStringList>
#include <memory>

namespace lingotab::test {

// A spreadsheet application that answers every member: each property read
// gives a further object (a count gives 1, a name "Sheet1"), each
// call a further object. Registered as "Excel.Application" while it lives;
// it logs every write as "<member> := <value>" (arrays as "array(RxC)").
class RecordingSpreadsheet {
  public:
    RecordingSpreadsheet();
    ~RecordingSpreadsheet();

    const QStringList& writes() const { return *writes_; }

  private:
    std::shared_ptr<QStringList> writes_ = std::make_shared<QStringList>();
};

}  // namespace lingotab::test
