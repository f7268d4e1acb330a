#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <optional>

namespace lingotab::platform {

// A resource module: the translated texts of the program in a UTF-8 text
// file (a byte-order mark is allowed) beside the executable.
//
//   LINGOTAB RESOURCE MODULE 1
//   ; a comment
//   [STRINGTABLE]
//   65120=EN
//   65121=File "
//   [TForm1]
//   Form1.Caption=Lingotab v1.0 ...
//   sBitBtn1.Left=3
//
// The first line names the format. Then come sections: "[STRINGTABLE]" holds
// string-table entries by identifier (0 to 65535); every other section is the
// description of the window class it is named after, one
// "Component.Property=value" line per property. A value runs from the first
// "=" to the end of the line; "\" starts an escape: "\\" backslash, "\n" line
// feed, "\r" carriage return, "\t" tab, "\s" blank (for blanks at either end
// that editors tend to trim). Empty lines and lines starting with ";" are
// skipped. A file that breaks any of these rules is not a module.
class ResourceModule {
  public:
    using Properties = QHash<QString, QString>;  // "Component.Property" -> value

    // The module in `fileName`, or nullopt when it cannot be read or is not
    // a module.
    static std::optional<ResourceModule> load(const QString& fileName);
    static std::optional<ResourceModule> parse(QByteArrayView bytes);

    // The string-table entry `id`, cut to 4095 characters; empty when the
    // module lacks it.
    QString LoadString(int id) const;

    // The description named `name` (a window class), or nullptr.
    const Properties* FindResource(const QString& name) const;

  private:
    QHash<int, QString> strings_;
    QHash<QString, Properties> resources_;
};

}  // namespace lingotab::platform
