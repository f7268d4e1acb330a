#pragma once

#include "platform/automation/variant.h"

namespace lingotab::automation {

// A late-bound automation object: members are found by name on every call.
// An object that does not know a member raises
// "Method '%s' not supported by automation object" (see notSupported()).
class IDispatch {
public:
    virtual ~IDispatch() = default;

    // Property read, optionally indexed (WorkSheets(1), Cells(r, c)).
    virtual Variant get(const QString& member, const VariantList& args) = 0;
    // Property write, optionally indexed (Cells(r, c) := text).
    virtual void put(const QString& member, const VariantList& args, const Variant& value) = 0;
    // Method call (Add, Delete, AutoFit).
    virtual Variant call(const QString& member, const VariantList& args) = 0;

    // Shorthands for the common unindexed forms.
    Variant get(const QString& member) { return get(member, {}); }
    void put(const QString& member, const Variant& value) { put(member, {}, value); }
    Variant call(const QString& member) { return call(member, {}); }
};

// The error an object raises for a member it does not know.
[[noreturn]] void notSupported(const QString& member);

}  // namespace lingotab::automation
