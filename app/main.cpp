// Lingotab: the window program.

#include "app/fonts.h"
#include "app/form1.h"
#include "app/message_boxes.h"
#include "app/texts/text_set.h"
#include "platform/module_file.h"
#include "sheets/embedded/embedded_engine.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv) {
    using namespace lingotab;
    QApplication application(argc, argv);
    // "Excel.Application" is answered by the embedded workbook engine.
    sheets::registerEmbeddedWorkbookEngine();
    app::installProgramFonts();

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
