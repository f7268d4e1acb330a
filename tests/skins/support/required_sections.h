#pragma once

#include <QStringList>

namespace lingotab::skins::test {

// Sections that the program's windows, controls, menus, hints and title bar
// ask for; every internal skin defines them.
inline const QStringList kRequiredSections = {"GLOBALINFO",
                                              "FORM",
                                              "FORMTITLE",
                                              "EDIT",
                                              "PANEL",
                                              "BUTTON",
                                              "CHECKBOX",
                                              "HINT",
                                              "MENUITEM",
                                              "MENULINE",
                                              "ICOLINE",
                                              "SELECTION",
                                              "SPEEDBUTTON_SMALL",
                                              "DIALOG",
                                              "SCROLLBAR1H",
                                              "SCROLLBAR1V",
                                              "SCROLLBAR2H",
                                              "SCROLLBAR2V",
                                              "SCROLLBTNTOP",
                                              "SCROLLBTNBOTTOM",
                                              "SCROLLBTNLEFT",
                                              "SCROLLBTNRIGHT",
                                              "SCROLLSLIDERH",
                                              "SCROLLSLIDERV"};

}  // namespace lingotab::skins::test
