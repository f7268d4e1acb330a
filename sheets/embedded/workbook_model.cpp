#include "sheets/embedded/workbook_model.h"

#include "platform/exception.h"
#include "sheets/sheet_names.h"

namespace lingotab::sheets {

WorkbookModel::WorkbookModel() {
    insert(0, 1);
}

int WorkbookModel::indexOf(const SheetModel* sheet) const {
    for (int i = 0; i < count(); ++i)
        if (sheets_[i].get() == sheet) return i;
    return -1;
}

SheetPtr WorkbookModel::find(const QString& name) const {
    for (const SheetPtr& s : sheets_)
        if (s->name().compare(name, Qt::CaseInsensitive) == 0) return s;
    return nullptr;
}

SheetPtr WorkbookModel::insert(int index, int count) {
    SheetPtr added;
    for (int i = 0; i < count; ++i) {
        QString name;
        do name = QStringLiteral("Sheet%1").arg(++lastNumber_);
        while (find(name));
        added = std::make_shared<SheetModel>(name);
        sheets_.insert(sheets_.begin() + index + i, added);
        active_ = index + i;
    }
    return added;
}

void WorkbookModel::remove(int index) {
    if (count() == 1)
        throw Exception(QStringLiteral("A workbook must contain at least one visible worksheet."));
    sheets_[index]->markRemoved();
    sheets_.erase(sheets_.begin() + index);
    // The spreadsheet activates the next sheet, or the previous one after the last.
    if (active_ > index || active_ == count()) --active_;
}

void WorkbookModel::rename(int index, const QString& name) {
    QStringList others;
    for (int i = 0; i < count(); ++i)
        if (i != index) others.append(sheets_[i]->name());
    validateSheetName(name, others);
    sheets_[index]->setName(name);
}

}  // namespace lingotab::sheets
