#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <variant>
#include <vector>

namespace lingotab::automation {

class IDispatch;
using DispatchPtr = std::shared_ptr<IDispatch>;

using HRESULT = std::int32_t;

// Error code carried by the standard missing-argument value.
inline constexpr HRESULT DISP_E_PARAMNOTFOUND = static_cast<HRESULT>(0x80020004u);

class Variant;

// A two-dimensional array of variants, row-major, rows x columns.
class VariantArray2D {
public:
    VariantArray2D() = default;
    VariantArray2D(int rows, int columns);

    int rows() const { return rows_; }
    int columns() const { return columns_; }
    // Zero-based access.
    Variant& at(int row, int column);
    const Variant& at(int row, int column) const;

private:
    int rows_ = 0;
    int columns_ = 0;
    std::vector<Variant> cells_;
};

// A late-bound automation value: what passes in and out of dispatch calls.
class Variant {
public:
    enum class Type { Empty, Null, Bool, Int, Double, String, Dispatch, Array, Error };

    Variant() = default;
    Variant(bool value) : value_(value) {}
    Variant(int value) : value_(value) {}
    Variant(double value) : value_(value) {}
    Variant(QString value) : value_(std::move(value)) {}
    Variant(const char*) = delete;  // say QStringLiteral or QString::fromUtf8
    Variant(DispatchPtr value) : value_(std::move(value)) {}
    Variant(std::shared_ptr<const VariantArray2D> value) : value_(std::move(value)) {}

    static Variant null();
    // The standard missing-argument value: an error variant with DISP_E_PARAMNOTFOUND.
    static Variant missing();
    static Variant error(HRESULT code);

    Type type() const;
    bool isEmpty() const { return type() == Type::Empty; }
    bool isNull() const { return type() == Type::Null; }
    bool isMissing() const;

    // Conversions follow the automation rules; an impossible one raises
    // "Could not convert variant of type (%s) into type (%s)".
    bool toBool() const;
    int toInt() const;
    double toDouble() const;
    QString toString() const;
    // Raises "Variant does not reference an automation object" when the
    // value holds no object.
    DispatchPtr toDispatch() const;
    // The array, or nullptr when the value is no array.
    const VariantArray2D* array() const;
    HRESULT errorCode() const;

    // Name of the variant type as conversion messages write it ("Null", "OleStr").
    static QString typeName(Type type);

    bool operator==(const Variant& other) const;

private:
    struct NullTag {
        bool operator==(const NullTag&) const = default;
    };
    struct ErrorTag {
        HRESULT code;
        bool operator==(const ErrorTag&) const = default;
    };
    Variant(NullTag tag) : value_(tag) {}
    Variant(ErrorTag tag) : value_(tag) {}
    [[noreturn]] void conversionError(Type to) const;

    std::variant<std::monostate, NullTag, bool, int, double, QString, DispatchPtr,
                 std::shared_ptr<const VariantArray2D>, ErrorTag>
        value_;
};

using VariantList = std::vector<Variant>;

}  // namespace lingotab::automation
