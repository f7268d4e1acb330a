#pragma once

#include <QString>
#include <functional>

namespace lingotab::sheets {

// How the embedded engine treats `Visible := True`, which saves the active
// workbook and shows it.
struct EngineOptions {
    // Empty: each new workbook becomes the first free Book1.xlsx,
    // Book2.xlsx, ... in workbookDirectory(). Otherwise a new workbook is
    // written to exactly this path.
    QString outputPath;
    // Whether an existing file at outputPath may be replaced.
    bool replaceOutput = false;
    // Open the saved workbook with the desktop's default application; never
    // without a display or with LINGOTAB_NO_VIEWER=1.
    bool openViewer = true;
    // Told the path of every workbook saved.
    std::function<void(const QString& path)> saved;
};

// Registers the embedded workbook engine as "Excel.Application":
// CoCreateInstance starts an application, which from then on is the running
// one that GetActiveObject returns. Replaces an earlier registration.
void registerEmbeddedWorkbookEngine(EngineOptions options = {});

}  // namespace lingotab::sheets
