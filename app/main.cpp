// Lingotab: the window program.

#include "app/fonts.h"
#include "app/form1.h"
#include "app/message_boxes.h"
#include "app/texts/text_set.h"
#include "platform/module_file.h"
#include "sheets/libreoffice/libreoffice_spreadsheet.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv) {
    using namespace lingotab;
    QApplication application(argc, argv);
    app::installProgramFonts();

    // "Excel.Application" is answered by the spreadsheet application the user
    // chose in LINGOTAB_SPREADSHEET (a running office of ours, Calc, or the
    // embedded workbook engine); a choice we do not know falls back to auto.
    sheets::SpreadsheetChoice choice = sheets::SpreadsheetChoice::Auto;
    try {
        choice = sheets::spreadsheetChoiceFromEnvironment();
    } catch (const Exception& e) {
        app::ShowErrorBox(nullptr, e.message());
    }
    sheets::registerChosenSpreadsheet(choice);

    // The text set is chosen before the window is built.
    const app::TextSet& texts = app::currentTextSet();
    std::unique_ptr<app::TForm1> form;
    try {
        form = std::make_unique<app::TForm1>(texts, platform::GetModuleFileName());
    } catch (const Exception& e) {
        app::ShowErrorBox(nullptr, e.message());
        return 1;
    }
    form->show();
    const int result = application.exec();
    form.reset();
    return result;
}
