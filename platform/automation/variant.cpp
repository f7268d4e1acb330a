#include "platform/automation/variant.h"

#include "platform/automation/dispatch.h"
#include "platform/exception.h"

#include <cmath>

namespace lingotab::automation {

VariantArray2D::VariantArray2D(int rows, int columns)
    : rows_(rows), columns_(columns), cells_(static_cast<size_t>(rows) * columns) {}

Variant& VariantArray2D::at(int row, int column) {
    return cells_[static_cast<size_t>(row) * columns_ + column];
}

const Variant& VariantArray2D::at(int row, int column) const {
    return cells_[static_cast<size_t>(row) * columns_ + column];
}

Variant Variant::null() { return Variant(NullTag{}); }
Variant Variant::missing() { return Variant(ErrorTag{DISP_E_PARAMNOTFOUND}); }
Variant Variant::error(HRESULT code) { return Variant(ErrorTag{code}); }

Variant::Type Variant::type() const {
    static constexpr Type types[] = {Type::Empty,  Type::Null,     Type::Bool,
                                     Type::Int,    Type::Double,   Type::String,
                                     Type::Dispatch, Type::Array, Type::Error};
    return types[value_.index()];
}

bool Variant::isMissing() const {
    const auto* e = std::get_if<ErrorTag>(&value_);
    return e && e->code == DISP_E_PARAMNOTFOUND;
}

QString Variant::typeName(Type type) {
    switch (type) {
        case Type::Empty: return QStringLiteral("Empty");
        case Type::Null: return QStringLiteral("Null");
        case Type::Bool: return QStringLiteral("Boolean");
        case Type::Int: return QStringLiteral("Integer");
        case Type::Double: return QStringLiteral("Double");
        case Type::String: return QStringLiteral("OleStr");
        case Type::Dispatch: return QStringLiteral("Dispatch");
        case Type::Array: return QStringLiteral("Array Variant");
        case Type::Error: return QStringLiteral("Error");
    }
    return {};
}

void Variant::conversionError(Type to) const {
    throw Exception(QStringLiteral("Could not convert variant of type (%1) into type (%2)")
                        .arg(typeName(type()), typeName(to)));
}

bool Variant::toBool() const {
    switch (type()) {
        case Type::Empty: return false;
        case Type::Bool: return std::get<bool>(value_);
        case Type::Int: return std::get<int>(value_) != 0;
        case Type::Double: return std::get<double>(value_) != 0.0;
        default: conversionError(Type::Bool);
    }
}

int Variant::toInt() const {
    switch (type()) {
        case Type::Empty: return 0;
        case Type::Bool: return std::get<bool>(value_) ? -1 : 0;
        case Type::Int: return std::get<int>(value_);
        case Type::Double: return static_cast<int>(std::llround(std::get<double>(value_)));
        case Type::String: {
            bool ok = false;
            const int v = std::get<QString>(value_).trimmed().toInt(&ok);
            if (!ok) conversionError(Type::Int);
            return v;
        }
        default: conversionError(Type::Int);
    }
}

double Variant::toDouble() const {
    switch (type()) {
        case Type::Empty: return 0.0;
        case Type::Bool: return std::get<bool>(value_) ? -1.0 : 0.0;
        case Type::Int: return std::get<int>(value_);
        case Type::Double: return std::get<double>(value_);
        default: conversionError(Type::Double);
    }
}

QString Variant::toString() const {
    switch (type()) {
        case Type::Empty: return {};
        case Type::Bool: return std::get<bool>(value_) ? QStringLiteral("True") : QStringLiteral("False");
        case Type::Int: return QString::number(std::get<int>(value_));
        case Type::Double: return QString::number(std::get<double>(value_));
        case Type::String: return std::get<QString>(value_);
        default: conversionError(Type::String);
    }
}

DispatchPtr Variant::toDispatch() const {
    const auto* d = std::get_if<DispatchPtr>(&value_);
    if (!d || !*d) throw Exception(QStringLiteral("Variant does not reference an automation object"));
    return *d;
}

const VariantArray2D* Variant::array() const {
    const auto* a = std::get_if<std::shared_ptr<const VariantArray2D>>(&value_);
    return a ? a->get() : nullptr;
}

HRESULT Variant::errorCode() const {
    const auto* e = std::get_if<ErrorTag>(&value_);
    return e ? e->code : 0;
}

bool Variant::operator==(const Variant& other) const { return value_ == other.value_; }

void notSupported(const QString& member) {
    throw Exception(QStringLiteral("Method '%1' not supported by automation object").arg(member));
}

}  // namespace lingotab::automation
