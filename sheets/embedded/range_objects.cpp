// Range, Font and Interior: what a sheet's cells, rows and columns take.
#include "platform/exception.h"
#include "sheets/embedded/objects.h"

namespace lingotab::sheets {

namespace {

[[noreturn]] void refused(const char* property, const char* object) {
    throw Exception(QStringLiteral("Unable to set the %1 property of the %2 class")
                        .arg(QLatin1String(property), QLatin1String(object)));
}

int colorNumber(const Variant& value, const char* object) {
    const int color = value.toInt();
    if (color < 0 || color > 0xFFFFFF) refused("Color", object);
    return color;
}

// The part of a range that formats go to.
class RangePart : public IDispatch {
  public:
    RangePart(SheetPtr sheet, const CellArea& area) : sheet_(std::move(sheet)), area_(area) {}

    Variant get(const QString& member, const VariantList&) override { notSupported(member); }
    Variant call(const QString& member, const VariantList&) override { notSupported(member); }

  protected:
    void apply(const CellFormat& change) {
        checkAlive(*sheet_);
        sheet_->formats().add(area_, change);
    }

    SheetPtr sheet_;
    CellArea area_;
};

class FontObject : public RangePart {
  public:
    using RangePart::RangePart;

    void put(const QString& member, const VariantList& args, const Variant& value) override {
        if (!args.empty()) notSupported(member);
        CellFormat change;
        if (is(member, "Bold")) {
            change.bold = value.toBool();
        } else if (is(member, "Name")) {
            change.fontName = value.toString();
            if (change.fontName->isEmpty()) refused("Name", "Font");
        } else if (is(member, "Size")) {
            change.fontSize = value.toDouble();
            if (*change.fontSize < 1 || *change.fontSize > 409) refused("Size", "Font");
        } else if (is(member, "Color")) {
            change.fontColor = colorNumber(value, "Font");
        } else {
            notSupported(member);
        }
        apply(change);
    }
};

class InteriorObject : public RangePart {
  public:
    using RangePart::RangePart;

    void put(const QString& member, const VariantList& args, const Variant& value) override {
        if (!is(member, "Color") || !args.empty()) notSupported(member);
        CellFormat change;
        change.fillColor = colorNumber(value, "Interior");
        apply(change);
    }
};

std::optional<HorizontalAlignment> alignmentFrom(int constant) {
    switch (static_cast<HorizontalAlignment>(constant)) {
        case HorizontalAlignment::General:
        case HorizontalAlignment::Left:
        case HorizontalAlignment::Center:
        case HorizontalAlignment::Right:
        case HorizontalAlignment::Fill:
        case HorizontalAlignment::Justify:
        case HorizontalAlignment::CenterAcrossSelection:
        case HorizontalAlignment::Distributed:
            return static_cast<HorizontalAlignment>(constant);
    }
    return std::nullopt;
}

class RangeObject : public RangePart {
  public:
    RangeObject(SheetPtr sheet, const CellArea& area, RangeView view)
        : RangePart(std::move(sheet), area), view_(view) {}

    const SheetModel* sheet() const { return sheet_.get(); }
    const CellArea& area() const { return area_; }

    Variant get(const QString& member, const VariantList& args) override {
        checkAlive(*sheet_);
        if (!args.empty()) notSupported(member);
        if (is(member, "Columns")) return makeRangeObject(sheet_, area_, RangeView::Columns);
        if (is(member, "Font")) return DispatchPtr(std::make_shared<FontObject>(sheet_, area_));
        if (is(member, "Interior"))
            return DispatchPtr(std::make_shared<InteriorObject>(sheet_, area_));
        notSupported(member);
    }

    void put(const QString& member, const VariantList& args, const Variant& value) override {
        checkAlive(*sheet_);
        if (!args.empty()) notSupported(member);
        if (is(member, "Value")) {
            if (const auto* array = value.array())
                sheet_->cells().assign(area_, *array);
            else
                sheet_->cells().assign(area_, value);
        } else if (is(member, "HorizontalAlignment")) {
            CellFormat change;
            change.alignment = alignmentFrom(value.toInt());
            if (!change.alignment) refused("HorizontalAlignment", "Range");
            apply(change);
        } else if (is(member, "ColumnWidth")) {
            const double width = value.toDouble();
            if (width < 0 || width > kMaxColumnWidth) refused("ColumnWidth", "Range");
            sheet_->widths().set(area_.left, area_.right, width);
        } else {
            notSupported(member);
        }
    }

    Variant call(const QString& member, const VariantList& args) override {
        checkAlive(*sheet_);
        if (!is(member, "AutoFit") || !args.empty()) notSupported(member);
        switch (view_) {
            case RangeView::Columns:
                sheet_->autoFitColumns(area_);
                break;
            // Row heights follow their contents already; nothing fixes them.
            case RangeView::Rows:
                break;
            case RangeView::Cells:
                throw Exception(QStringLiteral("AutoFit method of Range class failed"));
        }
        return {};
    }

  private:
    RangeView view_;
};

}  // namespace

DispatchPtr makeRangeObject(SheetPtr sheet, const CellArea& area, RangeView view) {
    return std::make_shared<RangeObject>(std::move(sheet), area, view);
}

const CellArea* rangeArea(const IDispatch* object, const SheetModel* sheet) {
    const auto* range = dynamic_cast<const RangeObject*>(object);
    return range && range->sheet() == sheet ? &range->area() : nullptr;
}

}  // namespace lingotab::sheets
