#include "sheets/libreoffice/libreoffice_spreadsheet.h"

#include "platform/automation/com.h"
#include "platform/exception.h"
#include "sheets/libreoffice/calc_application.h"

#include <gtest/gtest.h>

namespace lingotab::sheets {
namespace {

TEST(SpreadsheetChoice, NamesAsTheUserTypesThem) {
    EXPECT_EQ(parseSpreadsheetChoice(QStringLiteral("embedded")), SpreadsheetChoice::Embedded);
    EXPECT_EQ(parseSpreadsheetChoice(QStringLiteral("libreoffice")),
              SpreadsheetChoice::LibreOffice);
    EXPECT_EQ(parseSpreadsheetChoice(QStringLiteral("auto")), SpreadsheetChoice::Auto);
    for (const char* wrong : {"", "LibreOffice", "excel", "auto "})
        EXPECT_FALSE(parseSpreadsheetChoice(QString::fromLatin1(wrong))) << wrong;

    qputenv("LINGOTAB_SPREADSHEET", "calc");
    EXPECT_THROW(spreadsheetChoiceFromEnvironment(), Exception);
    qunsetenv("LINGOTAB_SPREADSHEET");
    EXPECT_EQ(spreadsheetChoiceFromEnvironment(), SpreadsheetChoice::Auto);
}

// Tests run off screen with no office of ours on the pipe: auto means the
// embedded engine, an explicit choice is taken as it is, and a choice of
// LibreOffice without Calc registers nothing rather than something else.
TEST(SpreadsheetChoice, WhatAnswersForEachChoice) {
    qputenv("LINGOTAB_OFFICE_PIPE", "lingotab-choice-test-nobody");
    const bool calc = calc::calcInstalled();
    struct Case {
        SpreadsheetChoice choice;
        std::optional<SpreadsheetChoice> registered;
    } cases[] = {
        {SpreadsheetChoice::Embedded, SpreadsheetChoice::Embedded},
        {SpreadsheetChoice::Auto, SpreadsheetChoice::Embedded},
        {SpreadsheetChoice::LibreOffice,
         calc ? std::optional(SpreadsheetChoice::LibreOffice) : std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.choice));
        EXPECT_EQ(registerChosenSpreadsheet(c.choice), c.registered);
        automation::CLSID clsid;
        EXPECT_EQ(automation::succeeded(
                      automation::CLSIDFromProgID(QStringLiteral("Excel.Application"), clsid)),
                  c.registered.has_value());
    }
    // Calc chosen but no office listening: the running object is not there.
    if (calc) {
        automation::CLSID clsid;
        automation::DispatchPtr excel;
        ASSERT_EQ(automation::CLSIDFromProgID(QStringLiteral("Excel.Application"), clsid),
                  automation::S_OK);
        EXPECT_EQ(automation::GetActiveObject(clsid, excel), automation::MK_E_UNAVAILABLE);
        EXPECT_FALSE(excel);
    }
    qunsetenv("LINGOTAB_OFFICE_PIPE");
}

}  // namespace
}  // namespace lingotab::sheets
