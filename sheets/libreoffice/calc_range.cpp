#include "sheets/libreoffice/calc_objects.h"

#include "platform/exception.h"
#include "sheets/libreoffice/calc_values.h"
#include "sheets/libreoffice/uno_errors.h"
#include "sheets/libreoffice/uno_text.h"

#include <com/sun/star/awt/FontWeight.hpp>
#include <com/sun/star/sheet/XCellRangeAddressable.hpp>
#include <com/sun/star/sheet/XCellRangeData.hpp>
#include <com/sun/star/table/XColumnRowRange.hpp>

namespace lingotab::sheets::calc {

using css::uno::Any;
using css::uno::UNO_QUERY_THROW;

void writeValues(const Reference<css::table::XCellRange>& range, const Variant& value) {
    const auto address =
        Reference<css::sheet::XCellRangeAddressable>(range, UNO_QUERY_THROW)->getRangeAddress();
    const CellRows rows = cellRows(value, address.EndRow - address.StartRow + 1,
                                   address.EndColumn - address.StartColumn + 1);
    Reference<css::sheet::XCellRangeData>(range, UNO_QUERY_THROW)->setDataArray(rows);
}

Reference<css::beans::XPropertySet> CalcRange::properties() const {
    return Reference<css::beans::XPropertySet>(range_, UNO_QUERY_THROW);
}

// All columns that the range touches, set at once.
Reference<css::beans::XPropertySet> CalcRange::columns() const {
    const Reference<css::table::XColumnRowRange> lines(range_, UNO_QUERY_THROW);
    return Reference<css::beans::XPropertySet>(lines->getColumns(), UNO_QUERY_THROW);
}

Variant CalcRange::get(const QString& member, const VariantList& args) {
    expectArguments(args, 0);
    if (member == QLatin1String("Columns"))
        return DispatchPtr(std::make_shared<CalcRange>(session_, range_, View::Columns));
    if (member == QLatin1String("Font"))
        return DispatchPtr(std::make_shared<CalcCellProperties>(
            session_, guarded([&] { return properties(); }), CalcCellProperties::Kind::Font));
    if (member == QLatin1String("Interior"))
        return DispatchPtr(std::make_shared<CalcCellProperties>(
            session_, guarded([&] { return properties(); }), CalcCellProperties::Kind::Interior));
    automation::notSupported(member);
}

void CalcRange::put(const QString& member, const VariantList& args, const Variant& value) {
    expectArguments(args, 0);
    if (member == QLatin1String("Value")) {
        guarded([&] { writeValues(range_, value); });
    } else if (member == QLatin1String("HorizontalAlignment")) {
        const Any justify(unoHorizontalAlignment(value.toInt()));
        guarded([&] { properties()->setPropertyValue(OUString("HoriJustify"), justify); });
    } else if (member == QLatin1String("ColumnWidth")) {
        const Any width(unoColumnWidth(value.toDouble()));
        guarded([&] { columns()->setPropertyValue(OUString("Width"), width); });
    } else {
        automation::notSupported(member);
    }
}

// Fits the widths of the columns, or the heights of the rows, to what the
// cells hold now; a later change of the cells does not fit them again.
Variant CalcRange::call(const QString& member, const VariantList& args) {
    if (member != QLatin1String("AutoFit")) automation::notSupported(member);
    expectArguments(args, 0);
    if (view_ == View::Cells)
        throw Exception(QStringLiteral("AutoFit method of Range class failed"));
    guarded([&] {
        if (view_ == View::Columns) {
            columns()->setPropertyValue(OUString("OptimalWidth"), Any(true));
        } else {
            const Reference<css::table::XColumnRowRange> lines(range_, UNO_QUERY_THROW);
            Reference<css::beans::XPropertySet>(lines->getRows(), UNO_QUERY_THROW)
                ->setPropertyValue(OUString("OptimalHeight"), Any(true));
        }
    });
    return Variant();
}

void CalcCellProperties::put(const QString& member, const VariantList& args, const Variant& value) {
    expectArguments(args, 0);
    const auto set = [&](const char* property, const Any& setting) {
        guarded(
            [&] { properties_->setPropertyValue(OUString::createFromAscii(property), setting); });
    };
    if (kind_ == Kind::Interior) {
        if (member != QLatin1String("Color")) automation::notSupported(member);
        set("CellBackColor", Any(unoColor(value.toInt())));
        return;
    }
    if (member == QLatin1String("Bold"))
        set("CharWeight",
            Any(value.toBool() ? css::awt::FontWeight::BOLD : css::awt::FontWeight::NORMAL));
    else if (member == QLatin1String("Name"))
        set("CharFontName", Any(toUno(value.toString())));
    else if (member == QLatin1String("Size"))
        set("CharHeight", Any(static_cast<float>(value.toDouble())));
    else if (member == QLatin1String("Color"))
        set("CharColor", Any(unoColor(value.toInt())));
    else
        automation::notSupported(member);
}

}  // namespace lingotab::sheets::calc
